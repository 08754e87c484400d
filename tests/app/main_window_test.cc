// The main window as the user and the platform see it: showing and hiding,
// the notification icon, the command bar and the availability of commands,
// and the way out of the program.
#include <functional>

#include "platform/handheld.h"
#include "window_fixture.h"

namespace {

class MainWindowTest : public WindowTest {
 protected:
  void openShowing(DWORD showUI, const std::wstring& from = L"") {
    writeSettingNumber(kShowUIValue, showUI);
    open(windowsPath(folder), from.c_str());
  }
};

TEST_F(MainWindowTest, ShowsAtStartOnlyWhenShowUIIsSetOtherwiseOnATapOnTheIcon) {
  openShowing(0);
  EXPECT_FALSE(IsWindowVisible(window));
  SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(window)) << "only a tap on the icon shows it";
  tapIcon();
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(takeQuitMessage(), -1);
  close();
  openShowing(5);  // any nonzero value counts as set
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(windowText(window), L"Vocaro");
  EXPECT_EQ(GetFocus(), item(IDE_FROM_WORD));
}

TEST_F(MainWindowTest, AShellThatStartsAgainGetsTheNotificationIconBack) {
  openShowing(0);
  NOTIFYICONDATAW icon{};  // only an icon the shell holds can be deleted or modified
  icon.cbSize = notifyIconDataSize();
  icon.hWnd = window;
  icon.uID = IDI_APP;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));  // a shell that ends takes its icons with it
  ASSERT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &icon));
  SendMessageTimeoutW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000,
                      nullptr);
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon));
}

TEST_F(MainWindowTest, EscapeCloseRequestHideAndTheCloseButtonOnlyHideTheWindow) {
  openShowing(1);
  TargetWindow target(L"RichEdit20W");
  tapIcon();  // captures and remembers the target for Replace
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  ASSERT_TRUE(menuItemEnabled(IDM_REPLACE));
  driver->focus(IDE_FROM_WORD);
  driver->press(VK_ESCAPE);
  EXPECT_FALSE(IsWindowVisible(window)) << "Escape";
  EXPECT_FALSE(menuItemEnabled(IDM_REPLACE)) << "Escape forgets the target";
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"close request", [&] { SendMessageW(window, WM_CLOSE, 0, 0); }},
      {"Hide", [&] { command(IDM_HIDE); }},
      {"close button", [&] { clickToolBarButton(-1); }},
  };
  for (const auto& way : ways) {
    ShowWindow(window, SW_SHOW);
    way.second();
    driver->pump();
    EXPECT_FALSE(IsWindowVisible(window)) << way.first;
  }
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(takeQuitMessage(), -1) << "hiding never ends the program";
}

TEST_F(MainWindowTest, TheEndOfTheSessionWritesWhatExitAndTheEndOfTheRunWrite) {
  writeDirection(windowsPath(folder), L"en_de.tdl", "English", "German");
  openShowing(0);
  command(IDM_SHOW_UI);  // only checked now, written when the run ends
  EXPECT_TRUE(GetMenuState(menu(), IDM_SHOW_UI, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_FALSE(IsWindowVisible(window)) << "the toggle changes only the next start";
  deleteSettingsKey();
  EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageW(window, WM_ENDSESSION, FALSE, 0);  // the session goes on after all
  EXPECT_FALSE(settingsKeyExists());
  SendMessageW(window, WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(storedString(kLangFromValue), L"English");
  EXPECT_EQ(storedString(kLangToValue), L"German");
  EXPECT_EQ(storedNumber(kShowUIValue), 1u);
}

TEST_F(MainWindowTest, ALanguageThatCannotBeRememberedLeavesOrEmptiesItsStoredName) {
  openShowing(1, L"Italian");  // no dictionaries: both boxes empty
  command(IDM_EXIT);
  EXPECT_EQ(storedString(kLangFromValue), L"Italian");
  close();
  // 19 characters fit the remembered name with its terminator; 20 do not.
  writeDirection(windowsPath(folder), L"long.tdl", "Nineteen characters", "Twenty characters ok");
  openShowing(1);
  ASSERT_EQ(itemText(window, IDC_TO_LANGUAGE), L"Twenty characters ok");
  command(IDM_EXIT);
  EXPECT_EQ(storedString(kLangFromValue), L"Nineteen characters");
  EXPECT_EQ(storedString(kLangToValue), L"");
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

TEST_F(MainWindowTest, MenusDropDownFromTheCommandBarButtonsAndTheKeyboardWithTheirCommandsRefreshed) {
  openShowing(1);
  ASSERT_TRUE(SetWindowSubclass(window, recordMenus, 99, 0));
  for (int i = 0; i < 3; ++i) {
    lastDroppedMenu = nullptr;
    ASSERT_TRUE(i % 2 == 0 ? setClipboardText(L"text") : setClipboardText(nullptr));  // only the refresh shows it
    clickToolBarButton(i);
    EXPECT_EQ(lastDroppedMenu, GetSubMenu(menu(), i)) << i;
    EXPECT_EQ(!(GetMenuState(menu(), IDM_PASTE, MF_BYCOMMAND) & MF_GRAYED), i % 2 == 0) << i;
  }
  // F10, Alt alone and Alt with a menu letter; Left and Right in an open
  // menu move on to the neighbouring menu.
  driver->focus(IDE_FROM_WORD);
  const struct {
    UINT key;
    UINT keyInMenu;
    int menu;
  } keys[] = {{VK_F10, 0, 0}, {VK_MENU, 0, 0}, {VK_F10, VK_RIGHT, 1}, {VK_F10, VK_LEFT, 2},
               {'F', 0, 0},   {'E', 0, 1},     {'A', 0, 2},          {'T', 0, -1}};
  for (const auto& key : keys) {
    lastDroppedMenu = nullptr;
    keyInOpenMenu = key.keyInMenu;
    driver->pressSystemKey(key.key);
    EXPECT_EQ(lastDroppedMenu, key.menu < 0 ? nullptr : GetSubMenu(menu(), key.menu)) << key.key << " " << key.keyInMenu;
  }
  EXPECT_EQ(GetFocus(), item(IDC_TO_LANGUAGE)) << "a letter no menu has stays the window's: \"&To:\"";
  RemoveWindowSubclass(window, recordMenus, 99);
}

TEST_F(MainWindowTest, CommandsAreAvailableAsTheWordFieldsListsTargetAndClipboardAllow) {
  openShowing(1);
  ASSERT_TRUE(setClipboardText(nullptr));
  for (UINT id : {IDM_TRANSLATE_FORWARD, IDM_TRANSLATE_REVERSE, IDM_ADD_WORD, IDM_COPY, IDM_COPY_ALL, IDM_REPLACE,
                  IDM_PASTE}) {
    EXPECT_FALSE(menuItemEnabled(id)) << id;
  }
  for (UINT id : {IDM_COPY, IDM_REPLACE, IDM_PASTE}) EXPECT_FALSE(toolButtonEnabled(id)) << id;
  for (int id : {IDC_FORWARD, IDC_REVERSE, IDC_ADD}) EXPECT_FALSE(IsWindowEnabled(item(id))) << id;

  driver->type(IDE_FROM_WORD, L"h");  // the first character enables Translate >>
  EXPECT_TRUE(IsWindowEnabled(item(IDC_FORWARD)));
  EXPECT_TRUE(menuItemEnabled(IDM_TRANSLATE_FORWARD));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_ADD)));
  driver->type(IDE_TO_WORD, L"house");
  for (int id : {IDC_REVERSE, IDC_ADD}) EXPECT_TRUE(IsWindowEnabled(item(id))) << id;
  for (UINT id : {IDM_ADD_WORD, IDM_COPY, IDM_TRANSLATE_REVERSE}) EXPECT_TRUE(menuItemEnabled(id)) << id;
  EXPECT_TRUE(toolButtonEnabled(IDM_COPY));
  EXPECT_FALSE(menuItemEnabled(IDM_COPY_ALL)) << "no translations listed";
  SendDlgItemMessageW(window, IDC_TO_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"house"));
  EXPECT_TRUE(menuItemEnabled(IDM_COPY_ALL));

  ASSERT_TRUE(setClipboardText(L"hello"));
  EXPECT_TRUE(menuItemEnabled(IDM_PASTE));
  EXPECT_TRUE(toolButtonEnabled(IDM_PASTE));

  {
    TargetWindow target(L"RichEdit20W");
    tapIcon();
    SetDlgItemTextW(window, IDE_TO_WORD, L"house");
    EXPECT_TRUE(menuItemEnabled(IDM_REPLACE));
    EXPECT_TRUE(toolButtonEnabled(IDM_REPLACE));
  }
  EXPECT_FALSE(menuItemEnabled(IDM_REPLACE)) << "the target is gone";
  EXPECT_FALSE(toolButtonEnabled(IDM_REPLACE));

  SetDlgItemTextW(window, IDE_FROM_WORD, L"");
  driver->pump();
  EXPECT_FALSE(IsWindowEnabled(item(IDC_FORWARD)));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_ADD)));
}

}  // namespace
