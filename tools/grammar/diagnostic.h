// A mistake found in a grammar text or a parse table, with the grammar line it is on (0 when it
// concerns no line: a whole grammar or a table being disassembled).
#pragma once

#include <string>
#include <vector>

namespace grammar {

struct Diagnostic {
  int line;
  std::string message;
};

using Diagnostics = std::vector<Diagnostic>;

}  // namespace grammar
