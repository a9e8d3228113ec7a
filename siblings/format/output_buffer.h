// The bounded output of the formatting engine: everything written goes through here, so the
// capacity is honoured in one place. Writes beyond the room are dropped and remembered as a cut.
#pragma once

#include <cstddef>
#include <string_view>

#include "wide_format.h"

namespace qxformat {

class OutputBuffer {
 public:
  // REQUIRES: `data` has room for `capacity` code units (data may be null when capacity is 0).
  OutputBuffer(char16_t* data, std::size_t capacity);

  void put(char16_t unit);
  void put(char16_t unit, std::size_t count);
  void put(std::u16string_view text);
  // Single-byte text, each byte widened to the code unit of the same value.
  void putBytes(std::string_view text);

  // Terminates the text and reports what was written.
  FormatResult finish(bool argumentsMatched);

 private:
  std::size_t take(std::size_t wanted);

  char16_t* data_;
  std::size_t room_;  // code units that may be written before the terminator
  bool terminated_;   // there is room for the terminator
  std::size_t length_ = 0;
  bool truncated_ = false;
};

}  // namespace qxformat
