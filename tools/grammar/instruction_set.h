// The instructions of parse tables as the grammar text names them: one mnemonic per opcode, the
// kind of operand each takes, and the flag words. The compiler reads these names and the
// disassembler writes them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "parse/table_format.h"

namespace grammar {

using dsup::parse_format::Opcode;

enum class OperandKind {
  none,       // no operand; a number may be given (ignored by the parser)
  label,      // an instruction, by its label
  string,     // a pool string: a literal or the name of a declared string
  list,       // a keyword list, by its name
  number,     // 0 to 65535
  count,      // 0 to the text capacity (80)
  character,  // a character literal, or a number whose low byte is the character
};

struct InstructionKind {
  std::string_view mnemonic;
  Opcode opcode;
  OperandKind operand;
};

struct FlagKind {
  std::string_view word;  // written as +word after the operand
  std::uint8_t bit;
};

std::optional<InstructionKind> findInstruction(std::string_view mnemonic);
std::optional<InstructionKind> findInstruction(Opcode opcode);

// In the order the parser runs them.
std::span<const FlagKind> flagKinds();

// Whether the instruction's operand names a keyword (the instructions a keyword list may hold).
bool namesKeyword(Opcode opcode);

}  // namespace grammar
