// Replace: the translation in the captured word's letter case, followed by
// the rest of the captured text, pasted into the remembered control.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app_test_support.h"
#include "clipboard_support.h"
#include "integration/replace.h"
#include "platform/handheld_command_bar.h"
#include "resource.h"
#include "window_fixture.h"

namespace {

class ReplaceTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    openWindow(folder.path());
    ASSERT_TRUE(IsWindowVisible(window));
    LoadLibraryW(L"riched20.dll");
    target = CreateWindowW(L"RichEdit20W", L"", WS_POPUP | WS_VISIBLE, 0, 0, 300, 40, nullptr, nullptr, nullptr,
                           nullptr);
    ASSERT_NE(target, nullptr);
  }
  void TearDown() override {
    if (IsWindow(target)) DestroyWindow(target);
    WindowTest::TearDown();
  }

  // The state a capture of `selection` from the target's text `before` and a
  // translation to `translation` leave behind.
  void captured(const std::wstring& before, const std::wstring& selection, const std::wstring& word,
                const std::wstring& rest, const std::wstring& translation) {
    SetWindowTextW(target, before.c_str());
    const size_t start = before.find(selection);
    ASSERT_NE(start, std::wstring::npos);
    SendMessageW(target, EM_SETSEL, start, start + selection.size());
    SetDlgItemTextW(window, IDE_FROM_WORD, word.c_str());
    SetDlgItemTextW(window, IDE_TO_WORD, translation.c_str());
    ASSERT_LT(rest.size(), ARRAYSIZE(application->trailingText));
    wcscpy(application->trailingText, rest.c_str());
    application->trailingTextCut = false;
    application->replaceTarget = target;
    ShowWindow(window, SW_SHOW);
    ASSERT_TRUE(setClipboardText(selection));
  }
  bool replace() {
    const bool replaced = replaceInTarget(application->mainWindow, *application);
    pumpMessages();  // the target pastes
    return replaced;
  }
  void expectRefused(const std::wstring& targetText) {
    EXPECT_FALSE(replace());
    EXPECT_EQ(windowText(target), targetText);
    EXPECT_EQ(application->replaceTarget, target) << "the target is kept";
    EXPECT_TRUE(IsWindowVisible(window));
  }

  HWND target = nullptr;
};

TEST_F(ReplaceTest, TranslationTakesTheWordsCaseAndTheRestFollows) {
  captured(L"Das Haus und Hof.", L"Haus und Hof", L"Haus", L" und Hof", L"house");
  EXPECT_TRUE(replace());
  EXPECT_EQ(windowText(target), L"Das House und Hof.");
  EXPECT_EQ(clipboardText(), L"House und Hof");
  EXPECT_EQ(application->replaceTarget, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_STREQ(application->trailingText, L" und Hof") << "Replace does not clear the rest";
}

TEST_F(ReplaceTest, CasePatternsOfTheEdgeCases) {
  captured(L"in USA", L"USA", L"USA", L"", L"\x00E9tats-unis");
  EXPECT_TRUE(replace());
  EXPECT_EQ(windowText(target), L"in \x00C9TATS-UNIS");

  captured(L"ein haus", L"haus", L"haus", L"", L"House");
  EXPECT_TRUE(replace());
  EXPECT_EQ(windowText(target), L"ein House");

  // Leading blanks of the selection were dropped by the capture.
  captured(L"[  hello world]", L"  hello world", L"hello", L" world", L"hallo");
  EXPECT_TRUE(replace());
  EXPECT_EQ(windowText(target), L"[hallo world]");
}

TEST_F(ReplaceTest, NoTargetGoneTargetOrEmptyFieldDoesNothing) {
  captured(L"Haus", L"Haus", L"Haus", L"", L"house");
  application->replaceTarget = nullptr;
  EXPECT_FALSE(replace());
  EXPECT_EQ(windowText(target), L"Haus");
  EXPECT_TRUE(IsWindowVisible(window));

  captured(L"Haus", L"Haus", L"", L"", L"house");
  expectRefused(L"Haus");
  captured(L"Haus", L"Haus", L"Haus", L"", L"");
  expectRefused(L"Haus");
  EXPECT_EQ(clipboardText(), L"Haus") << "the clipboard is not touched";

  captured(L"Haus", L"Haus", L"Haus", L"", L"house");
  DestroyWindow(target);
  EXPECT_FALSE(replace());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(clipboardText(), L"Haus");
}

TEST_F(ReplaceTest, ClipboardThatCannotBeOpenedKeepsTargetAndWindow) {
  captured(L"Haus", L"Haus", L"Haus", L"", L"house");
  ClipboardHeldElsewhere holder;
  ASSERT_TRUE(holder.held());
  expectRefused(L"Haus");
}

// 511 characters and the terminator fill the buffer; the text is put back
// whole or not at all.
TEST_F(ReplaceTest, TextBeyondTheBufferIsRefusedNeverCut) {
  const std::wstring translation(300, L'h');
  const std::wstring fits(211, L'.');
  captured(L"Haus", L"Haus", L"haus", fits, translation);
  EXPECT_TRUE(replace());
  EXPECT_EQ(windowText(target), translation + fits);

  const std::wstring tooLong(212, L'.');
  captured(L"Haus", L"Haus", L"haus", tooLong, translation);
  expectRefused(L"Haus");

  const std::wstring longTranslation(600, L'h');
  captured(L"Haus", L"Haus", L"haus", L"", longTranslation);
  expectRefused(L"Haus");
}

TEST_F(ReplaceTest, CapturedTextLongerThanTheKeptRestIsRefused) {
  captured(L"Haus", L"Haus", L"Haus", L" und", L"house");
  application->trailingTextCut = true;
  expectRefused(L"Haus");
}

TEST_F(ReplaceTest, ReplaceCommandIsMarkedBusyAndRefreshesTheCommands) {
  captured(L"Haus", L"Haus", L"Haus", L"", L"house");
  HMENU menu = CommandBar_GetMenu(application->commandBar, 0);
  auto replaceEnabled = [&] { return !(GetMenuState(menu, IDM_REPLACE, MF_BYCOMMAND) & MF_GRAYED); };
  SendMessageW(window, WM_INITMENUPOPUP, 0, 0);
  ASSERT_TRUE(replaceEnabled());
  SendMessageW(window, WM_COMMAND, IDM_REPLACE, 0);
  pumpMessages();
  EXPECT_EQ(windowText(target), L"House");
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(application->busy, 0);
  EXPECT_FALSE(replaceEnabled()) << "the target is forgotten";
}

}  // namespace
