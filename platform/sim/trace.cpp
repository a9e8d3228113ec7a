// The trace of what the user saw (sim/trace.h) and its recording by the platform layer.
#include "sim/trace.h"

#include <cstdint>
#include <mutex>

#include "sim/trace_recorder.h"

namespace {

// Entries carry a serial number, so that a message box's answer finds its entry even when
// failures before it have been taken out.
struct StoredEntry {
  std::uint64_t serial;
  sim::TraceEntry entry;
};

struct TraceState {
  std::mutex mutex;
  std::vector<StoredEntry> entries;
  std::uint64_t nextSerial = 1;
};

TraceState& state() {
  static TraceState* instance = new TraceState;  // never destroyed: used until the process ends
  return *instance;
}

std::uint64_t append(sim::TraceEntry entry) {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  const std::uint64_t serial = s.nextSerial++;
  s.entries.push_back({serial, std::move(entry)});
  return serial;
}

template <class T, class Pick>
std::vector<T> collect(sim::TraceKind kind, Pick pick) {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  std::vector<T> result;
  for (const StoredEntry& stored : s.entries)
    if (stored.entry.kind == kind) result.push_back(pick(stored.entry));
  return result;
}

}  // namespace

namespace qxplatform {

std::uint64_t recordMessageBox(HWND owner, std::u16string caption, std::u16string text, UINT style) {
  sim::TraceEntry entry;
  entry.kind = sim::TraceKind::messageBox;
  entry.messageBox = {owner, std::move(caption), std::move(text), style, 0};
  return append(std::move(entry));
}

void recordMessageBoxAnswer(std::uint64_t serial, int answer) {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  // The trace may have been cleared while the box was open; then there is nothing to complete.
  for (StoredEntry& stored : s.entries)
    if (stored.serial == serial) stored.entry.messageBox.answer = answer;
}

void recordBeep(UINT type) {
  sim::TraceEntry entry;
  entry.kind = sim::TraceKind::beep;
  entry.beep = type;
  append(std::move(entry));
}

void recordFocusChange(HWND from, HWND to, int toId) {
  sim::TraceEntry entry;
  entry.kind = sim::TraceKind::focus;
  entry.focus = {from, to, toId};
  append(std::move(entry));
}

void recordFailure(std::string what) {
  sim::TraceEntry entry;
  entry.kind = sim::TraceKind::failure;
  entry.failure = std::move(what);
  append(std::move(entry));
}

}  // namespace qxplatform

namespace sim {

std::vector<TraceEntry> trace() {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  std::vector<TraceEntry> result;
  for (const StoredEntry& stored : s.entries) result.push_back(stored.entry);
  return result;
}

std::vector<MessageBoxRecord> messageBoxes() {
  return collect<MessageBoxRecord>(TraceKind::messageBox, [](const TraceEntry& e) { return e.messageBox; });
}

std::vector<UINT> beeps() {
  return collect<UINT>(TraceKind::beep, [](const TraceEntry& e) { return e.beep; });
}

std::vector<FocusChange> focusChanges() {
  return collect<FocusChange>(TraceKind::focus, [](const TraceEntry& e) { return e.focus; });
}

std::vector<std::string> failures() {
  return collect<std::string>(TraceKind::failure, [](const TraceEntry& e) { return e.failure; });
}

std::vector<std::string> takeFailures() {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  std::vector<std::string> taken;
  std::erase_if(s.entries, [&](StoredEntry& stored) {
    if (stored.entry.kind != TraceKind::failure) return false;
    taken.push_back(std::move(stored.entry.failure));
    return true;
  });
  return taken;
}

void clearTrace() {
  TraceState& s = state();
  std::lock_guard lock(s.mutex);
  s.entries.clear();
}

}  // namespace sim
