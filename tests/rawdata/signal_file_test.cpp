#include "signal_file_test.h"

#include <filesystem>

#include "sim/clock.h"

namespace dsuptest {

void SignalFileTest::SetUp() {
  PlatformTest::SetUp();
  start_ = sim::calendarTime();
}

void SignalFileTest::clockAt(std::int64_t seconds) const { sim::setCalendarTime(start_ + seconds); }

SignalArguments argumentsFor(LONG fileType) {
  SignalArguments arguments;
  arguments.fileType = fileType;
  arguments.rateCode = fileType == 108 ? 0 : pointsPerSecond(100);
  return arguments;
}

HGLOBAL SignalFileTest::create(const SignalArguments& a, LONG* status) {
  const std::u16string directory = a.directory.empty() ? temp.path16() : a.directory;
  return DSupRwdCreateRawdataFile(a.text2492.c_str(), a.rateCode, a.text4172.c_str(), a.text4213.c_str(),
                                  a.factor4732, directory.c_str(), a.fileName.c_str(), a.sideDirectory.c_str(), status,
                                  a.fileType, a.tagText.c_str(), a.text1880.c_str(), a.text858.c_str(),
                                  a.text2574.c_str(), a.dateTime.c_str(), a.bottleNumber, a.word252, a.word256);
}

dsupreader::SignalFile SignalFileTest::readBack(const std::string& name) const {
  return dsupreader::readSignalFile(fileBytes(name));
}

dsupreader::SignalFile SignalFileTest::closeAndVerify(HGLOBAL& handle, const std::string& name) {
  EXPECT_EQ(DSupRwdCloseRawdataFile(&handle), 0);
  dsupreader::SignalFile file = readBack(name);
  for (const std::string& violation : file.violations) ADD_FAILURE() << name << ": " << violation;
  return file;
}

std::size_t SignalFileTest::fileSize(const std::string& name) const {
  std::error_code missing;
  const std::uintmax_t size = std::filesystem::file_size(temp.file(name), missing);
  return missing ? 0 : static_cast<std::size_t>(size);
}

RwdFileContext& SignalFileTest::context(HGLOBAL handle) { return *static_cast<RwdFileContext*>(GlobalLock(handle)); }

Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count) {
  if (offset > bytes.size()) return {};
  const std::size_t end = offset + count < bytes.size() ? offset + count : bytes.size();
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset), bytes.begin() + static_cast<std::ptrdiff_t>(end));
}

Bytes encodedText(const std::u16string& text) {
  Bytes bytes{static_cast<std::uint8_t>(text.size())};
  for (char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

}  // namespace dsuptest
