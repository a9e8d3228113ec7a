// MessageBoxW and MessageBeep. A message box is a modal dialog (class "#32770") of the platform's
// own module, with a Static text and push buttons, run by the same modal loop as DialogBoxParamW.
#include "user/message_box.h"

#include <qxplatform.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "kernel/dialog_resources.h"
#include "sim/trace_recorder.h"
#include "user/dialog_creation.h"
#include "user/dialog_state.h"
#include "user/modal_loop.h"
#include "user/window.h"

namespace qxplatform::user {

namespace {

constexpr int textId = 0xFFFF;
constexpr short buttonWidth = 50, buttonHeight = 14, buttonGap = 5, margin = 7;

struct MessageBoxSetup {
  std::vector<int> buttons;
  int defaultButton;
};

std::vector<int> buttonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OK: return {IDOK};
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {};
  }
}

const char16_t* buttonText(int id) {
  switch (id) {
    case IDOK: return u"OK";
    case IDCANCEL: return u"Cancel";
    case IDABORT: return u"&Abort";
    case IDRETRY: return u"&Retry";
    case IDIGNORE: return u"&Ignore";
    case IDYES: return u"&Yes";
    default: return u"&No";
  }
}

DialogResource layout(LPCWSTR text, LPCWSTR caption, const MessageBoxSetup& setup) {
  DialogResource box;
  box.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  box.caption = caption ? caption : u"Error";
  const auto count = static_cast<short>(setup.buttons.size());
  box.cx = static_cast<short>(std::max(200, 2 * margin + count * (buttonWidth + buttonGap)));
  box.cy = 2 * margin + 24 + buttonHeight;
  box.items.push_back({u"Static", textId, WS_VISIBLE | SS_LEFT, text ? text : u"", margin, margin,
                       static_cast<short>(box.cx - 2 * margin), 24});
  short x = margin;
  for (int id : setup.buttons) {
    const DWORD style = WS_VISIBLE | WS_TABSTOP | (id == setup.defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
                        (x == margin ? WS_GROUP : 0);
    box.items.push_back({u"Button", id, style, buttonText(id), x, margin + 24, buttonWidth, buttonHeight});
    x = static_cast<short>(x + buttonWidth + buttonGap);
  }
  return box;
}

bool hasButton(const MessageBoxSetup& setup, int id) {
  return std::find(setup.buttons.begin(), setup.buttons.end(), id) != setup.buttons.end();
}

INT_PTR CALLBACK messageBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* setup = reinterpret_cast<const MessageBoxSetup*>(GetWindowLongPtrW(box, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(box, DWLP_USER, lParam);
      setup = reinterpret_cast<const MessageBoxSetup*>(lParam);
      SetFocus(GetDlgItem(box, setup->defaultButton));
      return FALSE;
    case WM_COMMAND: {
      if (!setup) return FALSE;
      const int id = LOWORD(wParam);
      if (hasButton(*setup, id))
        EndDialog(box, id);
      else if (id == IDCANCEL && setup->buttons.size() == 1 && setup->buttons[0] == IDOK)
        EndDialog(box, IDOK);  // Escape closes a box that has only OK
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

bool isMessageBox(HWND window) {
  const auto state = dialogState(window);
  return state && state->messageBox;
}

std::u16string messageBoxText(HWND box) {
  const Window* text = isMessageBox(box) ? lookUpWindow(GetDlgItem(box, textId)) : nullptr;
  return text ? text->text : std::u16string();
}

}  // namespace qxplatform::user

using namespace qxplatform::user;

extern "C" int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  if (owner && !findWindow(owner)) return 0;
  MessageBoxSetup setup{buttonsOf(type), 0};
  if (setup.buttons.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
  setup.defaultButton = setup.buttons[defaultIndex < setup.buttons.size() ? defaultIndex : 0];
  const HWND top = owner ? topLevelOf(owner) : nullptr;
  const std::uint64_t traced =
      qxplatform::recordMessageBox(top, caption ? caption : u"Error", text ? text : u"", type);
  const bool disableOwner = top && IsWindowEnabled(top);
  if (disableOwner) EnableWindow(top, FALSE);
  const HINSTANCE platform = PlatformModuleOfAddress(reinterpret_cast<const void*>(&MessageBoxW));
  const HWND box = createDialog(platform, layout(text, caption, setup), top, messageBoxProcedure,
                                reinterpret_cast<LPARAM>(&setup), disableOwner);
  int answer = 0;
  if (box) {
    dialogState(box)->messageBox = true;
    answer = static_cast<int>(runModalLoop(box, 0));
  }
  if (disableOwner && IsWindow(top)) EnableWindow(top, TRUE);
  qxplatform::recordMessageBoxAnswer(traced, answer);
  return answer;
}

extern "C" BOOL WINAPI MessageBeep(UINT type) {
  qxplatform::recordBeep(type);
  return TRUE;
}
