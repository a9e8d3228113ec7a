// Dialog templates and numbered texts described in code, and a module of the test program that
// carries them as its resources, so that DialogBoxParamW and CreateDialogParamW find the templates
// by number or name, and LoadStringW the texts, as they find a driver's. On the simulated platform the module is one of the platform layer
// (PlatformAddDialogTemplate); on Windows it is a DLL of resources written for the test and loaded.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace dsuptest {

// A control of a template. Positions and sizes are dialog units; the style is the control's full
// style (WS_CHILD is added, WS_VISIBLE and WS_TABSTOP must be given).
struct DialogItem {
  const char16_t* className;  // "Edit", "ComboBox", "Button", "Static", or a registered class
  int id;
  DWORD style;
  const char16_t* text;  // the initial text, or null
  short x, y, cx, cy;
};

// A dialog: style, caption (or null), position and size in dialog units, and the controls in
// creation order, which is the tab order.
struct DialogTemplate {
  DWORD style;
  const char16_t* caption;
  short x, y, cx, cy;
  std::vector<DialogItem> items;
};

class TemplateModule {
 public:
  TemplateModule();
  ~TemplateModule();
  TemplateModule(const TemplateModule&) = delete;
  TemplateModule& operator=(const TemplateModule&) = delete;

  // Adds (or replaces) the template under a number or a name (names are found without regard to
  // case, and "#n" finds the number n). False when the template cannot be kept.
  bool add(WORD number, const DialogTemplate& dialogTemplate);
  bool add(std::u16string_view name, const DialogTemplate& dialogTemplate);

  // Adds (or replaces) text `id` of the module's string table.
  bool addString(UINT id, std::u16string_view text);

  // The module with every template and text added so far, or null when it cannot be made. On
  // Windows a template or text added after this call makes the next call load a new module; the
  // earlier ones stay loaded until the end, so that their dialogs keep their instance.
  HINSTANCE instance();

 private:
  struct Resources;
  std::unique_ptr<Resources> resources_;
};

}  // namespace dsuptest
