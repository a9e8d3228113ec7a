// A grammar text as read, before names are resolved: the entries, keyword lists, declared strings
// and instructions, each with the line it was written on.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "instruction_set.h"

namespace grammar {

struct Operand {
  enum class Form { absent, number, name, literal };
  Form form = Form::absent;
  std::int64_t number = 0;  // Form::number (characters included)
  std::string text;         // Form::name: a label, list or string name; Form::literal: the bytes
};

struct InstructionLine {
  int line;
  InstructionKind kind;
  Operand operand;
  std::uint8_t flags;
};

struct EntryLine {
  int line;
  std::int64_t key;
  std::string label;
};

struct ListLine {
  int line;
  std::string name;
  std::vector<std::string> labels;
};

struct StringLine {
  int line;
  std::string name;
  std::string bytes;
  std::size_t instructionsBefore;  // where it stands among the instructions, for the pool order
};

struct LabelLine {
  int line;
  std::size_t instruction;  // index of the instruction that follows the label
};

struct Grammar {
  std::vector<EntryLine> entries;
  std::vector<ListLine> lists;
  std::vector<StringLine> strings;
  std::vector<InstructionLine> instructions;
  std::map<std::string, LabelLine> labels;
};

}  // namespace grammar
