// The reader: each kind of damage to a valid signal or spectra file, finished or still being
// recorded, is reported as a violation of the format. (Valid files are read back point for point
// and record for record in the round trips, and printed by dsup-dump's tests.)
#include <gtest/gtest.h>

#include <functional>

#include "rawdata/raw_file_test.h"

namespace dsuptest {
namespace {

using Damage = std::function<void(Bytes&)>;

Damage put(std::size_t at, Bytes bytes) {
  return [=](Bytes& b) { std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at)); };
}
Damage put32(std::size_t at, std::uint32_t value) { return put(at, bigEndian(value, 4)); }
Damage cut(std::size_t count) {
  return [=](Bytes& b) { b.resize(b.size() - count); };
}

// The valid file verifies; once damaged, its violations include the one expected.
template <class File>
void expectReported(Bytes bytes, const Damage& damage, const std::string& violation,
                    File (*read)(std::span<const std::uint8_t>)) {
  ASSERT_TRUE(read(bytes).verified());
  damage(bytes);
  std::string all;
  for (const std::string& found : read(bytes).violations) all += found + "\n";
  EXPECT_NE(all.find(violation), std::string::npos) << violation << " in:\n" << all;
}

class Reader : public RawFileTest {
 protected:
  // Points 1, 70000 and 3.
  Bytes recordedSignal(LONG fileType) {
    HGLOBAL handle = create(fileType);
    EXPECT_EQ(write(handle, fileType, {1, 70000, 3}), 0);
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return fileBytes();
  }
  // Records 0 (difference-coded 100, 40000, 40005), 1 (absolute -1) and so on with one absolute
  // value each; the file finished, or as it stands after a flush while it is recorded.
  Bytes recordedSpectra(std::size_t records, bool finished) {
    HGLOBAL handle = createSpectra(1);
    EXPECT_EQ(record(handle, 0, {100, 40000, 40005}), 0);
    for (std::size_t n = 1; n < records; ++n) EXPECT_EQ(record(handle, n, {-1}, false), 0);
    EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0);
    const Bytes recording = fileBytes();
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return finished ? fileBytes() : recording;
  }
};

TEST_F(Reader, ReportsEachKindOfDamageToASignalFile) {
  const struct {
    LONG fileType;
    Damage damage;
    const char* violation;
  } damages[] = {
      {130, [](Bytes& b) { b.resize(100); }, "fewer than the 6144-byte signal header"},
      {130, cut(2), "the data ends without the end mark at 6160"},
      {130, cut(5), "the data ends inside a record at 6154"},
      {181, [](Bytes& b) { b.insert(b.end(), {0, 0}); }, "bytes follow the end mark"},
      {108, put(6144, {0x20}), "not a block header word at 6144"},
      {130, [](Bytes& b) { for (std::size_t at : {290, 298, 4118}) put32(at, 3)(b); }, "point 1 (70000) lies outside"},
      {108, put32(4114, 0), "minValueC differs from minValueA"},
      {130, put32(4110, 2), "firstValueField is 2, not the first point's 1"},
      {179, put32(286, 0), "endTime is 0, not 20"},
      {179, put32(278, 11), "blockCount 11 does not lie within 12 and 13"},
      {181, put(348, {'L'}), "kindText is \"LC DATA FILE\", not \"GC DATA FILE\""},
      {130, put(2391, {51}), "dateTime (2391) counts 51 characters, more than the 50 that fit"},
      {130, put32(4122, 100), "rateCode 100 gives no rate"},
      {179, cut(3), "a partial point"},
      {181, put(6144, {0x12}), "not a 48-bit record"},
      {181, put32(290, 0), "maxValueA is 0, not -2147483647"},
      {130, put32(248, 131), "file type 131 is not a signal file type"},
      {108, put32(322, 2), "word322 is 2, not 1"}};
  for (const auto& d : damages) expectReported(recordedSignal(d.fileType), d.damage, d.violation, dsupreader::readSignalFile);
}

TEST_F(Reader, ReportsEachKindOfDamageToASpectraFile) {
  // Records at 4096 (32 bytes), 4128 and 4154 (26 bytes each); the index at 4180, its entries at 4186.
  const struct {
    std::size_t records;
    bool finished;
    Damage damage;
    const char* violation;
  } damages[] = {
      {3, true, [](Bytes& b) { b.resize(100); }, "fewer than the 4096-byte spectra header"},
      {3, true, put(258, {0, 0}), "indexFlag is 0, not 1"},
      {3, true, put(3134, {0, 2}), "spectrumKindCopy is 2, not 1"},
      {3, true, put(4096, {'B'}), "not a record at 4096"},
      {3, true, put(4098, {200}), "the record at 4096 has the length 200, outside 22 to 84"},
      {3, true, put(4098, {31}), "the values of the record at 4096 end inside a value"},
      {3, true, put(4128 + 2, {25}), "the absolute values of the record at 4128 end inside a value"},
      {3, true, put(4112, {5}), "the record at 4096 does not give its extension the length 4"},
      {3, true, put(4122, {5, 0, 0, 0}), "an escaped value that a difference holds at 4120"},
      {3, true, put(260, {0, 0, 0x10, 0x20}), "no index head at 4128"},
      {3, true, put(260, {0, 0, 0x20, 0}), "indexOffset 8192 lies outside the data"},
      {3, true, put(4180 + 2, {37}), "the index length 37 is not 6 + 10 × entries within the file"},
      {3, true, [](Bytes& b) { b.push_back(0); }, "the index of 3 entries ends with 3 bytes behind its entries"},
      {3, true, [](Bytes& b) { b.back() = 1; }, "a byte other than zero behind the index entries"},
      {250, true, cut(2), "the index of 250 entries ends with 2 bytes"},
      {3, true, put(278, {0, 0, 0, 4}), "spectrumTotal is 4, not 3"},
      {3, true, put(4186 + 10, {0x11}), "index entry 1 names 4113, where no record starts"},
      {3, true, put(4186 + 4, {8}), "index entry 0 does not carry the descriptor value and fourth field"},
      {3, false, cut(2), "the data ends without the end mark"},
      {3, false, put(278, {0, 0, 0, 5}), "spectrumTotal is 5, not 0"},
  };
  for (const auto& d : damages)
    expectReported(recordedSpectra(d.records, d.finished), d.damage, d.violation, dsupreader::readSpectraFile);
}

}  // namespace
}  // namespace dsuptest
