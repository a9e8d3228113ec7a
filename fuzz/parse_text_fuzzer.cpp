// The parser on any text, from every entry of fixed tables: the two reference tables of the parse
// table format and the method grammar of the parser's tests, compiled at build time.
#include <cstdint>
#include <string>

#include "method_grammar.h"
#include "parse_driving.h"

namespace {

// Key 7: KEYWORD TEMP with the equals and real flags, YIELD 1, END.
const std::uint8_t temperatureTable[] = {0x08, 0x00, 0x0E, 0x00, 0x0E, 0x00, 0x13, 0x00, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00,
                                         0x04, 'T',  'E',  'M',  'P',  0x64, 0x00, 0x00, 0x08, 0x01, 0x00, 0x09, 0x00, 0x00};

// Key 1: KEYWORD_LOOKUP over FLOW (yields 1) and TEMP (yields 2).
const std::uint8_t keywordLookupTable[] = {0x08, 0x00, 0x0E, 0x00, 0x14, 0x00, 0x1E, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00,
                                           0x00, 0x02, 0x00, 0x01, 0x00, 0x04, 0x00, 0x04, 0x46, 0x4C, 0x4F, 0x57, 0x04,
                                           0x54, 0x45, 0x4D, 0x50, 0x0D, 0x00, 0x00, 0x64, 0x00, 0x00, 0x08, 0x01, 0x00,
                                           0x02, 0x06, 0x00, 0x64, 0x05, 0x00, 0x08, 0x02, 0x00, 0x09, 0x00, 0x00};

template <std::size_t size>
void parse(const std::uint8_t (&table)[size], const std::string& text) {
  dsupfuzz::parseEveryEntry(table, text, 4 * static_cast<int>(size / dsup::parse_format::instructionSize) + 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  parse(temperatureTable, text);
  parse(keywordLookupTable, text);
  parse(methodGrammar, text);
  return 0;
}
