// Spectra files: the header byte for byte from its first moment, records in both codings and every
// kind, the record index that finishes the file, the side file that takes the index from the 204th
// entry on (its name, a name that makes it fail, files recorded at the same time), and records that
// are refused. Failed creations and appends are swept in fault_sweep_test.cpp.
#include <gtest/gtest.h>

#include <filesystem>

#include "raw_file_test.h"

namespace dsuptest {
namespace {

using Spectra = RawFileTest;

constexpr std::size_t entriesInMemory = 203;

// The whole file as the format describes it; every byte that no field names is zero.
Bytes expectedSpectraFile(WORD kind) {
  Bytes image(4098);
  auto put = [&](std::size_t at, const Bytes& bytes) { std::copy(bytes.begin(), bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(at)); };
  put(0, {3, '1', '3', '1'});
  put(244, {0, 0, 0, 12, 0, 0, 0, 131, 0, 0, 0, 12, 0, 0, 0, 1});  // bottle number, type, word 252, 254, 256, indexFlag
  put(264, {0, 0, 0, 9});
  put(318, {0x00, 0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x01});
  put(326, encodedText(u"131"));
  put(342, bigEndian(kind, 2));
  put(347, encodedText(u"LC DATA FILE"));
  put(858, encodedText(u"Method 7"));
  put(1880, encodedText(u"Operator"));
  put(2391, encodedText(u"12:30 2026-01-01"));
  put(2492, encodedText(u"VIAL"));
  put(2533, encodedText(u"LC"));
  put(2574, encodedText(u"Sample 12"));
  put(3085, {0x40, 0x04, 0, 0, 0, 0, 0, 0});  // 2.5
  put(3093, encodedText(u"DAD"));
  put(3134, bigEndian(kind, 2));
  put(3136, encodedText(u"190 to 400 nm"));
  return image;
}

TEST_F(Spectra, HeaderAndEndMarkFromTheFirstMomentAndAnEmptyIndexAtClosing) {
  for (WORD kind : {1, 2, 9}) {
    SCOPED_TRACE(kind);
    writeHostFile(temp.file("RUN1.DAT"), Bytes(10000, 0xEE));  // replaced
    RwdHeaderParameters parameters = parametersFor(kind);
    parameters.status = 77;
    HGLOBAL handle = DSupRwdCreateSpectraFile(&parameters);
    EXPECT_EQ(parameters.status, 77) << "left alone on success";
    EXPECT_EQ(fileBytes(), expectedSpectraFile(kind));
    EXPECT_EQ(readSpectra().violations, std::vector<std::string>{});
    const dsupreader::SpectraFile file = closeAndVerifySpectra(handle);
    EXPECT_EQ(slice(fileBytes(), 4096, 100), (Bytes{0x44, 0, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(file.integer("indexOffset"), 4096);
    EXPECT_EQ(file.integer("spectrumTotal"), 0);
  }
}

// descriptorFor(1): value 1007, fields 1, 2, 3, 101, extension 0x04030202; little-endian.
const Bytes descriptorBytes = {0xEF, 0x03, 0, 0, 1, 0, 2, 0, 3, 0, 101, 0};
const Bytes extensionBytes = {4, 0, 0x02, 0x02, 0x03, 0x04};  // its length 4, then the 4 bytes

TEST_F(Spectra, RecordBytesOfEveryKindAndCoding) {
  const struct {
    WORD kind;
    bool differences;
    std::vector<LONG> values;
    Bytes expected;
  } records[] = {
      {1, true, {100, 40000, 40005},
       Bytes{0x43, 0, 32, 0} + descriptorBytes + extensionBytes + Bytes{0x64, 0, 0x00, 0x80, 0x40, 0x9C, 0, 0, 5, 0}},
      {2, false, {1, -2, 3},
       Bytes{0x41, 0, 34, 0} + descriptorBytes + extensionBytes + Bytes{1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0}},
      // Other kinds have a 16-byte header. Differences of ±32767 fit; -32768 takes the escape.
      {7, true, {40000, 72767, 40000, 7232},
       Bytes{0x43, 0, 32, 0} + descriptorBytes +
           Bytes{0x00, 0x80, 0x40, 0x9C, 0, 0, 0xFF, 0x7F, 0x01, 0x80, 0x00, 0x80, 0x40, 0x1C, 0, 0}},
      {0, false, {}, Bytes{0x41, 0, 16, 0} + descriptorBytes},
      {1, true, {}, Bytes{0x43, 0, 22, 0} + descriptorBytes + extensionBytes},
  };
  for (const auto& r : records) {
    SCOPED_TRACE(r.expected.size());
    HGLOBAL handle = createSpectra(r.kind);
    ASSERT_EQ(record(handle, 1, r.values, r.differences), 0);
    closeAndVerifySpectra(handle);
    EXPECT_EQ(slice(fileBytes(), 4096, r.expected.size()), r.expected);
  }
}

TEST_F(Spectra, ThreeRecordsEndInAnIndexOfThreeEntriesBehindThem) {
  HGLOBAL handle = createSpectra(2);
  for (std::size_t n = 0; n < 3; ++n) ASSERT_EQ(record(handle, n, std::vector<LONG>(n, 5)), 0);
  const dsupreader::SpectraFile file = closeAndVerifySpectra(handle);
  // Records of 22, 24 and 26 bytes from 4096; the index at 4168.
  const Bytes entries = Bytes{0x00, 0x10, 0, 0, 7, 0, 0, 0, 100, 0} + Bytes{0x16, 0x10, 0, 0, 0xEF, 0x03, 0, 0, 101, 0} +
                        Bytes{0x2E, 0x10, 0, 0, 0xD7, 0x07, 0, 0, 102, 0};
  EXPECT_EQ(slice(fileBytes(), 4168, 100), (Bytes{0x44, 0, 36, 0, 0, 0} + entries + Bytes{0, 0}));
  EXPECT_EQ(file.integer("indexOffset"), 4168);
  EXPECT_EQ(file.integer("spectrumTotal"), 3);
}

// The reader checks the finished index of 250 entries: the 6-byte head with the length 2506, the
// entries copied from the side file, and the four zero bytes that follow such entries.
TEST_F(Spectra, SideFileTakesTheIndexAtThe204thEntryUnderTheDataFileNameAndGoesAtClosing) {
  const struct {
    std::string fileName;
    std::u16string sideDirectory;  // within the test's directory
    std::string sideFile;          // the data file's name cut at the last full stop, with .tmp
  } names[] = {{"RUN1.DAT", u"", "RUN1.tmp"}, {"RUN.2.CH", u"", "RUN.2.tmp"}, {"RUN1", u"side.d/", "side.tmp"}};
  for (const auto& name : names) {
    SCOPED_TRACE(name.sideFile);
    RwdHeaderParameters parameters = parametersFor(1, u16(name.fileName));
    put(parameters.sideFileDirectory, temp.path16() + name.sideDirectory);
    HGLOBAL handle = createSpectra(parameters);
    for (std::size_t n = 0; n < 250; ++n) {
      ASSERT_EQ(hostFileExists(temp.file(name.sideFile)), n > entriesInMemory) << n;
      ASSERT_EQ(record(handle, n, {LONG(n)}), 0);
    }
    EXPECT_EQ(fileBytes(name.sideFile).size(), 10 * entriesInMemory) << "the entries moved before the 204th was added";
    closeAndVerifySpectra(handle, name.fileName);
    EXPECT_FALSE(hostFileExists(temp.file(name.sideFile)));
  }
}

TEST_F(Spectra, SideFileNameWithoutFullStopFailsTheSpillAndTheIndexKeepsWhatItHolds) {
  HGLOBAL handle = createSpectra(parametersFor(1, u"RUN1"));
  for (std::size_t n = 0; n < 250; ++n) ASSERT_EQ(record(handle, n, {1}), n == entriesInMemory ? 12106 : 0);
  ASSERT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  const dsupreader::SpectraFile file = readSpectra("RUN1");
  // The 203 entries in memory are given up, and the 204th is not added.
  EXPECT_EQ(file.violations, std::vector<std::string>{"204 records are missing from the index, the first at 4096"});
  EXPECT_EQ(file.index.size(), 46u) << "the entries given up are not counted; nothing behind the kept ones";
  EXPECT_EQ(file.index.at(0).offset, file.records.at(entriesInMemory + 1).offset);
  EXPECT_EQ(temp.listing().size(), 1u);
}

TEST_F(Spectra, FilesRecordedAtTheSameTimeNeverShareASideFile) {
  // Three files named RUN1.DAT in three directories, one side directory: each gets its own side
  // file while the others are open, and a file created after them gets the plain name again.
  std::vector<HGLOBAL> handles;
  for (const char* directory : {"a/", "b/", "c/"}) {
    std::filesystem::create_directory(temp.file(directory));
    RwdHeaderParameters parameters = parametersFor(1);
    put(parameters.directory, temp.path16() + u16(directory));
    handles.push_back(createSpectra(parameters));
  }
  for (std::size_t n = 0; n < 300; ++n)
    for (std::size_t file = 0; file < handles.size(); ++file)
      ASSERT_EQ(record(handles[file], 1000 * file + n, {LONG(file)}), 0);
  for (const char* sideFile : {"RUN1.tmp", "RUN1~1.tmp", "RUN1~2.tmp"})
    EXPECT_EQ(fileBytes(sideFile).size(), 10 * entriesInMemory) << sideFile;
  for (std::size_t file = 0; file < handles.size(); ++file) {
    ASSERT_EQ(DSupRwdCloseRawdataFile(&handles[file]), 0);
    const dsupreader::SpectraFile spectra = readSpectra(std::string(1, char('a' + file)) + "/RUN1.DAT");
    EXPECT_EQ(spectra.violations, std::vector<std::string>{}) << "entries of another file would not match";
    EXPECT_EQ(spectra.index.size(), 300u);
  }
  HGLOBAL later = createSpectra(1);
  for (std::size_t n = 0; n <= entriesInMemory; ++n) ASSERT_EQ(record(later, n, {}), 0);
  EXPECT_TRUE(hostFileExists(temp.file("RUN1.tmp")));
  EXPECT_EQ(DSupRwdCloseRawdataFile(&later), 0);
}

// The largest record (10918 values, each a 6-byte escape) is written in the spectra round trips.
TEST_F(Spectra, RefusedRecordsWriteNothingAndTheHandleStaysUsable) {
  HGLOBAL handle = createSpectra(1), signal = nullptr;
  const RwdSpectrumDescriptor descriptor = descriptorFor(1);
  const std::vector<LONG> values(10919, 1);
  const struct {
    HGLOBAL* handle;
    const RwdSpectrumDescriptor* descriptor;
    const LONG* values;
    LONG count;
    LONG status;
  } refusals[] = {{&handle, &descriptor, values.data(), -1, 10008},   {&handle, &descriptor, values.data(), 10919, 10008},
                  {&handle, &descriptor, nullptr, 3, 10008},          {&handle, nullptr, values.data(), 3, 10008},
                  {&signal, &descriptor, values.data(), 3, 12000},    {nullptr, &descriptor, values.data(), 3, 10010}};
  SignalArguments arguments = argumentsFor(130);
  arguments.fileName = u"SIGNAL.DAT";
  signal = create(arguments);
  for (const auto& refusal : refusals)
    EXPECT_EQ(DSupRwdWriteSpectrumRecord(refusal.handle, refusal.descriptor, refusal.values, refusal.count, TRUE),
              refusal.status);
  EXPECT_EQ(fileBytes("SIGNAL.DAT").size(), 6146u);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&signal), 0);
  ASSERT_EQ(record(handle, 1, {5}), 0);
  closeAndVerifySpectra(handle);
}

}  // namespace
}  // namespace dsuptest
