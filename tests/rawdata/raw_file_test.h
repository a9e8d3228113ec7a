// The fixture of the raw data file tests: signal files created with the arguments a driver would
// give, spectra files from a parameter block as a driver fills it and records with numbered
// descriptors, the simulated clock, the file's bytes as the host sees them, and the file read back
// by the reader.
#pragma once

#include <dsup.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/wide_text.h"
#include "signal_reader.h"
#include "spectra_reader.h"

namespace dsuptest {

using Bytes = std::vector<std::uint8_t>;

constexpr DWORD pointsPerSecond(WORD points, WORD seconds = 1) { return DWORD{seconds} << 16 | points; }

struct SignalArguments {
  LONG fileType = 130;
  DWORD rateCode = pointsPerSecond(100);  // 20 points per second (code 0) for type 108
  std::u16string text2492 = u"VIAL", text4172 = u"DAD1 A", text4213 = u"Signal 254 nm", text1880 = u"Operator",
                 text858 = u"Method 7", text2574 = u"Sample 12", dateTime = u"12:30\n2026-01-01", tagText = u"T1",
                 directory;  // empty: the test's directory
  std::u16string fileName = u"RUN1.DAT";
  double factor4732 = 1.5;
  LONG bottleNumber = 0x00012345;
  WORD word252 = 0, word256 = 0x0304;
};

SignalArguments argumentsFor(LONG fileType);
// DSupRwdCreateRawdataFile, or another creation function that takes the same arguments.
using Creation = decltype(&DSupRwdCreateRawdataFile);

// A record as the test gave it, to compare with what the reader decodes.
struct GivenRecord {
  RwdSpectrumDescriptor descriptor;
  std::vector<LONG> values;
  bool differences;
};

class RawFileTest : public PlatformTest {
 protected:
#if DSUP_SIMULATION
  void SetUp() override;
  // Sets the simulated calendar to that many seconds after the test's start.
  void clockAt(std::int64_t secondsAfterStart) const;
#endif
  HGLOBAL create(const SignalArguments& arguments, LONG* status = nullptr, Creation creation = DSupRwdCreateRawdataFile);
  HGLOBAL create(LONG fileType) { return create(argumentsFor(fileType)); }
  // Writes integers to types 108 and 130, doubles to the others.
  static LONG write(HGLOBAL handle, LONG fileType, const std::vector<double>& values);
  Bytes fileBytes(const std::string& name = "RUN1.DAT") const { return readHostFile(temp.file(name)); }
  std::size_t fileSize() const;
  dsupreader::SignalFile readBack() const { return dsupreader::readSignalFile(fileBytes()); }
  // Closes the handle (status 0) and reads the file back; every violation fails the test.
  dsupreader::SignalFile closeAndVerify(HGLOBAL& handle);
  // The locked context, for what the file does not show; release() it.
  RwdFileContext& context(HGLOBAL handle) { return *static_cast<RwdFileContext*>(GlobalLock(handle)); }
  void release(HGLOBAL handle) { GlobalUnlock(handle); }

  // Parameters of a spectra file in the test's directory, side files there too.
  RwdHeaderParameters parametersFor(WORD kind, const std::u16string& fileName = u"RUN1.DAT") const;
  // Creates a spectra file; the records given are then those of this file.
  HGLOBAL createSpectra(WORD kind = 1) { return createSpectra(parametersFor(kind)); }
  HGLOBAL createSpectra(RwdHeaderParameters parameters) {
    given.clear();
    return DSupRwdCreateSpectraFile(&parameters);
  }
  // Descriptor number n: value n × 1000 + 7, fields n, 2, 3, n + 100, extension 0x04030201 + n.
  static RwdSpectrumDescriptor descriptorFor(std::size_t n);
  // Writes record n through the handle variable and remembers it as given.
  LONG record(HGLOBAL& handle, std::size_t n, const std::vector<LONG>& values, bool differences = true);
  dsupreader::SpectraFile readSpectra(const std::string& name = "RUN1.DAT") const {
    return dsupreader::readSpectraFile(fileBytes(name));
  }
  // Closes the handle (status 0), reads the file back and compares every record with those given;
  // every violation fails the test.
  dsupreader::SpectraFile closeAndVerifySpectra(HGLOBAL& handle, const std::string& name = "RUN1.DAT");

  std::vector<GivenRecord> given;

#if DSUP_SIMULATION
 private:
  std::int64_t start_ = 0;
#endif
};

// Compares the decoded records with those given, in order.
void expectRecords(const dsupreader::SpectraFile& file, const std::vector<GivenRecord>& given, WORD kind);

Bytes slice(const Bytes& bytes, std::size_t offset, std::size_t count);
Bytes operator+(Bytes a, const Bytes& b);
// A header text as the format stores it: the length byte, then UTF-16 little-endian code units.
Bytes encodedText(const std::u16string& text);
Bytes bigEndian(std::uint64_t value, int width);

template <std::size_t units>
void put(WCHAR (&field)[units], const std::u16string& text) {
  std::copy_n(text.c_str(), std::min(text.size() + 1, units), reinterpret_cast<char16_t*>(field));
}

}  // namespace dsuptest
