#include "argument_reader.h"

namespace qxformat {

VariableArgumentReader::VariableArgumentReader(std::va_list arguments) { va_copy(arguments_, arguments); }

VariableArgumentReader::~VariableArgumentReader() { va_end(arguments_); }

bool VariableArgumentReader::next(ArgumentType type, ArgumentValue& value) {
  switch (type) {
    case ArgumentType::int32:
      value.integer = va_arg(arguments_, int);
      break;
    case ArgumentType::int64:
      value.integer = va_arg(arguments_, long long);
      break;
    case ArgumentType::floating:
      value.floating = va_arg(arguments_, double);
      break;
    case ArgumentType::wideText:
      value.wideText = va_arg(arguments_, const char16_t*);
      break;
    case ArgumentType::narrowText:
      value.narrowText = va_arg(arguments_, const char*);
      break;
  }
  return true;
}

bool ArgumentListReader::next(ArgumentType type, ArgumentValue& value) {
  if (position_ >= arguments_.size()) return false;
  const FormatArgument& argument = arguments_[position_++];
  using Kind = FormatArgument::Kind;
  switch (type) {
    case ArgumentType::int32:
      if (argument.kind() != Kind::integer) return false;
      value.integer = static_cast<std::int32_t>(argument.integer());
      return true;
    case ArgumentType::int64:
      if (argument.kind() != Kind::integer) return false;
      value.integer = argument.integer();
      return true;
    case ArgumentType::floating:
      if (argument.kind() != Kind::floating) return false;
      value.floating = argument.floating();
      return true;
    case ArgumentType::wideText:
      if (argument.kind() != Kind::wideText) return false;
      value.wideText = argument.wideText();
      return true;
    case ArgumentType::narrowText:
      if (argument.kind() != Kind::narrowText) return false;
      value.narrowText = argument.narrowText();
      return true;
  }
  return false;
}

bool LeadingArgumentsReader::next(ArgumentType type, ArgumentValue& value) {
  if (position_ < leading_.size()) {
    ArgumentListReader one(leading_.subspan(position_++, 1));
    return one.next(type, value);
  }
  return rest_.next(type, value);
}

}  // namespace qxformat
