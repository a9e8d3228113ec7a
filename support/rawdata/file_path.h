// The path of a raw data file: its directory and its file name, joined by plain concatenation (the
// directory ends in its own separator).
#pragma once

#include <windows.h>

#include <cstddef>

#include "rawdata/file_context.h"

namespace dsup {

inline constexpr std::size_t directoryLimit = directoryUnits - 1;  // 255 characters
inline constexpr std::size_t fileNameLimit = fileNameUnits - 1;    // 44 characters
inline constexpr std::size_t filePathUnits = directoryLimit + fileNameLimit + 1;

// Joins directory and file name into `path`. False, with `path` empty, when the directory is
// longer than 255 or the file name longer than 44 characters.
bool joinFilePath(LPCWSTR directory, LPCWSTR fileName, WCHAR (&path)[filePathUnits]);

}  // namespace dsup
