// WCHAR is char16_t on the simulated platform and wchar_t on Windows: a UTF-16 code unit of two
// bytes either way. These casts pass WCHAR texts to the formatting engine and char16_t texts to
// the Win32 API, whichever WCHAR is.
#pragma once

#include <windows.h>

namespace qxsibling {

inline char16_t* utf16(LPWSTR text) { return reinterpret_cast<char16_t*>(text); }
inline const char16_t* utf16(LPCWSTR text) { return reinterpret_cast<const char16_t*>(text); }
inline LPCWSTR wide(const char16_t* text) { return reinterpret_cast<LPCWSTR>(text); }

}  // namespace qxsibling
