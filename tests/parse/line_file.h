// The fixture of the line reading tests: a file of the test's directory with given bytes, opened
// for reading as a driver opens its text files.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace dsuptest {

class LineFileTest : public PlatformTest {
 protected:
  HANDLE open(const std::string& bytes) {
    writeHostFile(temp.file("lines.txt"), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    HANDLE file = CreateFileW(w(temp.file16("lines.txt")), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    return file;
  }
};

}  // namespace dsuptest
