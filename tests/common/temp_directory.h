// A fresh directory per test, removed with everything in it when the test ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dsuptest {

class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  // The directory, ending in '/', as the host sees it and as a UTF-16 text for the library.
  const std::string& path() const { return path_; }
  std::u16string path16() const;

  // A name inside the directory.
  std::string file(const std::string& name) const { return path_ + name; }
  std::u16string file16(const std::string& name) const;

  // The files in the directory now, by name.
  std::vector<std::string> listing() const;

 private:
  std::string path_;
};

// The bytes of a host file (read without going through the platform layer); empty when missing.
std::vector<std::uint8_t> readHostFile(const std::string& path);

// Writes bytes to a host file, replacing it.
void writeHostFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

bool hostFileExists(const std::string& path);

// UTF-16 of an ASCII text (tests that need other characters write u"" literals).
std::u16string u16(const std::string& text);

}  // namespace dsuptest
