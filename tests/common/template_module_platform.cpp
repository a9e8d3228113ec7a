// Template modules of the simulated platform (template_module.h): the platform layer's own.
#include <qxplatform.h>

#include "common/template_module.h"

namespace dsuptest {

struct TemplateModule::Resources {
  HINSTANCE module = PlatformCreateModule();

  bool add(LPCWSTR name, const DialogTemplate& dialogTemplate) const {
    std::vector<PlatformDialogItem> items;
    for (const DialogItem& item : dialogTemplate.items)
      items.push_back({item.className, item.id, item.style, item.text, item.x, item.y, item.cx, item.cy});
    const PlatformDialogTemplate platformTemplate{
        dialogTemplate.style, dialogTemplate.caption,          dialogTemplate.x, dialogTemplate.y, dialogTemplate.cx,
        dialogTemplate.cy,    static_cast<UINT>(items.size()), items.data()};
    return PlatformAddDialogTemplate(module, name, &platformTemplate);
  }
};

TemplateModule::TemplateModule() : resources_(std::make_unique<Resources>()) {}

TemplateModule::~TemplateModule() { PlatformDestroyModule(resources_->module); }

bool TemplateModule::add(WORD number, const DialogTemplate& dialogTemplate) {
  return resources_->add(MAKEINTRESOURCEW(number), dialogTemplate);
}

bool TemplateModule::add(std::u16string_view name, const DialogTemplate& dialogTemplate) {
  return resources_->add(std::u16string(name).c_str(), dialogTemplate);
}

bool TemplateModule::addString(UINT id, std::u16string_view text) {
  return PlatformAddString(resources_->module, id, std::u16string(text).c_str());
}

HINSTANCE TemplateModule::instance() { return resources_->module; }

}  // namespace dsuptest
