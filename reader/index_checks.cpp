#include <string>

#include "reader_steps.h"
#include "spectra_format.h"

namespace dsupreader {

namespace {

// Behind the entries the file ends with 2 zero bytes (every entry stayed in memory) or 4 (they went
// through the side file, as they must once there are more than 203).
void checkTail(const ByteView& bytes, std::size_t from, SpectraFile& file) {
  const std::size_t tail = bytes.size() - from;
  const bool sideFileTail = tail == format::tailFromSideFile;
  if ((tail != format::tailFromMemory && !sideFileTail) ||
      (!sideFileTail && file.index.size() > format::largestEntriesInMemory)) {
    file.violations.push_back("the index of " + std::to_string(file.index.size()) + " entries ends with " +
                              std::to_string(tail) + " bytes behind its entries");
    return;
  }
  for (std::size_t i = from; i < bytes.size(); ++i)
    if (bytes.byteAt(i) != 0) {
      file.violations.push_back("a byte other than zero behind the index entries at " + std::to_string(i));
      return;
    }
}

}  // namespace

void decodeIndex(const ByteView& bytes, std::size_t at, SpectraFile& file) {
  if (!bytes.holds(at, format::indexHeadSize) || bytes.byteAt(at) != format::indexLetter || bytes.byteAt(at + 1) != 0) {
    file.violations.push_back("no index head at " + std::to_string(at));
    return;
  }
  const std::uint32_t length = bytes.littleEndian32(at + 2);
  if (length < format::indexHeadSize || (length - format::indexHeadSize) % format::indexEntrySize != 0 ||
      !bytes.holds(at, length)) {
    file.violations.push_back("the index length " + std::to_string(length) +
                              " is not 6 + 10 × entries within the file");
    return;
  }
  for (std::size_t position = at + format::indexHeadSize; position < at + length; position += format::indexEntrySize)
    file.index.push_back({bytes.littleEndian32(position), static_cast<std::int32_t>(bytes.littleEndian32(position + 4)),
                          bytes.littleEndian16(position + 8)});
  checkTail(bytes, at + length, file);
  expectInteger(file, "spectrumTotal", static_cast<std::int64_t>(file.index.size()));
}

// The entries name the records in their order, each with the record's descriptor value and fourth
// field. A record that no entry names is reported once, with the number of such records.
void checkIndexAgainstRecords(SpectraFile& file) {
  std::size_t next = 0, missing = 0, firstMissing = 0;
  for (std::size_t i = 0; i < file.index.size(); ++i) {
    const IndexEntry& entry = file.index[i];
    while (next < file.records.size() && file.records[next].offset < entry.offset) {
      if (missing++ == 0) firstMissing = file.records[next].offset;
      ++next;
    }
    if (next == file.records.size() || file.records[next].offset != entry.offset) {
      file.violations.push_back("index entry " + std::to_string(i) + " names " + std::to_string(entry.offset) +
                                ", where no record starts");
      continue;
    }
    const SpectrumRecord& record = file.records[next++];
    if (record.descriptorValue != entry.descriptorValue || record.fields[3] != entry.fourthField)
      file.violations.push_back("index entry " + std::to_string(i) + " does not carry the descriptor value and fourth "
                                "field of its record at " + std::to_string(entry.offset));
  }
  for (; next < file.records.size(); ++next)
    if (missing++ == 0) firstMissing = file.records[next].offset;
  if (missing > 0)
    file.violations.push_back(std::to_string(missing) + " records are missing from the index, the first at " +
                              std::to_string(firstMissing));
}

}  // namespace dsupreader
