/*
 * The user interface side of the Win32 subset (USER32 and GDI32): windows, messages, dialogs,
 * controls, message boxes, text metrics. Included by <windows.h>; compiles as C and as C++.
 */
#ifndef QX_PLATFORM_WINUSER_H
#define QX_PLATFORM_WINUSER_H

#ifndef QX_PLATFORM_WINDOWS_H
#error "include <windows.h> instead"
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define MAKEINTRESOURCEW(id) ((LPWSTR)(ULONG_PTR)(WORD)(id))
#define IS_INTRESOURCE(name) ((((ULONG_PTR)(name)) >> 16) == 0)

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNO 0x00000004L
#define MB_ICONHAND 0x00000010L
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONASTERISK 0x00000040L

/* Runs a modal message box owned by `owner` and returns the id of the button that closed it. */
WINBASEAPI int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

/* Runs a modal dialog from the module's template `templateName` (MAKEINTRESOURCEW of a number, or
 * a name), owned by `owner`, with `dialogProc`; returns the value given to EndDialog, or -1 when
 * the dialog cannot be created. */
WINBASEAPI INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam);

#ifdef __cplusplus
}
#endif

#endif /* QX_PLATFORM_WINUSER_H */
