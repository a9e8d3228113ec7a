#include "output_buffer.h"

#include <algorithm>

namespace qxformat {

OutputBuffer::OutputBuffer(char16_t* data, std::size_t capacity)
    : data_(data), room_(data && capacity > 0 ? capacity - 1 : 0), terminated_(data && capacity > 0) {}

std::size_t OutputBuffer::take(std::size_t wanted) {
  const std::size_t granted = std::min(wanted, room_ - length_);
  if (granted < wanted) truncated_ = true;
  return granted;
}

void OutputBuffer::put(char16_t unit) { put(unit, 1); }

void OutputBuffer::put(char16_t unit, std::size_t count) {
  const std::size_t granted = take(count);
  std::fill_n(data_ + length_, granted, unit);
  length_ += granted;
}

void OutputBuffer::put(std::u16string_view text) {
  const std::size_t granted = take(text.size());
  std::copy_n(text.begin(), granted, data_ + length_);
  length_ += granted;
}

void OutputBuffer::putBytes(std::string_view text) {
  const std::size_t granted = take(text.size());
  std::transform(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(granted), data_ + length_,
                 [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
  length_ += granted;
}

FormatResult OutputBuffer::finish(bool argumentsMatched) {
  if (terminated_) data_[length_] = 0;
  return {length_, truncated_, argumentsMatched};
}

}  // namespace qxformat
