// PlatformAddDialogTemplate: a dialog template registered as a resource of a module.
#include <qxplatform.h>

#include <memory>

#include "kernel/dialog_resources.h"

namespace {

std::u16string textOrEmpty(LPCWSTR text) { return text ? std::u16string(text) : std::u16string(); }

}  // namespace

extern "C" BOOL WINAPI PlatformAddDialogTemplate(HINSTANCE instance, LPCWSTR name,
                                                 const PlatformDialogTemplate* dialogTemplate) {
  if (!name || !dialogTemplate || (dialogTemplate->itemCount && !dialogTemplate->items)) return FALSE;
  auto resource = std::make_shared<qxplatform::DialogResource>();
  resource->style = dialogTemplate->style;
  resource->caption = textOrEmpty(dialogTemplate->caption);
  resource->x = dialogTemplate->x;
  resource->y = dialogTemplate->y;
  resource->cx = dialogTemplate->cx;
  resource->cy = dialogTemplate->cy;
  for (UINT i = 0; i < dialogTemplate->itemCount; ++i) {
    const PlatformDialogItem& item = dialogTemplate->items[i];
    if (!item.className) return FALSE;
    resource->items.push_back({item.className, item.id, item.style, textOrEmpty(item.text), item.x, item.y,
                               item.cx, item.cy});
  }
  return qxplatform::addDialogResource(instance, name, std::move(resource)) ? TRUE : FALSE;
}
