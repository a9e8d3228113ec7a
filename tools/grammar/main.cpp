// dsup-grammar: compiles grammar texts into the parse tables that drivers hand to the token
// parser, writes them as C/C++ headers, and disassembles tables back into grammar text.
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "c_header_writer.h"
#include "grammar_compiler.h"
#include "table_disassembler.h"

namespace {

constexpr int exitDone = 0;
constexpr int exitInputMistakes = 1;
constexpr int exitUsage = 2;

constexpr const char* usage = R"(Usage:
  dsup-grammar compile GRAMMAR [-o TABLE]                 grammar text to the table's bytes
  dsup-grammar header GRAMMAR [-o HEADER] [--name NAME]   grammar text to a C/C++ header holding the
                                                          table as an array (NAME: the grammar file's
                                                          name, made an identifier)
  dsup-grammar disassemble TABLE [-o GRAMMAR]             a table back to grammar text
  dsup-grammar --help

Without -o the output goes to standard output; nothing is written when the input has mistakes.
Mistakes go to standard error as FILE:LINE: error: MESSAGE.
Exit status: 0 done, 1 mistakes in the input, 2 wrong usage or a file that cannot be read or written.

Grammar text, one statement per line, '#' starts a comment:
  entry KEY LABEL                  directory entry: key (-32768..32767) and its first instruction
  list NAME LABEL, LABEL...        keyword list of keyword instructions, sorted by lower-cased keyword
  string NAME "TEXT"               a pool string at this place of the pool (literals suffice mostly)
  LABEL:                           names the next instruction
  MNEMONIC [OPERAND] [+FLAG...]    an instruction; flags: +equals +real +short_int
Instructions: equals, on_match LABEL, goto LABEL, charset "SET", keyword "WORD", short_int, real,
  skip_to_separator, yield N, end, set_tag N, on_failure LABEL, keyword_word "WORD",
  keyword_lookup LIST, nop, set_separator 'C', set_quote 'C', skip_field, text_until 'C',
  text_count N (at most 80), long_int.
See tools/grammar/README.md for the details.
)";

struct Arguments {
  std::string command;
  std::string input;
  std::string output;
  std::string name;
};

std::optional<Arguments> parseArguments(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  Arguments arguments;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool hasValue = i + 1 < words.size();
    if (words[i] == "-o" && hasValue) arguments.output = words[++i];
    else if (words[i] == "--name" && hasValue) arguments.name = words[++i];
    else if (arguments.command.empty()) arguments.command = words[i];
    else if (arguments.input.empty()) arguments.input = words[i];
    else return std::nullopt;
  }
  const bool known = arguments.command == "compile" || arguments.command == "header" || arguments.command == "disassemble";
  if (!known || arguments.input.empty()) return std::nullopt;
  if (!arguments.name.empty() && arguments.command != "header") return std::nullopt;
  return arguments;
}

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeOutput(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(std::cout.flush());
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

void report(const std::string& file, const grammar::Diagnostics& errors) {
  for (const grammar::Diagnostic& error : errors) {
    std::cerr << file;
    if (error.line > 0) std::cerr << ':' << error.line;
    std::cerr << ": error: " << error.message << '\n';
  }
}

// The grammar file's name without directories and extension, as a C identifier.
std::string arrayNameFor(const std::string& path) {
  std::string name = std::filesystem::path(path).stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) name.insert(0, "table_");
  return name;
}

int run(const Arguments& arguments) {
  const auto input = readFile(arguments.input);
  if (!input) {
    std::cerr << arguments.input << ": error: cannot read the file\n";
    return exitUsage;
  }
  std::string output;
  if (arguments.command == "disassemble") {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(input->data());
    const grammar::Disassembly disassembly = grammar::disassembleTable({bytes, input->size()});
    report(arguments.input, disassembly.errors);
    if (!disassembly.errors.empty()) return exitInputMistakes;
    output = disassembly.text;
  } else {
    const grammar::CompiledTable table = grammar::compileGrammar(*input);
    report(arguments.input, table.errors);
    if (!table.errors.empty()) return exitInputMistakes;
    if (arguments.command == "compile") {
      output.assign(table.bytes.begin(), table.bytes.end());
    } else {
      const std::string name = arguments.name.empty() ? arrayNameFor(arguments.input) : arguments.name;
      if (!grammar::isCIdentifier(name)) {
        std::cerr << "dsup-grammar: error: '" << name << "' is not a C identifier\n";
        return exitUsage;
      }
      output = grammar::writeCHeader(table.bytes, name, std::filesystem::path(arguments.input).filename().string());
    }
  }
  if (writeOutput(arguments.output, output)) return exitDone;
  std::cerr << (arguments.output.empty() ? "standard output" : arguments.output) << ": error: cannot write the file\n";
  return exitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    std::cout << usage;
    return exitDone;
  }
  const auto arguments = parseArguments(argc, argv);
  if (!arguments) {
    std::cerr << usage;
    return exitUsage;
  }
  return run(*arguments);
}
