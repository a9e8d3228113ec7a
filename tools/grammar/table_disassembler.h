// Turns a parse table back into grammar text that compiles to the same bytes. Tables laid out as
// the compiler lays them out (header, directory, keyword index, pool and program one behind the
// other) can be disassembled; anything the grammar cannot say (another layout, a jump out of the
// program, an operand inside a string, an unassigned code) is reported instead.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "diagnostic.h"

namespace grammar {

struct Disassembly {
  std::string text;   // empty when there are errors
  Diagnostics errors;  // line 0: they concern the table
};

Disassembly disassembleTable(std::span<const std::uint8_t> table);

}  // namespace grammar
