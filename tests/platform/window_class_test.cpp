// Window classes of modules: registering and unregistering, which windows find a class (local to
// its module or global), extra bytes and user data, mouse messages with their client points and
// the double clicks that only classes with CS_DBLCLKS get, and subclassing a window.
#include "common/wine.h"
#include "common/wine_departures.h"
#include "platform/dialog_test_support.h"

namespace dsuptest {
namespace {

constexpr WORD customDialog = 3;
constexpr int customId = 300;
const char16_t* const localName = u"QxTestLocalClass";
const char16_t* const globalName = u"QxTestGlobalClass";

LRESULT CALLBACK plainProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Logs the mouse messages as "down", "up", "double", each with "at the centre" when its point is
// the middle of the client area, and " shift" with MK_SHIFT.
LRESULT CALLBACK mouseProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const char* name = message == WM_LBUTTONDOWN ? "down" : message == WM_LBUTTONUP ? "up" : message == WM_LBUTTONDBLCLK ? "double" : nullptr;
  if (!name) return DefWindowProcW(window, message, wParam, lParam);
  RECT area{};
  GetClientRect(window, &area);
  const bool centre = static_cast<SHORT>(LOWORD(lParam)) == area.right / 2 && static_cast<SHORT>(HIWORD(lParam)) == area.bottom / 2;
  events().push_back(std::string(name) + (centre ? " at the centre" : " elsewhere") + ((wParam & MK_SHIFT) ? " shift" : ""));
  return 0;
}

WNDCLASSW classDescription(const char16_t* name, HINSTANCE instance, UINT style = 0, WNDPROC procedure = plainProcedure) {
  WNDCLASSW windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.cbWndExtra = 2 * sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.lpszClassName = w(name);
  return windowClass;
}

HWND createOf(const char16_t* name, HINSTANCE instance, void* param = nullptr) {
  return CreateWindowExW(0, w(name), w(u"Window"), WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, instance, param);
}

class WindowClasses : public DialogTest {
 protected:
  TemplateModule otherModule;
};

TEST_F(WindowClasses, LocalClassIsFoundForItsModuleAloneAGlobalOneForEveryModule) {
  const HINSTANCE own = module(), other = otherModule.instance();
  ASSERT_TRUE(own && other);
  const WNDCLASSW local = classDescription(localName, own), global = classDescription(globalName, own, CS_GLOBALCLASS);
  ASSERT_NE(RegisterClassW(&local), 0);
  ASSERT_NE(RegisterClassW(&global), 0);
  struct Creation {
    const char16_t* name;
    HINSTANCE instance;
    bool found;
  };
  std::vector<DWORD> notFoundErrors;
  for (const Creation& creation : {Creation{localName, own, true}, Creation{localName, other, false},
                                   Creation{globalName, own, true}, Creation{globalName, other, true}}) {
    SetLastError(0);
    const HWND window = createOf(creation.name, creation.instance);
    EXPECT_EQ(window != nullptr, creation.found)
        << (creation.name == localName ? "local" : "global") << (creation.instance == own ? ", own" : ", other");
    if (window) {
      EXPECT_EQ(classOf(window), creation.name);
      DestroyWindow(window);
    } else {
      notFoundErrors.push_back(GetLastError());
    }
  }
  SetLastError(0);
  EXPECT_EQ(RegisterClassW(&local), 0) << "a module registers a name once";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
  const WNDCLASSW otherLocal = classDescription(localName, other);
  EXPECT_NE(RegisterClassW(&otherLocal), 0) << "another module has a class of its own under the name";
  for (const WNDCLASSW& each : {local, global, otherLocal}) EXPECT_TRUE(UnregisterClassW(each.lpszClassName, each.hInstance));
  SetLastError(0);
  EXPECT_FALSE(UnregisterClassW(w(localName), own));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_DOES_NOT_EXIST));
  SetLastError(0);
  EXPECT_EQ(createOf(globalName, own), nullptr) << "unregistered";
  notFoundErrors.push_back(GetLastError());
  if (runsUnderWine())
    GTEST_SKIP() << wineDeparture(WineDeparture::unknownWindowClassError);
  EXPECT_EQ(notFoundErrors, std::vector<DWORD>(2, ERROR_CANNOT_FIND_WND_CLASS));
}

TEST_F(WindowClasses, ClassWithWindowsCannotBeUnregistered) {
  const WNDCLASSW local = classDescription(localName, module());
  ASSERT_NE(RegisterClassW(&local), 0);
  const HWND window = createOf(localName, module());
  ASSERT_NE(window, nullptr);
  SetLastError(0);
  EXPECT_FALSE(UnregisterClassW(w(localName), module()));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
  EXPECT_TRUE(IsWindow(window));
  DestroyWindow(window);
  EXPECT_TRUE(UnregisterClassW(w(localName), module()));
}

TEST_F(WindowClasses, ExtraBytesAndUserDataStartAtZeroAndKeepWhatIsStored) {
  const WNDCLASSW local = classDescription(localName, module());
  ASSERT_NE(RegisterClassW(&local), 0);
  int createParam = 0;
  const HWND window = createOf(localName, module(), &createParam);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&createParam))
      << "set from WM_CREATE's parameter";
  for (const int offset : {0, static_cast<int>(sizeof(LONG_PTR))}) {
    EXPECT_EQ(GetWindowLongPtrW(window, offset), 0) << offset;
    EXPECT_EQ(SetWindowLongPtrW(window, offset, 1234 + offset), 0);
    EXPECT_EQ(GetWindowLongPtrW(window, offset), 1234 + offset);
  }
  DestroyWindow(window);
  EXPECT_TRUE(UnregisterClassW(w(localName), module()));
}

TEST_F(WindowClasses, MouseMessagesCarryTheClientPointAndDoubleClicksNeedTheClassStyle) {
  addTemplate(customDialog, {{localName, customId, WS_VISIBLE, nullptr, 10, 10, 40, 20},
                             {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP, u"OK", 80, 30, 40, 14}});
  struct Case {
    UINT style;
    Strings seen;
  };
  const Case cases[] = {
      {0, {"down at the centre", "up at the centre", "down at the centre", "up at the centre"}},
      {CS_DBLCLKS, {"down at the centre", "up at the centre", "double at the centre", "up at the centre"}},
  };
  for (const Case& each : cases) {
    // A class local to the module of the dialog's template: the dialog's controls find it.
    const WNDCLASSW custom = classDescription(localName, module(), each.style, mouseProcedure);
    ASSERT_NE(RegisterClassW(&custom), 0);
    events().clear();
    user.click(customId).click(customId).click(IDOK);
    EXPECT_EQ(runDialog(customDialog), IDOK);
    EXPECT_EQ(eventsWith("centre"), each.seen) << "style " << each.style;
    EXPECT_TRUE(UnregisterClassW(w(localName), module()));
  }
}

WNDPROC editProcedure = nullptr;

LRESULT CALLBACK loggingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT) events().push_back("set text " + std::string(1, static_cast<char>(*reinterpret_cast<LPCWSTR>(lParam))));
  return CallWindowProcW(editProcedure, window, message, wParam, lParam);
}

TEST_F(WindowClasses, SubclassingPutsAProcedureInFrontOfTheWindowsOwn) {
  open(standardDialog);
  const HWND edit = item(firstEdit);
  editProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(loggingSubclass))));
  ASSERT_NE(editProcedure, nullptr);
  EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(static_cast<WNDPROC>(loggingSubclass)));
  SetWindowTextW(edit, w(u"abc"));
  EXPECT_EQ(textOf(edit), u"abc") << "the edit's own procedure took the text";
  EXPECT_EQ(eventsWith("set text"), Strings{"set text a"});
  EXPECT_EQ(eventsWith("EN_CHANGE"), Strings{"EN_CHANGE 101"});
  SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure));
  SetWindowTextW(edit, w(u"def"));
  EXPECT_EQ(eventsWith("set text"), Strings{"set text a"}) << "the subclass is gone";
}

}  // namespace
}  // namespace dsuptest
