/*
 * QXNLS01: language-dependent texts and dialogs of a module.
 *
 * A module's texts are the numbered texts of its instance (its string table); its dialogs are
 * the dialog templates registered with its instance. Every function runs on the caller's thread;
 * the dialog function returns when its modal dialog has ended. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_QXNLS01_H
#define QX_SIBLING_QXNLS01_H

#include <windows.h>

#include "sibling_export.h"

#if defined(QXNLS01_BUILD)
#define QXNLS01_API QX_SIBLING_EXPORT
#else
#define QXNLS01_API QX_SIBLING_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Ordinal 15. Copies text `textNumber` of the instance into `buffer`, cut to capacity - 1 code
 * units and terminated, and returns the number of code units copied. Returns 0 when the instance
 * has no such text (or it is empty); the buffer then holds an empty, terminated text. A capacity
 * of 0 or less, or a null buffer, copies nothing and returns 0. */
QXNLS01_API int WINAPI NlsLoadString(HINSTANCE instance, WORD textNumber, LPWSTR buffer,
                                     int capacity) QX_SIBLING_NOEXCEPT;

/* Ordinal 4. Runs a modal dialog from a template of the instance, owned by `owner`, with
 * `dialogProc`, passing `initParam` as the lParam of WM_INITDIALOG, and returns the value given
 * to EndDialog, or -1 when the dialog cannot be created.
 * A template value up to 0xFFFF is a template number. A larger value names the template that
 * NlsRegisterDialogTemplate (qxnls01_registry.h) recorded for it with this instance; a value
 * with no such record gives -1 with ERROR_INVALID_PARAMETER and shows nothing. */
QXNLS01_API INT_PTR WINAPI NlsDialogBoxParam(HINSTANCE instance, DWORD templateValue, HWND owner,
                                             DLGPROC dialogProc, LPARAM initParam) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_QXNLS01_H */
