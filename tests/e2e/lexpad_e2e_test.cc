// End-to-end: the real lexpad.exe with the sample dictionaries, and a target
// program of ours in front, as separate processes on one display.  The
// driver selects text in the target, taps lexpad's notification icon as the
// shell would, runs lexpad's commands, and reads both programs' windows and
// the clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "capture_target.h"
#include "e2e_support.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {

constexpr wchar_t kRichEdit[] = L"RichEdit20W";
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
    lexpad.reset(new Lexpad);
    ASSERT_TRUE(lexpad->ready());
  }
  void TearDown() override {
    target.reset();
    lexpad.reset();
    deleteSettingsKey();
  }

  // Starts the target with `selection` selected in `text`, in front.
  void startTarget(const wchar_t* controlClass, const wchar_t* text, const wchar_t* selection) {
    target.reset(new Target(controlClass));
    ASSERT_TRUE(target->ready());
    target->select(text, selection);
    ASSERT_TRUE(target->activate());
  }
  void exitWithCode2() {
    lexpad->command(IDM_EXIT);
    EXPECT_EQ(lexpad->process.exitCode(), 2u);
  }

  std::unique_ptr<Lexpad> lexpad;
  std::unique_ptr<Target> target;
};

TEST_F(LexpadE2ETest, CaptureFromRichEditAndReplaceWithTheTranslationInTheWordsCase) {
  ASSERT_FALSE(lexpad->visible());
  startTarget(kRichEdit, L"Das Haus und der Garten.", L"Haus und der");
  EXPECT_LT(lexpad->tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad->text(IDE_FROM_WORD), L"Haus");
  EXPECT_TRUE(waitUntil([&] { return lexpad->text(IDE_TO_WORD) == L"house"; })) << lexpad->text(IDE_TO_WORD);
  EXPECT_EQ(lexpad->text(IDT_STATUS), L"Word found");
  EXPECT_EQ(clipboardText(), L"Haus und der") << "the target copied its selection";
  EXPECT_EQ(target->ask(TARGET_QUERIES_SEEN), 0) << "the focus query reached the target's own procedure";

  ASSERT_EQ(GetForegroundWindow(), lexpad->window);
  lexpad->command(IDM_REPLACE);
  EXPECT_TRUE(waitUntil([&] { return target->text() == L"Das House und der Garten."; })) << target->text();
  EXPECT_FALSE(lexpad->visible());
  EXPECT_EQ(clipboardText(), L"House und der");
  exitWithCode2();
}

TEST_F(LexpadE2ETest, TargetThatDoesNotAnswerIsGivenUpAfterOneSecondAndLaterAnswersAgain) {
  startTarget(kRichEdit, L"Haus", L"Haus");
  PostMessageW(target->top, TARGET_STOP_ANSWERING, 0, 4000);
  const DWORD waited = lexpad->tap();
  EXPECT_GE(waited, 900u);
  EXPECT_LT(waited, 3000u);
  EXPECT_EQ(lexpad->text(IDE_FROM_WORD), L"");
  EXPECT_EQ(clipboardText(), kUntouched);

  // Once it answers again, its own procedure is in place and nothing of
  // lexpad's is left on its thread: the query left in its queue reaches
  // the window itself.  Sent messages go before posted ones, so the target
  // may answer a question or two before it takes the query from its queue.
  EXPECT_TRUE(waitUntil([&] { return target->ask(TARGET_QUERIES_SEEN) != 0; }));
  EXPECT_EQ(target->ask(TARGET_QUERIES_SEEN), 1);
  ASSERT_TRUE(lexpad->hide());
  ASSERT_TRUE(target->activate());
  EXPECT_LT(lexpad->tap(), kE2ETimeoutMs);
  EXPECT_EQ(lexpad->text(IDE_FROM_WORD), L"Haus");
  EXPECT_EQ(target->ask(TARGET_QUERIES_SEEN), 1);
  exitWithCode2();
}

TEST_F(LexpadE2ETest, ExitWhileTheCaptureWaitsEndsTheProgram) {
  startTarget(kRichEdit, L"Haus", L"Haus");
  PostMessageW(target->top, TARGET_STOP_ANSWERING, 0, 3000);
  PostMessageW(lexpad->window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  lexpad->command(IDM_EXIT);
  EXPECT_EQ(lexpad->process.exitCode(5000), 2u);
  EXPECT_EQ(storedString(kLangFromValue), L"German");
}

TEST_F(LexpadE2ETest, SecondStartShowsTheRunningWindowWithItsCaptureAndHibernateWritesTheSettings) {
  startTarget(L"Edit", L"Garten", L"Garten");
  EXPECT_LT(lexpad->tap(), kE2ETimeoutMs);
  ASSERT_TRUE(lexpad->hide());
  deleteSettingsKey();

  ChildProcess second(L"lexpad.exe");
  EXPECT_EQ(second.exitCode(), 0u);
  EXPECT_TRUE(waitUntil([&] { return lexpad->visible(); }));
  EXPECT_EQ(lexpad->text(IDE_FROM_WORD), L"Garten");
  EXPECT_FALSE(settingsKeyExists()) << "the second start wrote a setting";

  PostMessageW(lexpad->window, WM_HIBERNATE, 0, 0);
  EXPECT_EQ(lexpad->process.exitCode(), 2u);
  EXPECT_EQ(storedString(kLangFromValue), L"German");
  EXPECT_EQ(storedString(kLangToValue), L"English");
  EXPECT_EQ(storedNumber(kShowUIValue), 0u);
  EXPECT_EQ(storedString(kPathValue), programFolder() + L"dictionaries\\");
  EXPECT_EQ(storedNumber(kOptionsValue), 15u);
  EXPECT_EQ(storedNumber(kStdEditValue), 0u);
}

}  // namespace
