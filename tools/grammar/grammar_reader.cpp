#include "grammar_reader.h"

#include <limits>

#include "grammar_lexer.h"

namespace grammar {

namespace {

namespace format = dsup::parse_format;

constexpr std::int64_t wordMax = std::numeric_limits<std::uint16_t>::max();
constexpr std::int64_t keyMin = std::numeric_limits<std::int16_t>::min();
constexpr std::int64_t keyMax = std::numeric_limits<std::int16_t>::max();

class StatementReader {
 public:
  StatementReader(Grammar& grammar, Diagnostics& errors) : grammar_(grammar), errors_(errors) {}

  void read(int line, std::vector<Token> tokens) {
    line_ = line;
    tokens_ = std::move(tokens);
    at_ = 0;
    if (tokens_.size() >= 2 && tokens_[0].kind == TokenKind::identifier && tokens_[1].kind == TokenKind::colon) {
      defineLabel(tokens_[0].text);
      at_ = 2;
    }
    if (at_ == tokens_.size()) return;
    const Token* word = take(TokenKind::identifier);
    if (!word) return fail("expected an instruction, 'entry', 'list' or 'string'");
    if (word->text == "entry") return readEntry();
    if (word->text == "list") return readList();
    if (word->text == "string") return readString();
    const auto kind = findInstruction(word->text);
    if (!kind) return fail("unknown instruction '" + word->text + "'");
    readInstruction(*kind);
  }

 private:
  void fail(std::string message) { errors_.push_back({line_, std::move(message)}); }

  const Token* take(TokenKind kind) {
    if (at_ >= tokens_.size() || tokens_[at_].kind != kind) return nullptr;
    return &tokens_[at_++];
  }

  bool atEnd() {
    if (at_ == tokens_.size()) return true;
    fail("unexpected text after the statement");
    return false;
  }

  const Token* takeNumber(std::int64_t low, std::int64_t high, const std::string& what) {
    const Token* number = take(TokenKind::number);
    if (!number) fail("expected " + what);
    else if (number->number < low || number->number > high)
      fail(what + " must lie between " + std::to_string(low) + " and " + std::to_string(high));
    else return number;
    return nullptr;
  }

  void defineLabel(const std::string& name) {
    const auto [where, added] = grammar_.labels.try_emplace(name, LabelLine{line_, grammar_.instructions.size()});
    if (!added) fail("label '" + name + "' already defined on line " + std::to_string(where->second.line));
  }

  void readEntry() {
    const Token* key = takeNumber(keyMin, keyMax, "an entry key");
    if (!key) return;
    const Token* label = take(TokenKind::identifier);
    if (!label) return fail("expected the label of the entry's first instruction");
    if (atEnd()) grammar_.entries.push_back({line_, key->number, label->text});
  }

  void readList() {
    const Token* name = take(TokenKind::identifier);
    if (!name) return fail("expected the list's name");
    ListLine list{line_, name->text, {}};
    while (const Token* label = take(TokenKind::identifier)) {
      list.labels.push_back(label->text);
      if (!take(TokenKind::comma)) break;
    }
    if (list.labels.empty()) return fail("a keyword list needs the labels of its keyword instructions");
    if (atEnd()) grammar_.lists.push_back(std::move(list));
  }

  void readString() {
    const Token* name = take(TokenKind::identifier);
    const Token* bytes = name ? take(TokenKind::string) : nullptr;
    if (!bytes) return fail("expected a name and a quoted string");
    if (atEnd()) grammar_.strings.push_back({line_, name->text, bytes->text, grammar_.instructions.size()});
  }

  bool readOperand(OperandKind kind, Operand& operand) {
    const auto number = [&](std::int64_t high, const std::string& what) {
      const Token* token = takeNumber(0, high, what);
      if (token) operand = {Operand::Form::number, token->number, {}};
      return token != nullptr;
    };
    const auto name = [&](const char* what) {
      const Token* token = take(TokenKind::identifier);
      if (!token) fail(std::string("expected ") + what);
      else operand = {Operand::Form::name, 0, token->text};
      return token != nullptr;
    };
    switch (kind) {
      case OperandKind::none:
        return at_ == tokens_.size() || tokens_[at_].kind != TokenKind::number || number(wordMax, "an operand");
      case OperandKind::label: return name("a label");
      case OperandKind::list: return name("the name of a keyword list");
      case OperandKind::number: return number(wordMax, "a number");
      case OperandKind::count: return number(format::textCapacity, "a count of characters");
      case OperandKind::character:
        if (const Token* c = take(TokenKind::character)) {
          operand = {Operand::Form::number, c->number, {}};
          return true;
        }
        return number(wordMax, "a character");
      case OperandKind::string:
        if (const Token* literal = take(TokenKind::string)) {
          operand = {Operand::Form::literal, 0, literal->text};
          return true;
        }
        return name("a quoted string or the name of a declared string");
    }
    return false;
  }

  bool readFlags(std::uint8_t& flags) {
    while (take(TokenKind::plus)) {
      const Token* word = take(TokenKind::identifier);
      const FlagKind* flag = nullptr;
      for (const FlagKind& kind : flagKinds())
        if (word && word->text == kind.word) flag = &kind;
      if (!flag) {
        fail("expected a flag after '+': equals, real or short_int");
        return false;
      }
      if (flags & flag->bit) {
        fail("flag '" + std::string(flag->word) + "' given twice");
        return false;
      }
      flags |= flag->bit;
    }
    return true;
  }

  void readInstruction(const InstructionKind& kind) {
    InstructionLine instruction{line_, kind, {}, 0};
    if (!readOperand(kind.operand, instruction.operand) || !readFlags(instruction.flags)) return;
    if (atEnd()) grammar_.instructions.push_back(std::move(instruction));
  }

  Grammar& grammar_;
  Diagnostics& errors_;
  int line_ = 0;
  std::vector<Token> tokens_;
  std::size_t at_ = 0;
};

}  // namespace

Grammar readGrammar(std::string_view text, Diagnostics& errors) {
  Grammar grammar;
  StatementReader reader(grammar, errors);
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    std::vector<Token> tokens;
    if (tokenizeLine(line, ++lineNumber, tokens, errors)) reader.read(lineNumber, std::move(tokens));
  }
  return grammar;
}

}  // namespace grammar
