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
#include <span>
#include <vector>

#include "decoded_file.h"

namespace dsupreader {

struct SignalFile : DecodedFile {
  double sampleInterval = 0.0;  // milliseconds between points; 0 when the rate code is not valid
  double startTime = 0.0;       // milliseconds, the header's start time
  std::vector<double> points;   // every type's points are exact as doubles

  // The time of a point in milliseconds: start time + index × interval.
  double timeOf(std::size_t index) const;
};

// Decodes and verifies the bytes of a signal file.
SignalFile readSignalFile(std::span<const std::uint8_t> bytes);

}  // namespace dsupreader
