// The fixture of the spectra file tests: creation from a parameter block as a driver fills it,
// records with numbered descriptors, and the file read back by the reader.
#pragma once

#include <dsup.h>

#include <string>
#include <vector>

#include "signal_file_test.h"
#include "spectra_reader.h"

namespace dsuptest {

// A record as the test gave it, to compare with what the reader decodes.
struct GivenRecord {
  RwdSpectrumDescriptor descriptor;
  std::vector<LONG> values;
  bool differences;
};

class SpectraFileTest : public SignalFileTest {
 protected:
  // Parameters of a spectra file RUN1.DAT in the test's directory, side files there too.
  RwdHeaderParameters parametersFor(WORD kind, const std::u16string& fileName = u"RUN1.DAT") const;
  HGLOBAL createSpectra(WORD kind = 1) { return createSpectra(parametersFor(kind)); }
  static HGLOBAL createSpectra(RwdHeaderParameters parameters) { return DSupRwdCreateSpectraFile(&parameters); }
  // Descriptor number n: value n × 1000 + 7, fields n, 2, 3, n + 100, extension 0x04030201 + n.
  static RwdSpectrumDescriptor descriptorFor(std::size_t n);
  // Writes record n through the handle variable and remembers it as given.
  LONG record(HGLOBAL& handle, std::size_t n, const std::vector<LONG>& values, bool differences = true);
  dsupreader::SpectraFile readSpectra(const std::string& name = "RUN1.DAT") const {
    return dsupreader::readSpectraFile(readHostFile(temp.file(name)));
  }
  // Closes the handle (status 0), reads the file back and compares every record with those given;
  // every violation fails the test.
  dsupreader::SpectraFile closeAndVerifySpectra(HGLOBAL& handle);
  // The index block's size now; the handle is not changed.
  static SIZE_T indexBlockSize(HGLOBAL handle);

  std::vector<GivenRecord> given;
};

// Compares the decoded records with those given, in order.
void expectRecords(const dsupreader::SpectraFile& file, const std::vector<GivenRecord>& given, WORD kind);

template <std::size_t units>
void put(WCHAR (&field)[units], const std::u16string& text) {
  std::copy_n(text.c_str(), std::min(text.size() + 1, units), reinterpret_cast<char16_t*>(field));
}

}  // namespace dsuptest
