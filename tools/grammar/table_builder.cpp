#include "table_builder.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

#include "grammar_lexer.h"
#include "parse/keyword_compare.h"
#include "program_flow.h"

namespace grammar {

namespace {

namespace format = dsup::parse_format;

constexpr std::size_t maxInstructions = std::numeric_limits<std::uint16_t>::max();

std::string quoted(const std::string& bytes) {
  std::string text = "\"";
  for (char c : bytes) text += escapeByte(static_cast<unsigned char>(c), '"');
  return text + '"';
}

class TableBuilder {
 public:
  TableBuilder(const Grammar& grammar, Diagnostics& errors) : grammar_(grammar), errors_(errors) {}

  std::vector<std::uint8_t> build() {
    if (grammar_.instructions.size() > maxInstructions)
      fail(0, "a program holds at most " + std::to_string(maxInstructions) + " instructions");
    for (const auto& [name, label] : grammar_.labels)
      if (label.instruction >= grammar_.instructions.size())
        fail(label.line, "label '" + name + "' is not followed by an instruction");
    layOutPool();
    buildKeywordIndex();
    resolveOperands();
    resolveEntries();
    if (!errors_.empty()) return {};
    checkFlow();
    if (!errors_.empty()) return {};
    return write();
  }

 private:
  void fail(int line, std::string message) { errors_.push_back({line, std::move(message)}); }

  std::optional<std::uint16_t> label(const std::string& name, int line) {
    const auto found = grammar_.labels.find(name);
    if (found == grammar_.labels.end()) fail(line, "unknown label '" + name + "'");
    else if (found->second.instruction < grammar_.instructions.size())
      return static_cast<std::uint16_t>(found->second.instruction);
    return std::nullopt;
  }

  std::size_t addString(const std::string& bytes, int line) {
    if (bytes.size() < format::poolStringMinLength || bytes.size() > format::poolStringMaxLength)
      fail(line, "a string holds " + std::to_string(format::poolStringMinLength) + " to " +
                     std::to_string(format::poolStringMaxLength) + " characters");
    pool_.push_back(bytes);
    return pool_.size() - 1;
  }

  void declareString(const StringLine& declaration) {
    if (!stringNames_.try_emplace(declaration.name, pool_.size()).second)
      fail(declaration.line, "string '" + declaration.name + "' already declared");
    addString(declaration.bytes, declaration.line);
  }

  // Declared strings and literal operands, in the order they are written.
  void layOutPool() {
    auto declaration = grammar_.strings.begin();
    for (std::size_t i = 0; i < grammar_.instructions.size(); ++i) {
      for (; declaration != grammar_.strings.end() && declaration->instructionsBefore <= i; ++declaration)
        declareString(*declaration);
      const InstructionLine& instruction = grammar_.instructions[i];
      if (instruction.operand.form != Operand::Form::literal) continue;
      const auto same = std::find(pool_.begin(), pool_.end(), instruction.operand.text);
      if (same == pool_.end()) addString(instruction.operand.text, instruction.line);
    }
    for (; declaration != grammar_.strings.end(); ++declaration) declareString(*declaration);
  }

  // The pool index of an instruction's string operand; nothing for an unknown name.
  std::optional<std::size_t> stringOf(const InstructionLine& instruction) const {
    if (instruction.operand.form == Operand::Form::literal)
      return static_cast<std::size_t>(std::find(pool_.begin(), pool_.end(), instruction.operand.text) - pool_.begin());
    const auto found = stringNames_.find(instruction.operand.text);
    if (found == stringNames_.end()) return std::nullopt;
    return found->second;
  }

  std::uint16_t poolOffset(std::size_t index) const {
    std::size_t offset = 0;
    for (std::size_t i = 0; i < index; ++i) offset += format::poolLengthSize + pool_[i].size();
    return static_cast<std::uint16_t>(offset);
  }

  std::size_t poolSize() const { return poolOffset(pool_.size()); }

  void checkListOrder(const ListLine& list, const std::vector<std::string>& keywords) {
    for (std::size_t i = 1; i < keywords.size(); ++i) {
      const std::string& before = keywords[i - 1];
      const std::string& after = keywords[i];
      const auto comparison = dsup::compareKeyword(after.c_str(), before.data(), static_cast<int>(before.size()));
      if (comparison.outcome == 0)
        fail(list.line, "keyword " + quoted(before) + " begins " + quoted(after) + " in list '" + list.name +
                            "': a lookup could find the one for the other");
      else if (comparison.outcome < 0)
        fail(list.line, "keyword list '" + list.name + "' out of order: " + quoted(after) + " must come before " +
                            quoted(before) + " (lists are sorted by their lower-cased keywords)");
    }
  }

  void buildKeywordIndex() {
    for (const ListLine& list : grammar_.lists) {
      const std::size_t head = cells_.size();
      if (!listHeads_.try_emplace(list.name, static_cast<std::uint16_t>(head)).second)
        fail(list.line, "keyword list '" + list.name + "' already defined");
      cells_.push_back(static_cast<std::uint16_t>(head + list.labels.size()));
      std::vector<std::string> keywords;
      for (const std::string& name : list.labels) {
        const auto index = label(name, list.line);
        cells_.push_back(index.value_or(0));
        if (!index) continue;
        const InstructionLine& member = grammar_.instructions[*index];
        if (!namesKeyword(member.kind.opcode))
          fail(list.line, "'" + name + "' in list '" + list.name + "' is not a keyword instruction");
        else if (const auto string = stringOf(member)) keywords.push_back(pool_[*string]);
      }
      if (keywords.size() == list.labels.size()) checkListOrder(list, keywords);
    }
  }

  std::optional<std::uint16_t> operand(const InstructionLine& instruction) {
    const Operand& operand = instruction.operand;
    switch (instruction.kind.operand) {
      case OperandKind::label: return label(operand.text, instruction.line);
      case OperandKind::list: {
        const auto found = listHeads_.find(operand.text);
        if (found != listHeads_.end()) return found->second;
        fail(instruction.line, "unknown keyword list '" + operand.text + "'");
        return std::nullopt;
      }
      case OperandKind::string: {
        const auto string = stringOf(instruction);
        if (!string) {
          fail(instruction.line, "unknown string '" + operand.text + "'");
          return std::nullopt;
        }
        if (namesKeyword(instruction.kind.opcode) && pool_[*string].find('\0') != std::string::npos)
          fail(instruction.line, "a keyword cannot hold a zero character");
        return poolOffset(*string);
      }
      default: return static_cast<std::uint16_t>(operand.number);
    }
  }

  void resolveOperands() {
    for (const InstructionLine& instruction : grammar_.instructions)
      operands_.push_back(operand(instruction).value_or(0));
  }

  void resolveEntries() {
    for (std::size_t i = 0; i < grammar_.entries.size(); ++i) {
      const EntryLine& entry = grammar_.entries[i];
      for (std::size_t j = 0; j < i; ++j)
        if (grammar_.entries[j].key == entry.key)
          fail(entry.line, "entry key " + std::to_string(entry.key) + " already used on line " +
                               std::to_string(grammar_.entries[j].line));
      entryStarts_.push_back(label(entry.label, entry.line).value_or(0));
    }
  }

  void checkFlow() {
    std::vector<FlowInstruction> program;
    for (std::size_t i = 0; i < grammar_.instructions.size(); ++i)
      program.push_back({grammar_.instructions[i].line, grammar_.instructions[i].kind.opcode, operands_[i]});
    for (Diagnostic& error : checkProgramFlow(program, entryStarts_, cells_)) errors_.push_back(std::move(error));
  }

  std::vector<std::uint8_t> write() {
    const std::size_t directory = format::headerSize;
    const std::size_t keywordIndex = directory + format::directoryCountSize + format::directoryEntrySize * entryStarts_.size();
    const std::size_t pool = keywordIndex + format::keywordIndexCellSize * cells_.size();
    const std::size_t program = pool + poolSize();
    if (program > format::maxSectionOffset) {
      fail(0, "the table is too large: its program would start at byte " + std::to_string(program) +
                  ", beyond the offset limit of " + std::to_string(format::maxSectionOffset));
      return {};
    }
    std::vector<std::uint8_t> table(program + format::instructionSize * operands_.size());
    const auto word = [&table](std::size_t at, std::size_t value) {
      format::storeWord(table.data() + at, static_cast<std::uint16_t>(value));
    };
    word(format::entryDirectoryOffsetAt, directory);
    word(format::keywordIndexOffsetAt, keywordIndex);
    word(format::stringPoolOffsetAt, pool);
    word(format::programOffsetAt, program);

    word(directory, static_cast<std::size_t>(static_cast<int>(entryStarts_.size()) - 1));
    for (std::size_t i = 0; i < entryStarts_.size(); ++i) {
      const std::size_t at = directory + format::directoryCountSize + format::directoryEntrySize * i;
      word(at + format::directoryKeyAt, static_cast<std::size_t>(grammar_.entries[i].key));
      word(at + format::directoryFirstInstructionAt, entryStarts_[i]);
    }
    for (std::size_t i = 0; i < cells_.size(); ++i) word(keywordIndex + format::keywordIndexCellSize * i, cells_[i]);
    std::size_t at = pool;
    for (const std::string& string : pool_) {
      table[at] = static_cast<std::uint8_t>(string.size());
      std::copy(string.begin(), string.end(), table.begin() + static_cast<std::ptrdiff_t>(at + format::poolLengthSize));
      at += format::poolLengthSize + string.size();
    }
    for (std::size_t i = 0; i < operands_.size(); ++i) {
      const InstructionLine& instruction = grammar_.instructions[i];
      const std::size_t position = program + format::instructionSize * i;
      table[position] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(instruction.kind.opcode) | instruction.flags);
      word(position + 1, operands_[i]);
    }
    return table;
  }

  const Grammar& grammar_;
  Diagnostics& errors_;
  std::vector<std::string> pool_;
  std::map<std::string, std::size_t> stringNames_;
  std::map<std::string, std::uint16_t> listHeads_;
  std::vector<std::uint16_t> cells_;
  std::vector<std::uint16_t> operands_;
  std::vector<std::uint16_t> entryStarts_;
};

}  // namespace

std::vector<std::uint8_t> buildTable(const Grammar& grammar, Diagnostics& errors) {
  return TableBuilder(grammar, errors).build();
}

}  // namespace grammar
