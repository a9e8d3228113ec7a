/*
 * The user interface side of the Win32 subset (USER32): windows, messages, focus, dialogs,
 * controls, message boxes. Included by <windows.h>; compiles as C and as C++.
 *
 * The platform is headless: windows, messages, focus, dialogs and controls exist as objects and
 * behave as in Win32, nothing is drawn. Built-in window classes: "#32770" (dialogs), "Edit",
 * "ComboBox", "Button", "Static"; modules register classes of their own (RegisterClassW). Class
 * names are compared without regard to case.
 *
 * Threads: a window belongs to the thread that created it, and each thread has its own message
 * queue, focus and active window. PostMessageW and IsWindow may be called from any thread; every
 * other function that takes a window fails with ERROR_WINDOW_OF_OTHER_THREAD when called from
 * another thread than the window's. A handle that is 0, destroyed or not a window makes a call
 * fail as Win32 fails (0, FALSE or null, with ERROR_INVALID_WINDOW_HANDLE).
 *
 * Input: the keyboard and the mouse are the scripted user of the simulation controls
 * (platform/sim/scripted_user.h). Where Win32 would wait for input (GetMessageW, the loops of
 * DialogBoxParamW and MessageBoxW), the thread's scripted user plays its next action; when it has
 * none, the wait fails instead of hanging (see each function).
 *
 * Behaviours that the library's dialogs rely on, each pinned by a test in tests/platform/:
 *  1. Posted messages are taken from the queue before keyboard and mouse input; input that is
 *     generated at once (a key's down and up, a click's button down and up) waits while the
 *     messages posted in between are handled.
 *  2. PeekMessageW filters by window (a window and its descendants; -1 for thread messages only)
 *     and by message range, skipping earlier messages outside them; PM_REMOVE takes the message,
 *     PM_NOREMOVE leaves it queued.
 *  3. GetMessageTime is the tick count at which the last retrieved message was posted, or its input
 *     generated; it stays while sent messages are handled.
 *  4. SetFocus sends WM_KILLFOCUS to the old window (the focus already on the new one), then
 *     WM_SETFOCUS to the new one; edit and combo box fields notify their parent in that order:
 *     EN_KILLFOCUS or CBN_KILLFOCUS of the old before EN_SETFOCUS or CBN_SETFOCUS of the new. A
 *     window that is disabled, or inside a disabled window, cannot take the focus.
 *  5. An edit control sends EN_UPDATE then EN_CHANGE, before the call returns, for every change of
 *     its text: a typed character, a paste, EM_REPLACESEL and WM_SETTEXT (also with the same text,
 *     leaving the selection at 0..0). A multi-line edit and the edit part of a combo box do not
 *     notify WM_SETTEXT.
 *  6. EM_GETSEL returns the start in the low word and the end in the high word (and stores them
 *     through wParam and lParam when given); EM_SETSEL orders the two ends, clamps them to the
 *     text, selects all with (0, -1) and removes the selection with a start of -1.
 *  7. Combo box: CB_SELECTSTRING and CB_FINDSTRING search for a prefix without regard to case,
 *     from the item after the start index, wrapping around; CB_FINDSTRINGEXACT compares whole
 *     items; no match, and an empty text, give CB_ERR and leave the selection. CB_SETCURSEL and
 *     CB_SELECTSTRING update the edit text; they, WM_SETTEXT and CB_INSERTSTRING (-1 appends, an
 *     index beyond the count is CB_ERR) send no notification. The user's typing sends
 *     CBN_EDITUPDATE and CBN_EDITCHANGE and clears the selection; the user's choice from the list
 *     sends CBN_DROPDOWN as the list opens, then CBN_SELCHANGE (when the selection changes; the edit
 *     part shows the item after it),
 *     CBN_SELENDOK and CBN_CLOSEUP (Win32 leaves the order of these three open; Wine sends
 *     CBN_SELCHANGE last); the edit part is an "Edit" window with id 1001.
 *  8. GetDlgItemInt skips leading blanks, takes a sign only when signed, needs a digit, stops at
 *     the first other character and fails outside the 32-bit range; SetDlgItemInt writes signed
 *     or unsigned decimal.
 *  9. WM_NEXTDLGCTL with lParam nonzero focuses the window in wParam, with lParam 0 the next (or,
 *     with wParam nonzero, the previous) tab stop; an edit reached this way has all its text
 *     selected, and a push button reached this way becomes the default button.
 * 10. Dialog manager keys (IsDialogMessageW): Tab and Shift+Tab move over the visible, enabled
 *     WS_TABSTOP controls in creation order, wrapping around; Enter sends WM_COMMAND with BN_CLICKED
 *     for the focused default push button, else for DM_GETDEFID's button (nothing when that button
 *     is disabled; the default id is IDOK until the template or DM_SETDEFID sets one, and a button's
 *     default look does not change it), else WM_COMMAND IDOK; Escape sends WM_COMMAND IDCANCEL.
 *     A multi-line edit takes every key (DLGC_WANTALLKEYS) and does the dialog's part itself: Enter
 *     with ES_WANTRETURN makes a new line; without, the focus moves to DM_GETDEFID's button and
 *     Enter is pressed there (a carriage return typed into it makes no new line); Escape posts
 *     WM_CLOSE; Tab and Shift+Tab move on. A click on a push button does not make it the default button.
 *     WM_CLOSE is a posted click of IDCANCEL (a beep when that button is disabled).
 * 11. Dialog procedures: a nonzero result makes DWLP_MSGRESULT the message's result (except for
 *     WM_INITDIALOG and the WM_CTLCOLOR* messages); a zero result leaves the message to the
 *     dialog's default handling (focus memory, DM_GETDEFID, DM_SETDEFID, WM_NEXTDLGCTL, WM_CLOSE
 *     as IDCANCEL). WM_INITDIALOG returning TRUE focuses the first tab stop.
 * 12. Modal dialogs: DialogBoxParamW disables the owner, creates the dialog hidden, shows it right
 *     after WM_INITDIALOG when the template has WS_VISIBLE and otherwise when its queue first goes
 *     empty, returns the value given to EndDialog (or -1 when there is no template), then enables
 *     and activates the owner again, whose dialog gives the focus back to the control that had it.
 *     Dialogs and message boxes nest.
 * 13. Owners and parents: GW_OWNER of a dialog is its owner (the owner's top-level window);
 *     GetParent of an owned pop-up window is its owner, of a child its parent; GetActiveWindow is
 *     the top-level window with the focus; GWLP_HINSTANCE of a dialog is the template's module.
 * 14. GetTopWindow and GW_HWNDNEXT walk the children in creation (template) order.
 * 15. Message boxes are modal dialogs owned by the owner's top-level window: they take the focus
 *     (so the owner's focused field reports that it lost it) and give it back when they end.
 * 16. A mouse click on a control moves the focus at the button down and reports the click at the
 *     button up; messages posted in between are handled before the button up.
 * 17. Window longs DWLP_USER, DWLP_MSGRESULT, DWLP_DLGPROC, GWLP_ID, GWLP_HINSTANCE, GWL_STYLE,
 *     GWLP_USERDATA; BM_SETSTYLE changes the button type in GWL_STYLE.
 * 18. EnableWindow(FALSE) takes the focus from the window when it has it (a child of the window
 *     keeps it); ShowWindow(SW_HIDE) moves it out of the window to the parent; a window is visible
 *     only when its parents are.
 * 19. InvalidateRect makes WM_PAINT come when the queue holds nothing else; UpdateWindow sends it
 *     at once.
 * 20. The device context of any window has a font with an average character width of 7 and a
 *     height of 16; a window's client rectangle is its size from the template.
 * 21. A class registered without CS_GLOBALCLASS is found only for windows created with the
 *     registering module's instance (a dialog's controls get the dialog's instance); with it, for
 *     every module. A class cannot be unregistered while it has windows.
 * 22. A window's extra bytes (cbWndExtra) and GWLP_USERDATA start at 0; a mouse message carries the
 *     client point in lParam and the MK_* keys in wParam; a second button down becomes
 *     WM_LBUTTONDBLCLK only for a class with CS_DBLCLKS (the built-in classes have it).
 * 23. Subclassing: SetWindowLongPtrW(GWLP_WNDPROC) puts a new procedure in front of the window's
 *     and returns the previous one, which CallWindowProcW calls.
 */
#ifndef QX_PLATFORM_WINUSER_H
#define QX_PLATFORM_WINUSER_H

#ifndef QX_PLATFORM_WINDOWS_H
#error "include <windows.h> instead"
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Types ---------------------------------------------------------------------------------- */

DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HBRUSH);
typedef HICON HCURSOR;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagMSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
} MSG, *PMSG, *LPMSG;

typedef struct tagCREATESTRUCTW {
  LPVOID lpCreateParams;
  HINSTANCE hInstance;
  HMENU hMenu;
  HWND hwndParent;
  int cy;
  int cx;
  int y;
  int x;
  LONG style;
  LPCWSTR lpszName;
  LPCWSTR lpszClass;
  DWORD dwExStyle;
} CREATESTRUCTW, *LPCREATESTRUCTW;

#define MAKEINTRESOURCEW(id) ((LPWSTR)(ULONG_PTR)(WORD)(id))
#define IS_INTRESOURCE(name) ((((ULONG_PTR)(name)) >> 16) == 0)
#define MAKEWPARAM(low, high) ((WPARAM)(DWORD)MAKELONG(low, high))
#define MAKELPARAM(low, high) ((LPARAM)(DWORD)MAKELONG(low, high))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

/* ---- Errors of the user interface ----------------------------------------------------------- */

#define ERROR_NOT_SUPPORTED 50L
#define ERROR_INVALID_WINDOW_HANDLE 1400L
#define ERROR_TLW_WITH_WSCHILD 1406L
#define ERROR_CANNOT_FIND_WND_CLASS 1407L
#define ERROR_WINDOW_OF_OTHER_THREAD 1408L
#define ERROR_CLASS_ALREADY_EXISTS 1410L
#define ERROR_CLASS_DOES_NOT_EXIST 1411L
#define ERROR_CLASS_HAS_WINDOWS 1412L
#define ERROR_INVALID_INDEX 1413L
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L

/* ---- Window styles -------------------------------------------------------------------------- */

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE 0x01000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_DLGFRAME 0x00400000L
#define WS_VSCROLL 0x00200000L
#define WS_HSCROLL 0x00100000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L
#define WS_OVERLAPPEDWINDOW \
  (WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)
#define WS_POPUPWINDOW (WS_POPUP | WS_BORDER | WS_SYSMENU)

#define DS_3DLOOK 0x0004L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_CONTROL 0x0400L
#define DS_CENTER 0x0800L

#define CW_USEDEFAULT ((int)0x80000000)

/* ---- Messages ------------------------------------------------------------------------------- */

#define WM_NULL 0x0000
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_ACTIVATE 0x0006
#define WM_SETFOCUS 0x0007
#define WM_KILLFOCUS 0x0008
#define WM_ENABLE 0x000A
#define WM_SETTEXT 0x000C
#define WM_GETTEXT 0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_SHOWWINDOW 0x0018
#define WM_SETCURSOR 0x0020
#define WM_NEXTDLGCTL 0x0028
#define WM_DRAWITEM 0x002B
#define WM_MEASUREITEM 0x002C
#define WM_SETFONT 0x0030
#define WM_NOTIFY 0x004E
#define WM_GETDLGCODE 0x0087
#define WM_KEYFIRST 0x0100
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_SYSKEYDOWN 0x0104
#define WM_SYSKEYUP 0x0105
#define WM_KEYLAST 0x0109
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_TIMER 0x0113
#define WM_HSCROLL 0x0114
#define WM_VSCROLL 0x0115
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLOREDIT 0x0133
#define WM_CTLCOLORLISTBOX 0x0134
#define WM_CTLCOLORBTN 0x0135
#define WM_CTLCOLORDLG 0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC 0x0138
#define WM_MOUSEFIRST 0x0200
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_MOUSELAST 0x020E
#define WM_PASTE 0x0302
#define WM_USER 0x0400

/* WM_ACTIVATE */
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

/* Mouse message key flags */
#define MK_LBUTTON 0x0001
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

/* Virtual keys */
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_UP 0x26
#define VK_DOWN 0x28
#define VK_PACKET 0xE7

/* PeekMessageW */
#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define PM_NOYIELD 0x0002

/* ---- Window classes ------------------------------------------------------------------------- */

#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_GLOBALCLASS 0x4000

typedef struct tagWNDCLASSW {
  UINT style;
  WNDPROC lpfnWndProc;
  int cbClsExtra;
  int cbWndExtra;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;
  HBRUSH hbrBackground;
  LPCWSTR lpszMenuName;
  LPCWSTR lpszClassName;
} WNDCLASSW, *LPWNDCLASSW;

/* Registers a window class of the module `hInstance` (behaviour 21): its procedure, its style
 * (CS_DBLCLKS, CS_GLOBALCLASS; the others are kept and not used) and cbWndExtra extra bytes per
 * window, reached by GetWindowLongPtrW at offsets 0, sizeof(LONG_PTR), ... Icon, cursor, brush,
 * menu and class extra bytes are not used. Returns the class atom (from 0xC000 on), or 0 with
 * ERROR_CLASS_ALREADY_EXISTS when the module has a local class of that name, or a global one
 * exists, or ERROR_INVALID_PARAMETER without a procedure or a name. */
WINBASEAPI ATOM WINAPI RegisterClassW(const WNDCLASSW* windowClass);

/* Removes the class that module `instance` registered under the name. FALSE with
 * ERROR_CLASS_DOES_NOT_EXIST when there is none, ERROR_CLASS_HAS_WINDOWS while windows of it
 * exist. */
WINBASEAPI BOOL WINAPI UnregisterClassW(LPCWSTR className, HINSTANCE instance);

/* ---- Windows -------------------------------------------------------------------------------- */

/* Creates a window of a built-in class or of a class found for `instance` (behaviour 21). A
 * WS_CHILD window needs a parent, and `menu` is its id;
 * any other window is top-level, and a given `parent` becomes its owner (the top-level window of
 * it). Sends WM_CREATE (lParam: the CREATESTRUCTW); a result of -1 destroys the window again. A
 * top-level window created with WS_VISIBLE is activated. Sizes are pixels; CW_USEDEFAULT gives 0.
 * Returns the window, or null with ERROR_CANNOT_FIND_WND_CLASS, ERROR_TLW_WITH_WSCHILD (a child
 * without parent) or ERROR_INVALID_WINDOW_HANDLE (a parent that is not a window). */
WINBASEAPI HWND WINAPI CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName,
                                       DWORD style, int x, int y, int width, int height,
                                       HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);

/* Destroys the window, the windows it owns and its children: hides it (moving the focus and the
 * activation away), sends WM_DESTROY to it and then to its children, and releases them; messages
 * queued for them are dropped. */
WINBASEAPI BOOL WINAPI DestroyWindow(HWND window);

/* Nonzero while the handle names a window (from any thread). */
WINBASEAPI BOOL WINAPI IsWindow(HWND window);

/* Nonzero when `window` is a descendant (child, grandchild ...) of `parent`. */
WINBASEAPI BOOL WINAPI IsChild(HWND parent, HWND window);

/* The parent of a child window; the owner of an owned WS_POPUP window; null otherwise. */
WINBASEAPI HWND WINAPI GetParent(HWND window);

#define GW_HWNDFIRST 0
#define GW_HWNDLAST 1
#define GW_HWNDNEXT 2
#define GW_HWNDPREV 3
#define GW_OWNER 4
#define GW_CHILD 5

/* A related window: siblings in z-order (children in creation order, top-level windows newest
 * first), the owner of a top-level window, the first child. Null when there is none. */
WINBASEAPI HWND WINAPI GetWindow(HWND window, UINT relation);

/* The first child of `window` in z-order; with null, the first top-level window. */
WINBASEAPI HWND WINAPI GetTopWindow(HWND window);

/* Copies the class name (as "#32770", "Edit", "ComboBox", "Button", "Static", or as registered),
 * cut to capacity - 1 characters and terminated; returns its length, 0 on failure. */
WINBASEAPI int WINAPI GetClassNameW(HWND window, LPWSTR buffer, int capacity);

#define GWLP_WNDPROC (-4)
#define GWLP_HINSTANCE (-6)
#define GWLP_HWNDPARENT (-8)
#define GWLP_ID (-12)
#define GWL_STYLE (-16)
#define GWL_EXSTYLE (-20)
#define GWLP_USERDATA (-21)
#define DWLP_MSGRESULT 0
#define DWLP_DLGPROC (DWLP_MSGRESULT + sizeof(LRESULT))
#define DWLP_USER (DWLP_DLGPROC + sizeof(DLGPROC))

/* A window long: one of the GWL(P)_ values, or a byte offset into the class's extra bytes (dialogs
 * have DWLP_MSGRESULT, DWLP_DLGPROC and DWLP_USER). GWLP_HWNDPARENT gives the owner of a top-level
 * window and the parent of a child. Returns 0 with ERROR_INVALID_INDEX for another index. */
WINBASEAPI LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index);

/* Sets a window long and returns its previous value (0 with the last error set on failure).
 * GWLP_WNDPROC subclasses the window (behaviour 23); GWLP_HWNDPARENT cannot be set
 * (ERROR_INVALID_INDEX). Setting GWL_STYLE changes the style bits only, without messages. */
WINBASEAPI LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value);

/* The 32-bit forms: the value is cut to (or widened from) 32 bits. */
WINBASEAPI LONG WINAPI GetWindowLongW(HWND window, int index);
WINBASEAPI LONG WINAPI SetWindowLongW(HWND window, int index, LONG value);

/* WM_GETTEXT: copies at most capacity - 1 characters and a terminator; returns the number copied
 * (0, with nothing written, for a capacity of 0 or less). */
WINBASEAPI int WINAPI GetWindowTextW(HWND window, LPWSTR buffer, int capacity);

/* WM_GETTEXTLENGTH. */
WINBASEAPI int WINAPI GetWindowTextLengthW(HWND window);

/* WM_SETTEXT; null sets an empty text. */
WINBASEAPI BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text);

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_SHOWNA 8

/* Shows or hides a window (every command other than SW_HIDE shows; SW_SHOWNA and
 * SW_SHOWNOACTIVATE without activating). WM_SHOWWINDOW is sent when the visibility changes.
 * Showing a top-level window activates it; hiding a window moves the focus out of it to its
 * parent, and the activation from a hidden top-level window to its owner. Returns nonzero when the
 * window was visible before. */
WINBASEAPI BOOL WINAPI ShowWindow(HWND window, int command);

/* Nonzero when the window and all its parents have WS_VISIBLE. */
WINBASEAPI BOOL WINAPI IsWindowVisible(HWND window);

/* Enables or disables a window; disabling takes the focus from it when it has it (SetFocus with
 * null), not from its children. WM_ENABLE is sent when the state changes. Returns nonzero when it
 * was disabled before. */
WINBASEAPI BOOL WINAPI EnableWindow(HWND window, BOOL enable);

/* Nonzero when the window itself has no WS_DISABLED. */
WINBASEAPI BOOL WINAPI IsWindowEnabled(HWND window);

/* The client area: (0, 0, width, height); the headless windows have no frames. */
WINBASEAPI BOOL WINAPI GetClientRect(HWND window, LPRECT rect);

/* The default handling of a message: WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH on the window's
 * text, WM_PAINT validates the window, WM_CLOSE destroys it; 0 for everything else. */
WINBASEAPI LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* ---- Focus and activation ------------------------------------------------------------------- */

/* Gives the keyboard focus to a window of the calling thread (null: to none), activating its
 * top-level window first when needed; see behaviour 4. Returns the window that had the focus, or
 * null (nothing changed) when the window, or a window it is inside, is disabled. */
WINBASEAPI HWND WINAPI SetFocus(HWND window);

/* The window of the calling thread that has the focus, or null. */
WINBASEAPI HWND WINAPI GetFocus(void);

/* Makes a top-level window the active window of the calling thread: WM_ACTIVATE (WA_INACTIVE) to
 * the old one, WM_ACTIVATE (WA_ACTIVE) to the new one, and the focus into the new one when its
 * handling left it elsewhere. Null deactivates (and takes the focus away). Returns the previous
 * active window. */
WINBASEAPI HWND WINAPI SetActiveWindow(HWND window);

/* The active top-level window of the calling thread, or null. */
WINBASEAPI HWND WINAPI GetActiveWindow(void);

/* The state of a key as of the message last retrieved: the high bit is set while it is down. */
WINBASEAPI SHORT WINAPI GetKeyState(int virtualKey);

/* ---- Messages ------------------------------------------------------------------------------- */

/* Calls the window's procedure at once and returns its result; 0 for an invalid window. */
WINBASEAPI LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* Calls `procedure` with the message and returns its result: how a subclassing procedure passes a
 * message on to the procedure it replaced. */
WINBASEAPI LRESULT WINAPI CallWindowProcW(WNDPROC procedure, HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);

/* Puts a message into the queue of the window's thread (null: the calling thread's, as a thread
 * message), stamped with the tick count. */
WINBASEAPI BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/* Looks for a message of the calling thread: first posted messages, then keyboard and mouse input
 * (a key message goes to the window with the focus when it is taken, or to the active window as
 * WM_SYSKEY* when none has it), then WM_PAINT; the first that matches the window filter (null:
 * every window and thread messages; -1: thread messages only; a window: it and its descendants)
 * and the range (min and max 0: all). Returns nonzero and fills `message` when one is found;
 * PM_REMOVE takes it out of the queue (WM_PAINT stays until the window is validated). */
WINBASEAPI BOOL WINAPI PeekMessageW(LPMSG message, HWND window, UINT min, UINT max, UINT flags);

/* Takes the next message like PeekMessageW with PM_REMOVE. When none is queued, the thread's
 * scripted user plays its next action; when it has none, returns -1 (where Win32 would wait for
 * ever). Returns -1 for an invalid window filter too. */
WINBASEAPI BOOL WINAPI GetMessageW(LPMSG message, HWND window, UINT min, UINT max);

/* Posts WM_CHAR for a WM_KEYDOWN that makes a character (VK_PACKET with the character in the high
 * word of lParam, VK_BACK, VK_TAB, VK_RETURN, VK_ESCAPE, VK_SPACE, Ctrl+V as 0x16); returns nonzero
 * when it did. */
WINBASEAPI BOOL WINAPI TranslateMessage(const MSG* message);

/* Calls the procedure of the message's window; a WM_PAINT that the procedure left unvalidated is
 * validated. Returns the procedure's result (0 for a thread message or an invalid window). */
WINBASEAPI LRESULT WINAPI DispatchMessageW(const MSG* message);

/* The time of the last message retrieved by GetMessageW or PeekMessageW (behaviour 3). */
WINBASEAPI LONG WINAPI GetMessageTime(void);

/* Marks the window for painting (the rectangle and the erase flag are not used). */
WINBASEAPI BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase);

/* Sends WM_PAINT at once when the window is marked for painting. */
WINBASEAPI BOOL WINAPI UpdateWindow(HWND window);

/* ---- Dialogs -------------------------------------------------------------------------------- */

#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

/* Runs a modal dialog (behaviour 12) from the module's template `templateName`
 * (MAKEINTRESOURCEW of a number, a name, or "#n" for the number n), registered with
 * PlatformAddDialogTemplate (<qxplatform.h>), owned by the top-level window of `owner`, with
 * `dialogProc` and `initParam` as the lParam of WM_INITDIALOG. While the dialog's queue is empty
 * the thread's scripted user plays its actions. Returns the value given to EndDialog; -1 with
 * ERROR_RESOURCE_NAME_NOT_FOUND when there is no such template, -1 when a control cannot be
 * created, and -1 when the scripted user has no action left while the dialog is open (the dialog
 * is then ended and the failure recorded in the trace); 0 with ERROR_INVALID_WINDOW_HANDLE for an
 * owner that is not a window. */
WINBASEAPI INT_PTR WINAPI DialogBoxParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam);

/* Creates a modeless dialog from a template like DialogBoxParamW, shown at once when the template
 * has WS_VISIBLE. Returns the dialog, or null. Ended by DestroyWindow. */
WINBASEAPI HWND WINAPI CreateDialogParamW(HINSTANCE instance, LPCWSTR templateName, HWND owner,
                                          DLGPROC dialogProc, LPARAM initParam);

/* Ends a dialog with `result`: enables the owner, moves the focus out of the dialog, hides it and
 * activates the owner; DialogBoxParamW returns the result once the current message is handled.
 * FALSE for a window that is not a dialog. */
WINBASEAPI BOOL WINAPI EndDialog(HWND dialog, INT_PTR result);

/* The procedure of the dialog class: calls the dialog procedure, then the default handling
 * (behaviour 11). */
WINBASEAPI LRESULT WINAPI DefDlgProcW(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

/* Handles the message when it is for the dialog or one of its descendants: the dialog manager's
 * keys (behaviour 10), everything else translated and dispatched. Returns nonzero when the message
 * was for the dialog. */
WINBASEAPI BOOL WINAPI IsDialogMessageW(HWND dialog, LPMSG message);

/* The first direct child of the dialog with the id, or null. */
WINBASEAPI HWND WINAPI GetDlgItem(HWND dialog, int id);

/* The window's id (GWLP_ID); 0 on failure. */
WINBASEAPI int WINAPI GetDlgCtrlID(HWND window);

/* The next (or previous) visible and enabled WS_TABSTOP control of the dialog after `control`
 * (null: from the start), wrapping around; `control` itself when it is the only one. */
WINBASEAPI HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);

/* SendMessageW to the dialog's control with that id; 0 when there is none. */
WINBASEAPI LRESULT WINAPI SendDlgItemMessageW(HWND dialog, int id, UINT message, WPARAM wParam,
                                             LPARAM lParam);

/* GetWindowTextW of the control; without such a control the buffer receives an empty text. */
WINBASEAPI UINT WINAPI GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int capacity);

/* SetWindowTextW of the control; FALSE without such a control. */
WINBASEAPI BOOL WINAPI SetDlgItemTextW(HWND dialog, int id, LPCWSTR text);

/* The control's text as a decimal number (behaviour 8); `translated`, when given, says whether it
 * was one. Returns 0 when it was not. */
WINBASEAPI UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);

/* Sets the control's text to the value in decimal, signed or unsigned. */
WINBASEAPI BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);

/* ---- Edit controls -------------------------------------------------------------------------- */

#define ES_LEFT 0x0000L
#define ES_MULTILINE 0x0004L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define ES_WANTRETURN 0x1000L

#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_REPLACESEL 0x00C2
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_GETLIMITTEXT 0x00D5

#define EN_SETFOCUS 0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
#define EN_MAXTEXT 0x0501

/* ---- Buttons -------------------------------------------------------------------------------- */

#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define BS_CHECKBOX 0x00000002L
#define BS_AUTOCHECKBOX 0x00000003L
#define BS_RADIOBUTTON 0x00000004L
#define BS_3STATE 0x00000005L
#define BS_AUTO3STATE 0x00000006L
#define BS_GROUPBOX 0x00000007L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_TYPEMASK 0x0000000FL
#define BS_NOTIFY 0x00004000L

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5

#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002

#define BN_CLICKED 0
#define BN_DOUBLECLICKED 5
#define BN_SETFOCUS 6
#define BN_KILLFOCUS 7

/* ---- Static controls ------------------------------------------------------------------------ */

#define SS_LEFT 0x00000000L
#define SS_CENTER 0x00000001L
#define SS_RIGHT 0x00000002L

/* ---- List boxes ----------------------------------------------------------------------------- */

/* The client rectangle of an item (wParam: its index; lParam: the RECT), as list-like controls
 * answer it; LB_ERR for an index they do not have. */
#define LB_GETITEMRECT 0x0198
#define LB_ERR (-1)

/* ---- Combo boxes ---------------------------------------------------------------------------- */

#define CBS_SIMPLE 0x0001L
#define CBS_DROPDOWN 0x0002L
#define CBS_DROPDOWNLIST 0x0003L
#define CBS_AUTOHSCROLL 0x0040L
#define CBS_SORT 0x0100L
#define CBS_HASSTRINGS 0x0200L

#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_FINDSTRINGEXACT 0x0158

#define CB_OKAY 0
#define CB_ERR (-1)

#define CBN_SELCHANGE 1
#define CBN_DBLCLK 2
#define CBN_SETFOCUS 3
#define CBN_KILLFOCUS 4
#define CBN_EDITCHANGE 5
#define CBN_EDITUPDATE 6
#define CBN_DROPDOWN 7
#define CBN_CLOSEUP 8
#define CBN_SELENDOK 9

/* ---- Message boxes -------------------------------------------------------------------------- */

#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_ABORTRETRYIGNORE 0x00000002L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_RETRYCANCEL 0x00000005L
#define MB_TYPEMASK 0x0000000FL
#define MB_ICONHAND 0x00000010L
#define MB_ICONSTOP MB_ICONHAND
#define MB_ICONERROR MB_ICONHAND
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONEXCLAMATION 0x00000030L
#define MB_ICONWARNING MB_ICONEXCLAMATION
#define MB_ICONASTERISK 0x00000040L
#define MB_ICONINFORMATION MB_ICONASTERISK
#define MB_ICONMASK 0x000000F0L
#define MB_DEFBUTTON1 0x00000000L
#define MB_DEFBUTTON2 0x00000100L
#define MB_DEFBUTTON3 0x00000200L
#define MB_DEFMASK 0x00000F00L

/* Runs a modal message box (behaviour 15) owned by the top-level window of `owner` (or by none),
 * with a Static text and the buttons of `type`, the default one focused; a null caption is
 * "Error". Escape answers IDCANCEL when there is a Cancel button, IDOK for a box with only OK.
 * Returns the id of the button that closed it; 0 when the scripted user's next action is not an
 * answer (the failure is recorded in the trace). */
WINBASEAPI int WINAPI MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

/* Plays a sound: recorded in the simulation's trace. Returns TRUE. */
WINBASEAPI BOOL WINAPI MessageBeep(UINT type);

/* ---- Device contexts ------------------------------------------------------------------------ */

/* A device context for the window's client area (null: the screen), with the platform's one font.
 * REQUIRES: ReleaseDC for every device context obtained. */
WINBASEAPI HDC WINAPI GetDC(HWND window);

/* Releases a device context of GetDC; returns 1, or 0 when it is none (released already). As in
 * Win32, the window named is not checked. */
WINBASEAPI int WINAPI ReleaseDC(HWND window, HDC deviceContext);

#ifdef __cplusplus
}
#endif

#endif /* QX_PLATFORM_WINUSER_H */
