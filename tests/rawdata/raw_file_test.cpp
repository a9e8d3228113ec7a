#include "raw_file_test.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "rawdata/file_context.h"
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
void RawFileTest::SetUp() {
  PlatformTest::SetUp();
  start_ = sim::calendarTime();
}

void RawFileTest::clockAt(std::int64_t secondsAfterStart) const { sim::setCalendarTime(start_ + secondsAfterStart); }
#endif

HGLOBAL RawFileTest::create(const SignalArguments& a, LONG* status, Creation creation) {
  const std::u16string directory = a.directory.empty() ? temp.path16() : a.directory;
  return creation(w(a.text2492), a.rateCode, w(a.text4172), w(a.text4213), a.factor4732, w(directory),
                  w(a.fileName), w(directory), status, a.fileType, w(a.tagText), w(a.text1880), w(a.text858),
                  w(a.text2574), w(a.dateTime), a.bottleNumber, a.word252, a.word256);
}

LONG RawFileTest::write(HGLOBAL handle, LONG fileType, const std::vector<double>& values) {
  const std::vector<LONG> integers(values.begin(), values.end());
  const bool asIntegers = fileType == 108 || fileType == 130;
  return DSupRwdWriteRawdata(handle, asIntegers ? static_cast<const void*>(integers.data()) : values.data(),
                             static_cast<LONG>(values.size()));
}

std::size_t RawFileTest::fileSize() const {
  std::error_code missing;
  const std::uintmax_t size = std::filesystem::file_size(temp.file("RUN1.DAT"), missing);
  return missing ? 0 : static_cast<std::size_t>(size);
}

dsupreader::SignalFile RawFileTest::closeAndVerify(HGLOBAL& handle) {
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  dsupreader::SignalFile file = readBack();
  EXPECT_EQ(file.violations, std::vector<std::string>{});
  return file;
}

RwdHeaderParameters RawFileTest::parametersFor(WORD kind, const std::u16string& fileName) const {
  RwdHeaderParameters parameters{};
  put(parameters.text2492, u"VIAL");
  parameters.value3085 = 2.5;
  put(parameters.text3093, u"DAD");
  parameters.spectrumKind = kind;
  put(parameters.text3136, u"190 to 400 nm");
  put(parameters.directory, temp.path16());
  put(parameters.fileName, fileName);
  put(parameters.sideFileDirectory, temp.path16());
  put(parameters.tagText, u"T1");
  put(parameters.dateTime, u"12:30\n2026-01-01");
  put(parameters.text1880, u"Operator");
  put(parameters.text858, u"Method 7");
  put(parameters.text2574, u"Sample 12");
  parameters.bottleNumber = 12;
  return parameters;
}

RwdSpectrumDescriptor RawFileTest::descriptorFor(std::size_t n) {
  RwdSpectrumDescriptor descriptor{};
  descriptor.value = static_cast<LONG>(n * 1000 + 7);
  descriptor.fields[0] = static_cast<WORD>(n);
  descriptor.fields[1] = 2;
  descriptor.fields[2] = 3;
  descriptor.fields[3] = static_cast<WORD>(n + 100);
  descriptor.extension.kind1 = static_cast<DWORD>(0x04030201 + n);
  return descriptor;
}

LONG RawFileTest::record(HGLOBAL& handle, std::size_t n, const std::vector<LONG>& values, bool differences) {
  given.push_back({descriptorFor(n), values, differences});
  return DSupRwdWriteSpectrumRecord(&handle, &given.back().descriptor, values.data(), static_cast<LONG>(values.size()),
                                    differences);
}

dsupreader::SpectraFile RawFileTest::closeAndVerifySpectra(HGLOBAL& handle, const std::string& name) {
  const WORD kind = context(handle).spectrumKind;
  release(handle);
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  dsupreader::SpectraFile file = readSpectra(name);
  EXPECT_EQ(file.violations, std::vector<std::string>{});
  EXPECT_TRUE(file.finished);
  expectRecords(file, given, kind);
  return file;
}

void expectRecords(const dsupreader::SpectraFile& file, const std::vector<GivenRecord>& given, WORD kind) {
  ASSERT_EQ(file.records.size(), given.size());
  for (std::size_t i = 0; i < given.size(); ++i) {
    const dsupreader::SpectrumRecord& record = file.records[i];
    const RwdSpectrumDescriptor& descriptor = given[i].descriptor;
    std::array<std::uint8_t, 4> extension;
    std::memcpy(extension.data(), &descriptor.extension, extension.size());
    const std::array<std::uint16_t, 4> fields = {descriptor.fields[0], descriptor.fields[1], descriptor.fields[2], descriptor.fields[3]};
    EXPECT_TRUE(record.differences == given[i].differences && record.descriptorValue == descriptor.value &&
                record.fields == fields && record.extension == (kind == 1 || kind == 2 ? std::optional(extension) : std::nullopt) &&
                std::equal(record.values.begin(), record.values.end(), given[i].values.begin(), given[i].values.end()))
        << "record " << i << " at " << record.offset;
  }
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
