// Generational handle table: the objects behind the handles of the platform layer.
//
// A handle value carries the kind of object (so that a file handle given to GlobalLock fails), a
// slot index and the slot's generation (so that a freed handle fails even after its slot has been
// reused). Values are multiples of 4 below 2^31, never 0 and never INVALID_HANDLE_VALUE, like the
// handles of Win32. Freed slots are reused in the order they were freed, so a stale handle stays
// invalid for as long as possible. Not thread-safe: each owner guards its table with its mutex.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace qxplatform {

enum class HandleKind : std::uint32_t {
  memory = 1,
  file = 2,
  module = 3,
  window = 4,
  deviceContext = 5,
  service = 6,
};

template <class T>
class HandleTable {
 public:
  explicit HandleTable(HandleKind kind) : kind_(static_cast<std::uint32_t>(kind)) {}

  // Takes the object and returns its handle value; 0 when the table is full.
  std::uintptr_t insert(std::unique_ptr<T> object) {
    std::uint32_t index;
    if (!freeSlots_.empty()) {
      index = freeSlots_.front();
      freeSlots_.pop_front();
    } else {
      if (slots_.size() > maxIndex) return 0;
      if (slots_.empty()) slots_.emplace_back();  // index 0 is never used
      index = static_cast<std::uint32_t>(slots_.size());
      slots_.emplace_back();
    }
    Slot& slot = slots_[index];
    slot.object = std::move(object);
    ++live_;
    return encode(index, slot.generation);
  }

  // The object named by the value, or null when the value is not a live handle of this table.
  T* find(std::uintptr_t value) const {
    const Slot* slot = slotOf(value);
    return slot ? slot->object.get() : nullptr;
  }

  // Removes the object named by the value and hands it back; null when the value is not live.
  std::unique_ptr<T> erase(std::uintptr_t value) {
    Slot* slot = const_cast<Slot*>(slotOf(value));
    if (!slot) return nullptr;
    std::unique_ptr<T> object = std::move(slot->object);
    slot->generation = slot->generation % maxGeneration + 1;
    freeSlots_.push_back(indexOf(value));
    --live_;
    return object;
  }

  std::size_t size() const { return live_; }

  template <class F>
  void forEach(F&& visit) const {
    for (const Slot& slot : slots_)
      if (slot.object) visit(*slot.object);
  }

 private:
  static constexpr std::uint32_t kindBits = 3, indexBits = 17, generationBits = 9;
  static constexpr std::uint32_t maxIndex = (1u << indexBits) - 1;
  static constexpr std::uint32_t maxGeneration = (1u << generationBits) - 1;

  struct Slot {
    std::uint32_t generation = 1;
    std::unique_ptr<T> object;
  };

  std::uintptr_t encode(std::uint32_t index, std::uint32_t generation) const {
    return (std::uintptr_t{generation} << (2 + kindBits + indexBits)) |
           (std::uintptr_t{index} << (2 + kindBits)) | (std::uintptr_t{kind_} << 2);
  }
  static std::uint32_t indexOf(std::uintptr_t value) {
    return static_cast<std::uint32_t>((value >> (2 + kindBits)) & maxIndex);
  }
  const Slot* slotOf(std::uintptr_t value) const {
    if (value & 3) return nullptr;
    if (((value >> 2) & ((1u << kindBits) - 1)) != kind_) return nullptr;
    if (value >> (2 + kindBits + indexBits + generationBits)) return nullptr;
    const std::uint32_t index = indexOf(value);
    if (index == 0 || index >= slots_.size()) return nullptr;
    const Slot& slot = slots_[index];
    if (!slot.object || encode(index, slot.generation) != value) return nullptr;
    return &slot;
  }

  std::uint32_t kind_;
  std::vector<Slot> slots_;
  std::deque<std::uint32_t> freeSlots_;
  std::size_t live_ = 0;
};

}  // namespace qxplatform
