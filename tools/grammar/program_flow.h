// The check that a program cannot run past its last instruction: the parser would go on reading
// whatever bytes follow the table. Every instruction reachable from an entry is followed along
// every way the parser can leave it; the only ways out of the program are END (where a state
// stays) and GOTO.
#pragma once

#include <cstdint>
#include <vector>

#include "diagnostic.h"
#include "instruction_set.h"

namespace grammar {

struct FlowInstruction {
  int line;
  Opcode opcode;
  std::uint16_t operand;
};

// Reports the reachable last instruction after which the parser would go on, if any. A test
// may fail and the caller may call again after any result, so every instruction but END and GOTO
// goes on to the next one; jumps go to their targets, and a keyword lookup to each instruction of
// its list (`keywordIndex` holds the lists' cells).
Diagnostics checkProgramFlow(const std::vector<FlowInstruction>& program, const std::vector<std::uint16_t>& entryStarts,
                             const std::vector<std::uint16_t>& keywordIndex);

}  // namespace grammar
