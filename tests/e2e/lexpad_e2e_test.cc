// End-to-end: the real lexpad.exe with the sample dictionaries, and a target
// program of ours in front, as separate processes on one display.  The
// driver selects text in the target, taps lexpad's notification icon as the
// shell would, runs lexpad's commands, and reads both programs' windows and
// the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app_test_support.h"
#include "capture_target.h"
#include "clipboard_support.h"
#include "e2e_support.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {

constexpr wchar_t kRichEdit[] = L"RichEdit20W";
constexpr wchar_t kEdit[] = L"Edit";
constexpr wchar_t kUntouched[] = L"untouched";

class LexpadE2ETest : public ::testing::Test {
 protected:
  void SetUp() override {
    deleteSettingsKey();
    // Hidden at start, German to English; the dictionaries are the samples
    // beside lexpad.exe.
    ASSERT_TRUE(writeSettingNumber(kShowUIValue, 0));
    ASSERT_TRUE(writeSettingString(kLangFromValue, L"German", -1));
    ASSERT_TRUE(writeSettingString(kLangToValue, L"English", -1));
    ASSERT_TRUE(setClipboardText(kUntouched));
  }
  void TearDown() override { deleteSettingsKey(); }

  static std::wstring storedString(const wchar_t* name) {
    wchar_t text[kPathCapacity];
    int length = kPathCapacity;
    return readSettingString(name, text, &length, L"<absent>") ? text : L"<absent>";
  }
  static DWORD storedNumber(const wchar_t* name) {
    DWORD value = 0;
    return readSettingNumber(name, &value, 12345) ? value : 12345;
  }

  // The user gives the To word (as a translation would).
  static void enterTranslation(const Lexpad& lexpad, const wchar_t* word) {
    SendMessageW(lexpad.item(IDE_TO_WORD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(word));
  }

  // Ctrl+R typed on the keyboard, which goes to the foreground window.
  static void typeControlR() {
    INPUT keys[4] = {};
    const WORD keyCodes[4] = {VK_CONTROL, 'R', 'R', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
      keys[i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = keyCodes[i];
      keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, keys, sizeof(INPUT));
  }

  // Waits for the translation that follows a capture.
  static bool translatedTo(const Lexpad& lexpad, const std::wstring& word) {
    return waitUntil([&] { return lexpad.text(IDE_TO_WORD) == word; });
  }

  static void exitWithCode2(Lexpad& lexpad) {
    lexpad.command(IDM_EXIT);
    EXPECT_EQ(lexpad.process.exitCode(), 2u);
  }
};

TEST_F(LexpadE2ETest, CaptureFromRichEditAndReplaceWithTheTranslationInTheWordsCase) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  ASSERT_FALSE(lexpad.visible());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Das Haus und der Garten.", L"Haus und der");
  ASSERT_TRUE(target.activate());

  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Haus");
  EXPECT_TRUE(translatedTo(lexpad, L"house")) << lexpad.text(IDE_TO_WORD);
  EXPECT_EQ(lexpad.text(IDT_STATUS), L"Word found");
  EXPECT_EQ(lexpad.listItems(IDC_TO_LIST).at(0), L"house");
  EXPECT_EQ(clipboardText(), L"Haus und der") << "the target copied its selection";
  EXPECT_EQ(target.ask(TARGET_QUERIES_SEEN), 0) << "the focus query reached the target's own procedure";

  ASSERT_EQ(GetForegroundWindow(), lexpad.window);
  typeControlR();
  EXPECT_TRUE(waitUntil([&] { return target.text() == L"Das House und der Garten."; })) << target.text();
  EXPECT_FALSE(lexpad.visible());
  EXPECT_EQ(clipboardText(), L"House und der");

  // The target is forgotten: a second Replace does nothing.
  target.select(L"Haus", L"Haus");
  lexpad.command(IDM_REPLACE);
  Sleep(500);
  EXPECT_EQ(target.text(), L"Haus");
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, CaptureFromEditFillsTheWordButLeavesNothingToReplace) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"  Hund und Katze", L"  Hund und Katze");
  ASSERT_TRUE(target.activate());

  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Hund");
  EXPECT_TRUE(translatedTo(lexpad, L"dog")) << lexpad.text(IDE_TO_WORD);
  lexpad.command(IDM_REPLACE);
  Sleep(500);
  EXPECT_EQ(target.text(), L"  Hund und Katze");
  EXPECT_TRUE(lexpad.visible());
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, ReplaceCommandAfterTheUserTypedATranslation) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"(USA)", L"USA)");
  ASSERT_TRUE(target.activate());
  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"USA");
  EXPECT_TRUE(waitUntil([&] { return lexpad.text(IDT_STATUS) == L"Word not found"; })) << lexpad.text(IDT_STATUS);
  enterTranslation(lexpad, L"\x00E9tats-unis");
  lexpad.command(IDM_REPLACE);
  EXPECT_TRUE(waitUntil([&] { return target.text() == L"(\x00C9TATS-UNIS)"; })) << target.text();
  EXPECT_FALSE(lexpad.visible());
  exitWithCode2(lexpad);
}

// Under Wine, once the active program has closed, the notification area is
// in front with no application below it.
TEST_F(LexpadE2ETest, CaptureWithTheDesktopInFrontOnlyShowsTheWindow) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  {
    Target target(kRichEdit);
    ASSERT_TRUE(target.ready());
    target.select(L"Haus", L"Haus");
    ASSERT_TRUE(target.activate());
    PostMessageW(target.top, WM_CLOSE, 0, 0);
    EXPECT_EQ(target.process.exitCode(), 0u);
  }
  ASSERT_TRUE(waitUntil([] { return GetForegroundWindow() == FindWindowW(L"__winex11_standalone_tray", nullptr); }));

  PostMessageW(lexpad.window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  EXPECT_TRUE(waitUntil([&] { return lexpad.visible(); }));
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"");
  EXPECT_EQ(clipboardText(), kUntouched);
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, TargetThatDoesNotAnswerIsGivenUpAfterOneSecondAndLaterAnswersAgain) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Haus", L"Haus");
  ASSERT_TRUE(target.activate());

  PostMessageW(target.top, TARGET_STOP_ANSWERING, 0, 4000);
  const DWORD waited = lexpad.tap();
  EXPECT_GE(waited, 900u);
  EXPECT_LT(waited, 3000u);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"");
  EXPECT_EQ(clipboardText(), kUntouched);

  // Once it answers again, its own procedure is in place and nothing of
  // lexpad's is left on its thread: the query left in its queue reaches
  // the window itself.  Sent messages go before posted ones, so the target
  // may answer a question or two before it takes the query from its queue.
  EXPECT_EQ(target.ask(TARGET_PING), kTargetAlive);
  EXPECT_TRUE(waitUntil([&] { return target.ask(TARGET_QUERIES_SEEN) != 0; }));
  EXPECT_EQ(target.ask(TARGET_QUERIES_SEEN), 1);
  ASSERT_TRUE(lexpad.hide());
  ASSERT_TRUE(target.activate());
  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Haus");
  EXPECT_EQ(target.ask(TARGET_QUERIES_SEEN), 1);
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, ControlThatDoesNotCopyIsGivenUpAfterOneSecond) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit, true);
  ASSERT_TRUE(target.ready());
  target.select(L"Haus", L"Haus");
  ASSERT_TRUE(target.activate());
  const DWORD waited = lexpad.tap();
  EXPECT_GE(waited, 900u);
  EXPECT_LT(waited, kSlowCopyMs - 1000);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"");
  // Not remembered: Replace does nothing.
  enterTranslation(lexpad, L"house");
  lexpad.command(IDM_REPLACE);
  Sleep(kSlowCopyMs);
  EXPECT_EQ(target.text(), L"Haus");
  EXPECT_TRUE(lexpad.visible());
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, ExitWhileTheCaptureWaitsEndsTheProgram) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  ASSERT_TRUE(target.activate());
  PostMessageW(target.top, TARGET_STOP_ANSWERING, 0, 3000);
  PostMessageW(lexpad.window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  lexpad.command(IDM_EXIT);
  EXPECT_EQ(lexpad.process.exitCode(5000), 2u);
  EXPECT_EQ(storedString(kLangFromValue), L"German");
}

TEST_F(LexpadE2ETest, ReplaceAfterTheTargetClosedDoesNothing) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  {
    Target target(kRichEdit);
    ASSERT_TRUE(target.ready());
    target.select(L"Haus", L"Haus");
    ASSERT_TRUE(target.activate());
    EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
    EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Haus");
    EXPECT_TRUE(translatedTo(lexpad, L"house"));
    PostMessageW(target.top, WM_CLOSE, 0, 0);
    EXPECT_EQ(target.process.exitCode(), 0u);
  }
  lexpad.command(IDM_REPLACE);
  Sleep(500);
  EXPECT_TRUE(lexpad.visible());
  EXPECT_EQ(clipboardText(), L"Haus") << "nothing was put on the clipboard";
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, CopyAndCopyAllAreReadBackByTheTarget) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Garten", L"Garten");
  ASSERT_TRUE(target.activate());
  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  ASSERT_TRUE(translatedTo(lexpad, L"garden")) << lexpad.text(IDE_TO_WORD);
  std::wstring allTranslations;
  for (const std::wstring& item : lexpad.listItems(IDC_TO_LIST)) allTranslations += item + L" ";
  ASSERT_EQ(allTranslations.substr(0, 7), L"garden ");

  // The target pastes only once lexpad is done: a clipboard that the target
  // holds open would make lexpad's copy fail.
  auto pastedByTarget = [&] {
    EXPECT_TRUE(lexpad.settle());
    target.select(L"", L"");
    SendMessageW(target.control, WM_PASTE, 0, 0);
    return target.text();
  };
  lexpad.command(IDM_COPY);
  EXPECT_EQ(pastedByTarget(), L"garden");
  lexpad.command(IDM_COPY_ALL);
  EXPECT_EQ(pastedByTarget(), allTranslations);
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, TapWhileADialogOrMessageBoxIsOpenCapturesNothing) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Haus", L"Haus");
  ShowWindow(lexpad.window, SW_SHOW);
  enterTranslation(lexpad, L"house");

  // Taps the icon with the target in front while `box` is open, then
  // closes it.
  auto tapWhileOpen = [&](HWND box) {
    ASSERT_TRUE(target.activate());
    PostMessageW(lexpad.window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
    EXPECT_TRUE(lexpad.settle());
    Sleep(500);  // longer than a capture from this target takes
    EXPECT_TRUE(lexpad.visible());
    EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"");
    EXPECT_EQ(clipboardText(), kUntouched);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return lexpad.ownedWindow() == nullptr; }));
  };

  lexpad.command(IDM_ABOUT);
  HWND about = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (about = lexpad.ownedWindow()) != nullptr; }));
  EXPECT_EQ(textOf(about), L"About Vocaro");
  tapWhileOpen(about);

  // While the driver holds the clipboard, Copy fails with its message box.
  ASSERT_TRUE(OpenClipboard(nullptr));
  lexpad.command(IDM_COPY);
  HWND box = nullptr;
  EXPECT_TRUE(waitUntil([&] { return (box = lexpad.ownedWindow()) != nullptr; }));
  CloseClipboard();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(textOf(box), L"Vocaro");
  EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)),
            L"Unable to copy data to the clipboard. Please close one or more applications and try again.");
  tapWhileOpen(box);

  ASSERT_TRUE(target.activate());
  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Haus") << "no command runs any more";
  exitWithCode2(lexpad);
}

TEST_F(LexpadE2ETest, SecondStartShowsTheRunningWindowWithItsCapture) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Garten", L"Garten");
  ASSERT_TRUE(target.activate());
  EXPECT_LT(lexpad.tap(), kE2ETimeoutMs);
  ASSERT_TRUE(lexpad.hide());
  deleteSettingsKey();

  ChildProcess second(L"lexpad.exe");
  EXPECT_EQ(second.exitCode(), 0u);
  EXPECT_TRUE(waitUntil([&] { return lexpad.visible(); }));
  EXPECT_EQ(lexpad.text(IDE_FROM_WORD), L"Garten");
  EXPECT_EQ(storedString(kLangFromValue), L"<absent>") << "the second start wrote a setting";

  PostMessageW(lexpad.window, WM_HIBERNATE, 0, 0);
  EXPECT_EQ(lexpad.process.exitCode(), 2u);
  EXPECT_EQ(storedString(kLangFromValue), L"German");
  EXPECT_EQ(storedString(kLangToValue), L"English");
  EXPECT_EQ(storedNumber(kShowUIValue), 0u);
  EXPECT_EQ(storedString(kPathValue), programFolder() + L"dictionaries\\");
}

// A real click on lexpad's icon in Wine's notification area activates the
// notification area; the capture takes the application below it.
TEST_F(LexpadE2ETest, ClickOnTheRealNotificationIconCapturesFromTheApplicationBelowIt) {
  Lexpad lexpad;
  ASSERT_TRUE(lexpad.ready());
  Target target(kRichEdit);
  ASSERT_TRUE(target.ready());
  target.select(L"Haus", L"Haus");
  ASSERT_TRUE(target.activate());
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  ASSERT_NE(tray, nullptr) << "Wine shows no notification area";

  POINT icon{8, 8};  // the first and only icon
  ClientToScreen(tray, &icon);
  SetCursorPos(icon.x, icon.y);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
  EXPECT_TRUE(waitUntil([&] { return lexpad.text(IDE_FROM_WORD) == L"Haus"; })) << lexpad.text(IDE_FROM_WORD);
  EXPECT_TRUE(lexpad.visible());
  EXPECT_EQ(target.ask(TARGET_QUERIES_SEEN), 0);
  exitWithCode2(lexpad);
}

}  // namespace
