#include "signal_reader.h"

#include "reader_steps.h"
#include "signal_format.h"

namespace dsupreader {

double SignalFile::timeOf(std::size_t index) const { return startTime + static_cast<double>(index) * sampleInterval; }

SignalFile readSignalFile(std::span<const std::uint8_t> bytes) {
  SignalFile file;
  file.fileLength = bytes.size();
  const ByteView view(bytes);
  if (!view.holds(0, format::headerSize)) {
    file.violations.push_back("the file has " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                              std::to_string(format::headerSize) + "-byte signal header");
    return file;
  }
  decodeHeader(view, file);
  checkHeaderIdentity(file);
  decodePoints(view, file);
  checkSummaryFields(file);
  return file;
}

}  // namespace dsupreader
