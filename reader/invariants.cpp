#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "reader_steps.h"
#include "signal_format.h"

namespace dsupreader {

namespace {

using namespace std::string_literals;

std::string show(double value) {
  char text[32];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

const format::TypeIdentity* identityOf(std::int32_t fileType) {
  for (const format::TypeIdentity& identity : format::typeIdentities)
    if (identity.fileType == fileType) return &identity;
  return nullptr;
}

// Values as the header holds them: 32-bit floats for type 179, integers for the others.
double headerValue(const SignalFile& file, const char* name) {
  const HeaderField* field = file.field(name);
  if (!field) return 0.0;
  if (const auto* integer = std::get_if<std::int64_t>(&field->value)) return static_cast<double>(*integer);
  return std::get<double>(field->value);
}

double asStored(const SignalFile& file, double point) {
  return hasFloatValues(file.fileType) ? static_cast<double>(static_cast<float>(point)) : point;
}

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

void checkExtremes(SignalFile& file) {
  const double largest = headerValue(file, "maxValueA");
  const double smallest = headerValue(file, "minValueA");
  for (const char* name : {"maxValueB", "maxValueC"})
    if (!same(headerValue(file, name), largest)) file.violations.push_back(name + " differs from maxValueA"s);
  for (const char* name : {"minValueB", "minValueC"})
    if (!same(headerValue(file, name), smallest)) file.violations.push_back(name + " differs from minValueA"s);
  if (file.fileType == format::typeDoubles && !(smallest <= 0.0 && 0.0 <= largest))
    file.violations.push_back("the range " + show(smallest) + " to " + show(largest) + " does not include 0.0");
  for (std::size_t i = 0; i < file.points.size(); ++i) {
    const double value = asStored(file, file.points[i]);
    if (value > largest || value < smallest) {
      file.violations.push_back("point " + std::to_string(i) + " (" + show(value) + ") lies outside the range " +
                                show(smallest) + " to " + show(largest));
      return;
    }
  }
}

void checkFirstValue(SignalFile& file) {
  expectInteger(file, "firstValueMarker", format::firstValueMarkerSet);
  const double expected = asStored(file, file.points.front());
  if (!same(headerValue(file, "firstValueField"), expected))
    file.violations.push_back("firstValueField is " + show(headerValue(file, "firstValueField")) +
                              ", not the first point's " + show(expected));
}

// The end time is the time of the last point: start + (n - 1) × interval, rounded to whole
// milliseconds (halves up) for integer times, as a float for float times.
void checkEndTime(SignalFile& file) {
  const double duration = static_cast<double>(file.points.size() - 1) * file.sampleInterval;
  const double start = file.startTime;
  double expected;
  if (hasFloatTimes(file.fileType)) {
    expected = static_cast<float>(start + duration);
  } else {
    const double rounded = std::trunc(duration + 0.5);
    if (rounded > std::numeric_limits<std::int32_t>::max()) return;  // no 32-bit end time exists
    expected = static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int32_t>(start)) +
                                         static_cast<std::uint32_t>(rounded));
  }
  if (!same(headerValue(file, "endTime"), expected))
    file.violations.push_back("endTime is " + show(headerValue(file, "endTime")) + ", not " + show(expected) + " for " +
                              std::to_string(file.points.size()) + " points from " + show(start));
}

}  // namespace

void expectInteger(DecodedFile& file, const char* name, std::int64_t expected) {
  const std::int64_t found = file.integer(name);
  if (found != expected)
    file.violations.push_back(name + " is "s + std::to_string(found) + ", not " + std::to_string(expected));
}

void expectText(DecodedFile& file, const char* name, const std::u16string& expected) {
  if (file.text(name) != expected)
    file.violations.push_back(name + " is \""s + toUtf8(file.text(name)) + "\", not \"" + toUtf8(expected) + "\"");
}

std::u16string typeNumberText(std::int32_t fileType) {
  std::u16string text;
  for (char digit : std::to_string(fileType)) text += static_cast<char16_t>(digit);
  return text;
}

void checkHeaderIdentity(SignalFile& file) {
  const format::TypeIdentity* identity = identityOf(file.fileType);
  if (!identity) {
    file.violations.push_back("file type " + std::to_string(file.fileType) + " is not a signal file type");
    return;
  }
  expectText(file, "typeNumberAscii", typeNumberText(file.fileType));
  expectText(file, "typeNumberText", typeNumberText(file.fileType));
  expectText(file, "kindText", identity->kindText);
  expectText(file, "techniqueText", identity->techniqueText);
  expectInteger(file, "signalCode", identity->signalCode);
  expectInteger(file, "dataStartBlock", format::dataStartBlock);
  expectInteger(file, "firstSectionLength", format::firstSectionLength);
  expectInteger(file, "word322", format::word322);
  expectInteger(file, "secondSectionLength", format::secondSectionLength);
  expectInteger(file, "word4100", format::word4100);
  expectInteger(file, "word4106", format::word4106);
  if (file.real("double4724") != 0.0) file.violations.push_back("double4724 is not 0.0");
  if (file.sampleInterval == 0.0)
    file.violations.push_back("rateCode " + std::to_string(file.integer("rateCode")) + " gives no rate");
}

void checkSummaryFields(SignalFile& file) {
  // The block count is 13 from creation, then refreshed before each append: it counts the file
  // as it stood before the last append, the bare header at the least (6144 bytes for type 179).
  const auto blocksOf = [](std::uint64_t length) {
    return static_cast<std::int64_t>((length + format::blockSize - 1) / format::blockSize);
  };
  const bool endMark = file.fileType != format::typeDoubles;
  const std::int64_t fewest = blocksOf(format::headerSize + (endMark ? format::endMarkSize : 0));
  const std::int64_t most = std::max<std::int64_t>(format::dataStartBlock, blocksOf(file.fileLength));
  const std::int64_t blockCount = file.integer("blockCount");
  if (blockCount < fewest || blockCount > most)
    file.violations.push_back("blockCount " + std::to_string(blockCount) + " does not lie within " +
                              std::to_string(fewest) + " and " + std::to_string(most));
  // Before the first point reaches the file the summary fields may hold anything a refresh of
  // points that were then lost left there.
  if (file.points.empty()) return;
  if (file.fileType == format::typeInteger48) {
    // The 181 data path keeps no statistics: the fields keep the values before any point.
    for (const char* name : {"maxValueA", "maxValueB", "maxValueC"}) expectInteger(file, name, format::integerMaxStart);
    for (const char* name : {"minValueA", "minValueB", "minValueC"}) expectInteger(file, name, format::integerMinStart);
    expectInteger(file, "firstValueField", 0);
    expectInteger(file, "firstValueMarker", format::firstValueMarkerSet);
  } else {
    checkExtremes(file);
    checkFirstValue(file);
  }
  if (file.sampleInterval > 0.0) checkEndTime(file);
}

}  // namespace dsupreader
