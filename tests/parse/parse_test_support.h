// Compiling grammars with the grammar compiler and running the parser over a text, for the
// parser's tests.
#pragma once

#include <dsup.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dsuptest {

// ParseState is byte-packed, so its fields may stand at misaligned addresses: tests compare
// copies of them (copyOf(state.realValue)), never references to them.
template <class T>
constexpr T copyOf(T value) {
  return value;
}

// The table of a grammar that must compile; a failure lists the compiler's errors.
std::vector<std::uint8_t> compileOrFail(std::string_view grammar);

// One parse of one text: the text and the table stay where the state points.
class ParseRun {
 public:
  ParseRun(std::vector<std::uint8_t> table, std::string text, INT key = 1);
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
