// The fixture of the signal file tests: creation with the arguments a driver would give, the file's
// bytes as the host sees them, and the file read back by the independent reader.
#pragma once

#include <dsup.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "signal_reader.h"

namespace dsuptest {

using Bytes = std::vector<std::uint8_t>;

inline constexpr DWORD pointsPerSecond(WORD points, WORD seconds = 1) { return DWORD{seconds} << 16 | points; }

struct SignalArguments {
  LONG fileType = 130;
  DWORD rateCode = pointsPerSecond(100);
  std::u16string text2492 = u"VIAL", text4172 = u"DAD1 A", text4213 = u"Signal 254 nm", text1880 = u"Operator",
                 text858 = u"Method 7", text2574 = u"Sample 12", dateTime = u"12:30\n2026-01-01",
                 tagText = u"T1", sideDirectory = u"/tmp/";
  double factor4732 = 1.5;
  LONG bottleNumber = 0x00012345;
  WORD word252 = 0, word256 = 0;
  std::u16string directory;  // empty: the test's directory
  std::u16string fileName = u"RUN1.DAT";
};

// The rate code that gives 100 points per second (20 for type 108).
SignalArguments argumentsFor(LONG fileType);

class SignalFileTest : public PlatformTest {
 protected:
  void SetUp() override;
  // Sets the simulated calendar to that many seconds after the test's start (when it creates).
  void clockAt(std::int64_t seconds) const;

  HGLOBAL create(const SignalArguments& arguments, LONG* status = nullptr);
  HGLOBAL create(LONG fileType) { return create(argumentsFor(fileType)); }
  Bytes fileBytes(const std::string& name = "RUN1.DAT") const { return readHostFile(temp.file(name)); }
  dsupreader::SignalFile readBack(const std::string& name = "RUN1.DAT") const;
  // Closes the handle and reads the file back; the test fails when the reader finds a violation.
  dsupreader::SignalFile closeAndVerify(HGLOBAL& handle, const std::string& name = "RUN1.DAT");
  // The locked context, for the fields that the file does not show (cache size, interval).
  RwdFileContext& context(HGLOBAL handle);
  void release(HGLOBAL handle) { GlobalUnlock(handle); }
  std::size_t fileSize(const std::string& name = "RUN1.DAT") const;

 private:
  std::int64_t start_ = 0;
};

Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count);
// A header text as the format stores it: the length byte, then UTF-16 little-endian code units.
Bytes encodedText(const std::u16string& text);

}  // namespace dsuptest
