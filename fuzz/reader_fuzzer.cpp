// The reader on any bytes, as a signal file and as a spectra file: it must never read outside them,
// and a file it verifies must be consistent with what it decoded.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "signal_reader.h"
#include "spectra_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const dsupreader::SignalFile signal = dsupreader::readSignalFile(bytes);
  if (signal.fileLength != size) std::abort();
  const dsupreader::SpectraFile spectra = dsupreader::readSpectraFile(bytes);
  if (spectra.verified() && spectra.finished && spectra.index.size() != spectra.records.size()) std::abort();
  if (dsupreader::isSpectraFile(bytes) && signal.verified()) std::abort();
  return 0;
}
