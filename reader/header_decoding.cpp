#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "reader_steps.h"
#include "signal_format.h"

namespace dsupreader {

namespace {

using format::Encoding;

constexpr std::uint32_t largestGcDivider = 255;  // beyond it no rate above 0 is left
constexpr float millisecondsPerSecond = 1000.0f;

// Milliseconds between points from the rate code, or 0 when the code gives no usable rate.
double intervalOf(std::int32_t fileType, std::uint32_t rateCode) {
  float rate;
  if (fileType == format::typeGc) {
    const auto exponent = static_cast<int>(rateCode < largestGcDivider ? rateCode : largestGcDivider);
    rate = static_cast<float>(std::ldexp(static_cast<double>(format::gcBaseRate), -exponent));
  } else {
    const auto seconds = static_cast<float>(rateCode >> format::rateHalfBits);
    if (seconds == 0.0f) return 0.0;
    rate = static_cast<float>(rateCode & format::rateHalfMask) / seconds;
  }
  const float interval = millisecondsPerSecond / rate;
  return std::isfinite(rate) && rate > 0.0f && std::isfinite(interval) ? interval : 0.0;
}

std::u16string decodeText(const ByteView& bytes, const format::Field& field, DecodedFile& file) {
  std::uint32_t length = bytes.byteAt(field.offset);
  const std::string where = std::string(field.name) + " (" + std::to_string(field.offset) + ")";
  if (length > field.room) {
    file.violations.push_back(where + " counts " + std::to_string(length) + " characters, more than the " +
                              std::to_string(field.room) + " that fit in the field");
    length = field.room;
  } else if (length > field.limit) {
    file.violations.push_back(where + " counts " + std::to_string(length) + " characters, more than its limit of " +
                              std::to_string(field.limit));
  }
  std::u16string text;
  for (std::uint32_t i = 0; i < length; ++i) {
    const std::size_t at = field.offset + 1 + 2 * std::size_t{i};
    text += field.encoding == Encoding::ascii ? static_cast<char16_t>(bytes.byteAt(field.offset + 1 + i))
                                              : static_cast<char16_t>(bytes.littleEndian16(at));
  }
  return text;
}

std::variant<std::int64_t, double, std::u16string> decodeField(const ByteView& bytes, const format::Field& field,
                                                                DecodedFile& file) {
  const std::uint32_t bits = bytes.bigEndian32(field.offset);  // the 32-bit encodings' image
  switch (field.encoding) {
    case Encoding::byte: return std::int64_t{bytes.byteAt(field.offset)};
    case Encoding::word: return std::int64_t{bytes.bigEndian16(field.offset)};
    case Encoding::integer: return std::int64_t{static_cast<std::int32_t>(bits)};
    case Encoding::unsignedInteger: return std::int64_t{bits};
    case Encoding::time:
      if (hasFloatTimes(file.fileType)) return double{std::bit_cast<float>(bits)};
      return std::int64_t{static_cast<std::int32_t>(bits)};
    case Encoding::value:
      if (hasFloatValues(file.fileType)) return double{std::bit_cast<float>(bits)};
      return std::int64_t{static_cast<std::int32_t>(bits)};
    case Encoding::float64: return bytes.bigEndianDouble(field.offset);
    case Encoding::text:
    case Encoding::ascii: return decodeText(bytes, field, file);
  }
  return std::int64_t{0};
}

}  // namespace

bool hasFloatTimes(std::int32_t fileType) { return fileType == format::typeDoubles || fileType == format::typeInteger48; }
bool hasFloatValues(std::int32_t fileType) { return fileType == format::typeDoubles; }

void decodeHeaderFields(const ByteView& bytes, std::span<const format::Field> ownFields, DecodedFile& file) {
  file.fileType = static_cast<std::int32_t>(bytes.bigEndian32(format::fileTypeOffset));
  for (std::span<const format::Field> fields : {std::span<const format::Field>(format::firstSectionFields), ownFields})
    for (const format::Field& field : fields) file.header.push_back({field.name, field.offset, decodeField(bytes, field, file)});
  std::sort(file.header.begin(), file.header.end(),
            [](const HeaderField& a, const HeaderField& b) { return a.offset < b.offset; });
}

void decodeHeader(const ByteView& bytes, SignalFile& file) {
  decodeHeaderFields(bytes, format::signalFields, file);
  file.sampleInterval = intervalOf(file.fileType, static_cast<std::uint32_t>(file.integer("rateCode")));
  const HeaderField* start = file.field("startTime");
  const auto* integerStart = std::get_if<std::int64_t>(&start->value);
  file.startTime = integerStart ? static_cast<double>(*integerStart) : std::get<double>(start->value);
}

}  // namespace dsupreader
