#include "spectra_reader.h"

#include <string>

#include "reader_steps.h"
#include "spectra_format.h"

namespace dsupreader {

namespace {

using namespace std::string_literals;

// A file still being recorded ends with the end mark behind its last record; the header does not
// point to an index yet.
std::size_t endOfUnfinishedData(const ByteView& bytes, SpectraFile& file) {
  expectInteger(file, "spectrumTotal", 0);
  const std::size_t size = bytes.size();
  if (size >= format::spectraHeaderSize + format::endMarkSize && bytes.littleEndian16(size - format::endMarkSize) == 0)
    return size - format::endMarkSize;
  file.violations.push_back("the data ends without the end mark at "s + std::to_string(size));
  return size;
}

}  // namespace

bool isSpectraFile(std::span<const std::uint8_t> bytes) {
  const ByteView view(bytes);
  return view.holds(format::fileTypeOffset, 4) && view.bigEndian32(format::fileTypeOffset) == format::typeSpectra;
}

void checkSpectraIdentity(SpectraFile& file) {
  if (file.fileType != format::typeSpectra) {
    file.violations.push_back("file type " + std::to_string(file.fileType) + " is not the spectra file type");
    return;
  }
  expectText(file, "typeNumberAscii", typeNumberText(file.fileType));
  expectText(file, "typeNumberText", typeNumberText(file.fileType));
  expectText(file, "kindText", format::spectraKindText);
  expectText(file, "techniqueText", format::spectraTechniqueText);
  expectInteger(file, "dataStartBlock", format::spectraDataStartBlock);
  expectInteger(file, "firstSectionLength", format::firstSectionLength);
  expectInteger(file, "word322", format::word322);
  expectInteger(file, "indexFlag", format::indexFlagSet);
  expectInteger(file, "spectrumKindCopy", file.spectrumKind);
}

SpectraFile readSpectraFile(std::span<const std::uint8_t> bytes) {
  SpectraFile file;
  file.fileLength = bytes.size();
  const ByteView view(bytes);
  if (!view.holds(0, format::spectraHeaderSize)) {
    file.violations.push_back("the file has " + std::to_string(bytes.size()) + " bytes, fewer than the " +
                              std::to_string(format::spectraHeaderSize) + "-byte spectra header");
    return file;
  }
  decodeHeaderFields(view, format::spectraFields, file);
  file.spectrumKind = static_cast<std::uint16_t>(file.integer("spectrumKind"));
  checkSpectraIdentity(file);

  const auto indexOffset = static_cast<std::size_t>(file.integer("indexOffset"));
  file.finished = indexOffset != 0;
  if (!file.finished) {
    decodeRecords(view, format::spectraHeaderSize, endOfUnfinishedData(view, file), file);
    return file;
  }
  if (indexOffset < format::spectraHeaderSize || indexOffset > bytes.size()) {
    file.violations.push_back("indexOffset " + std::to_string(indexOffset) + " lies outside the data");
    return file;
  }
  decodeRecords(view, format::spectraHeaderSize, indexOffset, file);
  decodeIndex(view, indexOffset, file);
  checkIndexAgainstRecords(file);
  return file;
}

}  // namespace dsupreader
