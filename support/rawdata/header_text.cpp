#include "rawdata/header_text.h"

#include "rawdata/byte_order.h"

namespace dsup {

std::size_t boundedLength(LPCWSTR text, std::size_t atMost) {
  std::size_t length = 0;
  if (text)
    while (length < atMost && text[length] != 0) ++length;
  return length;
}

void copyText(WCHAR* destination, std::size_t capacity, LPCWSTR text) {
  const std::size_t length = boundedLength(text, capacity - 1);
  for (std::size_t i = 0; i < length; ++i) destination[i] = text[i];
  destination[length] = 0;
}

DWORD encodeText(BYTE* at, TextField field, LPCWSTR text) {
  const auto length = static_cast<DWORD>(boundedLength(text, field.limit));
  at[0] = static_cast<BYTE>(length);
  for (DWORD i = 0; i < length; ++i) storeLittleEndian16(at + 1 + 2 * i, text[i]);
  return 1 + 2 * length;
}

}  // namespace dsup
