#include "table_disassembler.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include "grammar_lexer.h"
#include "instruction_set.h"

namespace grammar {

namespace {

namespace format = dsup::parse_format;

struct Instruction {
  InstructionKind kind;
  std::uint8_t flags;
  std::uint16_t operand;
};

struct KeywordList {
  std::size_t head;
  std::vector<std::uint16_t> members;
};

std::string labelName(std::size_t index) { return "L" + std::to_string(index); }
std::string listName(std::size_t head) { return "list" + std::to_string(head); }
std::string stringName(std::size_t index) { return "s" + std::to_string(index); }

std::string quotedLiteral(const std::string& bytes) {
  std::string text = "\"";
  for (char c : bytes) text += escapeByte(static_cast<unsigned char>(c), '"');
  return text + '"';
}

class Disassembler {
 public:
  explicit Disassembler(std::span<const std::uint8_t> table) : table_(table) {}

  Disassembly run() {
    Disassembly result;
    if (readLayout() && readPool() && readKeywordIndex() && readEntries() && readProgram())
      result.text = write();
    result.errors = std::move(errors_);
    return result;
  }

 private:
  bool fail(std::string message) {
    errors_.push_back({0, std::move(message)});
    return false;
  }

  std::uint16_t word(std::size_t at) const { return format::loadWord(table_.data() + at); }
  int signedWord(std::size_t at) const { return static_cast<std::int16_t>(word(at)); }

  bool readLayout() {
    if (table_.size() < format::headerSize)
      return fail("a table starts with " + std::to_string(format::headerSize) + " bytes of offsets; this one has " +
                  std::to_string(table_.size()));
    const int directory = signedWord(format::entryDirectoryOffsetAt);
    const int keywordIndex = signedWord(format::keywordIndexOffsetAt);
    pool_ = signedWord(format::stringPoolOffsetAt);
    programOffset_ = signedWord(format::programOffsetAt);
    if (directory != format::headerSize || table_.size() < format::headerSize + format::directoryCountSize)
      return fail("the entry directory does not follow the header");
    const int lastEntry = signedWord(static_cast<std::size_t>(directory));
    entries_ = static_cast<std::size_t>(std::max(lastEntry + 1, 0));
    keywordIndex_ = static_cast<std::size_t>(directory + format::directoryCountSize) + format::directoryEntrySize * entries_;
    if (lastEntry < format::emptyDirectoryCount || keywordIndex < 0 ||
        static_cast<std::size_t>(keywordIndex) != keywordIndex_ || pool_ < keywordIndex ||
        (pool_ - keywordIndex) % format::keywordIndexCellSize != 0 || programOffset_ < pool_ ||
        static_cast<std::size_t>(programOffset_) > table_.size())
      return fail("the sections are not laid out one behind the other (header, directory, keyword index, "
                  "string pool, program), which is the only layout a grammar can describe");
    if ((table_.size() - static_cast<std::size_t>(programOffset_)) % format::instructionSize != 0)
      return fail("the program is not a whole number of " + std::to_string(format::instructionSize) +
                  "-byte instructions");
    return true;
  }

  bool readPool() {
    for (int at = pool_; at < programOffset_;) {
      const int length = static_cast<std::int8_t>(table_[static_cast<std::size_t>(at)]);
      if (length < format::poolStringMinLength || at + format::poolLengthSize + length > programOffset_)
        return fail("the pool string at pool offset " + std::to_string(at - pool_) + " has a bad length");
      poolIndex_[static_cast<std::uint16_t>(at - pool_)] = poolStrings_.size();
      const auto characters = table_.begin() + at + format::poolLengthSize;
      poolStrings_.emplace_back(characters, characters + length);
      at += format::poolLengthSize + length;
    }
    return true;
  }

  bool readKeywordIndex() {
    const std::size_t cells = static_cast<std::size_t>(pool_) - keywordIndex_;
    const auto cell = [this](std::size_t i) { return word(keywordIndex_ + format::keywordIndexCellSize * i); };
    for (std::size_t head = 0; head < cells / format::keywordIndexCellSize;) {
      const std::size_t last = cell(head);
      if (last <= head || last >= cells / format::keywordIndexCellSize)
        return fail("keyword index cell " + std::to_string(head) + " does not head a list that fits the index");
      KeywordList list{head, {}};
      for (std::size_t i = head + 1; i <= last; ++i) list.members.push_back(cell(i));
      lists_.push_back(std::move(list));
      head = last + 1;
    }
    return true;
  }

  bool readEntries() {
    for (std::size_t i = 0; i < entries_; ++i) {
      const std::size_t at = format::headerSize + format::directoryCountSize + format::directoryEntrySize * i;
      entryKeys_.push_back(signedWord(at + format::directoryKeyAt));
      entryStarts_.push_back(word(at + format::directoryFirstInstructionAt));
    }
    return true;
  }

  bool isListHead(std::uint16_t head) const {
    return std::any_of(lists_.begin(), lists_.end(), [head](const KeywordList& list) { return list.head == head; });
  }

  bool checkOperand(std::size_t index, const Instruction& instruction) {
    const std::string where = "instruction " + std::to_string(index) + " (" + std::string(instruction.kind.mnemonic) + ")";
    switch (instruction.kind.operand) {
      case OperandKind::string:
        if (!poolIndex_.count(instruction.operand))
          return fail(where + " names pool offset " + std::to_string(instruction.operand) + ", where no string starts");
        return true;
      case OperandKind::list:
        if (!isListHead(instruction.operand))
          return fail(where + " names keyword index cell " + std::to_string(instruction.operand) + ", which heads no list");
        return true;
      default:
        return true;
    }
  }

  bool readProgram() {
    for (std::size_t at = static_cast<std::size_t>(programOffset_); at < table_.size(); at += format::instructionSize) {
      const std::uint8_t head = table_[at];
      const auto kind = findInstruction(static_cast<Opcode>(head & format::opcodeMask));
      if (!kind)
        return fail("instruction " + std::to_string(program_.size()) + " has the unassigned code " +
                    std::to_string(head & format::opcodeMask));
      program_.push_back({*kind, static_cast<std::uint8_t>(head & ~format::opcodeMask), word(at + 1)});
      if (!checkOperand(program_.size() - 1, program_.back())) return false;
    }
    return checkTargets();
  }

  // Every instruction that an entry, a jump or a list names gets a label; it must exist.
  bool checkTargets() {
    const auto target = [this](std::size_t index, const std::string& what) {
      if (index < program_.size()) labelled_.insert(index);
      else fail(what + " names instruction " + std::to_string(index) + ", outside the program of " +
                std::to_string(program_.size()) + " instructions");
    };
    for (std::size_t i = 0; i < entryStarts_.size(); ++i) target(entryStarts_[i], "entry " + std::to_string(entryKeys_[i]));
    for (const KeywordList& list : lists_)
      for (std::uint16_t member : list.members) target(member, "keyword list " + std::to_string(list.head));
    for (std::size_t i = 0; i < program_.size(); ++i)
      if (program_[i].kind.operand == OperandKind::label) target(program_[i].operand, "instruction " + std::to_string(i));
    return errors_.empty();
  }

  // Whether literals alone lay out this pool: every string is used, in order of first use, once.
  bool poolFollowsLiterals() const {
    std::vector<std::string> firstUses;
    for (const Instruction& instruction : program_) {
      if (instruction.kind.operand != OperandKind::string) continue;
      const std::string& bytes = poolStrings_[poolIndex_.at(instruction.operand)];
      if (std::find(firstUses.begin(), firstUses.end(), bytes) == firstUses.end()) firstUses.push_back(bytes);
    }
    return firstUses == poolStrings_;
  }

  std::string stringOperand(std::uint16_t offset) const {
    const std::size_t index = poolIndex_.at(offset);
    const std::string& bytes = poolStrings_[index];
    const bool firstWithItsText = std::find(poolStrings_.begin(), poolStrings_.end(), bytes) - poolStrings_.begin() ==
                                  static_cast<std::ptrdiff_t>(index);
    return firstWithItsText ? quotedLiteral(bytes) : stringName(index);
  }

  std::string operandText(const Instruction& instruction) const {
    const std::uint16_t operand = instruction.operand;
    switch (instruction.kind.operand) {
      case OperandKind::none: return operand ? " " + std::to_string(operand) : "";
      case OperandKind::label: return " " + labelName(operand);
      case OperandKind::string: return " " + stringOperand(operand);
      case OperandKind::list: return " " + listName(operand);
      case OperandKind::character:
        if (operand <= 0xFF) return " '" + escapeByte(static_cast<unsigned char>(operand), '\'') + "'";
        return " " + std::to_string(operand);
      case OperandKind::number:
      case OperandKind::count: return " " + std::to_string(operand);
    }
    return "";
  }

  std::string write() const {
    std::ostringstream out;
    out << "# Parse table of " << table_.size() << " bytes, disassembled by dsup-grammar.\n\n";
    for (std::size_t i = 0; i < entryStarts_.size(); ++i)
      out << "entry " << entryKeys_[i] << ' ' << labelName(entryStarts_[i]) << '\n';
    for (const KeywordList& list : lists_) {
      out << "list " << listName(list.head);
      for (std::size_t i = 0; i < list.members.size(); ++i) out << (i ? ", " : " ") << labelName(list.members[i]);
      out << '\n';
    }
    if (!poolFollowsLiterals())
      for (std::size_t i = 0; i < poolStrings_.size(); ++i)
        out << "string " << stringName(i) << ' ' << quotedLiteral(poolStrings_[i]) << '\n';
    out << '\n';
    for (std::size_t i = 0; i < program_.size(); ++i) {
      if (labelled_.count(i)) out << labelName(i) << ":\n";
      const Instruction& instruction = program_[i];
      out << "    " << instruction.kind.mnemonic << operandText(instruction);
      for (const FlagKind& flag : flagKinds())
        if (instruction.flags & flag.bit) out << " +" << flag.word;
      out << '\n';
    }
    return out.str();
  }

  std::span<const std::uint8_t> table_;
  Diagnostics errors_;
  std::size_t entries_ = 0;
  std::size_t keywordIndex_ = 0;
  int pool_ = 0;
  int programOffset_ = 0;
  std::vector<int> entryKeys_;
  std::vector<std::uint16_t> entryStarts_;
  std::vector<KeywordList> lists_;
  std::vector<std::string> poolStrings_;
  std::map<std::uint16_t, std::size_t> poolIndex_;
  std::vector<Instruction> program_;
  std::set<std::size_t> labelled_;
};

}  // namespace

Disassembly disassembleTable(std::span<const std::uint8_t> table) { return Disassembler(table).run(); }

}  // namespace grammar
