// The spectra run of the demo: a diode-array detector that delivers one absorbance spectrum per
// second, recorded into a spectra file whose record index grows past what is kept in memory (so
// that part of it goes through the side file), with a snapshot taken while it records.
#include <dsup.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "chromatogram.h"
#include "demo.h"
#include "sim/clock.h"
#include "spectra_reader.h"

namespace demo {

namespace {

constexpr int spectrumCount = 250;
constexpr int snapshotAfter = 120;
constexpr int wavelengths = 200;     // 200 to 398 nm in steps of 1 nm
constexpr WORD spectrumKind = 1;     // every record carries one 32-bit extension value

template <std::size_t N>
void copyText(WCHAR (&field)[N], const std::u16string& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::memcpy(field, text.data(), length * sizeof(WCHAR));
  field[length] = 0;
}

// Absorbance (micro-units) at each wavelength, scaled by the chromatographic peak at that second.
std::vector<LONG> spectrumAt(Chromatogram& elution, int second) {
  const double intensity = elution.at(second) / 1000.0;
  std::vector<LONG> values(wavelengths);
  for (int i = 0; i < wavelengths; ++i) {
    const double nm = 200.0 + i;
    const double band = std::exp(-0.5 * std::pow((nm - 254.0) / 12.0, 2)) + 0.4 * std::exp(-0.5 * std::pow((nm - 220.0) / 8.0, 2));
    values[static_cast<std::size_t>(i)] = static_cast<LONG>(std::lround(intensity * band * 1000.0));
  }
  return values;
}

// Reads the file back and checks it against the format and the records that went in; draws its heat
// map when `plots` is given.
bool verify(const std::string& directory, const std::string& name, std::size_t expectedRecords,
            std::vector<std::string>* plots = nullptr) {
  const std::string path = directory + name;
  const auto bytes = readBack(path);
  if (!bytes) return false;
  const dsupreader::SpectraFile file = dsupreader::readSpectraFile(*bytes);
  std::cout << "  " << std::left << std::setw(22) << name << std::right << " type 131  "
            << std::setw(4) << file.records.size() << " spectra  " << std::setw(4) << file.index.size()
            << " index entries  " << std::setw(7) << bytes->size() << " bytes  "
            << (file.finished ? "finished, " : "not finished, ") << (file.verified() ? "verified" : "VIOLATIONS") << "\n";
  for (const std::string& violation : file.violations) std::cout << "    " << violation << "\n";
  const bool drawn = !plots || drawPlot(directory, name, file, *plots);
  return file.verified() && file.finished && file.records.size() == expectedRecords &&
         file.index.size() == expectedRecords && drawn;
}

}  // namespace

bool recordSpectraRun(const std::string& directory, std::vector<std::string>& plots) {
  std::cout << "\nRecording a spectra run (diode array, " << wavelengths << " wavelengths, one spectrum per second)\n";
  RwdHeaderParameters parameters{};
  copyText(parameters.text2492, u"DEMO");
  copyText(parameters.text3093, u"DAD 200-398 nm");
  parameters.spectrumKind = spectrumKind;
  copyText(parameters.text3136, u"Diode array detector of the demo");
  copyText(parameters.directory, wide(directory));
  copyText(parameters.fileName, u"LC_DAD.DAT");
  copyText(parameters.sideFileDirectory, wide(directory));
  copyText(parameters.dateTime, u"10:30:00 12.06.2026");
  copyText(parameters.text1880, u"Column C18, 150 mm");
  copyText(parameters.text858, u"Demo sample");
  copyText(parameters.text2574, u"Demo sequence");
  parameters.value3085 = 1.0;
  parameters.bottleNumber = 5;
  HGLOBAL file = DSupRwdCreateSpectraFile(&parameters);
  if (!file) {
    std::cout << "  creating the spectra file failed\n";
    return false;
  }

  Chromatogram elution({{60, 40000, 6}, {150, 120000, 8}, {200, 65000, 10}}, 5.0, 7);
  const std::u16string snapshots = wide(directory + "snapshots/");
  bool held = true;
  for (int second = 0; second < spectrumCount; ++second) {
    const std::vector<LONG> values = spectrumAt(elution, second);
    RwdSpectrumDescriptor descriptor{};
    descriptor.value = second * 1000;  // the spectrum's time in milliseconds
    descriptor.fields[0] = 200;        // first wavelength
    descriptor.fields[1] = 1;          // step
    descriptor.fields[2] = wavelengths;
    descriptor.fields[3] = static_cast<WORD>(second % 65536);
    descriptor.extension.kind1 = 1;    // the detector's channel
    if (const LONG status = DSupRwdWriteSpectrumRecord(&file, &descriptor, values.data(), wavelengths, TRUE)) {
      std::cout << "  spectrum " << second << " failed with status " << status << "\n";
      held = false;
    }
    sim::advanceTime(1000);
    if (second + 1 == snapshotAfter && DSupRwdRawdataSnapshot(file, reinterpret_cast<LPCWSTR>(snapshots.c_str())) != 0) {
      std::cout << "  the snapshot failed\n";
      held = false;
    }
  }
  if (const LONG status = DSupRwdCloseRawdataFile(&file)) {
    std::cout << "  closing failed with status " << status << "\n";
    held = false;
  }
  held &= verify(directory, "LC_DAD.DAT", spectrumCount, &plots);
  // The snapshot is a finished file of the spectra written before it, index and all.
  held &= verify(directory, "snapshots/LC_DAD.DAT", snapshotAfter);
  return held;
}

}  // namespace demo
