// Module instances and their resources: the loader's part of the platform layer (qxplatform.h),
// LoadStringW, and the store of dialog templates (kernel/dialog_resources.h).
//
// Strings are kept per block of 16 ids, as in a Win32 string table resource, because
// LoadStringW answers differently for a missing block (buffer untouched) and for a missing text
// in a block that exists (empty text). Resource names are numbers or names without regard to
// case, "#n" being the number n, as FindResource reads them.
#include <dlfcn.h>
#include <qxplatform.h>

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "kernel/dialog_resources.h"
#include "kernel/handle_table.h"

namespace {

// A resource name: a 16-bit number, or a name in upper case.
struct ResourceName {
  bool isNumber = false;
  WORD number = 0;
  std::u16string name;

  auto operator<=>(const ResourceName&) const = default;
};

std::optional<ResourceName> parseResourceName(LPCWSTR name) {
  if (!name) return std::nullopt;
  if (IS_INTRESOURCE(name)) return ResourceName{true, LOWORD(reinterpret_cast<ULONG_PTR>(name)), {}};
  std::u16string text(name);
  if (text.size() > 1 && text.size() <= 6 && text[0] == u'#' &&
      std::all_of(text.begin() + 1, text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
    unsigned long number = 0;
    for (char16_t c : text.substr(1)) number = number * 10 + (c - u'0');
    if (number <= 0xFFFF) return ResourceName{true, static_cast<WORD>(number), {}};
  }
  for (char16_t& c : text)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 0x20);
  return ResourceName{false, 0, std::move(text)};
}

struct Module {
  const void* imageBase = nullptr;  // null for a module of PlatformCreateModule
  std::map<UINT, std::u16string> strings;
  std::map<ResourceName, std::shared_ptr<const qxplatform::DialogResource>> dialogs;
  std::optional<PlatformVersionInfo> version;
};

struct ModuleState {
  std::mutex mutex;
  qxplatform::HandleTable<Module> modules{qxplatform::HandleKind::module};
  std::map<const void*, std::uintptr_t> byImage;
};

ModuleState& state() {
  static ModuleState* instance = new ModuleState;  // never destroyed: used until the process ends
  return *instance;
}

Module* findModule(ModuleState& s, HINSTANCE instance) {
  return s.modules.find(reinterpret_cast<std::uintptr_t>(instance));
}

constexpr std::size_t maxStringLength = 4097;

bool blockExists(const Module& module, UINT id) {
  const UINT first = id & ~0xFu;
  auto it = module.strings.lower_bound(first);
  return it != module.strings.end() && it->first <= (first | 0xFu);
}

}  // namespace

extern "C" HINSTANCE WINAPI PlatformModuleOfAddress(const void* address) {
  Dl_info info{};
  if (!address || !dladdr(address, &info) || !info.dli_fbase) return nullptr;
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  auto it = s.byImage.find(info.dli_fbase);
  if (it != s.byImage.end()) return reinterpret_cast<HINSTANCE>(it->second);
  auto module = std::make_unique<Module>();
  module->imageBase = info.dli_fbase;
  const std::uintptr_t value = s.modules.insert(std::move(module));
  if (value) s.byImage.emplace(info.dli_fbase, value);
  return reinterpret_cast<HINSTANCE>(value);
}

extern "C" HINSTANCE WINAPI PlatformCreateModule(void) {
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  return reinterpret_cast<HINSTANCE>(s.modules.insert(std::make_unique<Module>()));
}

extern "C" BOOL WINAPI PlatformDestroyModule(HINSTANCE instance) {
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module || module->imageBase) return FALSE;
  s.modules.erase(reinterpret_cast<std::uintptr_t>(instance));
  return TRUE;
}

extern "C" BOOL WINAPI PlatformAddString(HINSTANCE instance, UINT id, LPCWSTR text) {
  if (!text) return FALSE;
  std::u16string value(text);
  if (value.size() > maxStringLength || id > 0xFFFF) return FALSE;
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module) return FALSE;
  module->strings[id] = std::move(value);
  return TRUE;
}

extern "C" BOOL WINAPI PlatformSetVersionInfo(HINSTANCE instance, const PlatformVersionInfo* info) {
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module || !info) return FALSE;
  module->version = *info;
  return TRUE;
}

extern "C" BOOL WINAPI PlatformGetVersionInfo(HINSTANCE instance, PlatformVersionInfo* info) {
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module || !module->version || !info) return FALSE;
  *info = *module->version;
  return TRUE;
}

extern "C" int WINAPI LoadStringW(HINSTANCE instance, UINT id, LPWSTR buffer, int capacity) {
  if (!buffer) return 0;
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  id &= 0xFFFF;
  if (!blockExists(*module, id)) return 0;
  static const std::u16string empty;
  auto it = module->strings.find(id);
  const std::u16string& text = it == module->strings.end() ? empty : it->second;
  if (capacity == 0) {
    *reinterpret_cast<LPCWSTR*>(buffer) = text.c_str();
    return static_cast<int>(text.size());
  }
  if (capacity < 0) return 0;
  const std::size_t copied = std::min<std::size_t>(static_cast<std::size_t>(capacity) - 1, text.size());
  text.copy(buffer, copied);
  buffer[copied] = 0;
  return static_cast<int>(copied);
}

namespace qxplatform {

bool addDialogResource(HINSTANCE instance, LPCWSTR name, std::shared_ptr<const DialogResource> resource) {
  const std::optional<ResourceName> key = parseResourceName(name);
  if (!key || !resource) return false;
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module) return false;
  module->dialogs[*key] = std::move(resource);
  return true;
}

std::shared_ptr<const DialogResource> findDialogResource(HINSTANCE instance, LPCWSTR name) {
  const std::optional<ResourceName> key = parseResourceName(name);
  if (!key) return nullptr;
  ModuleState& s = state();
  std::lock_guard lock(s.mutex);
  Module* module = findModule(s, instance);
  if (!module) return nullptr;
  auto it = module->dialogs.find(*key);
  return it == module->dialogs.end() ? nullptr : it->second;
}

}  // namespace qxplatform
