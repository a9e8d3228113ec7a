// Splits one line of grammar text into tokens. A '#' outside quotes starts a comment that runs to
// the end of the line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostic.h"

namespace grammar {

enum class TokenKind {
  identifier,  // letters, digits and '_', not starting with a digit
  number,      // decimal with an optional sign, or hexadecimal after 0x
  string,      // "..." with escapes; `text` holds the bytes
  character,   // '.' with escapes; `number` holds the byte
  colon,
  comma,
  plus,
};

struct Token {
  TokenKind kind;
  std::string text;
  std::int64_t number = 0;
};

// Escapes inside quotes: \\ \" \' \n \r \t \0 and \xHH. Returns false (with a diagnostic) for a
// character that starts no token, an unterminated literal or a bad escape.
bool tokenizeLine(std::string_view line, int lineNumber, std::vector<Token>& tokens, Diagnostics& errors);

// A byte written the way tokenizeLine reads it back inside `quote`s: printable ASCII as itself,
// everything else (and the quote and the backslash) as an escape.
std::string escapeByte(unsigned char byte, char quote);

}  // namespace grammar
