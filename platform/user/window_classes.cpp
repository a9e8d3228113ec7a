// The built-in window classes (window_classes.h).
#include "user/window_classes.h"

#include <qxscroller.h>

#include "user/text_compare.h"

namespace qxplatform::user {

// A dialog's extra bytes hold DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER.
const WindowClass dialogClass{u"#32770", DefDlgProcW, DWLP_USER + sizeof(LONG_PTR)};
const WindowClass editClass{u"Edit", editProcedure, 0};
const WindowClass comboBoxClass{u"ComboBox", comboBoxProcedure, 0};
const WindowClass buttonClass{u"Button", buttonProcedure, 0};
const WindowClass staticClass{u"Static", staticProcedure, 0};
const WindowClass scrollerClass{QXSCROLLER_CLASSNAME, scrollerProcedure, 0};

const WindowClass* findWindowClass(std::u16string_view name) {
  for (const WindowClass* windowClass :
       {&dialogClass, &editClass, &comboBoxClass, &buttonClass, &staticClass, &scrollerClass}) {
    if (equalIgnoringCase(windowClass->name, name)) return windowClass;
  }
  return nullptr;
}

bool isOfClass(HWND handle, const WindowClass& windowClass) {
  const Window* window = lookUpWindow(handle);
  return window && window->windowClass == &windowClass;
}

}  // namespace qxplatform::user
