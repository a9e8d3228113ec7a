// The authorization service: handles that answer for the user who was current when they were
// obtained, over the registry of users and permissions of authorization_registry.h.
//
// Handle values are counted up and never reused, so a handle destroyed twice is always told apart
// from a newer one.
#include <lumomanagedwrapper.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <new>
#include <set>
#include <string>

#include "authorization_registry.h"
#include "wide_units.h"

namespace {

constexpr char16_t defaultUser[] = u"user";
// Handle values step by 4 from here, so that they look like no small number or null.
constexpr std::uintptr_t firstHandleValue = 0x5A000;
constexpr std::uintptr_t handleStep = 4;

struct Registry {
  std::mutex mutex;
  std::map<std::u16string, std::set<LONG>> permissions;  // by user
  std::u16string currentUser = defaultUser;
  std::map<std::uintptr_t, std::u16string> liveHandles;   // handle value -> its user
  std::uintptr_t nextHandleValue = firstHandleValue;
  UINT rejectedHandles = 0;
  UINT questions = 0;  // permission questions asked since the last reset
};

Registry& registry() {
  static Registry* instance = new Registry;  // never destroyed: used until the process ends
  return *instance;
}

std::uintptr_t valueOf(HAUTHORIZATIONSERVICE service) { return reinterpret_cast<std::uintptr_t>(service); }

void reject(Registry& r) {
  ++r.rejectedHandles;
  SetLastError(ERROR_INVALID_HANDLE);
}

bool isName(LPCWSTR name) { return name && name[0] != 0; }

}  // namespace

extern "C" HAUTHORIZATIONSERVICE WINAPI cIAuthorizationServiceGetInstance(void) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  try {
    const std::uintptr_t value = r.nextHandleValue;
    r.liveHandles.emplace(value, r.currentUser);
    r.nextHandleValue += handleStep;
    return reinterpret_cast<HAUTHORIZATIONSERVICE>(value);
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
}

extern "C" BOOL WINAPI cIAuthorizationServiceIsPermittedEnum(HAUTHORIZATIONSERVICE service, LONG permission) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  ++r.questions;
  const auto handle = r.liveHandles.find(valueOf(service));
  if (handle == r.liveHandles.end()) {
    reject(r);
    return FALSE;
  }
  const auto user = r.permissions.find(handle->second);
  return user != r.permissions.end() && user->second.contains(permission) ? TRUE : FALSE;
}

extern "C" void WINAPI cIAuthorizationServiceDestroyWrapper(HAUTHORIZATIONSERVICE service) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  if (r.liveHandles.erase(valueOf(service)) == 0) reject(r);
}

extern "C" BOOL WINAPI AuthorizationSetCurrentUser(LPCWSTR userName) noexcept {
  if (!isName(userName)) return FALSE;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  try {
    r.currentUser = qxsibling::utf16(userName);
    return TRUE;
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
}

extern "C" BOOL WINAPI AuthorizationSetPermission(LPCWSTR userName, LONG permission, BOOL granted) noexcept {
  if (!isName(userName) || permission < 1) return FALSE;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  try {
    std::set<LONG>& held = r.permissions[qxsibling::utf16(userName)];
    if (granted) held.insert(permission);
    else held.erase(permission);
    return TRUE;
  } catch (const std::bad_alloc&) {
    return FALSE;
  }
}

extern "C" void WINAPI AuthorizationReset(void) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.permissions.clear();
  r.currentUser.assign(defaultUser);  // fits the small-string buffer: no allocation
  r.rejectedHandles = 0;
  r.questions = 0;
}

extern "C" UINT WINAPI AuthorizationLiveHandles(void) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return static_cast<UINT>(r.liveHandles.size());
}

extern "C" UINT WINAPI AuthorizationRejectedHandles(void) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.rejectedHandles;
}

extern "C" UINT WINAPI AuthorizationQuestions(void) noexcept {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.questions;
}
