// The spectra reader: each kind of damage to a valid spectra file, finished or still being
// recorded, is reported as a violation of the format. (Valid files are read back record for record
// in the spectra round trips.)
#include <gtest/gtest.h>

#include <functional>

#include "rawdata/spectra_file_test.h"

namespace dsuptest {
namespace {

class SpectraReader : public SpectraFileTest {
 protected:
  // Records 0 (difference-coded 100, 40000, 40005), 1 (absolute -1) and so on with one absolute
  // value each; the file finished, or as it stands after a flush while it is recorded.
  Bytes recorded(std::size_t records, bool finished) {
    HGLOBAL handle = createSpectra(1);
    EXPECT_EQ(record(handle, 0, {100, 40000, 40005}), 0);
    for (std::size_t n = 1; n < records; ++n) EXPECT_EQ(record(handle, n, {-1}, false), 0);
    EXPECT_EQ(DSupRwdWriteCache(handle, 0), 0);
    const Bytes recording = fileBytes();
    EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
    return finished ? fileBytes() : recording;
  }
};

TEST_F(SpectraReader, ReportsEachKindOfDamage) {
  auto put = [](std::size_t at, Bytes bytes) {
    return [=](Bytes& b) { std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at)); };
  };
  auto fromEnd = [](std::size_t back, Bytes bytes) {
    return [=](Bytes& b) { std::copy(bytes.begin(), bytes.end(), b.end() - static_cast<std::ptrdiff_t>(back)); };
  };
  // Records at 4096 (32 bytes), 4128 and 4154 (26 bytes each); the index at 4180, its entries at 4186.
  const struct {
    std::size_t records;
    bool finished;
    std::function<void(Bytes&)> damage;
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
      {3, true, fromEnd(1, {1}), "a byte other than zero behind the index entries"},
      {250, true, [](Bytes& b) { b.resize(b.size() - 2); }, "the index of 250 entries ends with 2 bytes"},
      {3, true, put(278, {0, 0, 0, 4}), "spectrumTotal is 4, not 3"},
      {3, true, put(4186 + 10, {0x11}), "index entry 1 names 4113, where no record starts"},
      {3, true, put(4186 + 4, {8}), "index entry 0 does not carry the descriptor value and fourth field"},
      {3, false, [](Bytes& b) { b.resize(b.size() - 2); }, "the data ends without the end mark"},
      {3, false, put(278, {0, 0, 0, 5}), "spectrumTotal is 5, not 0"},
  };
  for (const auto& damage : damages) {
    Bytes bytes = recorded(damage.records, damage.finished);
    ASSERT_TRUE(dsupreader::readSpectraFile(bytes).verified());
    damage.damage(bytes);
    std::string all;
    for (const std::string& violation : dsupreader::readSpectraFile(bytes).violations) all += violation + "\n";
    EXPECT_NE(all.find(damage.violation), std::string::npos) << damage.violation << " in:\n" << all;
  }
}

}  // namespace
}  // namespace dsuptest
