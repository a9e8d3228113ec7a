// Text helpers on a caller's buffer, in place: blanks stripped at either end, padding to a width.
#include <qxutil02.h>

#include <algorithm>
#include <cstddef>

namespace {

bool isBlank(WCHAR c) { return c == u' ' || c == u'\t'; }

std::size_t lengthOf(LPCWSTR text) {
  std::size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

}  // namespace

extern "C" LPWSTR WINAPI UtilStripTrailing(LPWSTR text) noexcept {
  if (!text) return nullptr;
  std::size_t length = lengthOf(text);
  while (length > 0 && isBlank(text[length - 1])) --length;
  text[length] = 0;
  return text;
}

extern "C" LPWSTR WINAPI UtilStripLeading(LPWSTR text) noexcept {
  if (!text) return nullptr;
  std::size_t blanks = 0;
  while (isBlank(text[blanks])) ++blanks;
  if (blanks > 0) {
    const std::size_t rest = lengthOf(text + blanks);
    std::copy_n(text + blanks, rest + 1, text);  // with the terminator
  }
  return text;
}

extern "C" void WINAPI UtilPadText(LPWSTR text, LONG width, WCHAR fill) noexcept {
  if (!text || width <= 0) return;
  const std::size_t target = static_cast<std::size_t>(width);
  const std::size_t length = lengthOf(text);
  if (length >= target) return;
  std::fill(text + length, text + target, fill);
  text[target] = 0;
}
