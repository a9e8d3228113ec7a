#include "rawdata/file_path.h"

#include "rawdata/header_text.h"

namespace dsup {

bool joinFilePath(LPCWSTR directory, LPCWSTR fileName, WCHAR (&path)[filePathUnits]) {
  path[0] = 0;
  const std::size_t directoryLength = boundedLength(directory, directoryLimit + 1);
  const std::size_t nameLength = boundedLength(fileName, fileNameLimit + 1);
  if (directoryLength > directoryLimit || nameLength > fileNameLimit) return false;
  for (std::size_t i = 0; i < directoryLength; ++i) path[i] = directory[i];
  for (std::size_t i = 0; i < nameLength; ++i) path[directoryLength + i] = fileName[i];
  path[directoryLength + nameLength] = 0;
  return true;
}

}  // namespace dsup
