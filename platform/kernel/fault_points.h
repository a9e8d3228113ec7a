// The kernel layer's side of fault injection and counting (the controls are in sim/faults.h).
#pragma once

#include <cstdint>
#include <string>

#include "sim/faults.h"

namespace qxplatform {

struct FaultDecision {
  bool fail = false;
  bool shorten = false;            // writes only: write `bytes` bytes and report them
  std::uint32_t bytes = 0;
};

// Counts one operation of that kind and says whether an armed fault makes it fail.
FaultDecision enterOperation(sim::Operation kind);

// Per-file counters, by the path the file was opened or deleted through.
enum class FileEvent { open, read, write, remove };
void countFileEvent(const std::string& path, FileEvent event, std::uint64_t bytes = 0);

}  // namespace qxplatform
