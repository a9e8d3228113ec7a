#include "grammar_lexer.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace grammar {

namespace {

constexpr std::int64_t numberLimit = std::numeric_limits<std::uint32_t>::max();

bool isIdentifierStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool isIdentifierPart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class LineLexer {
 public:
  LineLexer(std::string_view line, int lineNumber, Diagnostics& errors)
      : line_(line), lineNumber_(lineNumber), errors_(errors) {}

  bool run(std::vector<Token>& tokens) {
    while (skipSpace() && line_[at_] != '#') {
      Token token{TokenKind::colon, {}, 0};
      if (!next(token)) return false;
      tokens.push_back(std::move(token));
    }
    return true;
  }

 private:
  // Passes over white space; returns whether something is left on the line.
  bool skipSpace() {
    while (at_ < line_.size() && std::isspace(static_cast<unsigned char>(line_[at_]))) ++at_;
    return at_ < line_.size();
  }

  bool fail(std::string message) {
    errors_.push_back({lineNumber_, std::move(message)});
    return false;
  }

  bool next(Token& token) {
    const char c = line_[at_];
    if (c == ':' || c == ',' || c == '+') {
      ++at_;
      token.kind = c == ':' ? TokenKind::colon : c == ',' ? TokenKind::comma : TokenKind::plus;
      return true;
    }
    if (isIdentifierStart(c)) {
      const std::size_t start = at_;
      while (at_ < line_.size() && isIdentifierPart(line_[at_])) ++at_;
      token.kind = TokenKind::identifier;
      token.text = line_.substr(start, at_ - start);
      return true;
    }
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '-') return number(token);
    if (c == '"') return quoted(token);
    if (c == '\'') return character(token);
    return fail(std::string("unexpected character '") + escapeByte(static_cast<unsigned char>(c), '\'') + "'");
  }

  bool number(Token& token) {
    const bool negative = line_[at_] == '-';
    if (negative) ++at_;
    int base = 10;
    if (line_.substr(at_, 2) == "0x" || line_.substr(at_, 2) == "0X") {
      base = 16;
      at_ += 2;
    }
    std::int64_t value = 0;
    std::size_t digits = 0;
    for (int d; at_ < line_.size() && (d = hexValue(line_[at_])) >= 0 && d < base; ++at_, ++digits)
      value = std::min(value * base + d, numberLimit + 1);
    if (digits == 0 || (at_ < line_.size() && isIdentifierPart(line_[at_])))
      return fail("malformed number");
    token.kind = TokenKind::number;
    token.number = negative ? -value : value;
    return true;
  }

  // One character of a literal, escapes resolved; `byte` receives it.
  bool literalCharacter(unsigned char& byte) {
    if (at_ >= line_.size()) return false;
    const char c = line_[at_++];
    if (c != '\\') {
      byte = static_cast<unsigned char>(c);
      return true;
    }
    if (at_ >= line_.size()) return false;
    switch (const char e = line_[at_++]) {
      case 'n': byte = '\n'; return true;
      case 'r': byte = '\r'; return true;
      case 't': byte = '\t'; return true;
      case '0': byte = '\0'; return true;
      case '\\': case '"': case '\'': byte = static_cast<unsigned char>(e); return true;
      case 'x': {
        const int high = at_ + 1 < line_.size() ? hexValue(line_[at_]) : -1;
        const int low = high >= 0 ? hexValue(line_[at_ + 1]) : -1;
        if (low < 0) return false;
        at_ += 2;
        byte = static_cast<unsigned char>(high * 16 + low);
        return true;
      }
      default: return false;
    }
  }

  bool quoted(Token& token) {
    ++at_;
    token.kind = TokenKind::string;
    while (at_ < line_.size() && line_[at_] != '"') {
      unsigned char byte = 0;
      if (!literalCharacter(byte)) return fail("bad escape in a string (use \\\\ \\\" \\n \\r \\t \\0 or \\xHH)");
      token.text.push_back(static_cast<char>(byte));
    }
    if (at_ >= line_.size()) return fail("string not closed by '\"'");
    ++at_;
    return true;
  }

  bool character(Token& token) {
    ++at_;
    unsigned char byte = 0;
    if (!literalCharacter(byte) || at_ >= line_.size() || line_[at_] != '\'')
      return fail("a character is written as one character or escape between single quotes");
    ++at_;
    token.kind = TokenKind::character;
    token.number = byte;
    return true;
  }

  std::string_view line_;
  int lineNumber_;
  Diagnostics& errors_;
  std::size_t at_ = 0;
};

}  // namespace

bool tokenizeLine(std::string_view line, int lineNumber, std::vector<Token>& tokens, Diagnostics& errors) {
  return LineLexer(line, lineNumber, errors).run(tokens);
}

std::string escapeByte(unsigned char byte, char quote) {
  switch (byte) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    case '\0': return "\\0";
    case '\\': return "\\\\";
    default: break;
  }
  if (byte == static_cast<unsigned char>(quote)) return std::string("\\") + quote;
  if (byte >= 0x20 && byte < 0x7F) return std::string(1, static_cast<char>(byte));
  constexpr char hex[] = "0123456789ABCDEF";
  return std::string("\\x") + hex[byte >> 4] + hex[byte & 0xF];
}

}  // namespace grammar
