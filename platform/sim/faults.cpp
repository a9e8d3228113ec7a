// Fault injection and operation counters (sim/faults.h), and the kernel's entry to them.
#include "sim/faults.h"

#include <array>
#include <map>
#include <mutex>
#include <vector>

#include "kernel/fault_points.h"

namespace {

struct ArmedFault {
  bool anyKind;
  sim::Operation kind;
  std::uint64_t remaining;  // operations (of that kind, or of any kind) until it fires
  bool shorten;
  std::uint32_t bytes;
};

struct FaultState {
  std::mutex mutex;
  std::array<std::uint64_t, sim::operationKinds> counts{};
  std::array<bool, sim::operationKinds> failEvery{};
  std::vector<ArmedFault> armed;
  std::uint64_t fired = 0;
  std::map<std::string, sim::FileCounters> files;
};

FaultState& state() {
  static FaultState* instance = new FaultState;  // never destroyed: used until the process ends
  return *instance;
}

std::size_t slot(sim::Operation kind) { return static_cast<std::size_t>(kind); }

}  // namespace

namespace qxplatform {

FaultDecision enterOperation(sim::Operation kind) {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  ++s.counts[slot(kind)];
  FaultDecision decision;
  if (s.failEvery[slot(kind)]) decision.fail = true;
  for (auto it = s.armed.begin(); it != s.armed.end();) {
    if (!it->anyKind && it->kind != kind) {
      ++it;
      continue;
    }
    if (--it->remaining > 0) {
      ++it;
      continue;
    }
    if (it->shorten) {
      decision.shorten = true;
      decision.bytes = it->bytes;
    } else {
      decision.fail = true;
    }
    it = s.armed.erase(it);
  }
  if (decision.fail) decision.shorten = false;
  if (decision.fail || decision.shorten) ++s.fired;
  return decision;
}

void countFileEvent(const std::string& path, FileEvent event, std::uint64_t bytes) {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  sim::FileCounters& c = s.files[path];
  switch (event) {
    case FileEvent::open: ++c.opens; break;
    case FileEvent::read: ++c.reads; break;
    case FileEvent::write:
      ++c.writes;
      c.bytesWritten += bytes;
      break;
    case FileEvent::remove: ++c.deletes; break;
  }
}

}  // namespace qxplatform

namespace sim {

std::uint64_t operationCount(Operation kind) {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  return s.counts[slot(kind)];
}

std::uint64_t operationCount() {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  std::uint64_t total = 0;
  for (std::uint64_t n : s.counts) total += n;
  return total;
}

void failOperation(Operation kind, std::uint64_t nth) {
  if (nth == 0) return;
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.armed.push_back({false, kind, nth, false, 0});
}

void failAnyOperation(std::uint64_t nth) {
  if (nth == 0) return;
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.armed.push_back({true, Operation::allocate, nth, false, 0});
}

void shortenWrite(std::uint64_t nth, std::uint32_t bytesWritten) {
  if (nth == 0) return;
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.armed.push_back({false, Operation::fileWrite, nth, true, bytesWritten});
}

void failEveryOperation(Operation kind) {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.failEvery[slot(kind)] = true;
}

void clearFaults() {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.armed.clear();
  s.failEvery.fill(false);
}

std::uint64_t faultsFired() {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  return s.fired;
}

FileCounters fileCounters(const std::string& path) {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  auto it = s.files.find(path);
  return it == s.files.end() ? FileCounters{} : it->second;
}

void resetCounters() {
  FaultState& s = state();
  std::lock_guard lock(s.mutex);
  s.counts.fill(0);
  s.fired = 0;
  s.files.clear();
}

}  // namespace sim
