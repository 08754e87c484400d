// The main window as the user and the platform see it: created from the
// real template, with its controls, fonts, command bar, commands and the way
// out of the program.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_test_support.h"
#include "integration/registry_key.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "platform/handheld_command_bar.h"
#include "resource.h"
#include "test_dictionaries.h"
#include "ui_driver.h"

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override {
    application.reset();
    takeQuitMessage();
    deleteSettingsKey();
  }

  void open(DWORD showUI = 1) {
    writeSettingNumber(kShowUIValue, showUI);
    application = openMainWindow(folder.path());
    window = application->mainWindow;
    ASSERT_NE(window, nullptr);
  }

  HWND item(int id) const { return GetDlgItem(window, id); }
  HMENU menu() const { return CommandBar_GetMenu(application->commandBar, 0); }
  bool menuItemEnabled(UINT id) const { return !(GetMenuState(menu(), id, MF_BYCOMMAND) & MF_GRAYED); }
  bool toolButtonEnabled(UINT id) const {
    return SendMessageW(application->commandBar, TB_ISBUTTONENABLED, id, 0) != 0;
  }
  void setField(int id, const wchar_t* text) {
    SetDlgItemTextW(window, id, text);  // sends EN_CHANGE
    pumpMessages();
  }
  std::vector<TBBUTTON> toolBarButtons() const {
    std::vector<TBBUTTON> buttons(SendMessageW(application->commandBar, TB_BUTTONCOUNT, 0, 0));
    for (size_t i = 0; i < buttons.size(); ++i) {
      SendMessageW(application->commandBar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
    }
    return buttons;
  }
  // Clicks the tool bar button at `index` with the mouse.
  void clickToolBarButton(int index) {
    RECT button;
    ASSERT_TRUE(SendMessageW(application->commandBar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)));
    const LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(application->commandBar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(application->commandBar, WM_LBUTTONUP, 0, point);
    pumpMessages();
  }
  std::wstring storedString(const wchar_t* name) {
    wchar_t text[kPathCapacity];
    int length = kPathCapacity;
    return readSettingString(name, text, &length, L"<absent>") ? text : L"<absent>";
  }

  ScratchFolder folder;
  std::unique_ptr<Application> application;
  HWND window = nullptr;
};

struct ControlLayout {
  int id;
  const wchar_t* className;
  DWORD style;  // every bit must be set
  RECT dialogUnits;  // x, y, width, height
  const wchar_t* text;
};

// Template order, which is the tab order.
const ControlLayout kControls[] = {
    {-1, L"Static", SS_LEFT | WS_GROUP, {9, 30, 20, 8}, L"&From:"},
    {IDC_FROM_LANGUAGE, L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, {32, 28, 72, 81}, L""},
    {IDE_FROM_WORD, L"Edit", WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL | WS_TABSTOP, {9, 42, 95, 12}, L""},
    {IDC_FROM_LIST, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
     {9, 56, 95, 37}, L""},
    {IDC_FORWARD, L"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, {107, 42, 29, 14}, L"&>>"},
    {-1, L"Static", SS_LEFT | WS_GROUP, {138, 30, 12, 8}, L"&To:"},
    {IDC_TO_LANGUAGE, L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, {156, 28, 77, 81}, L""},
    {IDE_TO_WORD, L"Edit", WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL | WS_TABSTOP, {138, 42, 95, 12}, L""},
    {IDC_TO_LIST, L"ListBox", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP,
     {138, 56, 95, 37}, L""},
    {IDC_REVERSE, L"Button", BS_PUSHBUTTON | WS_TABSTOP, {107, 60, 29, 14}, L"&<<"},
    {IDC_ADD, L"Button", BS_PUSHBUTTON | WS_TABSTOP, {107, 79, 29, 14}, L"&Add"},
    {IDT_STATUS, L"Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX, {2, 101, 238, 11}, L""},
    {-1, L"Button", BS_GROUPBOX, {2, 17, 238, 82}, L"Translate Word"},
};

std::wstring className(HWND window) {
  wchar_t name[64];
  return std::wstring(name, GetClassNameW(window, name, 64));
}

// The dialog's controls in template order, without the command bar.
std::vector<HWND> templateControls(HWND window) {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (className(child) != TOOLBARCLASSNAMEW) controls.push_back(child);
  }
  return controls;
}

RECT rectInParent(HWND control) {
  RECT bounds;
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

TEST_F(MainWindowTest, ControlsFollowTheTemplateInTabOrder) {
  open();
  const std::vector<HWND> controls = templateControls(window);
  ASSERT_EQ(controls.size(), ARRAYSIZE(kControls));
  for (size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& expected = kControls[i];
    SCOPED_TRACE(testing::Message() << "control " << i << " (id " << expected.id << ")");
    HWND control = controls[i];
    EXPECT_EQ(GetDlgCtrlID(control), expected.id);
    EXPECT_EQ(_wcsicmp(className(control).c_str(), expected.className), 0);
    // The dialog manager draws a border as a client edge, and a list shows
    // its scroll bar only when it needs one.
    const DWORD style = GetWindowLongW(control, GWL_STYLE);
    const DWORD fixedBits = (expected.style & ~(WS_BORDER | WS_VSCROLL)) | WS_CHILD | WS_VISIBLE;
    EXPECT_EQ(style & fixedBits, fixedBits);
    if (expected.style & WS_BORDER) {
      EXPECT_TRUE((style & WS_BORDER) || (GetWindowLongW(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    }
    EXPECT_EQ(windowText(control), expected.text);

    RECT units = expected.dialogUnits;  // each field is mapped on its own
    MapDialogRect(window, &units);
    const RECT actual = rectInParent(control);
    EXPECT_EQ(actual.left, units.left);
    EXPECT_EQ(actual.top, units.top);
    EXPECT_EQ(actual.right - actual.left, units.right);
    // A drop-down list's height is that of its closed box.
    if (expected.style & CBS_DROPDOWNLIST) continue;
    EXPECT_EQ(actual.bottom - actual.top, units.bottom);
  }
  // Lists keep the engine's order; the status line takes no keyboard focus.
  EXPECT_FALSE(GetWindowLongW(item(IDC_TO_LIST), GWL_STYLE) & LBS_SORT);
  EXPECT_FALSE(GetWindowLongW(item(IDC_FROM_LIST), GWL_STYLE) & LBS_SORT);
  EXPECT_EQ(GetWindowLongW(item(IDT_STATUS), GWL_STYLE) & SS_TYPEMASK, SS_LEFTNOWORDWRAP);
  EXPECT_TRUE(GetWindowLongW(item(IDT_STATUS), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_FALSE(GetWindowLongW(item(IDT_STATUS), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(MainWindowTest, IsACaptionlessToolWindowTitledVocaroWithItsIcons) {
  open();
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(windowText(window), L"Vocaro");
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
  EXPECT_NE(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);

  RECT size{0, 0, 243, 114};
  MapDialogRect(window, &size);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, size.right);
  EXPECT_EQ(client.bottom, size.bottom);
  EXPECT_EQ(GetFocus(), item(IDE_FROM_WORD));
}

TEST_F(MainWindowTest, IsCentredOnTheScreenAboveTheMenuBarHeight) {
  open();
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU) - height) / 2);
}

TEST_F(MainWindowTest, ButtonsAndGroupBoxTakeTheBoldFontOtherControlsKeepTheDialogFont) {
  open();
  ASSERT_NE(application->boldFont, nullptr);
  LOGFONTW bold;
  ASSERT_EQ(GetObjectW(application->boldFont, sizeof bold, &bold), static_cast<int>(sizeof bold));
  EXPECT_EQ(bold.lfWeight, FW_BOLD);

  const HFONT boldFont = application->boldFont;
  auto fontOf = [](HWND control) { return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)); };
  for (int id : {IDC_FORWARD, IDC_REVERSE, IDC_ADD}) EXPECT_EQ(fontOf(item(id)), boldFont) << id;
  const std::vector<HWND> controls = templateControls(window);
  EXPECT_EQ(fontOf(controls.back()), boldFont) << "group box";
  EXPECT_EQ(fontOf(controls.front()), fontOf(item(IDE_FROM_WORD))) << "label";
  for (int id : {IDC_FROM_LANGUAGE, IDE_FROM_WORD, IDC_TO_LIST, IDT_STATUS}) {
    EXPECT_NE(fontOf(item(id)), boldFont) << id;
  }
}

TEST_F(MainWindowTest, ShowsAtStartOnlyWhenShowUIIsSet) {
  open(0);
  EXPECT_FALSE(IsWindowVisible(window));
  application.reset();

  open(5);  // any nonzero value counts as set
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(MainWindowTest, TapOnTheNotificationIconShowsTheHiddenWindow) {
  open(0);
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(window)) << "only a tap shows the window";
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(takeQuitMessage(), -1);
}

TEST_F(MainWindowTest, EscapeCloseRequestHideAndCloseButtonOnlyHideTheWindow) {
  open();
  HWND target = CreateWindowW(L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

  application->replaceTarget = target;
  MSG escape{};
  escape.hwnd = item(IDE_FROM_WORD);
  escape.message = WM_KEYDOWN;
  escape.wParam = VK_ESCAPE;
  EXPECT_TRUE(IsDialogMessageW(window, &escape));
  pumpMessages();
  EXPECT_FALSE(IsWindowVisible(window)) << "Escape";
  EXPECT_EQ(application->replaceTarget, nullptr);

  ShowWindow(window, SW_SHOW);
  SendMessageW(window, WM_CLOSE, 0, 0);
  pumpMessages();
  EXPECT_FALSE(IsWindowVisible(window)) << "close request";

  ShowWindow(window, SW_SHOW);
  SendMessageW(window, WM_COMMAND, IDM_HIDE, 0);
  EXPECT_FALSE(IsWindowVisible(window)) << "Hide";

  ShowWindow(window, SW_SHOW);
  clickToolBarButton(static_cast<int>(toolBarButtons().size()) - 1);
  EXPECT_FALSE(IsWindowVisible(window)) << "close button";

  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(takeQuitMessage(), -1) << "hiding never ends the program";
  DestroyWindow(target);
}

int helpRequests = 0;
LRESULT CALLBACK countHelpRequests(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_HELP) ++helpRequests;
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainWindowTest, HelpButtonOfTheCommandBarAsksTheWindowForHelp) {
  open();
  ASSERT_TRUE(SetWindowSubclass(window, countHelpRequests, 98, 0));
  helpRequests = 0;
  clickToolBarButton(static_cast<int>(toolBarButtons().size()) - 2);
  EXPECT_EQ(helpRequests, 1);
  EXPECT_TRUE(IsWindowVisible(window));
  RemoveWindowSubclass(window, countHelpRequests, 98);
}

TEST_F(MainWindowTest, ExitEndsTheLoopWithCode2AndRemembersTheLanguages) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  open();
  SendMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(application->mainWindow, nullptr);
  EXPECT_EQ(takeQuitMessage(), kExitCodeClosed);
  EXPECT_EQ(storedString(kLangFromValue), L"English");
  EXPECT_EQ(storedString(kLangToValue), L"German");
  EXPECT_STREQ(application->langFrom, L"English");
}

TEST_F(MainWindowTest, HibernateEndsTheLoopWithCode2AndRemembersTheLanguages) {
  writeDirection(folder.path(), L"de_en.tdl", "German", "English");
  open(0);
  SendMessageW(window, WM_HIBERNATE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(takeQuitMessage(), kExitCodeClosed);
  EXPECT_EQ(storedString(kLangFromValue), L"German");
  EXPECT_EQ(storedString(kLangToValue), L"English");
}

TEST_F(MainWindowTest, TheEndOfTheSessionWritesWhatExitAndTheEndOfTheRunWrite) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  open(0);
  SendMessageW(window, WM_COMMAND, IDM_SHOW_UI, 0);  // written when the run ends
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window, WM_ENDSESSION, FALSE, 0);  // the session goes on after all
  EXPECT_EQ(storedString(kLangFromValue), L"<absent>");

  SendMessageW(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(storedString(kLangFromValue), L"English");
  EXPECT_EQ(storedString(kLangToValue), L"German");
  DWORD showUI = 0;
  EXPECT_TRUE(readSettingNumber(kShowUIValue, &showUI, 7));
  EXPECT_EQ(showUI, 1u);
}

// Whether the shell shows lexpad's notification icon: only an icon it holds
// can be modified.
bool iconShown(HWND window) {
  NOTIFYICONDATAW icon{};
  icon.cbSize = notifyIconDataSize();
  icon.hWnd = window;
  icon.uID = IDI_APP;
  return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

TEST_F(MainWindowTest, AShellThatStartsAgainGetsTheNotificationIconBack) {
  open(0);
  ASSERT_TRUE(iconShown(window));
  // A shell that ends takes its icons with it.
  NOTIFYICONDATAW icon{};
  icon.cbSize = notifyIconDataSize();
  icon.hWnd = window;
  icon.uID = IDI_APP;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
  ASSERT_FALSE(iconShown(window));

  SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  EXPECT_TRUE(iconShown(window));
}

// A shell that is not ready: while this window exists, Shell_NotifyIcon asks
// it instead of the real one, and it refuses every icon.
int refusedIcons = 0;
LRESULT CALLBACK refuseIcons(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return DefWindowProcW(window, message, wParam, lParam);
  ++refusedIcons;
  return FALSE;
}

TEST_F(MainWindowTest, AnIconTheShellRefusedIsAddedOnceTheShellTakesIt) {
  WNDCLASSW shellClass{};
  shellClass.lpfnWndProc = refuseIcons;
  shellClass.hInstance = GetModuleHandleW(nullptr);
  shellClass.lpszClassName = L"Shell_TrayWnd";
  ASSERT_NE(RegisterClassW(&shellClass), 0);
  HWND busyShell = CreateWindowW(L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(busyShell, nullptr);
  refusedIcons = 0;
  open(0);
  EXPECT_GT(refusedIcons, 0) << "the busy shell was asked";

  DestroyWindow(busyShell);
  UnregisterClassW(L"Shell_TrayWnd", GetModuleHandleW(nullptr));
  ASSERT_FALSE(iconShown(window)) << "the real shell has not seen the icon yet";
  EXPECT_TRUE(pumpUntil([this] { return iconShown(window); }));
}

TEST_F(MainWindowTest, ALanguageBoxWithoutSelectionLeavesItsStoredNameAlone) {
  writeSettingString(kLangFromValue, L"Italian", -1);
  writeSettingString(kLangToValue, L"Dutch", -1);
  open();  // no dictionaries: both boxes empty
  SendMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(storedString(kLangFromValue), L"Italian");
  EXPECT_EQ(storedString(kLangToValue), L"Dutch");
}

TEST_F(MainWindowTest, ALanguageNameTooLongToRememberIsForgotten) {
  // 19 characters fit the remembered name with its terminator; 20 do not.
  writeDirection(folder.path(), L"long.tdl", "Nineteen characters", "Twenty characters ok");
  writeSettingString(kLangFromValue, L"Old", -1);
  writeSettingString(kLangToValue, L"Old", -1);
  open();
  ASSERT_EQ(itemText(window, IDC_TO_LANGUAGE), L"Twenty characters ok") << "the box shows the whole name";
  SendMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(storedString(kLangFromValue), L"Nineteen characters");
  EXPECT_EQ(storedString(kLangToValue), L"");
  EXPECT_STREQ(application->langTo, L"");
}

TEST_F(MainWindowTest, CommandBarSpansTheTopWithMenuToolButtonsAndAdornments) {
  open();
  HWND bar = application->commandBar;
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(GetParent(bar), window);
  const RECT barRect = rectInParent(bar);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(barRect.top, 0);
  EXPECT_EQ(barRect.right - barRect.left, client.right);
  EXPECT_EQ(application->commandBarHeight, barRect.bottom - barRect.top);
  EXPECT_GT(application->commandBarHeight, 16);
  // The group box, the highest control, starts below the bar.
  EXPECT_GE(rectInParent(templateControls(window).back()).top, barRect.bottom);

  const std::vector<TBBUTTON> buttons = toolBarButtons();
  // Three menu bar buttons, then the tool buttons, then the adornments
  // after a separator: help and close.
  ASSERT_EQ(buttons.size(), 3u + 7u + 3u);
  wchar_t text[32];
  const wchar_t* kMenus[] = {L"&File", L"&Edit", L"&Action"};
  for (int i = 0; i < 3; ++i) {
    SendMessageW(bar, TB_GETBUTTONTEXTW, buttons[i].idCommand, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, kMenus[i]);
  }
  const struct {
    int command;
    int image;
  } kTools[] = {{0, -1}, {IDM_COPY, 2}, {IDM_PASTE, 3}, {IDM_CLEAR_ALL, 6}, {0, -1}, {IDM_REPLACE, 0}, {IDM_OPTIONS, 11}};
  for (int i = 0; i < 7; ++i) {
    const TBBUTTON& button = buttons[3 + i];
    if (kTools[i].image < 0) {
      EXPECT_TRUE(button.fsStyle & BTNS_SEP) << i;
      continue;
    }
    EXPECT_EQ(button.idCommand, kTools[i].command);
    EXPECT_EQ(button.iBitmap, kTools[i].image);
  }
  EXPECT_TRUE(buttons[10].fsStyle & BTNS_SEP);

  // The adornments stand at the right end.
  RECT close;
  ASSERT_TRUE(SendMessageW(bar, TB_GETITEMRECT, buttons.size() - 1, reinterpret_cast<LPARAM>(&close)));
  RECT barClient;
  GetClientRect(bar, &barClient);
  EXPECT_LE(barClient.right - close.right, 8);
}

TEST_F(MainWindowTest, ToolTipsNameTheMenuBarAndEachToolButton) {
  open();
  HWND bar = application->commandBar;
  const std::vector<TBBUTTON> buttons = toolBarButtons();
  auto toolTipOf = [&](int id) {
    NMTTDISPINFOW info{};
    info.hdr.hwndFrom = reinterpret_cast<HWND>(SendMessageW(bar, TB_GETTOOLTIPS, 0, 0));
    info.hdr.idFrom = id;
    info.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(window, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&info));
    return std::wstring(info.lpszText != nullptr && info.lpszText != LPSTR_TEXTCALLBACKW ? info.lpszText : L"");
  };
  EXPECT_EQ(toolTipOf(buttons[0].idCommand), L"..");
  EXPECT_EQ(toolTipOf(buttons[2].idCommand), L"..");
  EXPECT_EQ(toolTipOf(IDM_COPY), L"Copy (Ctrl+C)");
  EXPECT_EQ(toolTipOf(IDM_PASTE), L"Paste (Ctrl+V)");
  EXPECT_EQ(toolTipOf(IDM_CLEAR_ALL), L"Clear All (Ctrl+D)");
  EXPECT_EQ(toolTipOf(IDM_REPLACE), L"Replace (Ctrl+R)");
  EXPECT_EQ(toolTipOf(IDM_OPTIONS), L"Options (Ctrl+O)");
}

TEST_F(MainWindowTest, MenuBarHoldsTheMenusOfTheCommands) {
  open();
  HMENU bar = menu();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  struct Item {
    UINT id;  // 0 for a separator
    const wchar_t* text;
  };
  const std::vector<std::vector<Item>> expected = {
      {{IDM_OPTIONS, L"&Options...\tCtrl+O"},
       {IDM_SHOW_UI, L"Show &UI at Statup"},
       {0, L""},
       {IDM_ABOUT, L"&About..."},
       {0, L""},
       {IDM_HIDE, L"&Hide\tESC"},
       {IDM_EXIT, L"&Exit\tCtrl+Q"}},
      {{IDM_COPY, L"&Copy\tCtrl+C"},
       {IDM_COPY_ALL, L"Copy &All\tCtrl+A"},
       {IDM_PASTE, L"&Paste\tCtrl+V"},
       {IDM_REPLACE, L"&Replace\tCtrl+R"},
       {IDM_CLEAR_ALL, L"C&lear All\tCtrl+D"},
       {0, L""},
       {IDM_ADD_WORD, L"Add &Word\tCtrl+W"}},
      {{IDM_TRANSLATE_FORWARD, L"Translate &>>\tCtrl+T"}, {IDM_TRANSLATE_REVERSE, L"Translate &<<\tCtrl+B"}},
  };
  for (int m = 0; m < 3; ++m) {
    HMENU popup = GetSubMenu(bar, m);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected[m].size()));
    for (size_t i = 0; i < expected[m].size(); ++i) {
      wchar_t text[64] = L"";
      GetMenuStringW(popup, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
      EXPECT_STREQ(text, expected[m][i].text);
      if (expected[m][i].id == 0) {
        EXPECT_TRUE(GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR);
      } else {
        EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(i)), expected[m][i].id);
      }
    }
  }
}

// Records the menus that drop down from the command bar, and closes each.
// A key set in keyInOpenMenu is pressed once in the first menu that opens.
HMENU lastDroppedMenu = nullptr;
UINT keyInOpenMenu = 0;
LRESULT CALLBACK recordMenus(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_INITMENUPOPUP) lastDroppedMenu = reinterpret_cast<HMENU>(wParam);
  if (message == WM_INITMENUPOPUP && keyInOpenMenu != 0) {
    PostMessageW(window, WM_KEYDOWN, keyInOpenMenu, 1);
    keyInOpenMenu = 0;
  }
  if (message == WM_ENTERIDLE) EndMenu();
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(MainWindowTest, MenuBarButtonsDropTheirMenusDownAndRefreshTheCommands) {
  open();
  ASSERT_TRUE(SetWindowSubclass(window, recordMenus, 99, 0));
  for (int i = 0; i < 3; ++i) {
    lastDroppedMenu = nullptr;
    application->showUI = 1 - application->showUI;  // the refresh shows it
    clickToolBarButton(i);
    EXPECT_EQ(lastDroppedMenu, GetSubMenu(menu(), i)) << i;
    EXPECT_EQ((GetMenuState(menu(), IDM_SHOW_UI, MF_BYCOMMAND) & MF_CHECKED) != 0, application->showUI != 0);
  }
  RemoveWindowSubclass(window, recordMenus, 99);
}

TEST_F(MainWindowTest, F10AndAltWithAMenuLetterDropTheMenusDownFromTheKeyboard) {
  open();
  ASSERT_TRUE(SetWindowSubclass(window, recordMenus, 99, 0));
  UserDriver driver(*application);
  driver.focus(IDE_FROM_WORD);
  // Left and Right in an open menu move on to the neighbouring menu.
  const struct {
    UINT key;
    UINT keyInMenu;
    int menu;
  } keys[] = {{VK_F10, 0, 0}, {VK_MENU, 0, 0}, {VK_F10, VK_RIGHT, 1}, {VK_F10, VK_LEFT, 2},
               {'F', 0, 0},   {'E', 0, 1},     {'A', 0, 2}};
  for (const auto& key : keys) {
    lastDroppedMenu = nullptr;
    keyInOpenMenu = key.keyInMenu;
    driver.pressSystemKey(key.key);
    EXPECT_EQ(lastDroppedMenu, GetSubMenu(menu(), key.menu)) << "key " << key.key << " then " << key.keyInMenu;
  }
  // A letter that no menu has stays the window's: "&To:" leads to the To box.
  lastDroppedMenu = nullptr;
  driver.pressSystemKey('T');
  EXPECT_EQ(lastDroppedMenu, nullptr);
  EXPECT_EQ(GetFocus(), item(IDC_TO_LANGUAGE));
  RemoveWindowSubclass(window, recordMenus, 99);
}

TEST_F(MainWindowTest, CommandsAreAvailableAsTheWordFieldsAndListsAllow) {
  open();
  for (int id : {IDC_FORWARD, IDC_REVERSE, IDC_ADD}) EXPECT_FALSE(IsWindowEnabled(item(id))) << id;
  for (UINT id : {IDM_TRANSLATE_FORWARD, IDM_TRANSLATE_REVERSE, IDM_ADD_WORD, IDM_COPY, IDM_COPY_ALL, IDM_REPLACE}) {
    EXPECT_FALSE(menuItemEnabled(id)) << id;
  }
  EXPECT_FALSE(toolButtonEnabled(IDM_COPY));
  EXPECT_FALSE(toolButtonEnabled(IDM_REPLACE));
  for (UINT id : {IDM_OPTIONS, IDM_ABOUT, IDM_HIDE, IDM_EXIT, IDM_CLEAR_ALL, IDM_SHOW_UI}) {
    EXPECT_TRUE(menuItemEnabled(id)) << id;
  }

  setField(IDE_FROM_WORD, L"haus");  // the first character enables Translate >>
  EXPECT_TRUE(IsWindowEnabled(item(IDC_FORWARD)));
  EXPECT_TRUE(menuItemEnabled(IDM_TRANSLATE_FORWARD));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_ADD)));
  EXPECT_FALSE(menuItemEnabled(IDM_COPY));

  setField(IDE_TO_WORD, L"house");
  EXPECT_TRUE(IsWindowEnabled(item(IDC_REVERSE)));
  EXPECT_TRUE(IsWindowEnabled(item(IDC_ADD)));
  EXPECT_TRUE(menuItemEnabled(IDM_ADD_WORD));
  EXPECT_TRUE(menuItemEnabled(IDM_COPY));
  EXPECT_TRUE(toolButtonEnabled(IDM_COPY));
  EXPECT_FALSE(menuItemEnabled(IDM_REPLACE)) << "no target remembered";

  SendDlgItemMessageW(window, IDC_TO_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"house"));
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  EXPECT_TRUE(menuItemEnabled(IDM_COPY_ALL));

  setField(IDE_FROM_WORD, L"");
  EXPECT_FALSE(IsWindowEnabled(item(IDC_FORWARD)));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_ADD)));
  EXPECT_TRUE(IsWindowEnabled(item(IDC_REVERSE)));
}

TEST_F(MainWindowTest, ReplaceIsAvailableWhileTheRememberedTargetIsAWindow) {
  open();
  setField(IDE_TO_WORD, L"house");
  HWND target = CreateWindowW(L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  application->replaceTarget = target;
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  EXPECT_TRUE(menuItemEnabled(IDM_REPLACE));
  EXPECT_TRUE(toolButtonEnabled(IDM_REPLACE));

  DestroyWindow(target);
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  EXPECT_FALSE(menuItemEnabled(IDM_REPLACE)) << "the target is gone";
  EXPECT_FALSE(toolButtonEnabled(IDM_REPLACE));
}

TEST_F(MainWindowTest, PasteIsAvailableWhileTheClipboardHoldsText) {
  open();
  auto putOnClipboard = [&](const wchar_t* text) {
    ASSERT_TRUE(OpenClipboard(window));
    EmptyClipboard();
    if (text != nullptr) {
      const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
      ASSERT_NE(block, nullptr);
      memcpy(GlobalLock(block), text, bytes);
      GlobalUnlock(block);
      if (SetClipboardData(CF_UNICODETEXT, block) == nullptr) GlobalFree(block);
    }
    CloseClipboard();
  };
  putOnClipboard(L"hello");
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  EXPECT_TRUE(menuItemEnabled(IDM_PASTE));
  EXPECT_TRUE(toolButtonEnabled(IDM_PASTE));

  putOnClipboard(nullptr);
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  EXPECT_FALSE(menuItemEnabled(IDM_PASTE));
  EXPECT_FALSE(toolButtonEnabled(IDM_PASTE));
}

TEST_F(MainWindowTest, ShowUIAtStartupToggleFlipsTheSettingAndItsCheckMark) {
  open();
  ASSERT_EQ(application->showUI, 1u);
  EXPECT_TRUE(GetMenuState(menu(), IDM_SHOW_UI, MF_BYCOMMAND) & MF_CHECKED);
  SendMessageW(window, WM_COMMAND, IDM_SHOW_UI, 0);
  EXPECT_EQ(application->showUI, 0u);
  EXPECT_FALSE(GetMenuState(menu(), IDM_SHOW_UI, MF_BYCOMMAND) & MF_CHECKED);
  SendMessageW(window, WM_COMMAND, IDM_SHOW_UI, 0);
  EXPECT_EQ(application->showUI, 1u);
  EXPECT_TRUE(GetMenuState(menu(), IDM_SHOW_UI, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(IsWindowVisible(window)) << "the toggle changes only the next start";
}

// Answers the first message box of this thread with OK.
BOOL CALLBACK answerMessageBox(HWND window, LPARAM answered) {
  wchar_t name[16];
  if (GetClassNameW(window, name, 16) == 0 || wcscmp(name, L"#32770") != 0) return TRUE;
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  *reinterpret_cast<bool*>(answered) = true;
  return FALSE;
}
bool messageBoxAnswered = false;
void CALLBACK answerMessageBoxLater(HWND, UINT, UINT_PTR, DWORD) {
  if (!messageBoxAnswered) {
    EnumThreadWindows(GetCurrentThreadId(), answerMessageBox, reinterpret_cast<LPARAM>(&messageBoxAnswered));
  }
}

TEST(RunApplication, WithoutAMainWindowItReportsTheFailureEndsWithCode0AndWritesNothing) {
  deleteSettingsKey();
  // lexcore.dll holds no dialog template, so no main window can be made.
  HINSTANCE withoutResources = GetModuleHandleW(L"lexcore.dll");
  ASSERT_NE(withoutResources, nullptr);
  messageBoxAnswered = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, answerMessageBoxLater);
  Application application;
  EXPECT_EQ(application.runApplication(withoutResources), 0);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(messageBoxAnswered) << "the failure is shown in a message box";
  EXPECT_EQ(application.mainWindow, nullptr);
  RegistryKey key;
  EXPECT_FALSE(key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) << "no setting is written";
}

TEST(Resources, StringTableHoldsTheApplicationTexts) {
  const struct {
    UINT id;
    const wchar_t* text;
  } kStrings[] = {
      {IDS_ERROR, L"Error"},
      {IDS_WORD_FOUND, L"Word found"},
      {IDS_WORD_NOT_FOUND, L"Word not found"},
      {IDS_SPELLINGS_RETURNED, L"Word not found. Possible spellings returned."},
      {IDS_DICTIONARY_NOT_OPEN, L"Dictionary is not open."},
      {IDS_APP_TITLE, L"Vocaro"},
      {IDS_NO_RESOURCES,
       L"Not enough system resources to initialize the application. Close one or more programs and try again.\\"},
      {IDS_CLIPBOARD_FAILED,
       L"Unable to copy data to the clipboard. Please close one or more applications and try again."},
      {IDS_ADD_NEEDS_WORDS, L"Unable to add a new word: enter the word and its translation."},
      {IDS_WORD_ADDED, L"A new word translation has been successfully added to the user dictionary."},
      {IDS_ADD_NEEDS_LANGUAGE, L"Unable to add a new word: language is not specified."},
      {IDS_DICTIONARY_FILTER, L"Dictionary (*.tdl)|*.tdl||"},
      {IDS_OPEN_DICTIONARY, L"Open Dictionary"},
      {IDS_TIP_MENU, L".."},
      {IDS_TIP_COPY, L"Copy (Ctrl+C)"},
      {IDS_TIP_PASTE, L"Paste (Ctrl+V)"},
      {IDS_TIP_CLEAR_ALL, L"Clear All (Ctrl+D)"},
      {IDS_TIP_REPLACE, L"Replace (Ctrl+R)"},
      {IDS_TIP_OPTIONS, L"Options (Ctrl+O)"},
      {IDS_CONFIRM_ADD, L"Add a new word translation to the user dictionary?"},
      {IDS_AVAILABLE_MEMORY, L"Available Memory: %ldKB"},
      {IDS_FREE_MEMORY, L"Free Memory: %ldKB"},
  };
  for (const auto& entry : kStrings) {
    wchar_t text[300] = L"";
    LoadStringW(GetModuleHandleW(nullptr), entry.id, text, 300);
    EXPECT_STREQ(text, entry.text) << entry.id;
  }
}

TEST(Resources, AcceleratorsMapControlKeysAndEnterToCommands) {
  HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN));
  ASSERT_NE(table, nullptr);
  ACCEL entries[32];
  const int count = CopyAcceleratorTableW(table, entries, 32);
  std::vector<std::pair<std::pair<BYTE, WORD>, WORD>> actual;
  for (int i = 0; i < count; ++i) {
    actual.push_back({{static_cast<BYTE>(entries[i].fVirt & ~0x80), entries[i].key}, entries[i].cmd});
  }
  const BYTE control = FVIRTKEY | FCONTROL;
  const std::vector<std::pair<std::pair<BYTE, WORD>, WORD>> expected = {
      {{control, 'A'}, IDM_COPY_ALL},    {{control, 'B'}, IDM_TRANSLATE_REVERSE},
      {{control, 'C'}, IDM_COPY},        {{control, 'D'}, IDM_CLEAR_ALL},
      {{control, 'O'}, IDM_OPTIONS},     {{control, 'Q'}, IDM_EXIT},
      {{control, 'R'}, IDM_REPLACE},     {{control, 'T'}, IDM_TRANSLATE_FORWARD},
      {{control, 'V'}, IDM_PASTE},       {{FVIRTKEY, VK_RETURN}, IDM_TRANSLATE_FORWARD},
      {{control, 'W'}, IDM_ADD_WORD},
  };
  EXPECT_EQ(actual, expected);
  DestroyAcceleratorTable(table);
}

}  // namespace
