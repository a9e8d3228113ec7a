// Creation of signal files, also with the fixed cache: byte-exact headers of every type, rates and
// cache sizes, texts cut to their fields, and creations that fail without leaving anything behind.
#include <gtest/gtest.h>

#include "rawdata/file_context.h"
#include "raw_file_test.h"

namespace dsuptest {
namespace {

using SignalCreation = RawFileTest;

struct TypeHeader {
  LONG fileType;
  std::u16string number, kind, technique;
  std::uint8_t signalCode;
  std::size_t length;
  Creation creation = DSupRwdCreateRawdataFile;  // the fixed-cache creation stores its own text858
};

// The whole file as the format describes it; every byte that no field names is zero.
Bytes expectedFile(const TypeHeader& type, const SignalArguments& a) {
  Bytes image(type.length);
  auto put = [&](std::size_t at, const Bytes& bytes) { std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at)); };
  put(0, Bytes{3} + Bytes(type.number.begin(), type.number.end()));
  put(244, {0x00, 0x01, 0x23, 0x45, 0x00, 0x00, 0x00, static_cast<std::uint8_t>(type.fileType)});
  put(252, a.word252 ? Bytes{0x01, 0x02, 0x23, 0x45, 0x03, 0x04} : Bytes{0x00, 0x00, 0x23, 0x45, 0x00, 0x00});
  put(264, {0, 0, 0, 13});
  put(278, {0, 0, 0, 13});
  put(318, {0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(326, encodedText(type.number));
  put(347, encodedText(type.kind));
  put(858, encodedText(type.creation == DSupRwdCreateRawdataFile ? u"Method 7" : u"TestData"));
  put(1880, encodedText(u"Operator"));
  put(2391, encodedText(u"12:30 2026-01-01"));  // the line feed stored as a space
  put(2492, encodedText(u"VIAL"));
  put(2533, encodedText(type.technique));
  put(2574, encodedText(u"Sample 12"));
  put(4096, {0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(4106, {0x00, 0x02});
  put(4122, bigEndian(a.rateCode, 4));
  put(4134, {0x00, 0x00, 0x00, type.signalCode});
  put(4172, encodedText(u"DAD1 A"));
  put(4213, encodedText(u"Signal 254 nm"));
  put(4732, {0x3F, 0xF8, 0, 0, 0, 0, 0, 0});  // 1.5
  return image;
}

TEST_F(SignalCreation, HeaderOfEveryTypeIsByteExactFromItsFirstMoment) {
  const TypeHeader types[] = {{108, u"108", u"GC DATA FILE", u"GC", 2, 6146},
                              {130, u"130", u"LC DATA FILE", u"LC", 3, 6146},
                              {179, u"179", u"GC DATA FILE", u"GC", 5, 6144},
                              {181, u"181", u"GC DATA FILE", u"GC", 4, 6146},
                              {130, u"130", u"LC DATA FILE", u"LC", 3, 6146, DSupRwdCreateNRawdataFile}};
  for (const TypeHeader& type : types) {
    SCOPED_TRACE(type.fileType);
    SignalArguments arguments = argumentsFor(type.fileType);
    arguments.word252 = type.fileType == 181 ? 0x0102 : 0;  // 256 is written only behind a nonzero 252
    writeHostFile(temp.file("RUN1.DAT"), Bytes(10000, 0xEE));  // replaced
    LONG status = 77;
    HGLOBAL handle = create(arguments, &status, type.creation);
    EXPECT_EQ(status, 77) << "left alone on success";
    EXPECT_EQ(fileBytes(), expectedFile(type, arguments));
    EXPECT_TRUE(readBack().verified());
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    EXPECT_EQ(fileBytes(), expectedFile(type, arguments)) << "closing without points writes nothing";
  }
}

TEST_F(SignalCreation, RateGivesTheIntervalAndACacheOf20SecondsWithinA16BitContext) {
  const Creation rated = DSupRwdCreateRawdataFile, fixed = DSupRwdCreateNRawdataFile;  // fixed: type 130, 6146 bytes
  const struct {
    Creation creation;
    LONG fileType;
    DWORD rateCode;
    float interval;  // milliseconds; 0: the creation is refused
    WORD cache;
  } rates[] = {{rated, 108, 0, 50.0f, 6146}, {rated, 108, 3, 400.0f, 6146}, {rated, 130, pointsPerSecond(100), 10.0f, 6146},
               {rated, 130, pointsPerSecond(1000), 1.0f, 20000}, {rated, 179, pointsPerSecond(5, 2), 400.0f, 6146},
               {rated, 181, pointsPerSecond(1, 65535), 65535000.0f, 6146}, {rated, 130, pointsPerSecond(4000), 0.25f, 64239},
               {rated, 130, 100, 0, 0}, {rated, 179, pointsPerSecond(0), 0, 0}, {rated, 108, 200, 0, 0},
               {fixed, 130, pointsPerSecond(1000), 1.0f, 6146}, {fixed, 130, 100, 0, 0}, {fixed, 108, 0, 0, 0}};
  for (const auto& rate : rates) {
    SCOPED_TRACE(rate.rateCode);
    SignalArguments arguments = argumentsFor(rate.fileType);
    arguments.rateCode = rate.rateCode;
    LONG status = 0;
    HGLOBAL handle = create(arguments, &status, rate.creation);
    EXPECT_EQ(status, rate.interval == 0 ? 1 : 0);
    if (!handle) continue;
    const RwdFileContext& created = context(handle);
    EXPECT_EQ(created.sampleInterval, rate.interval);
    EXPECT_EQ(created.cacheCapacity, rate.cache);
    release(handle);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  }
}

TEST_F(SignalCreation, TextsLongerThanTheirFieldAreCutToTheLimit) {
  SignalArguments arguments = argumentsFor(108);
  arguments.text1880 = std::u16string(40, u'a');
  arguments.text858 = std::u16string(70, u'b');
  arguments.text2574 = std::u16string(50, u'c');
  arguments.dateTime = std::u16string(60, u'\n');
  arguments.text4172 = std::u16string(30, u'e');
  arguments.text4213 = std::u16string(300, u'f');
  arguments.text2492 = u"1234567890";  // one too many for its 9: left out, not cut
  HGLOBAL handle = create(arguments);
  const Bytes file = fileBytes();
  const struct {
    std::size_t offset, limit;
    char16_t unit;
  } fields[] = {{1880, 30, u'a'}, {858, 62, u'b'}, {2574, 44, u'c'}, {2391, 49, u' '}, {4172, 20, u'e'}, {4213, 255, u'f'}};
  for (const auto& field : fields) {
    const Bytes expected = encodedText(std::u16string(field.limit, field.unit));
    EXPECT_EQ(slice(file, field.offset, expected.size()), expected) << field.offset;
  }
  EXPECT_EQ(slice(file, 2492, 1), Bytes{0});
  EXPECT_TRUE(readBack().verified());
  DSupRwdCloseRawdataFile(&handle);
}

TEST_F(SignalCreation, RefusedCreationSetsStatusAndLeavesNothingBehind) {
  const struct {
    LONG fileType;
    std::u16string directorySuffix, fileName;
  } refused[] = {{131, u"", u"A.DAT"}, {30, u"", u"A.DAT"}, {130, u"", std::u16string(45, u'n')},
                 {130, std::u16string(256, u'/'), u"A.DAT"}, {130, u"missing/", u"A.DAT"}};
  for (const auto& creation : refused) {
    SignalArguments arguments = argumentsFor(creation.fileType);
    arguments.fileName = creation.fileName;
    arguments.directory = temp.path16() + creation.directorySuffix;
    LONG status = 0;
    EXPECT_EQ(create(arguments, &status), nullptr);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(create(arguments, nullptr), nullptr) << "a null status pointer is tolerated";
  }
  EXPECT_TRUE(temp.listing().empty());
}

TEST_F(SignalCreation, CreatingOverAFileThatIsRecordedFailsAndKeepsTheRecording) {
  HGLOBAL recording = create(130);
  ASSERT_EQ(write(recording, 130, {1, 2, 3}), 0);
  LONG status = 0;
  EXPECT_EQ(create(argumentsFor(108), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(closeAndVerify(recording).points, (std::vector<double>{1, 2, 3}));
}

}  // namespace
}  // namespace dsuptest
