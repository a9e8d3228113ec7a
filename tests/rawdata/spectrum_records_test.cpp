// Spectrum records: their bytes in both codings and every kind, the record index that finishes the
// file, the move of the index to the side file at the 204th entry, and records that are refused.
#include <gtest/gtest.h>

#include "spectra_file_test.h"

namespace dsuptest {
namespace {

using SpectrumRecords = SpectraFileTest;

// descriptorFor(1): value 1007, fields 1, 2, 3, 101, extension 0x04030202; little-endian.
const Bytes descriptorBytes = {0xEF, 0x03, 0, 0, 1, 0, 2, 0, 3, 0, 101, 0};
const Bytes extensionBytes = {4, 0, 0x02, 0x02, 0x03, 0x04};  // its length 4, then the 4 bytes

TEST_F(SpectrumRecords, BytesOfEveryKindAndCoding) {
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
    given.clear();
    HGLOBAL handle = createSpectra(r.kind);
    ASSERT_EQ(record(handle, 1, r.values, r.differences), 0);
    closeAndVerifySpectra(handle);
    EXPECT_EQ(slice(fileBytes(), 4096, r.expected.size()), r.expected);
  }
}

TEST_F(SpectrumRecords, ThreeRecordsEndInAnIndexOfThreeEntriesBehindThem) {
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

TEST_F(SpectrumRecords, IndexSpillsAtThe204thEntryAndTheSideFileGoesAtClosing) {
  HGLOBAL handle = createSpectra(1);
  const std::string sideFile = temp.file("RUN1.tmp");
  for (std::size_t n = 0; n < 250; ++n) {
    ASSERT_EQ(record(handle, n, {LONG(n)}), 0);
    if (n == 202) {
      EXPECT_FALSE(hostFileExists(sideFile));
      EXPECT_EQ(indexBlockSize(handle), 2040u) << "203 entries, never 2048 bytes";
    }
    if (n == 203) {
      EXPECT_EQ(readHostFile(sideFile).size(), 2030u) << "the 203 entries moved before the 204th was added";
      EXPECT_EQ(indexBlockSize(handle), 20u);
    }
  }
  const dsupreader::SpectraFile file = closeAndVerifySpectra(handle);
  EXPECT_FALSE(hostFileExists(sideFile));
  const auto indexOffset = static_cast<std::size_t>(file.integer("indexOffset"));
  EXPECT_EQ(slice(fileBytes(), indexOffset, 6), (Bytes{0x44, 0, 0xCA, 0x09, 0, 0})) << "6 + 10 × 250";
  EXPECT_EQ(fileBytes().size(), indexOffset + 2506 + 4) << "four zero bytes behind entries from the side file";
}

TEST_F(SpectrumRecords, RefusedRecordsWriteNothingAndTheHandleStaysUsable) {
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
  EXPECT_EQ(readHostFile(temp.file("SIGNAL.DAT")).size(), 6146u);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&signal), 0);
  // The largest record: 10918 values, each a 6-byte escape.
  std::vector<LONG> largest(10918);
  for (std::size_t i = 0; i < largest.size(); ++i) largest[i] = i % 2 ? 100000 : -100000;
  ASSERT_EQ(record(handle, 1, largest), 0);
  EXPECT_EQ(closeAndVerifySpectra(handle).records.at(0).length, 65530);
}

}  // namespace
}  // namespace dsuptest
