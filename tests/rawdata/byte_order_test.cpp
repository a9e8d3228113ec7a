// The byte-order exports against the big-endian images that the file formats need.
#include <dsup.h>
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>

namespace {

template <class T>
std::array<BYTE, sizeof(T)> bytesOf(T value) {
  std::array<BYTE, sizeof(T)> bytes;
  std::memcpy(bytes.data(), &value, sizeof value);
  return bytes;
}

TEST(ByteOrder, FlipIntegerExchangesBytesWithoutSignExtension) {
  EXPECT_EQ(DSupFlipInteger(0x1234), 0x3412);
  EXPECT_EQ(DSupFlipInteger(0xFF00), 0x00FF);
  EXPECT_EQ(DSupFlipInteger(0x0080), 0x8000);
}

TEST(ByteOrder, FlipLongReversesTheBitPatternWhateverTheSign) {
  EXPECT_EQ(DSupFlipLong(4096), 1048576);
  EXPECT_EQ(DSupFlipLong(-2147483647), 16777344);
  EXPECT_EQ(DSupFlipLong(0x000000FF), static_cast<LONG>(0xFF000000u));
  // On the host, the result's memory image is the argument's big-endian image.
  EXPECT_EQ(bytesOf(DSupFlipLong(0x01020304)), (std::array<BYTE, 4>{1, 2, 3, 4}));
}

TEST(ByteOrder, FlipInt64ReversesAllEightBytes) {
  EXPECT_EQ(DSupFlipInt64(0x0102030405060708), 0x0807060504030201);
  EXPECT_EQ(DSupFlipInt64(-1), LONGLONG{-1});
  EXPECT_EQ(DSupFlipInt64(0x80), static_cast<LONGLONG>(0x8000000000000000ULL));
}

TEST(ByteOrder, FlipDoubleWritesTheBigEndianImage) {
  BYTE image[8];
  DSupFlipDouble(1.0, image);
  EXPECT_EQ(std::memcmp(image, "\x3F\xF0\0\0\0\0\0\0", 8), 0);
  DSupFlipDouble(0.0, image);
  EXPECT_EQ(std::memcmp(image, "\0\0\0\0\0\0\0\0", 8), 0);
  DSupFlipDouble(-2.5, image);
  EXPECT_EQ(std::memcmp(image, "\xC0\x04\0\0\0\0\0\0", 8), 0);
}

TEST(ByteOrder, IntegerFlipsUndoThemselves) {
  for (WORD w : {WORD{0}, WORD{1}, WORD{0x8001}, WORD{0xFFFF}}) EXPECT_EQ(DSupFlipInteger(DSupFlipInteger(w)), w);
  for (LONG l : {LONG{0}, LONG{1}, LONG{-1}, std::numeric_limits<LONG>::min(), std::numeric_limits<LONG>::max(), LONG{0x12345678}})
    EXPECT_EQ(DSupFlipLong(DSupFlipLong(l)), l);
  for (LONGLONG q : {LONGLONG{0}, LONGLONG{-2}, std::numeric_limits<LONGLONG>::min(), LONGLONG{0x0123456789ABCDEF}})
    EXPECT_EQ(DSupFlipInt64(DSupFlipInt64(q)), q);
}

}  // namespace
