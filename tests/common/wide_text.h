// Tests write texts as u"" literals and std::u16string. The library's WCHAR is char16_t on the
// simulated platform and wchar_t on Windows, both UTF-16 code units of 2 bytes, so these helpers
// pass texts across the interface on either.
#pragma once

#include <windows.h>

#include <string>

namespace dsuptest {

inline const WCHAR* w(const char16_t* text) { return reinterpret_cast<const WCHAR*>(text); }
inline const WCHAR* w(const std::u16string& text) { return w(text.c_str()); }
inline WCHAR* w(char16_t* text) { return reinterpret_cast<WCHAR*>(text); }

// The text of a zero-terminated WCHAR buffer, or of its first `length` units.
inline std::u16string text(const WCHAR* buffer) { return reinterpret_cast<const char16_t*>(buffer); }
inline std::u16string text(const WCHAR* buffer, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

}  // namespace dsuptest
