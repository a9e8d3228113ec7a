// The fixture of the file tests: opening files of the test's directory the way the library
// does, and reading back what is on disk.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/platform_test.h"
#include "common/wide_text.h"

namespace dsuptest {

class FilesTest : public PlatformTest {
 protected:
  HANDLE open(const std::string& name, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(file16(name), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  // How the library opens a file it records.
  HANDLE record(const std::string& name) {
    return open(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS);
  }
  static DWORD write(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return written;
  }
  std::string contents(const std::string& name) {
    std::vector<std::uint8_t> bytes = readHostFile(temp.file(name));
    return std::string(bytes.begin(), bytes.end());
  }
  // The path of a file of the test's directory, for the Win32 functions.
  const WCHAR* file16(const std::string& name) {
    path_ = temp.file16(name);
    return w(path_);
  }

 private:
  std::u16string path_;
};

}  // namespace dsuptest
