#include "platform/dialog_test_support.h"

#include <algorithm>

namespace dsuptest {

namespace {

struct Notification {
  const char16_t* className;
  WORD code;
  const char* name;
};

#define NOTIFICATION(className, code) Notification{className, code, #code}
constexpr Notification notifications[] = {
    NOTIFICATION(u"Edit", EN_SETFOCUS),          NOTIFICATION(u"Edit", EN_KILLFOCUS),
    NOTIFICATION(u"Edit", EN_CHANGE),            NOTIFICATION(u"Edit", EN_UPDATE),
    NOTIFICATION(u"Edit", EN_MAXTEXT),           NOTIFICATION(u"ComboBox", CBN_SELCHANGE),
    NOTIFICATION(u"ComboBox", CBN_DBLCLK),       NOTIFICATION(u"ComboBox", CBN_SETFOCUS),
    NOTIFICATION(u"ComboBox", CBN_KILLFOCUS),    NOTIFICATION(u"ComboBox", CBN_EDITCHANGE),
    NOTIFICATION(u"ComboBox", CBN_EDITUPDATE),   NOTIFICATION(u"ComboBox", CBN_DROPDOWN),
    NOTIFICATION(u"ComboBox", CBN_CLOSEUP),      NOTIFICATION(u"ComboBox", CBN_SELENDOK),
    NOTIFICATION(u"Button", BN_CLICKED),
};
#undef NOTIFICATION

std::string notificationName(HWND control, WORD code) {
  const std::u16string className = classOf(control);
  for (const Notification& n : notifications)
    if (n.code == code && className == n.className) return n.name;
  return "code " + std::to_string(code);
}

}  // namespace

std::vector<std::string>& events() {
  static std::vector<std::string> log;
  return log;
}

std::vector<std::string> eventsWith(const std::string& part) {
  std::vector<std::string> found;
  std::copy_if(events().begin(), events().end(), std::back_inserter(found),
               [&](const std::string& event) { return event.find(part) != std::string::npos; });
  return found;
}

INT_PTR CALLBACK loggingDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return lParam;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const WORD code = HIWORD(wParam);
      const HWND control = reinterpret_cast<HWND>(lParam);
      events().push_back(control ? notificationName(control, code) + " " + std::to_string(id)
                                 : "command " + std::to_string(id));
      if (control && (code == EN_KILLFOCUS || (code == CBN_KILLFOCUS && id == comboBox)))
        PostMessageW(dialog, deferredMessage, static_cast<WPARAM>(id), 0);
      if (code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) EndDialog(dialog, id);
      return TRUE;
    }
    case deferredMessage:
      events().push_back("posted " + std::to_string(wParam) + (GetKeyState(VK_TAB) < 0 ? ", Tab down" : ""));
      return TRUE;
    default:
      return FALSE;
  }
}

std::u16string textOf(HWND window) {
  WCHAR buffer[256] = {};
  GetWindowTextW(window, buffer, 256);
  return text(buffer);
}

std::u16string classOf(HWND window) {
  WCHAR name[64] = {};
  GetClassNameW(window, name, 64);
  return text(name);
}

void handleQueue() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

int focusedId() {
  const HWND focus = GetFocus();
  return focus && (GetWindowLongPtrW(focus, GWL_STYLE) & WS_CHILD) ? GetDlgCtrlID(focus) : 0;
}

void DialogTest::SetUp() {
  PlatformTest::SetUp();
  events().clear();
  mainWindow = CreateWindowExW(0, w(u"Static"), w(u"Main window"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480,
                               nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(mainWindow, nullptr);
  addTemplate(standardDialog,
              {{u"Edit", firstEdit, WS_VISIBLE | WS_TABSTOP | WS_BORDER, u"", 10, 10, 40, 12},
               {u"Edit", secondEdit, WS_VISIBLE | WS_TABSTOP | WS_BORDER, u"", 10, 30, 40, 12},
               {u"ComboBox", comboBox, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN, nullptr, 10, 50, 60, 60},
               {u"Button", pushButton, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, u"Other", 80, 10, 40, 14},
               {u"Button", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 80, 30, 40, 14},
               {u"Button", IDCANCEL, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, u"Cancel", 80, 50, 40, 14}});
}

void DialogTest::TearDown() {
  if (dialog) {
    EXPECT_TRUE(DestroyWindow(dialog));
  }
  if (mainWindow) {
    EXPECT_TRUE(DestroyWindow(mainWindow));
  }
  PlatformTest::TearDown();
}

void DialogTest::addTemplate(WORD number, std::initializer_list<DialogItem> items, DWORD style,
                             const char16_t* caption) {
  ASSERT_TRUE(templates.add(number, {style, caption, 0, 0, 200, 100, items}));
}

INT_PTR DialogTest::runDialog(WORD number, LPARAM initParam) { return runDialog(number, loggingDialogProc, initParam); }

INT_PTR DialogTest::runDialog(WORD number, DLGPROC procedure, LPARAM initParam) {
  return DialogBoxParamW(module(), MAKEINTRESOURCEW(number), mainWindow, procedure, initParam);
}

void DialogTest::open(WORD number, LPARAM initParam) { open(number, loggingDialogProc, initParam); }

void DialogTest::open(WORD number, DLGPROC procedure, LPARAM initParam) {
  dialog = CreateDialogParamW(module(), MAKEINTRESOURCEW(number), mainWindow, procedure, initParam);
  ASSERT_NE(dialog, nullptr);
  events().clear();
}

BOOL DialogTest::pressKey(WPARAM key) {
  MSG message{GetFocus(), WM_KEYDOWN, key, 1, 0, {0, 0}};
  return IsDialogMessageW(dialog, &message);
}

Strings DialogTest::failureStarts(std::size_t length) {
  Strings starts;
  for (const std::string& failure : user.takeFailures()) starts.push_back(failure.substr(0, length));
  return starts;
}

}  // namespace dsuptest
