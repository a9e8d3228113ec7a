#include "parse_test_support.h"

#include <gtest/gtest.h>

#include "grammar_compiler.h"

namespace dsuptest {

std::vector<std::uint8_t> compileOrFail(std::string_view grammar) {
  grammar::CompiledTable compiled = grammar::compileGrammar(grammar);
  for (const grammar::Diagnostic& error : compiled.errors) ADD_FAILURE() << "line " << error.line << ": " << error.message;
  return compiled.bytes;
}

ParseRun::ParseRun(std::vector<std::uint8_t> table, std::string text, INT key)
    : table(std::move(table)), text(std::move(text)) {
  initResult = DSupParseInit(reinterpret_cast<const ParseTable*>(this->table.data()), key, this->text.c_str(), &state);
}

}  // namespace dsuptest
