// Conversions between the UTF-16 texts of the Win32 interface and the UTF-8 of the host.
#pragma once

#include <string>
#include <string_view>

namespace qxplatform {

// UTF-8 of a UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string toUtf8(std::u16string_view text);

// UTF-16 of a UTF-8 text; a malformed sequence becomes U+FFFD.
std::u16string toUtf16(std::string_view text);

// The host path of a Win32 path: UTF-8, with '\\' turned into '/'.
std::string hostPath(const char16_t* path);

}  // namespace qxplatform
