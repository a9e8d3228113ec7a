/*
 * The graphics side of the Win32 subset (GDI32): rectangles, points and the text metrics of the
 * one font of the headless platform. Included by <windows.h>; compiles as C and as C++.
 *
 * Nothing is drawn. Every device context carries the same default font, whose metrics are those
 * measured for the default font of a device context at 96 dpi: an average character width of 7
 * pixels and a height of 16, so that the width of a field in characters is deterministic.
 */
#ifndef QX_PLATFORM_WINGDI_H
#define QX_PLATFORM_WINGDI_H

#ifndef QX_PLATFORM_WINDOWS_H
#error "include <windows.h> instead"
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
} RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;

typedef struct tagPOINT {
  LONG x;
  LONG y;
} POINT, *PPOINT, *LPPOINT;

typedef struct tagTEXTMETRICW {
  LONG tmHeight;
  LONG tmAscent;
  LONG tmDescent;
  LONG tmInternalLeading;
  LONG tmExternalLeading;
  LONG tmAveCharWidth;
  LONG tmMaxCharWidth;
  LONG tmWeight;
  LONG tmOverhang;
  LONG tmDigitizedAspectX;
  LONG tmDigitizedAspectY;
  WCHAR tmFirstChar;
  WCHAR tmLastChar;
  WCHAR tmDefaultChar;
  WCHAR tmBreakChar;
  BYTE tmItalic;
  BYTE tmUnderlined;
  BYTE tmStruckOut;
  BYTE tmPitchAndFamily;
  BYTE tmCharSet;
} TEXTMETRICW, *LPTEXTMETRICW;

/* Fills `metrics` with the metrics of the device context's font (always the platform's one font).
 * FALSE with ERROR_INVALID_HANDLE for a device context that is not (or no longer) obtained. */
WINBASEAPI BOOL WINAPI GetTextMetricsW(HDC deviceContext, LPTEXTMETRICW metrics);

#ifdef __cplusplus
}
#endif

#endif /* QX_PLATFORM_WINGDI_H */
