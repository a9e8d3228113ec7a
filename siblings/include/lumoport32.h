/*
 * LUMOPORT32: portable helpers for texts and row ranges. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_LUMOPORT32_H
#define QX_SIBLING_LUMOPORT32_H

#include <windows.h>

#include "sibling_export.h"

#if defined(LUMOPORT32_BUILD)
#define LUMOPORT32_API QX_SIBLING_EXPORT
#else
#define LUMOPORT32_API QX_SIBLING_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A range of table rows, as PortMakeRowRange fills it: four 32-bit words. */
typedef struct PortRowRange {
  LONG firstRow; /* the lower of the two row numbers */
  LONG lastRow;  /* the higher of the two row numbers */
  LONG rowCount; /* lastRow - firstRow + 1 (at most the largest LONG) */
  LONG value;    /* the caller's value, as given */
} PortRowRange;

/* Ordinal 30. Writes `character` `count` times from the start of the buffer; no terminator. A
 * count of 0 or less writes nothing. */
LUMOPORT32_API void WINAPI PortFillChars(LPWSTR buffer, WCHAR character, int count) QX_SIBLING_NOEXCEPT;

/* Ordinal 19. Fills `range` from two row numbers in either order and a value of the caller's. */
LUMOPORT32_API void WINAPI PortMakeRowRange(PortRowRange* range, LONG row, LONG otherRow,
                                            LONG value) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_LUMOPORT32_H */
