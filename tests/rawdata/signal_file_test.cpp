#include "signal_file_test.h"

#include <filesystem>

#if DSUP_SIMULATION
#include "sim/clock.h"
#endif

namespace dsuptest {

SignalArguments argumentsFor(LONG fileType) {
  SignalArguments arguments;
  arguments.fileType = fileType;
  if (fileType == 108) arguments.rateCode = 0;
  return arguments;
}

#if DSUP_SIMULATION
void SignalFileTest::SetUp() {
  PlatformTest::SetUp();
  start_ = sim::calendarTime();
}

void SignalFileTest::clockAt(std::int64_t secondsAfterStart) const { sim::setCalendarTime(start_ + secondsAfterStart); }
#endif

HGLOBAL SignalFileTest::create(const SignalArguments& a, LONG* status, Creation creation) {
  const std::u16string directory = a.directory.empty() ? temp.path16() : a.directory;
  return creation(w(a.text2492), a.rateCode, w(a.text4172), w(a.text4213), a.factor4732, w(directory),
                                  w(a.fileName), w(directory), status, a.fileType, w(a.tagText), w(a.text1880),
                                  w(a.text858), w(a.text2574), w(a.dateTime), a.bottleNumber, a.word252, a.word256);
}

LONG SignalFileTest::write(HGLOBAL handle, LONG fileType, const std::vector<double>& values) {
  const std::vector<LONG> integers(values.begin(), values.end());
  const bool asIntegers = fileType == 108 || fileType == 130;
  return DSupRwdWriteRawdata(handle, asIntegers ? static_cast<const void*>(integers.data()) : values.data(),
                             static_cast<LONG>(values.size()));
}

std::size_t SignalFileTest::fileSize() const {
  std::error_code missing;
  const std::uintmax_t size = std::filesystem::file_size(temp.file("RUN1.DAT"), missing);
  return missing ? 0 : static_cast<std::size_t>(size);
}

dsupreader::SignalFile SignalFileTest::closeAndVerify(HGLOBAL& handle) {
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  dsupreader::SignalFile file = readBack();
  EXPECT_EQ(file.violations, std::vector<std::string>{});
  return file;
}

Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count) {
  if (offset > bytes.size()) return {};
  count = std::min(count, bytes.size() - offset);
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset), bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes encodedText(const std::u16string& text) {
  Bytes bytes{static_cast<std::uint8_t>(text.size())};
  for (char16_t unit : text) bytes = bytes + Bytes{static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)};
  return bytes;
}

Bytes bigEndian(std::uint64_t value, int width) {
  Bytes bytes;
  for (int i = width - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  return bytes;
}

}  // namespace dsuptest
