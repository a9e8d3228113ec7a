// UTF-16 texts of Win32 as UTF-8, for the failure messages of the scripted user.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace sim::win32 {

inline std::string toUtf8(std::wstring_view text) {
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace sim::win32
