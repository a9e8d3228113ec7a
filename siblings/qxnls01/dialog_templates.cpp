#include "dialog_templates.h"

#include <map>
#include <mutex>
#include <new>
#include <utility>

#include "qxnls01_registry.h"

namespace qxnls {

namespace {

using Key = std::pair<HINSTANCE, DWORD>;

struct Registry {
  std::mutex mutex;
  std::map<Key, DialogTemplate> templates;
};

Registry& registry() {
  static Registry* instance = new Registry;  // never destroyed: used until the process ends
  return *instance;
}

}  // namespace

std::optional<DialogTemplate> findDialogTemplate(HINSTANCE instance, DWORD templateValue) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  const auto it = r.templates.find({instance, templateValue});
  if (it == r.templates.end()) return std::nullopt;
  return it->second;
}

}  // namespace qxnls

extern "C" BOOL WINAPI NlsRegisterDialogTemplate(HINSTANCE instance, DWORD templateValue,
                                                 LPCWSTR templateName) noexcept {
  // Values up to 0xFFFF are template numbers already.
  if (!instance || !templateName || IS_INTRESOURCE(templateValue)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  try {
    qxnls::DialogTemplate record;
    if (IS_INTRESOURCE(templateName)) record.number = LOWORD(templateName);
    else record.name = qxsibling::utf16(templateName);
    qxnls::Registry& r = qxnls::registry();
    std::lock_guard lock(r.mutex);
    r.templates.insert_or_assign({instance, templateValue}, std::move(record));
    return TRUE;
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
}

extern "C" BOOL WINAPI NlsUnregisterDialogTemplate(HINSTANCE instance, DWORD templateValue) noexcept {
  qxnls::Registry& r = qxnls::registry();
  std::lock_guard lock(r.mutex);
  return r.templates.erase({instance, templateValue}) != 0 ? TRUE : FALSE;
}
