// The byte-order exports. The reversal is unconditional: the library runs on little-endian hosts
// and the files are big-endian, so one reversal turns a host value into its file image and back.
#include "rawdata/byte_order.h"

#include <dsup.h>

extern "C" {

WORD DSUP_CALL DSupFlipInteger(WORD value) noexcept { return dsup::flip16(value); }

LONG DSUP_CALL DSupFlipLong(LONG value) noexcept {
  return static_cast<LONG>(dsup::flip32(static_cast<DWORD>(value)));
}

LONGLONG DSUP_CALL DSupFlipInt64(LONGLONG value) noexcept {
  return static_cast<LONGLONG>(dsup::flip64(static_cast<ULONGLONG>(value)));
}

void DSUP_CALL DSupFlipDouble(double value, BYTE* bytes) noexcept {
  if (bytes) dsup::storeBigEndianDouble(bytes, value);
}

}  // extern "C"
