// The reader: each kind of damage to a valid file is reported as a violation of the format. (Valid
// files are read back point for point in the round trips, and printed by dsup-dump's tests.)
#include <gtest/gtest.h>

#include <functional>

#include "rawdata/signal_file_test.h"

namespace dsuptest {
namespace {

class SignalReader : public SignalFileTest {
 protected:
  Bytes recorded(LONG fileType, const std::vector<double>& points) {
    HGLOBAL handle = create(fileType);
    EXPECT_EQ(write(handle, fileType, points), 0);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return fileBytes();
  }
};

TEST_F(SignalReader, ReportsEachKindOfDamage) {
  auto put32 = [](std::size_t at, std::uint32_t value) {
    return [=](Bytes& b) { std::copy_n(bigEndian(value, 4).begin(), 4, b.begin() + static_cast<std::ptrdiff_t>(at)); };
  };
  auto putByte = [](std::size_t at, std::uint8_t value) { return [=](Bytes& b) { b[at] = value; }; };
  const struct {
    LONG fileType;
    std::function<void(Bytes&)> damage;
    const char* violation;
  } damages[] = {
      {130, [](Bytes& b) { b.resize(100); }, "fewer than the 6144-byte signal header"},
      {130, [](Bytes& b) { b.resize(b.size() - 2); }, "the data ends without the end mark at 6160"},
      {130, [](Bytes& b) { b.resize(b.size() - 5); }, "the data ends inside a record at 6154"},
      {181, [](Bytes& b) { b.insert(b.end(), {0, 0}); }, "bytes follow the end mark"},
      {108, putByte(6144, 0x20), "not a block header word at 6144"},
      {130, [&](Bytes& b) { for (std::size_t at : {290, 298, 4118}) put32(at, 3)(b); }, "point 1 (70000) lies outside"},
      {108, put32(4114, 0), "minValueC differs from minValueA"},
      {130, put32(4110, 2), "firstValueField is 2, not the first point's 1"},
      {179, put32(286, 0), "endTime is 0, not 20"},
      {179, put32(278, 11), "blockCount 11 does not lie within 12 and 13"},
      {181, putByte(348, 'L'), "kindText is \"LC DATA FILE\", not \"GC DATA FILE\""},
      {130, putByte(2391, 51), "dateTime (2391) counts 51 characters, more than the 50 that fit"},
      {130, put32(4122, 100), "rateCode 100 gives no rate"},
      {179, [](Bytes& b) { b.resize(b.size() - 3); }, "a partial point"},
      {181, putByte(6144, 0x12), "not a 48-bit record"},
      {181, put32(290, 0), "maxValueA is 0, not -2147483647"},
      {130, put32(248, 131), "file type 131 is not a signal file type"},
      {108, put32(322, 2), "word322 is 2, not 1"}};
  for (const auto& damage : damages) {
    Bytes bytes = recorded(damage.fileType, {1, 70000, 3});
    ASSERT_TRUE(dsupreader::readSignalFile(bytes).verified());
    damage.damage(bytes);
    std::string all;
    for (const std::string& violation : dsupreader::readSignalFile(bytes).violations) all += violation + "\n";
    EXPECT_NE(all.find(damage.violation), std::string::npos) << damage.violation << " in:\n" << all;
  }
}

}  // namespace
}  // namespace dsuptest
