// The byte-order exports against the big-endian images that the file formats need: each integer
// flip turns a value into its byte reversal and that back into the value, whatever the sign.
#include <dsup.h>
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace {

template <class T, class Flip>
void expectFlipsBothWays(Flip flip, std::initializer_list<std::pair<T, T>> pairs) {
  for (const auto& [value, reversed] : pairs) EXPECT_TRUE(flip(value) == reversed && flip(reversed) == value) << value;
}

TEST(ByteOrder, IntegerFlipsReverseTheBytesWithoutSignExtension) {
  expectFlipsBothWays<WORD>(DSupFlipInteger, {{0x1234, 0x3412}, {0xFF00, 0x00FF}});
  expectFlipsBothWays<LONG>(DSupFlipLong, {{4096, 1048576}, {-2147483647, 16777344}});
  expectFlipsBothWays<LONGLONG>(DSupFlipInt64, {{0x0102030405060708, 0x0807060504030201}, {-1, -1},
                                                {0x80, static_cast<LONGLONG>(0x8000000000000000ULL)}});
}

TEST(ByteOrder, FlipDoubleWritesTheBigEndianImage) {
  const std::pair<double, const char*> images[] = {
      {1.0, "\x3F\xF0\0\0\0\0\0\0"}, {0.0, "\0\0\0\0\0\0\0\0"}, {-2.5, "\xC0\x04\0\0\0\0\0\0"}};
  for (const auto& [value, image] : images) {
    BYTE written[8];
    DSupFlipDouble(value, written);
    EXPECT_EQ(std::memcmp(written, image, 8), 0) << value;
  }
}

}  // namespace
