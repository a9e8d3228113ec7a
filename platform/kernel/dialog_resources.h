// Dialog templates as the resources of a module (registered with PlatformAddDialogTemplate,
// qxplatform.h): owned copies, looked up by instance and resource name.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace qxplatform {

struct DialogItemResource {
  std::u16string className;
  int id = 0;
  DWORD style = 0;
  std::u16string text;
  short x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogResource {
  DWORD style = 0;
  std::u16string caption;
  short x = 0, y = 0, cx = 0, cy = 0;
  std::vector<DialogItemResource> items;
};

// Adds (or replaces) the module's template of that name; false for an invalid instance or name.
bool addDialogResource(HINSTANCE instance, LPCWSTR name, std::shared_ptr<const DialogResource> resource);

// The module's template of that name, or null.
std::shared_ptr<const DialogResource> findDialogResource(HINSTANCE instance, LPCWSTR name);

}  // namespace qxplatform
