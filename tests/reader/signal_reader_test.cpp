// The reader: a valid file decodes field for field and point for point, and each kind of damage
// is reported as a violation of the format.
#include <gtest/gtest.h>

#include <functional>

#include "reader_test_files.h"
#include "signal_reader.h"

namespace dsuptest {
namespace {

using SignalReader = PlatformTest;

TEST_F(SignalReader, DecodesTheHeaderFieldsAndThePoints) {
  const dsupreader::SignalFile file = dsupreader::readSignalFile(recordedFile(temp, 108, {-5, 3, 40000}));
  EXPECT_EQ(file.violations, std::vector<std::string>{});
  EXPECT_EQ(file.fileType, 108);
  EXPECT_EQ(file.points, (std::vector<double>{-5, 3, 40000}));
  EXPECT_EQ(file.sampleInterval, 50.0);
  EXPECT_EQ(file.timeOf(2), 100.0);
  EXPECT_EQ(file.text("kindText"), u"GC DATA FILE");
  EXPECT_EQ(file.text("text858"), u"method");
  EXPECT_EQ(file.integer("maxValueB"), 40000);
  EXPECT_EQ(file.integer("endTime"), 100);
  EXPECT_EQ(file.real("factor4732"), 1.0);
  EXPECT_EQ(file.field("noSuchField"), nullptr);
}

struct Damage {
  const char* name;
  long fileType;
  std::function<void(Bytes&)> damage;
  const char* violation;
};

class DamagedFile : public PlatformTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, IsReportedAsAViolation) {
  Bytes bytes = recordedFile(temp, GetParam().fileType, {1, 70000, 3});
  ASSERT_TRUE(dsupreader::readSignalFile(bytes).verified());
  GetParam().damage(bytes);
  const dsupreader::SignalFile file = dsupreader::readSignalFile(bytes);
  std::string all;
  for (const std::string& violation : file.violations) all += violation + "\n";
  EXPECT_NE(all.find(GetParam().violation), std::string::npos) << all;
}

std::function<void(Bytes&)> put32(std::size_t offset, std::uint32_t value) {
  return [=](Bytes& bytes) { putBigEndian32(bytes, offset, value); };
}

std::function<void(Bytes&)> putByte(std::size_t offset, std::uint8_t value) {
  return [=](Bytes& bytes) { bytes[offset] = value; };
}

INSTANTIATE_TEST_SUITE_P(
    SignalReader, DamagedFile,
    ::testing::Values(
        Damage{"ShortHeader", 130, [](Bytes& b) { b.resize(100); }, "fewer than the 6144-byte signal header"},
        Damage{"NoEndMark", 130, [](Bytes& b) { b.resize(b.size() - 2); }, "ends without the end mark"},
        Damage{"CutRecord", 130, [](Bytes& b) { b.resize(b.size() - 5); }, "ends inside a record at 6154"},
        Damage{"BytesAfterEndMark", 181, [](Bytes& b) { b.insert(b.end(), {0, 0}); }, "bytes follow the end mark"},
        Damage{"NoBlockWord", 108, putByte(6144, 0x20), "not a block header word"},
        Damage{"BlockOf79", 108, putByte(6145, 79), "not a block header word"},
        Damage{"PointAboveMaximum", 130,
               [](Bytes& b) {
                 for (std::size_t offset : {290, 298, 4118}) putBigEndian32(b, offset, 3);
               },
               "lies outside the range"},
        Damage{"ExtremesDisagree", 108, put32(4114, 0), "minValueC differs from minValueA"},
        Damage{"FirstValue", 130, put32(4110, 2), "firstValueField is 2"},
        Damage{"EndTime", 130, put32(286, 21), "endTime is 21, not 20"},
        Damage{"FloatEndTime", 179, put32(286, 0), "endTime is 0, not 20"},
        Damage{"BlockCount", 179, put32(278, 11), "blockCount 11 does not lie within 12 and 13"},
        Damage{"KindText", 181, putByte(348, 'L'), "kindText is \"LC DATA FILE\""},
        Damage{"TextOverItsRoom", 130, putByte(2391, 51), "more than the 50 that fit"},
        Damage{"TextOverItsLimit", 130, putByte(2391, 50), "more than its limit of 49"},
        Damage{"NoRate", 130, put32(4122, 100), "rateCode 100 gives no rate"},
        Damage{"PartialDouble", 179, [](Bytes& b) { b.resize(b.size() - 3); }, "a partial point"},
        Damage{"No48BitTag", 181, putByte(6144, 0x12), "not a 48-bit record"},
        Damage{"Integer48Extremes", 181, put32(290, 0), "maxValueA is 0, not -2147483647"},
        Damage{"SpectraType", 130, put32(248, 131), "file type 131 is not a signal file type"},
        Damage{"TypeNumber", 108, putByte(3, '9'), "typeNumberAscii is \"109\""},
        Damage{"FixedWord", 108, put32(322, 2), "word322 is 2, not 1"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dsuptest
