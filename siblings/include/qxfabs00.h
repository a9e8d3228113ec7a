/*
 * QXFABS00: formatted printing by the wide printf conventions of the platform: %s takes a UTF-16
 * text and %c a UTF-16 code unit, an exponent is written with its sign and at least three digits
 * (1.5e+005), h marks 16-bit, l 32-bit and ll or I64 64-bit integers. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_QXFABS00_H
#define QX_SIBLING_QXFABS00_H

#include <windows.h>

#include "sibling_export.h"

#if defined(QXFABS00_BUILD)
#define QXFABS00_API QX_SIBLING_EXPORT
#else
#define QXFABS00_API QX_SIBLING_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The buffer size, in code units, that FabsFormat assumes: the smallest buffer its callers give it
 * (the 80-unit exponent buffer of the number formatting). */
#define FABS_FORMAT_CAPACITY 80

/* Ordinal 8. Formats the arguments by `format` into `buffer`, cut to FABS_FORMAT_CAPACITY - 1 code
 * units and always terminated. Returns the number of code units written, or -1 when the text was
 * cut. REQUIRES: `buffer` has room for FABS_FORMAT_CAPACITY code units, or for the whole text. */
QXFABS00_API int QX_SIBLING_CDECL FabsFormat(LPWSTR buffer, LPCWSTR format, ...) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_QXFABS00_H */
