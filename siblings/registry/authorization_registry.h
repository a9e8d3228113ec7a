/*
 * The users and permissions behind the authorization service of LumoManagedWrapper, and its count
 * of live handles, for tests and demos. The library never includes this header.
 *
 * The registry knows users by name, each with the permission numbers granted to them, and one
 * current user. At the start, and after AuthorizationReset, the current user is "user" and holds
 * no permission. Safe to call from any thread. Compiles as C and as C++.
 */
#ifndef QX_SIBLING_AUTHORIZATION_REGISTRY_H
#define QX_SIBLING_AUTHORIZATION_REGISTRY_H

#include <lumomanagedwrapper.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Makes `userName` the current user: handles obtained from now on answer for that user. A user
 * not known so far holds no permission. FALSE for a null or empty name, or without memory. */
LUMOMANAGEDWRAPPER_API BOOL WINAPI AuthorizationSetCurrentUser(LPCWSTR userName) QX_SIBLING_NOEXCEPT;

/* Grants (nonzero `granted`) or withdraws permission `permission` of user `userName`. Takes effect
 * at once, for live handles too. FALSE for a null or empty name, a permission below 1, or without
 * memory. */
LUMOMANAGEDWRAPPER_API BOOL WINAPI AuthorizationSetPermission(LPCWSTR userName, LONG permission,
                                                              BOOL granted) QX_SIBLING_NOEXCEPT;

/* Forgets every user and permission, makes "user" current and sets the counts of rejected handles
 * and of questions to 0. Live handles stay live (and are still counted). */
LUMOMANAGEDWRAPPER_API void WINAPI AuthorizationReset(void) QX_SIBLING_NOEXCEPT;

/* Handles obtained and not yet destroyed. */
LUMOMANAGEDWRAPPER_API UINT WINAPI AuthorizationLiveHandles(void) QX_SIBLING_NOEXCEPT;

/* Calls made with a handle that was not live (destroyed already, or never obtained) since the
 * last reset: a handle destroyed twice shows here. */
LUMOMANAGEDWRAPPER_API UINT WINAPI AuthorizationRejectedHandles(void) QX_SIBLING_NOEXCEPT;

/* Permission questions (cIAuthorizationServiceIsPermittedEnum) asked since the last reset. */
LUMOMANAGEDWRAPPER_API UINT WINAPI AuthorizationQuestions(void) QX_SIBLING_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* QX_SIBLING_AUTHORIZATION_REGISTRY_H */
