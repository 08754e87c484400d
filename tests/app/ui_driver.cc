#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app_test_support.h"
#include "resource.h"

UserDriver::UserDriver(Application& application)
    : application_(application),
      accelerators_(LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN))) {
  EXPECT_NE(accelerators_, nullptr);
}

UserDriver::~UserDriver() {
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

void UserDriver::pump() {
  pumpMessages([this](MSG& message) { application_.routeMessage(message, accelerators_); });
}

void UserDriver::focus(int controlId) {
  SetFocus(GetDlgItem(application_.mainWindow, controlId));
  pump();
}

void UserDriver::type(int fieldId, const std::wstring& text) {
  HWND field = GetDlgItem(application_.mainWindow, fieldId);
  if (GetFocus() != field) focus(fieldId);
  for (wchar_t c : text) {
    PostMessageW(field, WM_CHAR, c, 1);
    pump();
  }
}

void UserDriver::press(UINT virtualKey, bool control) {
  HWND target = GetFocus() != nullptr ? GetFocus() : application_.mainWindow;
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  pump();
  PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
  pump();
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;  // released again
  SetKeyboardState(keys);
}

void UserDriver::pressSystemKey(UINT virtualKey) {
  HWND target = GetFocus() != nullptr ? GetFocus() : application_.mainWindow;
  // Bit 29 of the key data: the Alt key is held.  The message loop's
  // TranslateMessage turns the letter's key into WM_SYSCHAR.
  const LPARAM keyData = virtualKey == VK_F10 ? 1 : 0x20000001;
  PostMessageW(target, WM_SYSKEYDOWN, virtualKey, keyData);
  pump();
  PostMessageW(target, WM_SYSKEYUP, virtualKey, keyData | 0xC0000000);
  pump();
}

void UserDriver::click(int buttonId) {
  SendDlgItemMessageW(application_.mainWindow, buttonId, BM_CLICK, 0, 0);
  pump();
}

void UserDriver::tap(int listId, int index, bool twice) {
  HWND list = GetDlgItem(application_.mainWindow, listId);
  RECT item{};
  EXPECT_NE(SendMessageW(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)), LB_ERR);
  const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  for (UINT down : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_LBUTTONDBLCLK)}) {
    SendMessageW(list, down, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    if (!twice) break;
  }
  pump();
}

std::wstring UserDriver::text(int controlId) const { return itemText(application_.mainWindow, controlId); }

std::vector<std::wstring> UserDriver::items(int listId) const {
  std::vector<std::wstring> texts;
  for (LRESULT i = 0; i < SendDlgItemMessageW(application_.mainWindow, listId, LB_GETCOUNT, 0, 0); ++i) {
    wchar_t text[1024] = L"";
    SendDlgItemMessageW(application_.mainWindow, listId, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

int UserDriver::selection(int listId) const {
  return static_cast<int>(SendDlgItemMessageW(application_.mainWindow, listId, LB_GETCURSEL, 0, 0));
}

namespace {

struct DialogWatch {
  HWND mainWindow = nullptr;
  std::vector<DialogHandler> handlers;
  size_t next = 0;
  std::vector<HWND> seen;
};
DialogWatch* activeWatch = nullptr;

BOOL CALLBACK findNewDialog(HWND window, LPARAM found) {
  const std::vector<HWND>& seen = activeWatch->seen;
  wchar_t name[16];
  if (window == activeWatch->mainWindow || !IsWindowVisible(window) || !GetClassNameW(window, name, 16) ||
      wcscmp(name, L"#32770") != 0 ||
      std::find(seen.begin(), seen.end(), window) != seen.end()) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK watchDialogs(HWND, UINT, UINT_PTR, DWORD) {
  DialogWatch* watch = activeWatch;
  if (watch == nullptr) return;
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findNewDialog, reinterpret_cast<LPARAM>(&dialog));
  if (dialog == nullptr) return;
  // Marked before its handler runs, which may open the next dialog.
  watch->seen.push_back(dialog);
  if (watch->next < watch->handlers.size()) {
    const DialogHandler handler = watch->handlers[watch->next++];
    handler(dialog);
  } else {
    ADD_FAILURE() << "an unexpected dialog opened: " << testing::PrintToString(staticTexts(dialog));
    answer(dialog, IDCANCEL);
  }
}

}  // namespace

int runWithDialogs(HWND mainWindow, const std::function<void()>& action, std::vector<DialogHandler> handlers) {
  DialogWatch watch;
  watch.mainWindow = mainWindow;
  watch.handlers = std::move(handlers);
  DialogWatch* const outer = activeWatch;
  activeWatch = &watch;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, watchDialogs);
  action();
  KillTimer(nullptr, timer);
  activeWatch = outer;
  return static_cast<int>(watch.seen.size());
}

std::wstring staticTexts(HWND dialog) {
  std::wstring texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16];
    if (GetClassNameW(child, name, 16) == 0 || _wcsicmp(name, L"Static") != 0) continue;
    const std::wstring text = windowText(child);
    if (text.empty()) continue;
    if (!texts.empty()) texts += L"|";
    texts += text;
  }
  return texts;
}

void answer(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
