// Creation of signal files: byte-exact headers of every type, rates and cache sizes, texts cut to
// their fields, and creations that fail without leaving anything behind.
#include <gtest/gtest.h>

#include <cstring>

#include "rawdata/file_context.h"
#include "signal_file_test.h"

namespace dsuptest {
namespace {

Bytes bigEndian(std::uint64_t value, int width) {
  Bytes bytes;
  for (int i = width - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  return bytes;
}

struct TypeHeader {
  LONG fileType;
  const char* number;
  std::u16string kind, technique;
  std::uint8_t signalCode;
  std::size_t length;
};

// The whole file as the format describes it for the default arguments; every byte no field names
// is zero.
Bytes expectedFile(const TypeHeader& type, const SignalArguments& a) {
  Bytes image(type.length);
  auto put = [&](std::size_t at, const Bytes& bytes) { std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at)); };
  const std::u16string number(type.number, type.number + 3);
  put(0, {3, std::uint8_t(type.number[0]), std::uint8_t(type.number[1]), std::uint8_t(type.number[2])});
  put(244, {0x00, 0x01, 0x23, 0x45, 0x00, 0x00, 0x00, std::uint8_t(type.fileType), 0x00, 0x00, 0x23, 0x45});
  put(264, {0, 0, 0, 13});
  put(278, {0, 0, 0, 13});
  put(318, {0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(326, encodedText(number));
  put(347, encodedText(type.kind));
  put(858, encodedText(a.text858));
  put(1880, encodedText(a.text1880));
  put(2391, encodedText(u"12:30 2026-01-01"));
  put(2492, encodedText(a.text2492));
  put(2533, encodedText(type.technique));
  put(2574, encodedText(a.text2574));
  put(4096, {0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(4106, {0x00, 0x02});
  put(4122, bigEndian(a.rateCode, 4));
  put(4134, {0x00, 0x00, 0x00, type.signalCode});
  put(4172, encodedText(a.text4172));
  put(4213, encodedText(a.text4213));
  put(4732, {0x3F, 0xF8, 0, 0, 0, 0, 0, 0});  // 1.5
  return image;
}

class HeaderOfType : public SignalFileTest, public ::testing::WithParamInterface<TypeHeader> {};

TEST_P(HeaderOfType, IsByteExactFromItsFirstMoment) {
  const TypeHeader& type = GetParam();
  HGLOBAL handle = create(type.fileType);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(fileBytes(), expectedFile(type, argumentsFor(type.fileType)));
  EXPECT_EQ(readBack().violations, std::vector<std::string>{});
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  EXPECT_EQ(fileBytes(), expectedFile(type, argumentsFor(type.fileType))) << "closing without points writes nothing";
}

INSTANTIATE_TEST_SUITE_P(SignalFile, HeaderOfType,
                         ::testing::Values(TypeHeader{108, "108", u"GC DATA FILE", u"GC", 2, 6146},
                                           TypeHeader{130, "130", u"LC DATA FILE", u"LC", 3, 6146},
                                           TypeHeader{179, "179", u"GC DATA FILE", u"GC", 5, 6144},
                                           TypeHeader{181, "181", u"GC DATA FILE", u"GC", 4, 6146}));

TEST_F(SignalFileTest, Type130HeaderHoldsTheDocumentedBytes) {
  HGLOBAL handle = create(130);
  const Bytes file = fileBytes();
  ASSERT_EQ(file.size(), 6146u);
  EXPECT_EQ(slice(file, 0, 4), (Bytes{0x03, 0x31, 0x33, 0x30}));
  EXPECT_EQ(slice(file, 326, 7), (Bytes{0x03, 0x31, 0x00, 0x33, 0x00, 0x30, 0x00}));
  EXPECT_EQ(slice(file, 347, 3), (Bytes{12, 'L', 0}));
  EXPECT_EQ(slice(file, 264, 4), (Bytes{0x00, 0x00, 0x00, 0x0D}));
  EXPECT_EQ(slice(file, 278, 4), (Bytes{0x00, 0x00, 0x00, 0x0D}));
  EXPECT_EQ(slice(file, 4134, 4), (Bytes{0x00, 0x00, 0x00, 0x03}));
  EXPECT_EQ(slice(file, 6144, 2), (Bytes{0x00, 0x00}));
  DSupRwdCloseRawdataFile(&handle);
}

TEST_F(SignalFileTest, WordsAt252And256AreWrittenOnlyWhen252IsNonzero) {
  for (WORD word252 : {WORD{0}, WORD{0x0102}}) {
    SignalArguments arguments = argumentsFor(130);
    arguments.word252 = word252;
    arguments.word256 = 0x0304;
    HGLOBAL handle = create(arguments);
    const Bytes expected = word252 ? Bytes{0x01, 0x02, 0x23, 0x45, 0x03, 0x04} : Bytes{0, 0, 0x23, 0x45, 0, 0};
    EXPECT_EQ(slice(fileBytes(), 252, 6), expected);
    DSupRwdCloseRawdataFile(&handle);
  }
}

struct RateCase {
  LONG fileType;
  DWORD rateCode;
  float interval;  // milliseconds; 0: the creation fails
  WORD capacity;
};

class SamplingRate : public SignalFileTest, public ::testing::WithParamInterface<RateCase> {};

TEST_P(SamplingRate, GivesTheIntervalAndACacheOf20SecondsWithinItsLimits) {
  const RateCase& rate = GetParam();
  SignalArguments arguments = argumentsFor(rate.fileType);
  arguments.rateCode = rate.rateCode;
  LONG status = 0;
  HGLOBAL handle = create(arguments, &status);
  if (rate.interval == 0) {
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(status, 1);
    EXPECT_TRUE(temp.listing().empty());
    return;
  }
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(context(handle).sampleInterval, rate.interval);
  EXPECT_EQ(context(handle).cacheCapacity, rate.capacity);
  EXPECT_EQ(GlobalSize(handle), dsup::contextFixedSize + rate.capacity);
  release(handle);
  release(handle);
  EXPECT_EQ(slice(fileBytes(), 4122, 4), bigEndian(rate.rateCode, 4)) << "the code is stored as given";
  DSupRwdCloseRawdataFile(&handle);
}

INSTANTIATE_TEST_SUITE_P(
    SignalFile, SamplingRate,
    ::testing::Values(RateCase{108, 0, 50.0f, 6146}, RateCase{108, 3, 400.0f, 6146},
                      RateCase{130, pointsPerSecond(100), 10.0f, 6146}, RateCase{130, pointsPerSecond(1000), 1.0f, 20000},
                      RateCase{179, pointsPerSecond(5, 2), 400.0f, 6146},
                      RateCase{181, pointsPerSecond(1, 65535), 65535000.0f, 6146},
                      // 4000 points per second would want 80000 bytes: the context must stay a 16-bit size.
                      RateCase{130, pointsPerSecond(4000), 0.25f, 64239},
                      RateCase{130, pointsPerSecond(65535), 1000.0f / 65535.0f, 64239},
                      RateCase{130, 100, 0, 0}, RateCase{179, pointsPerSecond(0), 0, 0},
                      RateCase{181, pointsPerSecond(0, 7), 0, 0}, RateCase{108, 200, 0, 0}));

TEST_F(SignalFileTest, TextsLongerThanTheirFieldAreCutToTheLimit) {
  SignalArguments arguments = argumentsFor(108);
  arguments.text1880 = std::u16string(40, u'a');
  arguments.text858 = std::u16string(70, u'b');
  arguments.text2574 = std::u16string(50, u'c');
  arguments.dateTime = std::u16string(60, u'\n');
  arguments.text4172 = std::u16string(30, u'e');
  arguments.text4213 = std::u16string(300, u'f');
  HGLOBAL handle = create(arguments);
  const Bytes file = fileBytes();
  const struct {
    std::size_t offset, limit;
    char16_t unit;
  } fields[] = {{1880, 30, u'a'}, {858, 62, u'b'}, {2574, 44, u'c'}, {2391, 49, u' '}, {4172, 20, u'e'}, {4213, 255, u'f'}};
  for (const auto& field : fields) {
    SCOPED_TRACE(field.offset);
    const Bytes expected = encodedText(std::u16string(field.limit, field.unit));
    EXPECT_EQ(slice(file, field.offset, expected.size()), expected);
  }
  EXPECT_TRUE(readBack().verified());
  DSupRwdCloseRawdataFile(&handle);
}

TEST_F(SignalFileTest, Text2492OfTenCharactersLeavesItsFieldEmpty) {
  SignalArguments arguments = argumentsFor(130);
  for (const std::u16string text : {u"123456789", u"1234567890"}) {
    arguments.text2492 = text;
    HGLOBAL handle = create(arguments);
    EXPECT_EQ(slice(fileBytes(), 2492, 1), Bytes{static_cast<std::uint8_t>(text.size() == 9 ? 9 : 0)});
    DSupRwdCloseRawdataFile(&handle);
  }
}

struct RefusedCreation {
  const char* why;
  LONG fileType;
  std::u16string directorySuffix, fileName;
};

class RefusedSignalFile : public SignalFileTest, public ::testing::WithParamInterface<RefusedCreation> {};

TEST_P(RefusedSignalFile, SetsStatusAndLeavesNothingBehind) {
  SignalArguments arguments = argumentsFor(130);
  arguments.fileType = GetParam().fileType;
  arguments.fileName = GetParam().fileName;
  arguments.directory = temp.path16() + GetParam().directorySuffix;
  LONG status = 0;
  EXPECT_EQ(create(arguments, &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(create(arguments, nullptr), nullptr) << "a null status pointer is tolerated";
  EXPECT_TRUE(temp.listing().empty());
}

INSTANTIATE_TEST_SUITE_P(SignalFile, RefusedSignalFile,
                         ::testing::Values(RefusedCreation{"spectra type", 131, u"", u"A.DAT"},
                                           RefusedCreation{"unknown type", 30, u"", u"A.DAT"},
                                           RefusedCreation{"file name of 45", 130, u"", std::u16string(45, u'n')},
                                           RefusedCreation{"directory of 256", 130, std::u16string(256, u'/'), u"A.DAT"},
                                           RefusedCreation{"missing directory", 130, u"missing/", u"A.DAT"}),
                         [](const auto& info) {
                           std::string name = info.param.why;
                           for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST_F(SignalFileTest, StatusIsLeftAloneOnSuccessAndAnExistingFileIsReplaced) {
  writeHostFile(temp.file("RUN1.DAT"), Bytes(10000, 0xEE));
  LONG status = 77;
  HGLOBAL handle = create(argumentsFor(179), &status);
  EXPECT_EQ(status, 77);
  EXPECT_EQ(fileBytes().size(), 6144u);
  DSupRwdCloseRawdataFile(&handle);
}

TEST_F(SignalFileTest, CreatingOverAFileThatIsRecordedFailsAndKeepsTheRecording) {
  HGLOBAL recording = create(130);
  const LONG points[] = {1, 2, 3};
  ASSERT_EQ(DSupRwdWriteRawdata(recording, points, 3), 0);
  LONG status = 0;
  EXPECT_EQ(create(argumentsFor(108), &status), nullptr);
  EXPECT_EQ(status, 1);
  EXPECT_EQ(closeAndVerify(recording).points, (std::vector<double>{1, 2, 3}));
}

}  // namespace
}  // namespace dsuptest
