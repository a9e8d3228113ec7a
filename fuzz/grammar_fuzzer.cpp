// The grammar compiler on any text, and the parser on the tables it accepts. The input is a grammar,
// then optionally a zero byte and a text to parse. Every table that compiles must disassemble to a
// grammar that compiles to the same bytes; every table whose jumps all go forward (so that no call
// can loop) is run over the text from each of its entries.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "grammar_compiler.h"
#include "parse_driving.h"
#include "table_disassembler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string_view grammarText = input.substr(0, split);
  const std::string text(split == std::string_view::npos ? std::string_view{} : input.substr(split + 1));

  const grammar::CompiledTable compiled = grammar::compileGrammar(grammarText);
  if (compiled.bytes.empty() != !compiled.errors.empty()) std::abort();
  if (compiled.bytes.empty()) return 0;

  const grammar::Disassembly disassembly = grammar::disassembleTable(compiled.bytes);
  if (!disassembly.errors.empty()) std::abort();
  if (grammar::compileGrammar(disassembly.text).bytes != compiled.bytes) std::abort();

  if (!dsupfuzz::jumpsOnlyForward(compiled.bytes)) return 0;
  const int instructions = static_cast<int>(compiled.bytes.size() / dsup::parse_format::instructionSize);
  dsupfuzz::parseEveryEntry(compiled.bytes, text, 4 * instructions + 2);
  return 0;
}
