// The reader of signal files (types 108, 130, 179 and 181): an independent decoder and verifier,
// written from the file format and sharing no code with the library that writes the files. It
// decodes every header field and every point, and checks the format's invariants: fixed header
// values, texts within their fields, the data encoding and its end mark, the extremes and the
// first value against the points, the end time against the start time, point count and rate, and
// the block count against the file's length.
//
// The reader takes bytes, never trusts them, and never reads outside them: a damaged or hostile
// file gives violations, not a crash. It has no state; call it from any thread.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace dsupreader {

struct HeaderField {
  std::string name;
  std::uint32_t offset = 0;
  std::variant<std::int64_t, double, std::u16string> value;
};

struct SignalFile {
  std::int32_t fileType = 0;
  std::uint64_t fileLength = 0;
  double sampleInterval = 0.0;   // milliseconds between points; 0 when the rate code is not valid
  double startTime = 0.0;        // milliseconds, the header's start time
  std::vector<HeaderField> header;  // in the order of the file; empty when the header is incomplete
  std::vector<double> points;       // every type's points are exact as doubles
  std::vector<std::string> violations;

  bool verified() const { return violations.empty(); }
  const HeaderField* field(std::string_view name) const;
  // The field's value by kind; 0, 0.0 or empty when the field is missing or of another kind.
  std::int64_t integer(std::string_view name) const;
  double real(std::string_view name) const;
  std::u16string text(std::string_view name) const;
  // The time of a point in milliseconds: start time + index × interval.
  double timeOf(std::size_t index) const;
};

// Decodes and verifies the bytes of a signal file.
SignalFile readSignalFile(std::span<const std::uint8_t> bytes);

// The bytes of a file on the host; empty with `error` set when it cannot be read or is larger than
// the reader takes (1 GiB).
std::optional<std::vector<std::uint8_t>> loadFile(const std::string& path, std::string& error);

// UTF-8 of a UTF-16 text; code units that are no character become U+FFFD.
std::string toUtf8(std::u16string_view text);

}  // namespace dsupreader
