#include "program_flow.h"

namespace grammar {

namespace {

std::vector<std::size_t> successors(const std::vector<FlowInstruction>& program, std::size_t index,
                                    const std::vector<std::uint16_t>& keywordIndex) {
  const FlowInstruction& instruction = program[index];
  switch (instruction.opcode) {
    case Opcode::end: return {};
    case Opcode::jump: return {instruction.operand};
    case Opcode::onMatch:
    case Opcode::onFailure: return {index + 1, instruction.operand};
    case Opcode::keywordLookup: {
      std::vector<std::size_t> next{index + 1};
      for (std::size_t cell = instruction.operand + 1u; cell <= keywordIndex[instruction.operand]; ++cell)
        next.push_back(keywordIndex[cell]);
      return next;
    }
    default: return {index + 1};
  }
}

}  // namespace

Diagnostics checkProgramFlow(const std::vector<FlowInstruction>& program, const std::vector<std::uint16_t>& entryStarts,
                             const std::vector<std::uint16_t>& keywordIndex) {
  std::vector<bool> reached(program.size(), false);
  std::vector<std::size_t> pending(entryStarts.begin(), entryStarts.end());
  while (!pending.empty()) {
    const std::size_t index = pending.back();
    pending.pop_back();
    if (reached[index]) continue;
    reached[index] = true;
    for (std::size_t next : successors(program, index, keywordIndex)) {
      if (next < program.size()) {
        pending.push_back(next);
        continue;
      }
      return {{program[index].line,
               "the program can run past its end: the parser goes on after this last instruction "
               "(end the program with 'end' or 'goto')"}};
    }
  }
  return {};
}

}  // namespace grammar
