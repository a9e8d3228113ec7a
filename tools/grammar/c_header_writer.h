// Writes a parse table as a C and C++ header: one static, 2-byte aligned array of its bytes, so
// that a driver can point a `const ParseTable*` at it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace grammar {

bool isCIdentifier(std::string_view name);

// REQUIRES: isCIdentifier(arrayName).
std::string writeCHeader(std::span<const std::uint8_t> table, std::string_view arrayName, std::string_view sourceName);

}  // namespace grammar
