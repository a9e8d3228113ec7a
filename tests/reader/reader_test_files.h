// Valid signal files for the reader's tests, recorded with the library, and in-place edits of
// their bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform_test.h"

namespace dsuptest {

using Bytes = std::vector<std::uint8_t>;

// A closed file of that type with the given points (integers for 108 and 130), 100 points per
// second (20 for type 108), start time 0.
Bytes recordedFile(const TempDirectory& temp, long fileType, const std::vector<double>& points);

void putBigEndian32(Bytes& bytes, std::size_t offset, std::uint32_t value);

}  // namespace dsuptest
