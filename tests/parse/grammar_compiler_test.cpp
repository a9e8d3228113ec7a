// The grammar compiler and disassembler: the example grammars against the documented bytes, the
// round trip back through grammar text, and the mistakes each reports with its line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "parse_test_support.h"
#include "table_disassembler.h"

namespace dsuptest {
namespace {

std::string readExample(const std::string& name) {
  std::ifstream in(std::string(DSUP_GRAMMAR_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> roundTrip(const std::vector<std::uint8_t>& table) {
  const grammar::Disassembly text = grammar::disassembleTable(table);
  for (const grammar::Diagnostic& error : text.errors) ADD_FAILURE() << error.message;
  return compileOrFail(text.text);
}

TEST(GrammarExamples, CompileToTheDocumentedBytes) {
  EXPECT_EQ(compileOrFail(readExample("temperature.grammar")), temperatureTable);
  EXPECT_EQ(compileOrFail(readExample("flow_or_temperature.grammar")), keywordLookupTable);
}

TEST(Disassembler, DisassemblyCompilesToTheSameBytes) {
  const std::vector<std::uint8_t> tables[] = {
      temperatureTable, keywordLookupTable, compileOrFail(""),  // an empty directory
      compileOrFail("entry -5 a\nentry 300 b\na:\n set_separator '\\t'\n set_quote 0x2227\n text_until '\\''\n"  // every operand kind
                    " text_count 80 +short_int\n nop 513\nb:\n charset \"\\x80\\\"\\\\\\0\"\n set_tag 65535\n"
                    " skip_field +equals\n skip_to_separator\n long_int\n goto a\n"),
      // declared strings that literals alone would not lay out: unused, repeated, out of order
      compileOrFail("string spare \"ZZ\"\nstring twice \"AB\"\nentry 1 a\na:\n keyword \"CD\"\n keyword twice\n"
                    " keyword \"AB\"\n on_match a\n keyword_word \"CD\" +real\n end\n"),
      compileOrFail("entry 1 a\nlist second y, x\nlist first x\na:\n keyword_lookup first\n keyword_lookup second\n end\n"
                    "y:\n keyword \"alpha\"\n end\nx:\n keyword_word \"beta\"\n end\n")};
  for (const std::vector<std::uint8_t>& table : tables) {
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(roundTrip(table), table);
  }
}

TEST(Compiler, MistakesAreReportedWithTheirLine) {
  const struct {
    const char* grammar;
    int line;
    const char* message;  // a part of the message
  } mistakes[] = {
      {"entry 1 a\na:\n goto nowhere\n", 3, "unknown label 'nowhere'"},
      {"entry 1 start\nb:\n end\n", 1, "unknown label 'start'"},
      {"entry 1 a\nlist l a, b\na:\n keyword \"TEMP\"\n end\nb:\n keyword \"flow\"\n end\n", 2, "out of order"},
      {"entry 1 a\nlist l a, b\na:\n keyword \"TEMP\"\n end\nb:\n keyword \"Temperature\"\n end\n", 2,
       "begins"},
      {"entry 1 a\nlist l a\na:\n yield 1\n end\n", 2, "is not a keyword instruction"},
      {"entry 1 a\na:\n text_count 81\n end\n", 3, "between 0 and 80"},
      {"entry 1 a\na:\n keyword \"A\"\n yield 1\n", 4, "run past its end"},
      {"entry 1 a\nlist l b\na:\n keyword_lookup l\n end\nb:\n keyword \"x\"\n", 7, "run past its end"},
      {"entry 1 a\na:\n on_failure b\n end\nb:\n nop\n", 6, "run past its end"},
      {"entry 1 a\na:\n end\na:\n end\n", 4, "already defined on line 2"},
      {"entry 1 a\nentry 1 a\na:\n end\n", 2, "key 1 already used"},
      {"entry 1 a\na:\n end\nb:\n", 4, "not followed by an instruction"},
      {"entry 1 a\na:\n jump a\n", 3, "unknown instruction 'jump'"},
      {"entry 1 a\na:\n keyword \"A\" +fast\n end\n", 3, "expected a flag"},
      {"entry 1 a\na:\n keyword \"A\\q\"\n end\n", 3, "bad escape"},
      {"entry 1 a\na:\n keyword \"A\\0B\"\n end\n", 3, "zero character"},
      {"entry 1 a\na:\n charset \"\"\n end\n", 3, "1 to 127 characters"},
      {"entry 1 a\na:\n keyword_lookup l\n end\n", 3, "unknown keyword list 'l'"},
      {"entry 1 a\na:\n keyword s\n end\n", 3, "unknown string 's'"},
      {"entry 40000 a\na:\n end\n", 1, "between -32768 and 32767"},
      {"entry 1 a\na:\n yield\n end\n", 3, "expected a number"}};
  for (const auto& mistake : mistakes) {
    SCOPED_TRACE(mistake.message);
    const grammar::CompiledTable compiled = grammar::compileGrammar(mistake.grammar);
    EXPECT_TRUE(compiled.bytes.empty());
    ASSERT_FALSE(compiled.errors.empty());
    EXPECT_EQ(compiled.errors[0].line, mistake.line);
    EXPECT_NE(compiled.errors[0].message.find(mistake.message), std::string::npos) << compiled.errors[0].message;
  }
}

TEST(Compiler, RefusesTablesBeyondTheFormatsLimits) {
  std::string bigPool = "entry 1 a\na:\n";
  for (int i = 0; i < 300; ++i) bigPool += " keyword \"" + std::string(120, 'a') + std::to_string(i) + "\"\n";
  std::string longProgram = "entry 1 a\na:\n";
  for (int i = 0; i < 65535; ++i) longProgram += " nop\n";
  for (const std::string& grammar : {bigPool + " end\n", longProgram + " end\n"}) {
    const grammar::CompiledTable compiled = grammar::compileGrammar(grammar);
    EXPECT_TRUE(compiled.bytes.empty());
    ASSERT_EQ(compiled.errors.size(), 1u);
    EXPECT_EQ(compiled.errors[0].line, 0);
  }
}

TEST(Disassembler, TableMistakesAreReportedInsteadOfDisassembled) {
  const struct {
    const char* name;
    std::size_t at;  // byte of the keyword lookup table to change
    std::uint8_t value;
    const char* message;
  } mistakes[] = {
      {"KeywordIndexAwayFromTheDirectory", 2, 0x10, "not laid out"},
      {"PartialInstruction", 6, 0x1F, "whole number"},
      {"JumpOutOfTheProgram", 40, 0x07, "outside the program"},
      {"OperandInsideAString", 34, 0x01, "no string starts"},
      {"UnassignedCode", 30, 0x15, "unassigned code 21"},
      {"ListOverrunningTheIndex", 14, 0x09, "does not head a list"},
      {"StringOverrunningThePool", 25, 0x05, "bad length"}};
  for (const auto& mistake : mistakes) {
    SCOPED_TRACE(mistake.name);
    std::vector<std::uint8_t> table = keywordLookupTable;
    table[mistake.at] = mistake.value;
    const grammar::Disassembly disassembly = grammar::disassembleTable(table);
    EXPECT_TRUE(disassembly.text.empty());
    ASSERT_EQ(disassembly.errors.size(), 1u);
    EXPECT_NE(disassembly.errors[0].message.find(mistake.message), std::string::npos) << disassembly.errors[0].message;
  }
}

}  // namespace
}  // namespace dsuptest
