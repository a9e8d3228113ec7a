/*
 * Export and calling-convention macros shared by the headers of the sibling libraries (QXNLS01,
 * QXUTIL02, QXFABS00, LUMOPORT32, LumoManagedWrapper). Each header defines its own API macro from
 * these: exported while its library is built, imported otherwise. Functions with a fixed argument
 * list are WINAPI (stdcall in a 32-bit Windows build); those with a variable one are
 * QX_SIBLING_CDECL. Nothing is thrown across these interfaces: in C++ every function is noexcept.
 * Compiles as C and as C++.
 */
#ifndef QX_SIBLING_EXPORT_H
#define QX_SIBLING_EXPORT_H

#if defined(_WIN32)
#define QX_SIBLING_EXPORT __declspec(dllexport)
#define QX_SIBLING_IMPORT __declspec(dllimport)
#define QX_SIBLING_CDECL __cdecl
#else
#define QX_SIBLING_EXPORT __attribute__((visibility("default")))
#define QX_SIBLING_IMPORT
#define QX_SIBLING_CDECL
#endif

#if defined(__cplusplus)
#define QX_SIBLING_NOEXCEPT noexcept
#else
#define QX_SIBLING_NOEXCEPT
#endif

#endif /* QX_SIBLING_EXPORT_H */
