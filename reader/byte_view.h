// Bounded access to the bytes of a file: every read is checked against the end by the caller
// through holds(), and the numbers are assembled byte by byte in the byte order the format gives.
#pragma once

#include <bit>
#include <cstdint>
#include <span>

namespace dsupreader {

class ByteView {
 public:
  explicit ByteView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  bool holds(std::size_t at, std::size_t count) const { return at <= bytes_.size() && count <= bytes_.size() - at; }

  // REQUIRES for every read: holds(at, width).
  std::uint8_t byteAt(std::size_t at) const { return bytes_[at]; }
  std::uint16_t bigEndian16(std::size_t at) const { return static_cast<std::uint16_t>(bytes_[at] << 8 | bytes_[at + 1]); }
  std::uint32_t bigEndian32(std::size_t at) const {
    return std::uint32_t{bigEndian16(at)} << 16 | bigEndian16(at + 2);
  }
  std::uint16_t littleEndian16(std::size_t at) const { return static_cast<std::uint16_t>(bytes_[at + 1] << 8 | bytes_[at]); }
  std::uint32_t littleEndian32(std::size_t at) const {
    return std::uint32_t{littleEndian16(at + 2)} << 16 | littleEndian16(at);
  }
  std::uint64_t littleEndian64(std::size_t at) const {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | bytes_[at + static_cast<std::size_t>(i)];
    return value;
  }
  double bigEndianDouble(std::size_t at) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 8; ++i) value = value << 8 | bytes_[at + i];
    return std::bit_cast<double>(value);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace dsupreader
