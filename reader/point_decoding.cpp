#include <bit>
#include <string>

#include "reader_steps.h"
#include "signal_format.h"

namespace dsupreader {

namespace {

std::string at(std::size_t offset) { return " at " + std::to_string(offset); }

// The data ends with a zero word that must be the file's last two bytes.
void checkEndMarkIsLast(const ByteView& bytes, std::size_t position, SignalFile& file) {
  if (position + 2 != bytes.size()) file.violations.push_back("bytes follow the end mark" + at(position));
}

void cutRecord(std::size_t position, SignalFile& file) {
  file.violations.push_back("the data ends inside a record" + at(position));
}

void decodeDifferenceBlocks(const ByteView& bytes, SignalFile& file) {
  std::size_t position = format::headerSize;
  std::int32_t previous = 0;
  while (bytes.holds(position, 2)) {
    const std::uint16_t word = bytes.bigEndian16(position);
    if (word == 0) return checkEndMarkIsLast(bytes, position, file);
    const unsigned count = word & format::blockCountMask;
    if ((word & format::blockTagMask) != format::blockTag || count == 0 || count > format::largestBlockCount) {
      file.violations.push_back("not a block header word" + at(position));
      return;
    }
    position += 2;
    for (unsigned i = 0; i < count; ++i) {
      const bool absolute = bytes.holds(position, 2) && bytes.bigEndian16(position) == format::absoluteEscape;
      if (!bytes.holds(position, absolute ? 6 : 2)) return cutRecord(position, file);
      if (absolute) {
        previous = static_cast<std::int32_t>(bytes.bigEndian32(position + 2));
        position += 6;
      } else {
        // Differences add back in 32-bit two's complement, as they were taken.
        const auto difference = static_cast<std::int16_t>(bytes.bigEndian16(position));
        previous = static_cast<std::int32_t>(static_cast<std::uint32_t>(previous) + static_cast<std::uint32_t>(difference));
        position += 2;
      }
      file.points.push_back(previous);
    }
  }
  file.violations.push_back("the data ends without the end mark" + at(position));
}

void decodeDoubles(const ByteView& bytes, SignalFile& file) {
  std::size_t position = format::headerSize;
  for (; bytes.holds(position, format::doubleRecordSize); position += format::doubleRecordSize)
    file.points.push_back(std::bit_cast<double>(bytes.littleEndian64(position)));
  if (position != bytes.size()) file.violations.push_back("a partial point" + at(position));
}

void decodeIntegers48(const ByteView& bytes, SignalFile& file) {
  std::size_t position = format::headerSize;
  while (bytes.holds(position, 2)) {
    const std::uint16_t word = bytes.bigEndian16(position);
    if (word == 0) return checkEndMarkIsLast(bytes, position, file);
    if (word != format::integer48Tag) {
      file.violations.push_back("not a 48-bit record" + at(position));
      return;
    }
    if (!bytes.holds(position, format::integer48RecordSize)) return cutRecord(position, file);
    const auto upper = static_cast<std::int16_t>(bytes.bigEndian16(position + 2));
    const std::uint32_t lower = bytes.bigEndian32(position + 4);
    file.points.push_back(static_cast<double>(std::int64_t{upper} * format::integer48UpperUnit + lower));
    position += format::integer48RecordSize;
  }
  file.violations.push_back("the data ends without the end mark" + at(position));
}

}  // namespace

void decodePoints(const ByteView& bytes, SignalFile& file) {
  switch (file.fileType) {
    case format::typeGc:
    case format::typeLc: return decodeDifferenceBlocks(bytes, file);
    case format::typeDoubles: return decodeDoubles(bytes, file);
    case format::typeInteger48: return decodeIntegers48(bytes, file);
    default: return;
  }
}

}  // namespace dsupreader
