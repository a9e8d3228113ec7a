// The parse tests: a file of the test's directory opened for reading as a driver opens its text
// files, the two reference tables of the parse table format byte for byte, grammars compiled with
// the grammar compiler, and one parse of one text.
#pragma once

#include <dsup.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "grammar_compiler.h"

namespace dsuptest {

class LineFileTest : public PlatformTest {
 protected:
  HANDLE open(const std::string& bytes) {
    writeHostFile(temp.file("lines.txt"), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    HANDLE file = CreateFileW(w(temp.file16("lines.txt")), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    return file;
  }
};

// Key 7: KEYWORD TEMP with the equals and real flags, YIELD 1, END.
inline const std::vector<std::uint8_t> temperatureTable = {
    0x08, 0x00, 0x0E, 0x00, 0x0E, 0x00, 0x13, 0x00,  // offsets
    0x00, 0x00, 0x07, 0x00, 0x00, 0x00,              // directory: one entry, key 7, instruction 0
    0x04, 'T', 'E', 'M', 'P',                        // pool
    0x64, 0x00, 0x00, 0x08, 0x01, 0x00, 0x09, 0x00, 0x00};

// Key 1: KEYWORD_LOOKUP over FLOW (yields 1) and TEMP (yields 2).
inline const std::vector<std::uint8_t> keywordLookupTable = {
    0x08, 0x00, 0x0E, 0x00, 0x14, 0x00, 0x1E, 0x00,              // offsets
    0x00, 0x00, 0x01, 0x00, 0x00, 0x00,                          // directory
    0x02, 0x00, 0x01, 0x00, 0x04, 0x00,                          // keyword index: list 0
    0x04, 0x46, 0x4C, 0x4F, 0x57, 0x04, 0x54, 0x45, 0x4D, 0x50,  // pool: FLOW, TEMP
    0x0D, 0x00, 0x00, 0x64, 0x00, 0x00, 0x08, 0x01, 0x00, 0x02, 0x06, 0x00,
    0x64, 0x05, 0x00, 0x08, 0x02, 0x00, 0x09, 0x00, 0x00};

// ParseState is byte-packed, so its fields may stand at misaligned addresses: tests compare
// copies of them (copyOf(state.realValue)), never references to them.
template <class T>
constexpr T copyOf(T value) {
  return value;
}

// The table of a grammar that must compile; a failure lists the compiler's errors.
inline std::vector<std::uint8_t> compileOrFail(std::string_view grammar) {
  grammar::CompiledTable compiled = grammar::compileGrammar(grammar);
  for (const grammar::Diagnostic& error : compiled.errors) ADD_FAILURE() << "line " << error.line << ": " << error.message;
  return compiled.bytes;
}

// One parse of one text: the text and the table stay where the state points.
class ParseRun {
 public:
  ParseRun(std::vector<std::uint8_t> table, std::string text, INT key = 1) : table(std::move(table)), text(std::move(text)) {
    initResult = DSupParseInit(reinterpret_cast<const ParseTable*>(this->table.data()), key, this->text.c_str(), &state);
  }
  ParseRun(const ParseRun&) = delete;
  ParseRun& operator=(const ParseRun&) = delete;

  INT next() { return DSupParseNext(&state); }
  std::ptrdiff_t cursorOffset() const { return state.cursor - text.c_str(); }

  const std::vector<std::uint8_t> table;
  const std::string text;
  ParseState state{};
  INT initResult;
};

}  // namespace dsuptest
