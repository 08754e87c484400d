// A test fixture with lexpad's main window made from the real template, a
// scratch dictionaries folder, and a driver that uses the window as a user
// does; and a window of this program to capture from and replace into.
#ifndef LEXPAD_TESTS_WINDOW_FIXTURE_H
#define LEXPAD_TESTS_WINDOW_FIXTURE_H

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "app_test_support.h"
#include "integration/settings.h"
#include "platform/handheld_command_bar.h"
#include "resource.h"
#include "shell/application.h"
#include "ui_driver.h"

using Words = std::vector<std::wstring>;

// What lexpad reads from the registry at start.
struct LoadedSettings {
  DWORD options;
  std::wstring path;
  std::wstring langFrom;
  std::wstring langTo;
  DWORD showUI;
  DWORD stdEdit;
};
inline LoadedSettings loadedSettings() {
  Application application;
  loadSettings(application);
  EXPECT_EQ(application.dictionaryPathLength, static_cast<int>(wcslen(application.dictionaryPath)));
  return {application.options, application.dictionaryPath, application.langFrom,
          application.langTo,  application.showUI,         application.stdEdit};
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override {
    driver.reset();
    application.reset();
    takeQuitMessage();
    deleteSettingsKey();
  }

  // Opens the main window on `dictionaries`, with the languages `from` and
  // `to` remembered from an earlier run.
  void open(const std::wstring& dictionaries, const wchar_t* from = L"", const wchar_t* to = L"") {
    writeSettingString(kLangFromValue, from, -1);
    writeSettingString(kLangToValue, to, -1);
    // As the program's start does after reading the settings, with the
    // dictionaries folder given here.
    application.reset(new Application);
    application->instance = GetModuleHandleW(nullptr);
    loadSettings(*application);
    EXPECT_TRUE(setDictionaryPath(*application, dictionaries.c_str()));
    application->createBoldFont();
    EXPECT_TRUE(application->createMainWindow());
    window = application->mainWindow;
    ASSERT_NE(window, nullptr);
    driver.reset(new UserDriver(*application));
    driver->pump();
  }
  void open() { open(windowsPath(folder)); }
  // The same with every sample dictionary copied into the scratch folder.
  void openSamples(const wchar_t* from = L"English", const wchar_t* to = L"German") {
    copySampleDictionaries(windowsPath(folder));
    open(windowsPath(folder), from, to);
  }
  void close() {
    driver.reset();
    application.reset();
  }

  HWND item(int id) const { return GetDlgItem(window, id); }
  std::wstring status() const { return itemText(window, IDT_STATUS); }
  void command(UINT id) {
    SendMessageW(window, WM_COMMAND, id, 0);
    driver->pump();
  }
  // Types a word into the From word field, replacing what it held, and
  // presses Enter.
  void translate(const std::wstring& word) {
    SetDlgItemTextW(window, IDE_FROM_WORD, L"");
    driver->type(IDE_FROM_WORD, word);
    driver->press(VK_RETURN);
  }
  // The texts of a language box, and a choice in it as a user makes it.
  Words languages(int boxId) const { return comboTexts(item(boxId)); }
  void chooseItem(int boxId, LRESULT index) {
    SendDlgItemMessageW(window, boxId, CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(boxId)));
    driver->pump();
  }
  void choose(int boxId, const wchar_t* language) {
    ASSERT_TRUE(chooseLanguage(window, boxId, language));
    driver->pump();
  }

  // The command bar: its menu, whether a command is available in the menu
  // (after the refresh a menu that drops down gets) and as a tool button,
  // and a mouse click on a button of it.
  HWND commandBar() const { return FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr); }
  HMENU menu() const { return CommandBar_GetMenu(commandBar(), 0); }
  bool menuItemEnabled(UINT id) const {
    SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
    return !(GetMenuState(menu(), id, MF_BYCOMMAND) & MF_GRAYED);
  }
  bool toolButtonEnabled(UINT id) const { return SendMessageW(commandBar(), TB_ISBUTTONENABLED, id, 0) != 0; }
  // A negative index counts from the end.
  void clickToolBarButton(int index) {
    if (index < 0) index += static_cast<int>(SendMessageW(commandBar(), TB_BUTTONCOUNT, 0, 0));
    RECT button;
    ASSERT_TRUE(SendMessageW(commandBar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button)));
    const LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(commandBar(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(commandBar(), WM_LBUTTONUP, 0, point);
    driver->pump();
  }
  // A tap on the notification icon as the shell gives it.
  void tapIcon() {
    SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
    driver->pump();
  }

  vocaro_test::TempFolder folder;
  std::unique_ptr<Application> application;
  std::unique_ptr<UserDriver> driver;
  HWND window = nullptr;
};

// A top-level window of this program in front holding one control of class
// `controlClass` (an Edit control registered under that name when it is no
// class of the system) with its text selected and the keyboard focus.
class TargetWindow {
 public:
  explicit TargetWindow(const wchar_t* controlClass, const wchar_t* text = L"Haus");
  ~TargetWindow() { DestroyWindow(top); }
  TargetWindow(const TargetWindow&) = delete;
  TargetWindow& operator=(const TargetWindow&) = delete;
  // Selects `selection` in `text` and brings the window to the front.
  void select(const std::wstring& text, const std::wstring& selection) const;

  HWND top = nullptr;
  HWND control = nullptr;
  LONG_PTR ownProcedure = 0;
  static std::atomic<int> queriesSeenByOwnProcedure;  // focus queries that reached the window
};

#endif  // LEXPAD_TESTS_WINDOW_FIXTURE_H
