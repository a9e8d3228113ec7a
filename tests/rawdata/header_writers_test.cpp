// The header field writers: straight into the file at their offsets, texts cut to their limits,
// the end time following the start time.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "signal_file_test.h"

namespace dsuptest {
namespace {

using HeaderWriters = SignalFileTest;

struct TextWriter {
  const char* name;
  LONG (*write)(HGLOBAL, LPCWSTR);
  std::size_t offset, limit;
};

class TextFieldWriter : public SignalFileTest, public ::testing::WithParamInterface<TextWriter> {};

TEST_P(TextFieldWriter, CutsTheTextToItsLimitAndAShorterOneReplacesIt) {
  const TextWriter& writer = GetParam();
  HGLOBAL handle = create(108);
  const std::u16string longText(writer.limit + 10, u'\n');
  ASSERT_EQ(writer.write(handle, longText.c_str()), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(slice(file, writer.offset, 3), (Bytes{static_cast<std::uint8_t>(writer.limit), 0x0A, 0x00}))
      << "stored as given: line feeds are kept";
  EXPECT_EQ(file.size(), 6146u);
  ASSERT_EQ(writer.write(handle, u""), 0);
  EXPECT_EQ(slice(fileBytes(), writer.offset, 3), (Bytes{0x00, 0x0A, 0x00})) << "only the length byte is written";
  ASSERT_EQ(writer.write(handle, nullptr), 0);
  closeAndVerify(handle);
}

INSTANTIATE_TEST_SUITE_P(HeaderWriters, TextFieldWriter,
                         ::testing::Values(TextWriter{"barcode", DSupRwdWriteBarcode, 1369, 127},
                                           TextWriter{"dateTime", DSupRwdWriteDateTime, 2391, 49},
                                           TextWriter{"inlet", DSupRwdWriteInlet, 2215, 87}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HeaderWriters, GlpInformationCutsEachTextToItsLimit) {
  HGLOBAL handle = create(130);
  const std::u16string text1(40, u'a'), text2(60, u'b'), text3(25, u'c');
  ASSERT_EQ(DSupRwdWriteGLPInfo(handle, -2, 0x5A, text1.c_str(), text2.c_str(), text3.c_str()), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 314, 4), (Bytes{0, 0, 0, 1}));
  EXPECT_EQ(slice(file, 3085, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 31, 'a'}));
  EXPECT_EQ(slice(file, 3089 + 63, 1), Bytes{0}) << "nothing past 31 units";
  EXPECT_EQ(slice(file, 3600, 3), (Bytes{0x5A, 49, 'b'}));
  EXPECT_EQ(slice(file, 3601 + 99, 1), Bytes{0});
  EXPECT_EQ(slice(file, 3802, 2), (Bytes{19, 'c'}));
  EXPECT_EQ(slice(file, 3802 + 39, 1), Bytes{0});
  closeAndVerify(handle);
}

TEST_F(HeaderWriters, NumbersAreBigEndianAtTheirOffsets) {
  HGLOBAL handle = create(130);
  ASSERT_EQ(DSupRwdWriteBottleNumber(handle, 12), 0);
  ASSERT_EQ(DSupRwdWriteDataType(handle, 0x0102), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 244, 12), (Bytes{0x00, 0x01, 0x23, 0x45, 0, 0, 0, 130, 0, 0, 0x00, 0x0C}))
      << "the 32-bit copy keeps its creation value";
  EXPECT_EQ(slice(file, 5524, 2), (Bytes{0x01, 0x02}));
  closeAndVerify(handle);
}

struct StartTimeCase {
  LONG fileType;
  LONG endTime, startTime;
  Bytes newEndTime;
};

class StartTime : public SignalFileTest, public ::testing::WithParamInterface<StartTimeCase> {};

TEST_P(StartTime, IsAddedToTheEndTimeTheHeaderHolds) {
  HGLOBAL handle = create(GetParam().fileType);
  ASSERT_EQ(RwdWriteLongToFile(context(handle).fileHandle, 286, GetParam().endTime), 0);
  release(handle);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, GetParam().startTime), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 282, 4), (Bytes{std::uint8_t(GetParam().startTime >> 24), std::uint8_t(GetParam().startTime >> 16),
                                         std::uint8_t(GetParam().startTime >> 8), std::uint8_t(GetParam().startTime)}));
  EXPECT_EQ(slice(file, 286, 4), GetParam().newEndTime);
  DSupRwdCloseRawdataFile(&handle);
}

INSTANTIATE_TEST_SUITE_P(HeaderWriters, StartTime,
                         ::testing::Values(StartTimeCase{130, 60000, 1500, {0x00, 0x00, 0xF0, 0x3C}},      // 61500
                                           StartTimeCase{179, 0x42C80000, 0x3F000000, {0x42, 0xC9, 0x00, 0x00}},  // 100 + 0.5
                                           StartTimeCase{181, 0, 0x3F000000, {0x3F, 0x00, 0x00, 0x00}}));

TEST_F(HeaderWriters, AStartTimeAfterDataKeepsTheEndTimeRight) {
  HGLOBAL handle = create(130);  // 10 ms between points
  const std::vector<LONG> points(101, 1);
  ASSERT_EQ(DSupRwdWriteRawdata(handle, points.data(), 101), 0);
  ASSERT_EQ(DSupRwdWriteStartTime(handle, 2500), 0);
  EXPECT_EQ(closeAndVerify(handle).integer("endTime"), 3500);
}

TEST_F(HeaderWriters, DataTypeAndGlpRefuseASpectraFile) {
  HGLOBAL handle = create(130);
  context(handle).fileType = 131;
  const Bytes before = fileBytes();
  EXPECT_EQ(DSupRwdWriteDataType(handle, 1), 4);
  EXPECT_EQ(DSupRwdWriteGLPInfo(handle, 1, 1, u"a", u"b", u"c"), 4);
  EXPECT_EQ(fileBytes(), before);
  context(handle).fileType = 130;
  release(handle);
  release(handle);
  DSupRwdCloseRawdataFile(&handle);
}

// Handles that name no file context: each function gives its lock-failure status.
class ForeignHandle : public SignalFileTest, public ::testing::WithParamInterface<int> {
 protected:
  HGLOBAL foreignHandle() {
    switch (GetParam()) {
      case 0: return nullptr;
      case 1: {  // freed
        HGLOBAL handle = create(130);
        HGLOBAL copy = handle;
        DSupRwdCloseRawdataFile(&copy);
        return handle;
      }
      case 2: return other_ = GlobalAlloc(GHND, 16);
      default: return other_ = GlobalAlloc(GHND, 20000);  // large enough, but no file type
    }
  }
  void TearDown() override {
    if (other_) {
      EXPECT_EQ(GlobalFree(other_), nullptr) << "memory that is no file context is left alone";
    }
    SignalFileTest::TearDown();
  }
  HGLOBAL other_ = nullptr;
};

TEST_P(ForeignHandle, GivesTheLockFailureStatusOfEachFunction) {
  HGLOBAL handle = foreignHandle();
  const LONG point = 1;
  EXPECT_EQ(DSupRwdWriteRawdata(handle, &point, 1), 10);
  EXPECT_EQ(DSupRwdWriteCache(handle, 0), 1010);
  EXPECT_EQ(DSupRwdWriteBarcode(handle, u"x"), 8);
  EXPECT_EQ(DSupRwdWriteBottleNumber(handle, 1), 8);
  EXPECT_EQ(DSupRwdWriteDateTime(handle, u"x"), 8);
  EXPECT_EQ(DSupRwdWriteDataType(handle, 1), 8);
  EXPECT_EQ(DSupRwdWriteGLPInfo(handle, 1, 1, u"a", u"b", u"c"), 8);
  EXPECT_EQ(DSupRwdWriteInlet(handle, u"x"), 8);
  EXPECT_EQ(DSupRwdWriteStartTime(handle, 1), 8);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), handle ? 8 : 0);
  EXPECT_EQ(handle, nullptr);
}

INSTANTIATE_TEST_SUITE_P(HeaderWriters, ForeignHandle, ::testing::Values(0, 1, 2, 3));

TEST_F(HeaderWriters, LongReadsAndWritesReportShortTransfers) {
  HGLOBAL handle = create(130);
  HANDLE file = context(handle).fileHandle;
  LONG failed = 0;
  EXPECT_EQ(RwdReadLongFromFile(file, 248, &failed), 130);
  EXPECT_EQ(failed, 0);
  EXPECT_EQ(RwdReadLongFromFile(file, 6144, &failed), 0) << "only 2 bytes left";
  EXPECT_EQ(failed, 1);
  EXPECT_EQ(RwdReadLongFromFile(file, 6144, nullptr), 0);
  EXPECT_EQ(RwdWriteLongToFile(INVALID_HANDLE_VALUE, 0, 1), 4);
  release(handle);
  DSupRwdCloseRawdataFile(&handle);
}

}  // namespace
}  // namespace dsuptest
