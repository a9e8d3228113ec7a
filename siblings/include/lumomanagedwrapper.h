/*
 * LumoManagedWrapper: the authorization service. A handle on the service answers whether the
 * user who was current when the handle was obtained holds a permission. Every handle obtained
 * must be destroyed once. Safe to call from any thread. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_LUMOMANAGEDWRAPPER_H
#define QX_SIBLING_LUMOMANAGEDWRAPPER_H

#include <windows.h>

#include "sibling_export.h"

#if defined(LUMOMANAGEDWRAPPER_BUILD)
#define LUMOMANAGEDWRAPPER_API QX_SIBLING_EXPORT
#else
#define LUMOMANAGEDWRAPPER_API QX_SIBLING_IMPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct cIAuthorizationService* HAUTHORIZATIONSERVICE;

/* A new handle on the service for the current user; null (ERROR_NOT_ENOUGH_MEMORY) when none can
 * be had. Handles are never reused. */
LUMOMANAGEDWRAPPER_API HAUTHORIZATIONSERVICE WINAPI cIAuthorizationServiceGetInstance(void) QX_SIBLING_NOEXCEPT;

/* Nonzero when the handle's user holds permission `permission` (at least 1); 0 when not, for a
 * permission below 1, and for a handle that is not live (ERROR_INVALID_HANDLE). */
LUMOMANAGEDWRAPPER_API BOOL WINAPI cIAuthorizationServiceIsPermittedEnum(HAUTHORIZATIONSERVICE service,
                                                                         LONG permission) QX_SIBLING_NOEXCEPT;

/* Releases the handle. A handle that is not live (released already, or never obtained) is left
 * alone, with ERROR_INVALID_HANDLE, and counted (authorization_registry.h). */
LUMOMANAGEDWRAPPER_API void WINAPI cIAuthorizationServiceDestroyWrapper(HAUTHORIZATIONSERVICE service) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_LUMOMANAGEDWRAPPER_H */
