/*
 * QXUTIL02: text utilities and message boxes.
 *
 * Blanks are spaces and tabs. Message texts are numbered texts of the module instance that the
 * caller names, loaded as NlsLoadString loads them; a message number without a text shows
 * "no string %X" with the number in hexadecimal instead. Captions follow the icon of the style:
 * "Error" (MB_ICONHAND), "Warning" (MB_ICONEXCLAMATION), "Question" (MB_ICONQUESTION),
 * "Information" (MB_ICONASTERISK), "Message" without an icon. The message box functions run a
 * modal message box on the caller's thread and return when it has been closed. Compiles as C
 * and as C++.
 */
#ifndef QX_SIBLING_QXUTIL02_H
#define QX_SIBLING_QXUTIL02_H

#include <stdarg.h>
#include <windows.h>

#include "sibling_export.h"

#if defined(QXUTIL02_BUILD)
#define QXUTIL02_API QX_SIBLING_EXPORT
#else
#define QXUTIL02_API QX_SIBLING_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Message texts longer than this (in code units, terminator included) are cut when loaded, and
 * formatted messages are cut to twice this. */
#define UTIL_MESSAGE_CAPACITY 1024

/* Ordinal 72. Formats message `messageNumber` of the instance with `arguments` by the wide printf
 * conventions (%s takes a UTF-16 text, exponents have three digits), shows it in a modal message
 * box of the given style (MB_* flags) owned by `owner`, and returns the id of the button that
 * closed it (IDOK 1, IDCANCEL 2, ...). `options` is reserved: the library passes 15 and the box
 * does not depend on it. `arguments` is read through a copy. */
QXUTIL02_API int WINAPI UtilMessageBox(HINSTANCE instance, HWND owner, WORD messageNumber, UINT style,
                                       int options, va_list arguments) QX_SIBLING_NOEXCEPT;

/* Ordinal 74. Shows message `messageNumber` of the instance, as it is written (not formatted), in
 * a warning box (MB_OK with MB_ICONEXCLAMATION) owned by `owner`; returns the button's id. */
QXUTIL02_API int WINAPI UtilShowMessage(HINSTANCE instance, HWND owner, WORD messageNumber) QX_SIBLING_NOEXCEPT;

/* Ordinal 12. Removes the blanks at the end of the text in place; returns `text` (null for null). */
QXUTIL02_API LPWSTR WINAPI UtilStripTrailing(LPWSTR text) QX_SIBLING_NOEXCEPT;

/* Ordinal 11. Removes the blanks at the start of the text in place, moving the rest to the start
 * of the buffer; returns `text` (null for null). */
QXUTIL02_API LPWSTR WINAPI UtilStripLeading(LPWSTR text) QX_SIBLING_NOEXCEPT;

/* Ordinal 14. Widens the text in place to `width` code units by appending `fill` after it; a text
 * that is already as wide, or a width of 0 or less, is left as it is.
 * REQUIRES: `text` has room for width + 1 code units. */
QXUTIL02_API void WINAPI UtilPadText(LPWSTR text, LONG width, WCHAR fill) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_QXUTIL02_H */
