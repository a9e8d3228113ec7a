// The formatting engine of the stand-ins with any format, capacity and arguments: the input's first
// byte is the capacity (0 to 255), the next four give four arguments' kinds (integer, double, wide
// text, single-byte text), then 8 bytes for each number, then the format as UTF-16 code units. The
// engine must never write at or beyond its capacity, must terminate what it writes, and must say
// how long the text is.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "wide_format.h"

namespace {

constexpr std::size_t argumentCount = 4;
constexpr std::size_t guard = 32;
constexpr char16_t guardUnit = 0xA5A5;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t head = 1 + argumentCount + argumentCount * 8;
  if (size < head) return 0;
  const std::size_t capacity = data[0];
  const std::u16string wideText = u"w\u00e9de";
  const std::string narrowText = "narrow";
  std::vector<qxformat::FormatArgument> arguments;
  for (std::size_t i = 0; i < argumentCount; ++i) {
    std::uint64_t bits;
    std::memcpy(&bits, data + 1 + argumentCount + 8 * i, sizeof bits);
    double floating;
    std::memcpy(&floating, &bits, sizeof floating);
    switch (data[1 + i] % 5) {
      case 0: arguments.emplace_back(static_cast<std::int64_t>(bits)); break;
      case 1: arguments.emplace_back(floating); break;
      case 2: arguments.emplace_back(wideText.c_str()); break;
      case 3: arguments.emplace_back(narrowText.c_str()); break;
      default: arguments.emplace_back(static_cast<const char16_t*>(nullptr)); break;
    }
  }
  std::u16string format((size - head) / 2, u'\0');
  std::memcpy(format.data(), data + head, format.size() * 2);

  std::vector<char16_t> buffer(capacity + guard, guardUnit);
  const qxformat::FormatResult result = qxformat::formatWide(buffer.data(), capacity, format.c_str(), arguments);
  for (std::size_t i = capacity; i < buffer.size(); ++i)
    if (buffer[i] != guardUnit) std::abort();
  if (capacity == 0) return 0;
  if (result.length >= capacity || buffer[result.length] != 0) std::abort();
  return 0;
}
