// The grammar compiler: grammar text in, parse table bytes out. The syntax is described in
// README.md beside this file.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "diagnostic.h"

namespace grammar {

struct CompiledTable {
  std::vector<std::uint8_t> bytes;  // empty when there are errors
  Diagnostics errors;               // by line
};

CompiledTable compileGrammar(std::string_view text);

}  // namespace grammar
