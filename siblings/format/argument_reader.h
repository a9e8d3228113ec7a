// Where the formatting engine takes its arguments from: a C variable argument list, or a list of
// FormatArgument values.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <span>

#include "wide_format.h"

namespace qxformat {

// The type a conversion reads, as the caller passes it.
enum class ArgumentType { int32, int64, floating, wideText, narrowText };

union ArgumentValue {
  std::int64_t integer;  // int32 arguments sign-extended
  double floating;
  const char16_t* wideText;
  const char* narrowText;
};

class ArgumentReader {
 public:
  // Takes the next argument as `type`. False when there is no argument of that kind; the
  // argument, if there is one, is consumed all the same.
  virtual bool next(ArgumentType type, ArgumentValue& value) = 0;

 protected:
  ~ArgumentReader() = default;
};

class VariableArgumentReader final : public ArgumentReader {
 public:
  explicit VariableArgumentReader(std::va_list arguments);
  ~VariableArgumentReader();
  VariableArgumentReader(const VariableArgumentReader&) = delete;
  VariableArgumentReader& operator=(const VariableArgumentReader&) = delete;

  bool next(ArgumentType type, ArgumentValue& value) override;

 private:
  std::va_list arguments_;
};

class ArgumentListReader final : public ArgumentReader {
 public:
  explicit ArgumentListReader(std::span<const FormatArgument> arguments) : arguments_(arguments) {}

  bool next(ArgumentType type, ArgumentValue& value) override;

 private:
  std::span<const FormatArgument> arguments_;
  std::size_t position_ = 0;
};

// The arguments of a list, then those of a C variable argument list.
class LeadingArgumentsReader final : public ArgumentReader {
 public:
  LeadingArgumentsReader(std::span<const FormatArgument> leading, std::va_list rest) : leading_(leading), rest_(rest) {}

  bool next(ArgumentType type, ArgumentValue& value) override;

 private:
  std::span<const FormatArgument> leading_;
  std::size_t position_ = 0;
  VariableArgumentReader rest_;
};

}  // namespace qxformat
