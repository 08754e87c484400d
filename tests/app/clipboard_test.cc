// The clipboard commands of the main window: Copy, Copy All and Paste, read
// back from the real clipboard, and the first word that Paste takes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app_test_support.h"
#include "clipboard_support.h"
#include "integration/clipboard.h"
#include "resource.h"
#include "window_fixture.h"

namespace {

class ClipboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    openWindow(folder.path());
    fromField = GetDlgItem(window, IDE_FROM_WORD);
  }

  void command(UINT id) {
    SendMessageW(window, WM_COMMAND, id, 0);
    pumpMessages();
  }
  void addTranslations(std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* item : items) {
      SendDlgItemMessageW(window, IDC_TO_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
  }
  // Paste of `clipboard`: the From word and the kept rest.
  std::pair<std::wstring, std::wstring> pasted(const std::wstring& clipboard) {
    EXPECT_TRUE(setClipboardText(clipboard));
    EXPECT_TRUE(pasteFirstWord(application->mainWindow, fromField, *application));
    return {windowText(fromField), application->trailingText};
  }

  HWND fromField = nullptr;
};

TEST_F(ClipboardTest, CopyPutsTheToWordOnTheClipboard) {
  SetDlgItemTextW(window, IDE_TO_WORD, L"\x00E9tats-unis");
  ASSERT_TRUE(setClipboardText(L"old"));
  EXPECT_TRUE(copyTranslation(application->mainWindow));
  EXPECT_EQ(clipboardText(), L"\x00E9tats-unis");

  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  command(IDM_COPY);
  EXPECT_EQ(clipboardText(), L"house");
}

TEST_F(ClipboardTest, CopyAllPutsEveryTranslationEachFollowedByASpace) {
  addTranslations({L"a", L"b", L"c"});
  ASSERT_TRUE(setClipboardText(L"old"));
  EXPECT_TRUE(copyAllTranslations(application->mainWindow));
  EXPECT_EQ(clipboardText(), L"a b c ");

  SendDlgItemMessageW(window, IDC_TO_LIST, LB_RESETCONTENT, 0, 0);
  addTranslations({L"Haus", L"Geb\x00E4ude"});
  command(IDM_COPY_ALL);
  EXPECT_EQ(clipboardText(), L"Haus Geb\x00E4ude ");
}

TEST_F(ClipboardTest, CopyAllOfLongItemsFitsTheBlock) {
  const std::wstring item(300, L'x');
  addTranslations({item.c_str(), L"y", item.c_str()});
  EXPECT_TRUE(copyAllTranslations(application->mainWindow));
  EXPECT_EQ(clipboardText(), item + L" y " + item + L" ");
}

TEST_F(ClipboardTest, CopyAllStopsAtAnEmptyItem) {
  addTranslations({L"a", L"", L"c"});
  EXPECT_TRUE(copyAllTranslations(application->mainWindow));
  EXPECT_EQ(clipboardText(), L"a ");
}

TEST_F(ClipboardTest, NothingToCopySucceedsAndLeavesTheClipboardAlone) {
  ASSERT_TRUE(setClipboardText(L"kept"));
  EXPECT_TRUE(copyTranslation(application->mainWindow));
  EXPECT_TRUE(copyAllTranslations(application->mainWindow));
  command(IDM_COPY);  // no message box: the command returns at once
  command(IDM_COPY_ALL);
  EXPECT_EQ(clipboardText(), L"kept");
}

TEST_F(ClipboardTest, CopyFailsWhileAnotherProgramHoldsTheClipboard) {
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  addTranslations({L"house"});
  ClipboardHeldElsewhere holder;
  ASSERT_TRUE(holder.held());
  EXPECT_FALSE(copyTranslation(application->mainWindow));
  EXPECT_FALSE(copyAllTranslations(application->mainWindow));
}

// Finds the message box that `owner` shows, reads it, taps the notification
// icon while it is open, and closes it with OK.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(HWND owner) : owner_(owner), watcher_([this] { watch(); }) {}
  ~MessageBoxWatcher() { wait(); }
  void wait() {
    if (watcher_.joinable()) watcher_.join();
  }

  HWND box = nullptr;
  std::wstring title;
  std::wstring text;

 private:
  void watch() {
    for (int waited = 0; waited < 10000 && box == nullptr; waited += 20) {
      Sleep(20);
      EnumThreadWindows(GetWindowThreadProcessId(owner_, nullptr), findBox, reinterpret_cast<LPARAM>(this));
    }
    if (box == nullptr) return;
    title = windowText(box);
    text = itemText(box, 0xFFFF);
    SendMessageW(owner_, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  static BOOL CALLBACK findBox(HWND candidate, LPARAM self) {
    auto* watcher = reinterpret_cast<MessageBoxWatcher*>(self);
    if (GetWindow(candidate, GW_OWNER) != watcher->owner_ || !IsWindowVisible(candidate)) return TRUE;
    watcher->box = candidate;
    return FALSE;
  }

  HWND owner_;
  std::thread watcher_;
};

TEST_F(ClipboardTest, FailedCopyCommandShowsTheMessageAndCapturesNothingMeanwhile) {
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  addTranslations({L"house"});
  HWND target = CreateWindowW(L"Edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  application->replaceTarget = target;  // a capture would forget it first
  for (UINT id : {IDM_COPY, IDM_COPY_ALL}) {
    ClipboardHeldElsewhere holder;
    ASSERT_TRUE(holder.held());
    MessageBoxWatcher watcher(window);
    command(id);
    watcher.wait();
    ASSERT_NE(watcher.box, nullptr) << id;
    EXPECT_EQ(watcher.title, L"Vocaro");
    EXPECT_EQ(watcher.text,
              L"Unable to copy data to the clipboard. Please close one or more applications and try again.");
    EXPECT_EQ(application->replaceTarget, target) << "the tap during the message started a capture";
    EXPECT_EQ(application->busy, 0);
  }
  DestroyWindow(target);
}

TEST_F(ClipboardTest, PasteTakesTheFirstWordAndKeepsTheRest) {
  EXPECT_EQ(pasted(L"Haus"), std::make_pair(std::wstring(L"Haus"), std::wstring(L"")));
  EXPECT_EQ(pasted(L"  hello world"), std::make_pair(std::wstring(L"hello"), std::wstring(L" world")));
  EXPECT_EQ(pasted(L"\t\r\n--(Haus) und Hof"), std::make_pair(std::wstring(L"Haus"), std::wstring(L") und Hof")));
  EXPECT_EQ(pasted(L"12 \x00E9tats-unis"), std::make_pair(std::wstring(L"\x00E9tats"), std::wstring(L"-unis")));
  // Only characters up to '@' end a word.
  EXPECT_EQ(pasted(L"a_b[c]~d@e"), std::make_pair(std::wstring(L"a_b[c]~d"), std::wstring(L"@e")));
  EXPECT_FALSE(application->trailingTextCut);
}

TEST_F(ClipboardTest, PasteOfATextWithoutAWordSucceedsWithAnEmptyField) {
  SetWindowTextW(fromField, L"old");
  EXPECT_EQ(pasted(L"123 456"), std::make_pair(std::wstring(L""), std::wstring(L"")));
  EXPECT_EQ(pasted(L""), std::make_pair(std::wstring(L""), std::wstring(L"")));
}

TEST_F(ClipboardTest, PasteExaminesOnlyTheFirst255Characters) {
  const std::wstring word(250, L'a');
  const std::wstring text = word + L" bcdefgh" + std::wstring(342, L'x');  // 600 characters
  EXPECT_EQ(pasted(text), std::make_pair(word, std::wstring(L" bcde")));
  EXPECT_TRUE(application->trailingTextCut);

  const std::wstring longWord(600, L'w');
  EXPECT_EQ(pasted(longWord), std::make_pair(std::wstring(255, L'w'), std::wstring(L"")));
  EXPECT_TRUE(application->trailingTextCut);

  const std::wstring exact = std::wstring(250, L'b') + L" cdef";  // 255 characters: all of it
  EXPECT_EQ(pasted(exact), std::make_pair(std::wstring(250, L'b'), std::wstring(L" cdef")));
  EXPECT_FALSE(application->trailingTextCut);
}

TEST_F(ClipboardTest, PasteWithoutClipboardTextFailsWithAnEmptyField) {
  SetWindowTextW(fromField, L"old");
  application->trailingText[0] = L'x';
  ASSERT_TRUE(emptyClipboard());
  EXPECT_FALSE(pasteFirstWord(application->mainWindow, fromField, *application));
  EXPECT_EQ(windowText(fromField), L"");
  EXPECT_STREQ(application->trailingText, L"x") << "the rest is only rewritten from clipboard text";

  SetWindowTextW(fromField, L"old");
  ASSERT_TRUE(setClipboardText(L"Haus"));
  ClipboardHeldElsewhere holder;
  ASSERT_TRUE(holder.held());
  EXPECT_FALSE(pasteFirstWord(application->mainWindow, fromField, *application));
  EXPECT_EQ(windowText(fromField), L"");
}

TEST_F(ClipboardTest, PasteCommandClearsTheFromSideOnlyAndFillsTheFromWord) {
  SendDlgItemMessageW(window, IDC_FROM_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old"));
  SetDlgItemTextW(window, IDE_FROM_WORD, L"old word");
  SetDlgItemTextW(window, IDE_TO_WORD, L"house");
  addTranslations({L"house"});
  ASSERT_TRUE(setClipboardText(L" Haus und Hof"));
  command(IDM_PASTE);
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"Haus");
  EXPECT_STREQ(application->trailingText, L" und Hof");
  EXPECT_EQ(SendDlgItemMessageW(window, IDC_FROM_LIST, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(itemText(window, IDE_TO_WORD), L"house");
  EXPECT_EQ(SendDlgItemMessageW(window, IDC_TO_LIST, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(application->busy, 0);

  ASSERT_TRUE(emptyClipboard());
  command(IDM_PASTE);
  EXPECT_EQ(itemText(window, IDE_FROM_WORD), L"");
}

}  // namespace
