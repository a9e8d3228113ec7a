#include "instruction_set.h"

#include <array>

namespace grammar {

namespace {

namespace format = dsup::parse_format;

constexpr std::array<InstructionKind, format::lastAssignedOpcode + 1> instructions{{
    {"equals", Opcode::equals, OperandKind::none},
    {"on_match", Opcode::onMatch, OperandKind::label},
    {"goto", Opcode::jump, OperandKind::label},
    {"charset", Opcode::charset, OperandKind::string},
    {"keyword", Opcode::keyword, OperandKind::string},
    {"short_int", Opcode::shortInt, OperandKind::none},
    {"real", Opcode::real, OperandKind::none},
    {"skip_to_separator", Opcode::skipToSeparator, OperandKind::none},
    {"yield", Opcode::yield, OperandKind::number},
    {"end", Opcode::end, OperandKind::none},
    {"set_tag", Opcode::setTag, OperandKind::number},
    {"on_failure", Opcode::onFailure, OperandKind::label},
    {"keyword_word", Opcode::keywordWord, OperandKind::string},
    {"keyword_lookup", Opcode::keywordLookup, OperandKind::list},
    {"nop", Opcode::nop, OperandKind::none},
    {"set_separator", Opcode::setSeparator, OperandKind::character},
    {"set_quote", Opcode::setQuote, OperandKind::character},
    {"skip_field", Opcode::skipField, OperandKind::none},
    {"text_until", Opcode::textUntil, OperandKind::character},
    {"text_count", Opcode::textCount, OperandKind::count},
    {"long_int", Opcode::longInt, OperandKind::none},
}};

constexpr std::array<FlagKind, 3> flags{{
    {"equals", format::equalsFlag},
    {"real", format::realFlag},
    {"short_int", format::shortIntFlag},
}};

}  // namespace

std::optional<InstructionKind> findInstruction(std::string_view mnemonic) {
  for (const InstructionKind& kind : instructions)
    if (kind.mnemonic == mnemonic) return kind;
  return std::nullopt;
}

std::optional<InstructionKind> findInstruction(Opcode opcode) {
  for (const InstructionKind& kind : instructions)
    if (kind.opcode == opcode) return kind;
  return std::nullopt;
}

std::span<const FlagKind> flagKinds() { return flags; }

bool namesKeyword(Opcode opcode) { return opcode == Opcode::keyword || opcode == Opcode::keywordWord; }

}  // namespace grammar
