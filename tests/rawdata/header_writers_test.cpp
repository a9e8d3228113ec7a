// The header field writers: straight into the file at their offsets, texts cut to their limits,
// the end time following the start time.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "raw_file_test.h"

namespace dsuptest {
namespace {

using HeaderWriters = RawFileTest;

TEST_F(HeaderWriters, TextsAreCutToTheirLimitAndAShorterOneReplacesThem) {
  const struct {
    decltype(&DSupRwdWriteBarcode) write;
    std::size_t offset, limit;
  } writers[] = {{DSupRwdWriteBarcode, 1369, 127}, {DSupRwdWriteDateTime, 2391, 49}, {DSupRwdWriteInlet, 2215, 87}};
  HGLOBAL handle = create(108);
  for (const auto& writer : writers) {
    const std::u16string longText(writer.limit + 10, u'\n');
    ASSERT_EQ(writer.write(handle, w(longText)), 0);
    EXPECT_EQ(slice(fileBytes(), writer.offset, 3), (Bytes{static_cast<std::uint8_t>(writer.limit), 0x0A, 0x00}))
        << "stored as given, line feeds kept";
    ASSERT_EQ(writer.write(handle, nullptr), 0);
    EXPECT_EQ(slice(fileBytes(), writer.offset, 3), (Bytes{0x00, 0x0A, 0x00})) << "only the length byte is written";
  }
  EXPECT_EQ(fileSize(), 6146u);
  closeAndVerify(handle);
}

TEST_F(HeaderWriters, GlpInformationAndNumbersGoToTheirOffsets) {
  HGLOBAL handle = create(130);
  const std::u16string text1(40, u'a'), text2(60, u'b'), text3(25, u'c');
  ASSERT_EQ(DSupRwdWriteGLPInfo(handle, -2, 0x5A, w(text1), w(text2), w(text3)), 0);
  ASSERT_EQ(DSupRwdWriteBottleNumber(handle, 12), 0);
  ASSERT_EQ(DSupRwdWriteDataType(handle, 0x0102), 0);
  const Bytes file = fileBytes();
  EXPECT_EQ(slice(file, 314, 4), (Bytes{0, 0, 0, 1}));
  EXPECT_EQ(slice(file, 3085, 6), (Bytes{0xFF, 0xFF, 0xFF, 0xFE, 31, 'a'}));
  EXPECT_EQ(slice(file, 3600, 3), (Bytes{0x5A, 49, 'b'}));
  EXPECT_EQ(slice(file, 3802, 2), (Bytes{19, 'c'}));
  for (std::size_t pastTheLimit : {3089 + 63, 3601 + 99, 3802 + 39}) EXPECT_EQ(file[pastTheLimit], 0) << pastTheLimit;
  EXPECT_EQ(slice(file, 244, 12), (Bytes{0x00, 0x01, 0x23, 0x45, 0, 0, 0, 130, 0, 0, 0x00, 0x0C}))
      << "the 32-bit bottle number keeps its creation value";
  EXPECT_EQ(slice(file, 5524, 2), (Bytes{0x01, 0x02}));
  closeAndVerify(handle);
}

TEST_F(HeaderWriters, StartTimeIsAddedToTheEndTimeTheHeaderHolds) {
  const struct {
    LONG fileType, endTime, startTime;
    Bytes newEndTime;
  } cases[] = {{130, 60000, 1500, {0x00, 0x00, 0xF0, 0x3C}},              // 61500
               {179, 0x42C80000, 0x3F000000, {0x42, 0xC9, 0x00, 0x00}}};  // 100.0 + 0.5
  for (const auto& c : cases) {
    HGLOBAL handle = create(c.fileType);
    ASSERT_EQ(RwdWriteLongToFile(context(handle).fileHandle, 286, c.endTime), 0);
    release(handle);
    ASSERT_EQ(DSupRwdWriteStartTime(handle, c.startTime), 0);
    EXPECT_EQ(slice(fileBytes(), 282, 8), bigEndian(static_cast<DWORD>(c.startTime), 4) + c.newEndTime);
    DSupRwdCloseRawdataFile(&handle);
  }
}

TEST_F(HeaderWriters, DataTypeAndGlpRefuseASpectraFile) {
  HGLOBAL handle = createSpectra(1);
  ASSERT_EQ(record(handle, 0, {1, 2}), 0);
  const Bytes before = fileBytes();
  EXPECT_EQ(DSupRwdWriteDataType(handle, 1), 4);
  EXPECT_EQ(DSupRwdWriteGLPInfo(handle, 1, 1, w(u"a"), w(u"b"), w(u"c")), 4);
  EXPECT_EQ(fileBytes(), before);
  closeAndVerifySpectra(handle);
}

}  // namespace
}  // namespace dsuptest
