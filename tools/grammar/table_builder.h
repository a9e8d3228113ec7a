// Builds the parse table bytes from a grammar that was read without mistakes: resolves labels,
// lists and strings, lays out the pool (declared strings and literals in the order they are
// written, a literal reusing the first string with the same characters), checks the keyword
// lists and the program's flow, and writes header, directory, keyword index, pool and program
// one behind the other.
#pragma once

#include <cstdint>
#include <vector>

#include "diagnostic.h"
#include "grammar_model.h"

namespace grammar {

// The table, or nothing with the mistakes in `errors`.
std::vector<std::uint8_t> buildTable(const Grammar& grammar, Diagnostics& errors);

}  // namespace grammar
