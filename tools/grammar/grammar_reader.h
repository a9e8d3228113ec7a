// Reads a grammar text into its statements, line by line. Mistakes of form (unknown words, missing
// or malformed operands, numbers out of range, a label defined twice) are reported here with
// their lines; names are resolved later, when the table is built.
#pragma once

#include <string_view>

#include "diagnostic.h"
#include "grammar_model.h"

namespace grammar {

Grammar readGrammar(std::string_view text, Diagnostics& errors);

}  // namespace grammar
