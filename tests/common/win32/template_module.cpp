// Template modules on Windows (template_module.h): for each set of templates a DLL of resources,
// copied from the empty DLL built beside the test programs, with the templates written into its
// resource section by BeginUpdateResourceW, and loaded. The files go to the temporary directory
// and are deleted with the module.
#include "common/template_module.h"

#include <cstddef>
#include <map>
#include <string>
#include <variant>

#include "common/win32/dialog_template_bytes.h"

namespace dsuptest {

namespace {

// The empty DLL that each module starts from: DSUP_TEMPLATE_MODULE_BASE, beside the test program.
std::wstring baseModulePath() {
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring path(program, length);
  path.erase(path.find_last_of(L"\\/") + 1);
  return path + DSUP_TEMPLATE_MODULE_BASE;
}

std::wstring newModulePath() {
  static unsigned serial = 0;
  wchar_t directory[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  return std::wstring(directory) + L"dsup-templates-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++serial) + L".dll";
}

}  // namespace

struct TemplateModule::Resources {
  // A number, or a name in capitals as resource compilers store them (FindResourceW looks names up
  // in capitals).
  using Name = std::variant<WORD, std::wstring>;

  struct LoadedModule {
    std::wstring path;
    HMODULE module;
  };

  std::map<Name, std::vector<BYTE>> templates;
  std::map<UINT, std::wstring> strings;
  std::vector<LoadedModule> loaded;
  bool changed = true;

  static LPCWSTR resourceName(const Name& name) {
    if (const WORD* number = std::get_if<WORD>(&name)) return MAKEINTRESOURCEW(*number);
    return std::get<std::wstring>(name).c_str();
  }

  bool writeResources(const std::wstring& path) const {
    const HANDLE update = BeginUpdateResourceW(path.c_str(), TRUE);
    if (!update) return false;
    bool written = true;
    for (auto& [name, bytes] : templates)
      written =
          written && UpdateResourceW(update, RT_DIALOG, resourceName(name), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                     const_cast<BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
    for (auto& [block, bytes] : stringBlocks())
      written = written && UpdateResourceW(update, RT_STRING, MAKEINTRESOURCEW(block),
                                           MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), bytes.data(),
                                           static_cast<DWORD>(bytes.size()));
    return EndUpdateResourceW(update, !written) && written;
  }

  // The string table as resources hold it: texts 16 to a block (block n + 1 holds the texts 16n to
  // 16n + 15), each text a length and its code units, a missing one of length 0.
  std::map<WORD, std::vector<BYTE>> stringBlocks() const {
    std::map<WORD, std::vector<WCHAR>> units;
    for (auto& [id, text] : strings) {
      std::vector<WCHAR>& block = units[static_cast<WORD>(id / 16 + 1)];
      if (block.empty()) block.assign(16, 0);
      // Texts before this one in its block were added in order of their ids; find this one's place.
      std::size_t position = 0;
      for (UINT before = id & ~15u; before < id; ++before) position += 1 + block[position];
      block[position] = static_cast<WCHAR>(text.size());
      block.insert(block.begin() + static_cast<std::ptrdiff_t>(position) + 1, text.begin(), text.end());
    }
    std::map<WORD, std::vector<BYTE>> blocks;
    for (auto& [block, codeUnits] : units) {
      const auto* bytes = reinterpret_cast<const BYTE*>(codeUnits.data());
      blocks[block].assign(bytes, bytes + codeUnits.size() * sizeof(WCHAR));
    }
    return blocks;
  }

  HMODULE load() {
    const std::wstring path = newModulePath();
    if (!CopyFileW(baseModulePath().c_str(), path.c_str(), FALSE)) return nullptr;
    const HMODULE module = writeResources(path) ? LoadLibraryW(path.c_str()) : nullptr;
    if (!module) {
      DeleteFileW(path.c_str());
      return nullptr;
    }
    loaded.push_back({path, module});
    changed = false;
    return module;
  }

  ~Resources() {
    for (const LoadedModule& each : loaded) {
      FreeLibrary(each.module);
      DeleteFileW(each.path.c_str());
    }
  }
};

TemplateModule::TemplateModule() : resources_(std::make_unique<Resources>()) {}

TemplateModule::~TemplateModule() = default;

bool TemplateModule::add(WORD number, const DialogTemplate& dialogTemplate) {
  resources_->templates[number] = win32::dialogTemplateBytes(dialogTemplate);
  resources_->changed = true;
  return true;
}

bool TemplateModule::add(std::u16string_view name, const DialogTemplate& dialogTemplate) {
  std::wstring capitals(name.begin(), name.end());
  CharUpperBuffW(capitals.data(), static_cast<DWORD>(capitals.size()));
  resources_->templates[capitals] = win32::dialogTemplateBytes(dialogTemplate);
  resources_->changed = true;
  return true;
}

bool TemplateModule::addString(UINT id, std::u16string_view text) {
  resources_->strings[id] = std::wstring(text.begin(), text.end());
  resources_->changed = true;
  return true;
}

HINSTANCE TemplateModule::instance() {
  if (!resources_->changed) return resources_->loaded.back().module;
  return resources_->load();
}

}  // namespace dsuptest
