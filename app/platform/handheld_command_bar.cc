#include "platform/handheld_command_bar.h"

#include <commctrl.h>

#include <new>

namespace {

// Control ids of the buttons that the bar adds itself.  They lie above every
// command id of the application.
constexpr int kFirstMenuButton = 0xE000;
constexpr int kLastMenuButton = 0xE0FF;
constexpr int kCloseAdornment = 0xE100;
constexpr int kHelpAdornment = 0xE101;

// Posted to the bar: drop the menu of menu bar button wParam down, as from
// the keyboard.
constexpr UINT kKeyboardMenuMessage = WM_APP + 1;

constexpr UINT_PTR kOwnerSubclassId = 1;
constexpr UINT_PTR kBarSubclassId = 2;
constexpr wchar_t kStateProperty[] = L"Vocaro.CommandBar";
constexpr wchar_t kOwnerProperty[] = L"Vocaro.CommandBarOwner";  // the same state, on the owner

constexpr int kImageSize = 16;
constexpr UINT kMaxToolTips = 16;
constexpr int kMaxOwnBitmaps = 4;
constexpr WPARAM kMaxAddedButtons = 32;

struct CommandBarState {
  HWND bar = nullptr;
  HWND owner = nullptr;
  HMENU menu = nullptr;
  WORD menuPosition = 0;
  const wchar_t* toolTips[kMaxToolTips] = {};
  UINT toolTipCount = 0;
  HBITMAP bitmaps[kMaxOwnBitmaps] = {};  // images the bar was given by handle
  int bitmapCount = 0;
  bool adorned = false;
  HHOOK menuKeyHook = nullptr;  // sees the Alt+letter keys of the owner's thread
};

CommandBarState* stateOf(HWND bar) {
  return bar != nullptr ? static_cast<CommandBarState*>(GetPropW(bar, kStateProperty)) : nullptr;
}

TBBUTTON makeButton(int image, int id, BYTE style) {
  TBBUTTON button{};
  button.iBitmap = image;
  button.idCommand = id;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = style;
  return button;
}

bool isMenuButton(int id) { return id >= kFirstMenuButton && id <= kLastMenuButton; }
bool isAdornment(int id) { return id == kCloseAdornment || id == kHelpAdornment; }

// Left or Right pressed in an open menu, as the menu loop sees it: -1 or 1,
// and the menu is closed; 0 while neither was pressed.  Menus open on the
// user-interface thread only, one at a time.
int menuStep = 0;

LRESULT CALLBACK menuStepFilter(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_MENU && message->message == WM_KEYDOWN &&
      (message->wParam == VK_LEFT || message->wParam == VK_RIGHT)) {
    menuStep = message->wParam == VK_LEFT ? -1 : 1;
    EndMenu();
    return TRUE;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Drops the menu of a menu bar button down under it.  The owner receives the
// menu's WM_INITMENUPOPUP and WM_COMMAND, as from a menu bar of its own.  As
// in a menu bar, Left and Right move to the neighbouring menu, and a menu
// opened from the keyboard starts with its first item selected.
void dropDownMenu(const CommandBarState& state, int buttonId, bool fromKeyboard = false) {
  const int menuCount = GetMenuItemCount(state.menu);
  for (;;) {
    HMENU popup = GetSubMenu(state.menu, buttonId - kFirstMenuButton);
    if (popup == nullptr) return;
    RECT button;
    if (!SendMessageW(state.bar, TB_GETRECT, buttonId, reinterpret_cast<LPARAM>(&button))) return;
    MapWindowPoints(state.bar, nullptr, reinterpret_cast<POINT*>(&button), 2);
    SendMessageW(state.bar, TB_PRESSBUTTON, buttonId, MAKELONG(TRUE, 0));
    if (fromKeyboard) PostMessageW(state.owner, WM_KEYDOWN, VK_DOWN, 0);
    menuStep = 0;
    HHOOK filter = SetWindowsHookExW(WH_MSGFILTER, menuStepFilter, nullptr, GetCurrentThreadId());
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.left, button.bottom, state.owner,
                     nullptr);
    if (filter != nullptr) UnhookWindowsHookEx(filter);
    SendMessageW(state.bar, TB_PRESSBUTTON, buttonId, MAKELONG(FALSE, 0));
    if (menuStep == 0 || menuCount < 1) return;
    buttonId = kFirstMenuButton + (buttonId - kFirstMenuButton + menuStep + menuCount) % menuCount;
    fromKeyboard = true;
  }
}

// The tooltip of a button: the first text belongs to the menu bar, the
// others to the tool buttons in order.  Null when the button has none.
const wchar_t* toolTipOf(const CommandBarState& state, int buttonId) {
  if (state.toolTipCount == 0) return nullptr;
  if (isMenuButton(buttonId)) return state.toolTips[0];
  const int count = static_cast<int>(SendMessageW(state.bar, TB_BUTTONCOUNT, 0, 0));
  UINT tip = 1;
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    if (!SendMessageW(state.bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) return nullptr;
    if ((button.fsStyle & BTNS_SEP) || isMenuButton(button.idCommand) || isAdornment(button.idCommand)) continue;
    if (button.idCommand == buttonId) return tip < state.toolTipCount ? state.toolTips[tip] : nullptr;
    ++tip;
  }
  return nullptr;
}

// CharUpperW converts a single character passed in place of the pointer.
wchar_t upperCase(wchar_t c) {
  LPWSTR converted = CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)));
  return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(converted));
}

// The menu bar button whose menu has `letter` as its mnemonic (the letter
// after a single &, letter case ignored), or 0.
int mnemonicButton(const CommandBarState& state, wchar_t letter) {
  if (state.menu == nullptr || letter == L'\0') return 0;
  const int count = GetMenuItemCount(state.menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[64];
    if (GetMenuStringW(state.menu, i, text, ARRAYSIZE(text), MF_BYPOSITION) == 0) continue;
    for (const wchar_t* c = text; c[0] != L'\0' && c[1] != L'\0'; ++c) {
      if (c[0] != L'&') continue;
      if (c[1] != L'&' && upperCase(c[1]) == upperCase(letter)) return kFirstMenuButton + i;
      ++c;  // "&&" stands for a plain &
    }
  }
  return 0;
}

// Alt with a letter reaches the window that has the focus, which in a dialog
// is a control: the dialog manager would take the letter for a control's
// mnemonic, and the system for the window's own (missing) menu bar.  This
// hook sees the letter first, when it is taken off the queue of the owner's
// thread, and drops the menu with that mnemonic down instead.
LRESULT CALLBACK menuKeyHook(int code, WPARAM removal, LPARAM lParam) {
  MSG* message = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && removal == PM_REMOVE && message->message == WM_SYSCHAR && message->hwnd != nullptr) {
    HWND root = GetAncestor(message->hwnd, GA_ROOT);
    const CommandBarState* state =
        root != nullptr ? static_cast<const CommandBarState*>(GetPropW(root, kOwnerProperty)) : nullptr;
    if (state != nullptr && IsWindowEnabled(root)) {
      const int button = mnemonicButton(*state, static_cast<wchar_t>(message->wParam));
      if (button != 0) {
        message->message = WM_NULL;
        PostMessageW(state->bar, kKeyboardMenuMessage, button, 0);
      }
    }
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

void sendHelpRequest(HWND owner) {
  HELPINFO help{};
  help.cbSize = sizeof help;
  help.iContextType = HELPINFO_WINDOW;
  help.hItemHandle = owner;
  GetCursorPos(&help.MousePos);
  SendMessageW(owner, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
}

// Sees the owner's messages first: the bar's notifications and the clicks on
// its own buttons are handled here, everything else goes on to the owner.
LRESULT CALLBACK ownerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  CommandBarState* state = reinterpret_cast<CommandBarState*>(data);
  switch (message) {
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == TBN_DROPDOWN && header->hwndFrom == state->bar) {
        const int buttonId = reinterpret_cast<const NMTOOLBARW*>(lParam)->iItem;
        if (isMenuButton(buttonId)) dropDownMenu(*state, buttonId);
        return TBDDRET_DEFAULT;
      }
      const HWND toolTipWindow = reinterpret_cast<HWND>(SendMessageW(state->bar, TB_GETTOOLTIPS, 0, 0));
      if (header->code == TTN_GETDISPINFOW && (header->hwndFrom == toolTipWindow || header->hwndFrom == state->bar)) {
        NMTTDISPINFOW* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        const wchar_t* text = toolTipOf(*state, static_cast<int>(info->hdr.idFrom));
        if (text != nullptr) {
          info->hinst = nullptr;
          info->lpszText = const_cast<wchar_t*>(text);
        }
        return 0;
      }
      break;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == state->bar) {
        if (LOWORD(wParam) == kCloseAdornment) {
          SendMessageW(owner, WM_CLOSE, 0, 0);
          return 0;
        }
        if (LOWORD(wParam) == kHelpAdornment) {
          sendHelpRequest(owner);
          return 0;
        }
      }
      break;
    case WM_SYSCOMMAND:
      // F10, or Alt pressed and released alone, opens the first menu; Alt
      // with a letter that reached the window opens the menu it names.
      if ((wParam & 0xFFF0) == SC_KEYMENU && state->menu != nullptr) {
        const int button = lParam == 0 ? kFirstMenuButton : mnemonicButton(*state, static_cast<wchar_t>(lParam));
        if (button != 0) {
          PostMessageW(state->bar, kKeyboardMenuMessage, button, 0);
          return 0;
        }
      }
      break;
    case WM_NCDESTROY:
      if (state->menuKeyHook != nullptr) UnhookWindowsHookEx(state->menuKeyHook);
      RemovePropW(owner, kOwnerProperty);
      RemoveWindowSubclass(owner, ownerProc, kOwnerSubclassId);
      if (state->menu != nullptr) DestroyMenu(state->menu);
      for (int i = 0; i < state->bitmapCount; ++i) DeleteObject(state->bitmaps[i]);
      delete state;
      break;
  }
  return DefSubclassProc(owner, message, wParam, lParam);
}

// A desktop tool bar makes every button as wide as the widest text, which
// here is a menu bar button's; the handheld's tool buttons are as wide as
// their image.  So every button added sizes itself.
LRESULT CALLBACK barProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == kKeyboardMenuMessage) {
    const CommandBarState* state = stateOf(bar);
    const int buttonId = static_cast<int>(wParam);
    if (state != nullptr && isMenuButton(buttonId)) dropDownMenu(*state, buttonId, true);
    return 0;
  }
  if (message == TB_ADDBUTTONSW && lParam != 0 && wParam <= kMaxAddedButtons) {
    const TBBUTTON* added = reinterpret_cast<const TBBUTTON*>(lParam);
    TBBUTTON buttons[kMaxAddedButtons];
    for (WPARAM i = 0; i < wParam; ++i) {
      buttons[i] = added[i];
      if (!(buttons[i].fsStyle & BTNS_SEP)) buttons[i].fsStyle |= BTNS_AUTOSIZE;
    }
    return DefSubclassProc(bar, message, wParam, reinterpret_cast<LPARAM>(buttons));
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(bar, barProc, kBarSubclassId);
  return DefSubclassProc(bar, message, wParam, lParam);
}

// Two images side by side, the close cross and the help question mark of a
// caption bar, on the button face colour, which the tool bar shows as
// transparent.
HBITMAP drawAdornmentImages(HWND bar) {
  HDC screen = GetDC(bar);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP images = CreateCompatibleBitmap(screen, 2 * kImageSize, kImageSize);
  ReleaseDC(bar, screen);
  if (dc == nullptr || images == nullptr) {
    if (dc != nullptr) DeleteDC(dc);
    if (images != nullptr) DeleteObject(images);
    return nullptr;
  }
  HGDIOBJ previousBitmap = SelectObject(dc, images);
  RECT all{0, 0, 2 * kImageSize, kImageSize};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));

  HPEN pen = CreatePen(PS_SOLID, 2, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ previousPen = SelectObject(dc, pen);
  MoveToEx(dc, 4, 4, nullptr);
  LineTo(dc, 12, 12);
  MoveToEx(dc, 11, 4, nullptr);
  LineTo(dc, 3, 12);
  SelectObject(dc, previousPen);
  if (pen != nullptr) DeleteObject(pen);

  HFONT font = CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
  HGDIOBJ previousFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  RECT help{kImageSize, 0, 2 * kImageSize, kImageSize};
  DrawTextW(dc, L"?", 1, &help, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, previousFont);
  if (font != nullptr) DeleteObject(font);

  SelectObject(dc, previousBitmap);
  DeleteDC(dc);
  return images;
}

// Adds images given by bitmap handle; the bar keeps the handle until it is
// destroyed.
int addBitmapHandle(CommandBarState& state, HBITMAP bitmap, int imageCount) {
  if (bitmap == nullptr) return -1;
  if (state.bitmapCount == kMaxOwnBitmaps) {
    DeleteObject(bitmap);
    return -1;
  }
  state.bitmaps[state.bitmapCount++] = bitmap;
  TBADDBITMAP images{nullptr, reinterpret_cast<UINT_PTR>(bitmap)};
  return static_cast<int>(SendMessageW(state.bar, TB_ADDBITMAP, imageCount, reinterpret_cast<LPARAM>(&images)));
}

void setBitmapSizeOnce(HWND bar, int width, int height) {
  if (SendMessageW(bar, TB_GETIMAGELIST, 0, 0) == 0) SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELONG(width, height));
}

}  // namespace

HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                 TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER,
                             0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (bar == nullptr) return nullptr;
  SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // Only buttons with BTNS_SHOWTEXT (the menu bar) show their text.
  SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);

  CommandBarState* state = new (std::nothrow) CommandBarState;
  if (state == nullptr) {
    DestroyWindow(bar);
    return nullptr;
  }
  state->bar = bar;
  state->owner = parent;
  if (!SetPropW(bar, kStateProperty, state)) {
    delete state;
    DestroyWindow(bar);
    return nullptr;
  }
  if (!SetWindowSubclass(bar, barProc, kBarSubclassId, 0) ||
      !SetWindowSubclass(parent, ownerProc, kOwnerSubclassId, reinterpret_cast<DWORD_PTR>(state))) {
    RemovePropW(bar, kStateProperty);
    delete state;
    DestroyWindow(bar);
    return nullptr;
  }
  return bar;
}

BOOL CommandBar_InsertMenubar(HWND commandBar, HINSTANCE instance, WORD menuId, WORD button) {
  CommandBarState* state = stateOf(commandBar);
  if (state == nullptr || state->menu != nullptr) return FALSE;
  HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(menuId));
  if (menu == nullptr) return FALSE;
  const int count = GetMenuItemCount(menu);
  if (count < 0 || count > kLastMenuButton - kFirstMenuButton + 1) {
    DestroyMenu(menu);
    return FALSE;
  }
  for (int i = 0; i < count; ++i) {
    wchar_t text[64];
    if (GetMenuStringW(menu, i, text, ARRAYSIZE(text), MF_BYPOSITION) == 0) text[0] = L'\0';
    TBBUTTON menuButton = makeButton(I_IMAGENONE, kFirstMenuButton + i, BTNS_DROPDOWN | BTNS_AUTOSIZE | BTNS_SHOWTEXT);
    menuButton.iString = reinterpret_cast<INT_PTR>(text);
    SendMessageW(commandBar, TB_INSERTBUTTONW, button + i, reinterpret_cast<LPARAM>(&menuButton));
  }
  state->menu = menu;
  state->menuPosition = button;
  if (state->menuKeyHook == nullptr && SetPropW(state->owner, kOwnerProperty, state)) {
    state->menuKeyHook =
        SetWindowsHookExW(WH_GETMESSAGE, menuKeyHook, nullptr, GetWindowThreadProcessId(state->owner, nullptr));
  }
  return TRUE;
}

int CommandBar_AddBitmap(HWND commandBar, HINSTANCE instance, int bitmapId, int imageCount, int width,
                         int height) {
  if (stateOf(commandBar) == nullptr) return -1;
  setBitmapSizeOnce(commandBar, width, height);
  // The bar maps the light grey of a palette image to the button face, so
  // that it shows as transparent.
  TBADDBITMAP images{instance, static_cast<UINT_PTR>(bitmapId)};
  return static_cast<int>(SendMessageW(commandBar, TB_ADDBITMAP, imageCount, reinterpret_cast<LPARAM>(&images)));
}

BOOL CommandBar_AddToolTips(HWND commandBar, UINT count, wchar_t* const* toolTips) {
  CommandBarState* state = stateOf(commandBar);
  if (state == nullptr || (toolTips == nullptr && count > 0) || count > kMaxToolTips) return FALSE;
  for (UINT i = 0; i < count; ++i) state->toolTips[i] = toolTips[i];
  state->toolTipCount = count;
  return TRUE;
}

BOOL CommandBar_AddAdornments(HWND commandBar, DWORD flags, DWORD) {
  CommandBarState* state = stateOf(commandBar);
  if (state == nullptr) return FALSE;
  if (state->adorned) return TRUE;

  setBitmapSizeOnce(commandBar, kImageSize, kImageSize);
  const int firstImage = addBitmapHandle(*state, drawAdornmentImages(commandBar), 2);
  if (firstImage < 0) return FALSE;

  // A separator first, then the help button when asked for, then close.
  TBBUTTON buttons[3] = {makeButton(0, 0, BTNS_SEP)};
  int buttonCount = 1;
  if (flags & CMDBAR_HELP) buttons[buttonCount++] = makeButton(firstImage + 1, kHelpAdornment, BTNS_BUTTON);
  buttons[buttonCount++] = makeButton(firstImage, kCloseAdornment, BTNS_BUTTON);
  const int separator = static_cast<int>(SendMessageW(commandBar, TB_BUTTONCOUNT, 0, 0));
  if (!SendMessageW(commandBar, TB_ADDBUTTONSW, buttonCount, reinterpret_cast<LPARAM>(buttons))) return FALSE;

  // Widening the separator by the free room puts the adornments at the
  // right end.
  RECT client;
  RECT separatorRect;
  RECT last;
  if (GetClientRect(commandBar, &client) &&
      SendMessageW(commandBar, TB_GETITEMRECT, separator, reinterpret_cast<LPARAM>(&separatorRect)) &&
      SendMessageW(commandBar, TB_GETITEMRECT, separator + buttonCount - 1, reinterpret_cast<LPARAM>(&last)) &&
      last.right < client.right) {
    TBBUTTONINFOW widen{};
    widen.cbSize = sizeof widen;
    widen.dwMask = TBIF_BYINDEX | TBIF_SIZE;
    widen.cx = static_cast<WORD>(separatorRect.right - separatorRect.left + client.right - last.right - 2);
    SendMessageW(commandBar, TB_SETBUTTONINFOW, separator, reinterpret_cast<LPARAM>(&widen));
  }
  state->adorned = true;
  return TRUE;
}

int CommandBar_Height(HWND commandBar) {
  RECT bounds;
  if (!GetWindowRect(commandBar, &bounds)) return 0;
  return bounds.bottom - bounds.top;
}

HMENU CommandBar_GetMenu(HWND commandBar, WORD button) {
  const CommandBarState* state = stateOf(commandBar);
  if (state == nullptr || button != state->menuPosition) return nullptr;
  return state->menu;
}
