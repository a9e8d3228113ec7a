#include <iostream>

#include "decoded_file.h"
#include "demo.h"

namespace demo {

std::optional<std::vector<std::uint8_t>> readBack(const std::string& path) {
  std::string error;
  auto bytes = dsupreader::loadFile(path, error);
  if (!bytes) std::cout << "    cannot read " << path << ": " << error << "\n";
  return bytes;
}

}  // namespace demo
