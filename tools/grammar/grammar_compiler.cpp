#include "grammar_compiler.h"

#include <algorithm>

#include "grammar_reader.h"
#include "table_builder.h"

namespace grammar {

CompiledTable compileGrammar(std::string_view text) {
  CompiledTable result;
  // Names are resolved only in a grammar whose every line could be read, so that one mistake of
  // form does not bring a trail of unknown labels behind it.
  const Grammar grammar = readGrammar(text, result.errors);
  if (result.errors.empty()) result.bytes = buildTable(grammar, result.errors);
  std::stable_sort(result.errors.begin(), result.errors.end(),
                   [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
  return result;
}

}  // namespace grammar
