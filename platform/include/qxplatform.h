/*
 * What the platform layer offers beyond the Win32 API: the part of a module loader that Windows
 * does with images and resource sections. A module (the library, a driver, a test program) is
 * named by an HINSTANCE and carries its resources (string table, dialog templates, version data),
 * which are registered here when the module is loaded instead of being read from a resource
 * section. Compiles as C and as C++.
 */
#ifndef QX_PLATFORM_QXPLATFORM_H
#define QX_PLATFORM_QXPLATFORM_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The instance of the loaded image (shared library or program) that contains `address`: the
 * same handle for every address of one image, created at the first request. */
WINBASEAPI HINSTANCE WINAPI PlatformModuleOfAddress(const void* address);

/* A new module instance that belongs to no image, with empty resources, for a driver or a test
 * that wants texts and templates of its own. Freed by PlatformDestroyModule. */
WINBASEAPI HINSTANCE WINAPI PlatformCreateModule(void);

/* Forgets a module created by PlatformCreateModule together with its resources. */
WINBASEAPI BOOL WINAPI PlatformDestroyModule(HINSTANCE instance);

/* Adds (or replaces) text `id` of the module's string table; `text` is zero-terminated UTF-16 of
 * at most 4097 code units. Returns FALSE for an invalid instance. */
WINBASEAPI BOOL WINAPI PlatformAddString(HINSTANCE instance, UINT id, LPCWSTR text);

/* The version data of a module: its name, its version text and a description. */
typedef struct PlatformVersionInfo {
  LPCWSTR moduleName;
  LPCWSTR versionText;
  LPCWSTR description;
} PlatformVersionInfo;

/* Records the module's version data; the texts must stay valid as long as the module. */
WINBASEAPI BOOL WINAPI PlatformSetVersionInfo(HINSTANCE instance, const PlatformVersionInfo* info);

/* Copies the module's version data to `info`; FALSE when it has none. */
WINBASEAPI BOOL WINAPI PlatformGetVersionInfo(HINSTANCE instance, PlatformVersionInfo* info);

/* ---- Dialog templates ----------------------------------------------------------------------- */

/* A control of a dialog template. Positions and sizes are dialog units: 4 horizontal units are
 * one average character width (7 pixels) and 8 vertical units one character height (16 pixels)
 * of the platform's font, so that a field 40 units wide is 10 characters wide. The style is the
 * control's full style, as in a binary Win32 template: WS_CHILD is added, but WS_VISIBLE (and
 * WS_TABSTOP) must be given. */
typedef struct PlatformDialogItem {
  LPCWSTR className; /* "Edit", "ComboBox", "Button", "Static" or a registered class */
  int id;
  DWORD style;
  LPCWSTR text; /* the initial text, or null */
  short x;
  short y;
  short cx;
  short cy;
} PlatformDialogItem;

/* A dialog template: the dialog's style, caption and size (dialog units) and its controls, in
 * creation order, which is the order of GetTopWindow and GW_HWNDNEXT and the tab order. */
typedef struct PlatformDialogTemplate {
  DWORD style;
  LPCWSTR caption; /* or null */
  short x;
  short y;
  short cx;
  short cy;
  UINT itemCount;
  const PlatformDialogItem* items;
} PlatformDialogTemplate;

/* Adds (or replaces) a dialog template of the module, under `name`: MAKEINTRESOURCEW of a 16-bit
 * number, or a zero-terminated name (compared without regard to case; "#n" names the number n).
 * The template and its texts are copied. DialogBoxParamW and CreateDialogParamW find it by the
 * same instance and name. Returns FALSE for an invalid instance, a null name or template, or an
 * item without a class name. */
WINBASEAPI BOOL WINAPI PlatformAddDialogTemplate(HINSTANCE instance, LPCWSTR name,
                                                 const PlatformDialogTemplate* dialogTemplate);

#ifdef __cplusplus
}
#endif

#endif /* QX_PLATFORM_QXPLATFORM_H */
