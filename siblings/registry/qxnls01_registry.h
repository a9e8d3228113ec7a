/*
 * The dialog template registry of QXNLS01, for drivers, demos and tests on hosts where modules
 * carry no resource section.
 *
 * A template value above 0xFFFF cannot be handed to DialogBoxParamW as a resource name (values up
 * to 0xFFFF are template numbers, larger ones would be read as a text pointer). Such a value is
 * registered here, per module instance, with the name or number of a template that the instance
 * has registered with the platform; NlsDialogBoxParam then runs that template. The library never
 * includes this header. Safe to call from any thread. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_QXNLS01_REGISTRY_H
#define QX_SIBLING_QXNLS01_REGISTRY_H

#include <qxnls01.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Makes `templateValue` (above 0xFFFF) of the instance stand for `templateName`: a template name
 * (copied) or MAKEINTRESOURCEW of a template number. Replaces an earlier record of the value.
 * FALSE with ERROR_INVALID_PARAMETER for a value up to 0xFFFF, a null instance or name, and with
 * ERROR_NOT_ENOUGH_MEMORY when the record cannot be kept. */
QXNLS01_API BOOL WINAPI NlsRegisterDialogTemplate(HINSTANCE instance, DWORD templateValue,
                                                  LPCWSTR templateName) QX_SIBLING_NOEXCEPT;

/* Forgets the record of `templateValue` of the instance; FALSE when there is none. */
QXNLS01_API BOOL WINAPI NlsUnregisterDialogTemplate(HINSTANCE instance, DWORD templateValue) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_QXNLS01_REGISTRY_H */
