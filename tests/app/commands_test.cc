// The commands of the main window as the keys, buttons and tool buttons give
// them, and the availability of the commands after each.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/handheld_command_bar.h"
#include "window_fixture.h"

namespace {

using Words = std::vector<std::wstring>;

class CommandsTest : public WindowTest {
 protected:
  bool menuItemEnabled(UINT id) const {
    return !(GetMenuState(CommandBar_GetMenu(application->commandBar, 0), id, MF_BYCOMMAND) & MF_GRAYED);
  }
  bool toolButtonEnabled(UINT id) const {
    return SendMessageW(application->commandBar, TB_ISBUTTONENABLED, id, 0) != 0;
  }
  void clickToolButton(UINT id) {
    HWND bar = application->commandBar;
    RECT button;
    ASSERT_TRUE(SendMessageW(bar, TB_GETRECT, id, reinterpret_cast<LPARAM>(&button)));
    const LPARAM point = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    SendMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(bar, WM_LBUTTONUP, 0, point);
    driver->pump();
  }
};

TEST_F(CommandsTest, EnterInAnyControlTranslatesTheFromWord) {
  openSamples(L"English", L"German");
  driver->type(IDE_FROM_WORD, L"tree");
  for (int control : {IDE_TO_WORD, IDC_TO_LIST, IDC_FROM_LIST, IDC_TO_LANGUAGE}) {
    SetDlgItemTextW(window, IDE_TO_WORD, L"");
    driver->focus(control);
    driver->press(VK_RETURN);
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"Baum") << "focus on control " << control;
    EXPECT_EQ(driver->text(IDE_FROM_WORD), L"tree");
  }
}

TEST_F(CommandsTest, ControlTAndTheForwardButtonTranslateForwardControlBAndTheReverseButtonBack) {
  openSamples(L"English", L"German");
  driver->type(IDE_FROM_WORD, L"tree");
  driver->press('T', true);
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Baum"}));

  SetDlgItemTextW(window, IDE_TO_WORD, L"Haus");
  driver->press('B', true);
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"house"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"house");

  SetDlgItemTextW(window, IDE_FROM_WORD, L"water");
  driver->click(IDC_FORWARD);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Wasser");

  SetDlgItemTextW(window, IDE_TO_WORD, L"Baum");
  driver->click(IDC_REVERSE);
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"tree");
  EXPECT_EQ(application->busy, 0);
}

TEST_F(CommandsTest, TypingTheFirstCharacterMakesTranslateAvailable) {
  openSamples(L"English", L"German");
  ASSERT_FALSE(IsWindowEnabled(item(IDC_FORWARD)));
  driver->type(IDE_FROM_WORD, L"t");
  EXPECT_TRUE(IsWindowEnabled(item(IDC_FORWARD)));
  EXPECT_TRUE(menuItemEnabled(IDM_TRANSLATE_FORWARD));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_ADD)));
}

TEST_F(CommandsTest, ATranslationMakesTheToSideCommandsAvailable) {
  openSamples(L"English", L"German");
  driver->type(IDE_FROM_WORD, L"bank");
  driver->press(VK_RETURN);
  EXPECT_TRUE(menuItemEnabled(IDM_COPY));
  EXPECT_TRUE(toolButtonEnabled(IDM_COPY));
  EXPECT_TRUE(menuItemEnabled(IDM_COPY_ALL));
  EXPECT_TRUE(menuItemEnabled(IDM_TRANSLATE_REVERSE));
  EXPECT_TRUE(IsWindowEnabled(item(IDC_REVERSE)));
  EXPECT_TRUE(IsWindowEnabled(item(IDC_ADD)));
  EXPECT_TRUE(menuItemEnabled(IDM_ADD_WORD));
}

TEST_F(CommandsTest, ClearAllEmptiesBothSidesKeepsTheStatusLineAndGraysTheCommandsAgain) {
  openSamples(L"English", L"German");
  auto fillBothSides = [&] {
    SetDlgItemTextW(window, IDE_FROM_WORD, L"");
    driver->type(IDE_FROM_WORD, L"lives");
    driver->press(VK_RETURN);
    ASSERT_FALSE(driver->items(IDC_FROM_LIST).empty());
    ASSERT_FALSE(driver->items(IDC_TO_LIST).empty());
    driver->focus(IDE_TO_WORD);
  };
  auto expectCleared = [&](const char* how) {
    SCOPED_TRACE(how);
    EXPECT_EQ(driver->text(IDE_FROM_WORD), L"");
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"");
    EXPECT_TRUE(driver->items(IDC_FROM_LIST).empty());
    EXPECT_TRUE(driver->items(IDC_TO_LIST).empty());
    EXPECT_EQ(status(), L"Word not found. Possible spellings returned.");
    EXPECT_EQ(GetFocus(), item(IDE_FROM_WORD));
    for (UINT id : {IDM_TRANSLATE_FORWARD, IDM_TRANSLATE_REVERSE, IDM_COPY, IDM_COPY_ALL, IDM_ADD_WORD}) {
      EXPECT_FALSE(menuItemEnabled(id)) << id;
    }
    EXPECT_FALSE(toolButtonEnabled(IDM_COPY));
    for (int id : {IDC_FORWARD, IDC_REVERSE, IDC_ADD}) EXPECT_FALSE(IsWindowEnabled(item(id))) << id;
  };

  fillBothSides();
  driver->press('D', true);
  expectCleared("Ctrl+D");

  fillBothSides();
  clickToolButton(IDM_CLEAR_ALL);
  expectCleared("tool button");
}

TEST_F(CommandsTest, CommandsThatOpenADialogAreMarkedBusyMeanwhile) {
  openSamples(L"English", L"German");
  std::vector<int> busyWhileOpen;
  auto recordAndClose = [&](HWND dialog) {
    busyWhileOpen.push_back(application->busy);
    answer(dialog, IDCANCEL);
  };
  runWithDialogs(window, [&] { driver->press('O', true); }, {recordAndClose});
  runWithDialogs(window, [&] { SendMessageW(window, WM_COMMAND, IDM_ABOUT, 0); }, {recordAndClose});
  SetDlgItemTextW(window, IDE_FROM_WORD, L"zorblat");
  SetDlgItemTextW(window, IDE_TO_WORD, L"Zorbel");
  runWithDialogs(window, [&] { driver->press('W', true); }, {[&](HWND box) {
                   busyWhileOpen.push_back(application->busy);
                   answer(box, IDNO);
                 }});
  EXPECT_EQ(busyWhileOpen, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(application->busy, 0);
}

TEST_F(CommandsTest, ATapOnTheNotificationIconWhileADialogIsOpenShowsTheWindow) {
  openSamples(L"English", L"German");
  ShowWindow(window, SW_HIDE);
  bool shown = false;
  runWithDialogs(window, [&] { SendMessageW(window, WM_COMMAND, IDM_OPTIONS, 0); }, {[&](HWND dialog) {
                   SendMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
                   shown = IsWindowVisible(window) != FALSE;
                   answer(dialog, IDCANCEL);
                 }});
  EXPECT_TRUE(shown);
  EXPECT_EQ(application->busy, 0);
}

}  // namespace
