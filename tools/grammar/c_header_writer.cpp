#include "c_header_writer.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace grammar {

namespace {

constexpr int bytesPerLine = 12;

// The prefix of the header's macros, from the array's name.
std::string macroPrefix(std::string_view arrayName) {
  std::string prefix = "DSUP_PARSE_TABLE_";
  for (char c : arrayName) prefix += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return prefix;
}

}  // namespace

bool isCIdentifier(std::string_view name) {
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

std::string writeCHeader(std::span<const std::uint8_t> table, std::string_view arrayName, std::string_view sourceName) {
  const std::string guard = macroPrefix(arrayName) + "_H";
  const std::string aligned = macroPrefix(arrayName) + "_ALIGNED";
  std::ostringstream out;
  out << "/* Parse table compiled by dsup-grammar from " << sourceName << ". Do not edit: compile the grammar. */\n"
      << "#ifndef " << guard << "\n#define " << guard << "\n\n"
      << "/* Aligned to 2 bytes, so that a const ParseTable* may point at it. */\n"
      << "#if defined(__cplusplus)\n#define " << aligned << " alignas(2)\n"
      << "#else\n#define " << aligned << " _Alignas(2)\n#endif\n\n"
      << aligned << " static const unsigned char " << arrayName << '[' << table.size() << "] = {";
  for (std::size_t i = 0; i < table.size(); ++i) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", table[i]);
    out << (i % bytesPerLine == 0 ? "\n    " : " ") << hex << (i + 1 < table.size() ? "," : "");
  }
  out << "\n};\n\n#undef " << aligned << "\n\n#endif /* " << guard << " */\n";
  return out.str();
}

}  // namespace grammar
