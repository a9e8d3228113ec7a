#include <string>

#include "reader_steps.h"
#include "spectra_format.h"

namespace dsupreader {

namespace {

std::string at(std::size_t offset) { return " at " + std::to_string(offset); }

void decodeAbsolute(const ByteView& bytes, std::size_t from, std::size_t to, SpectrumRecord& record, SpectraFile& file) {
  if ((to - from) % format::absoluteValueSize != 0)
    file.violations.push_back("the absolute values of the record" + at(record.offset) + " end inside a value");
  for (std::size_t position = from; position + format::absoluteValueSize <= to; position += format::absoluteValueSize)
    record.values.push_back(static_cast<std::int32_t>(bytes.littleEndian32(position)));
}

// Each record starts from 0; a difference adds back in 32-bit two's complement; the escape word is
// followed by the value, and stands only where the difference would not fit 16 bits.
void decodeDifferences(const ByteView& bytes, std::size_t from, std::size_t to, SpectrumRecord& record,
                       SpectraFile& file) {
  std::int32_t previous = 0;
  std::size_t position = from;
  while (position + 2 <= to) {
    const std::uint16_t word = bytes.littleEndian16(position);
    if (word != format::absoluteEscape) {
      const auto difference = static_cast<std::int16_t>(word);
      previous = static_cast<std::int32_t>(static_cast<std::uint32_t>(previous) + static_cast<std::uint32_t>(difference));
      position += 2;
    } else if (position + 6 <= to) {
      const auto value = static_cast<std::int32_t>(bytes.littleEndian32(position + 2));
      const auto difference = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) - static_cast<std::uint32_t>(previous));
      if (difference >= -format::largestDifference && difference <= format::largestDifference)
        file.violations.push_back("an escaped value that a difference holds" + at(position));
      previous = value;
      position += 6;
    } else {
      break;
    }
    record.values.push_back(previous);
  }
  if (position != to) file.violations.push_back("the values of the record" + at(record.offset) + " end inside a value");
}

// Decodes the record at `position`, which lies before `to`. Returns its length, or 0 when it is no
// record that ends by `to` (then the rest of the data cannot be told apart).
std::size_t decodeRecord(const ByteView& bytes, std::size_t position, std::size_t to, SpectraFile& file) {
  const std::size_t headerSize =
      format::hasExtension(file.spectrumKind) ? format::extendedRecordHeaderSize : format::plainRecordHeaderSize;
  if (to - position < headerSize) {
    file.violations.push_back("the data ends inside a record header" + at(position));
    return 0;
  }
  const std::uint8_t letter = bytes.byteAt(position);
  if ((letter != format::recordLetterDifferences && letter != format::recordLetterAbsolute) ||
      bytes.byteAt(position + 1) != 0) {
    file.violations.push_back("not a record" + at(position));
    return 0;
  }
  SpectrumRecord record;
  record.offset = static_cast<std::uint32_t>(position);
  record.differences = letter == format::recordLetterDifferences;
  record.length = bytes.littleEndian16(position + 2);
  if (record.length < headerSize || record.length > to - position) {
    file.violations.push_back("the record" + at(position) + " has the length " + std::to_string(record.length) +
                              ", outside " + std::to_string(headerSize) + " to " + std::to_string(to - position));
    return 0;
  }
  record.descriptorValue = static_cast<std::int32_t>(bytes.littleEndian32(position + 4));
  for (std::size_t i = 0; i < record.fields.size(); ++i)
    record.fields[i] = bytes.littleEndian16(position + format::recordFieldsOffset + 2 * i);
  if (format::hasExtension(file.spectrumKind)) {
    if (bytes.littleEndian16(position + format::recordExtensionLengthOffset) != format::extensionLength)
      file.violations.push_back("the record" + at(position) + " does not give its extension the length 4");
    std::array<std::uint8_t, 4> extension;
    for (std::size_t i = 0; i < extension.size(); ++i) extension[i] = bytes.byteAt(position + format::recordExtensionOffset + i);
    record.extension = extension;
  }
  const std::size_t valuesEnd = position + record.length;
  if (record.differences)
    decodeDifferences(bytes, position + headerSize, valuesEnd, record, file);
  else
    decodeAbsolute(bytes, position + headerSize, valuesEnd, record, file);
  file.records.push_back(std::move(record));
  return valuesEnd - position;
}

}  // namespace

void decodeRecords(const ByteView& bytes, std::size_t from, std::size_t to, SpectraFile& file) {
  for (std::size_t position = from; position < to;) {
    const std::size_t length = decodeRecord(bytes, position, to, file);
    if (length == 0) return;
    position += length;
  }
}

}  // namespace dsupreader
