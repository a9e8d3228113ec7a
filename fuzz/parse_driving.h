// Running the token parser over a text with every entry of a table, as a driver runs it line by
// line, and checking after every call what the parser promises: the cursor stays within the text,
// the text field stays terminated within its 81 characters, and each call ends.
#pragma once

#include <dsup.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

#include "parse/table_format.h"

namespace dsupfuzz {

namespace format = dsup::parse_format;

inline std::uint16_t wordAt(std::span<const std::uint8_t> table, std::size_t at) {
  if (at + 2 > table.size()) std::abort();
  return format::loadWord(table.data() + at);
}

inline std::size_t sectionAt(std::span<const std::uint8_t> table, int offsetAt) {
  return static_cast<std::size_t>(static_cast<std::int16_t>(wordAt(table, static_cast<std::size_t>(offsetAt))));
}

// Whether every jump of a table laid out as the grammar compiler lays it out (the program last)
// goes forward: GOTO, ON_MATCH, ON_FAILURE and the members of a KEYWORD_LOOKUP's list all lie
// behind their instruction. Such a program cannot loop, so every DSupParseNext ends.
inline bool jumpsOnlyForward(std::span<const std::uint8_t> table) {
  const std::size_t program = sectionAt(table, format::programOffsetAt);
  const std::size_t keywordIndex = sectionAt(table, format::keywordIndexOffsetAt);
  for (std::size_t i = 0; program + (i + 1) * format::instructionSize <= table.size(); ++i) {
    const std::size_t at = program + i * format::instructionSize;
    const auto opcode = static_cast<format::Opcode>(table[at] & format::opcodeMask);
    const std::uint16_t operand = wordAt(table, at + 1);
    switch (opcode) {
      case format::Opcode::jump:
      case format::Opcode::onMatch:
      case format::Opcode::onFailure:
        if (operand <= i) return false;
        break;
      case format::Opcode::keywordLookup: {
        const std::uint16_t last = wordAt(table, keywordIndex + operand * format::keywordIndexCellSize);
        for (std::size_t cell = operand + 1u; cell <= last; ++cell)
          if (wordAt(table, keywordIndex + cell * format::keywordIndexCellSize) <= i) return false;
        break;
      }
      default: break;
    }
  }
  return true;
}

// Parses `text` from every entry of the table, calling DSupParseNext until the grammar ends, at
// most `callLimit` times (a forward program yields or fails at most once per instruction).
inline void parseEveryEntry(std::span<const std::uint8_t> table, const std::string& text, int callLimit) {
  const auto* parseTable = reinterpret_cast<const ParseTable*>(table.data());
  const std::size_t directory = sectionAt(table, format::entryDirectoryOffsetAt);
  const int lastEntry = static_cast<std::int16_t>(wordAt(table, directory));
  for (int entry = 0; entry <= lastEntry; ++entry) {
    const std::size_t at = directory + format::directoryCountSize + static_cast<std::size_t>(entry) * format::directoryEntrySize;
    const auto key = static_cast<std::int16_t>(wordAt(table, at + format::directoryKeyAt));
    ParseState state{};
    if (DSupParseInit(parseTable, key, text.c_str(), &state) != 1) std::abort();
    for (int call = 0; call < callLimit; ++call) {
      const INT result = DSupParseNext(&state);
      const char* cursor = state.cursor;
      if (cursor < text.c_str() || cursor > text.c_str() + text.size()) std::abort();
      if (std::memchr(state.text, 0, sizeof state.text) == nullptr) std::abort();
      if (result == DSUP_PARSE_END) break;
      if (result != DSUP_PARSE_YIELDED && result != DSUP_PARSE_SYNTAX_ERROR) std::abort();
    }
  }
}

}  // namespace dsupfuzz
