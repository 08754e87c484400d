// The clipboard commands of the main window: Copy, Copy All and Paste, read
// back from the real clipboard, and the first word that Paste takes.
#include "window_fixture.h"

namespace {

class ClipboardTest : public WindowTest {
 protected:
  void list(int listId, const Words& items) {
    SendDlgItemMessageW(window, listId, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& text : items) {
      SendDlgItemMessageW(window, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
};

TEST_F(ClipboardTest, CopyPutsTheToWordAndCopyAllEveryTranslationEachFollowedByASpace) {
  open();
  const std::wstring longItem(300, L'x');
  const struct {
    UINT command;
    const wchar_t* toWord;
    Words translations;
    std::wstring copied;
  } cases[] = {
      {IDM_COPY, L"\u00E9tats-unis", {}, L"\u00E9tats-unis"},
      {IDM_COPY_ALL, L"", {L"Haus", L"Geb\u00E4ude"}, L"Haus Geb\u00E4ude "},
      {IDM_COPY_ALL, L"", {longItem, L"y", longItem}, longItem + L" y " + longItem + L" "},
      {IDM_COPY_ALL, L"", {L"a", L"", L"c"}, L"a "},  // an empty item ends the list
      {IDM_COPY, L"", {L"a"}, L"kept"},              // nothing to copy
      {IDM_COPY_ALL, L"a", {}, L"kept"},
  };
  for (const auto& entry : cases) {
    ASSERT_TRUE(setClipboardText(L"kept"));
    SetDlgItemTextW(window, IDE_TO_WORD, entry.toWord);
    list(IDC_TO_LIST, entry.translations);
    EXPECT_EQ(runWithDialogs(window, [&] { command(entry.command); }, {}), 0);
    EXPECT_EQ(clipboardText(), entry.copied);
  }
}

TEST_F(ClipboardTest, PasteTakesTheFirstWordOfTheClipboardIntoTheFromWordOnly) {
  open();
  const struct {
    std::wstring clipboard;  // "" with `held`: another program holds it
    std::wstring fromWord;
    bool held;
  } cases[] = {
      {L"Haus", L"Haus"},
      {L"  hello world", L"hello"},
      {L"\t\r\n--(Haus) und Hof", L"Haus"},
      {L"12 \u00E9tats-unis", L"\u00E9tats"},
      {L"a_b[c]~d@e", L"a_b[c]~d"},  // only characters up to '@' end a word
      {L"123 456", L""},
      {std::wstring(250, L'a') + L" bcdefgh" + std::wstring(342, L'x'), std::wstring(250, L'a')},
      {std::wstring(600, L'w'), std::wstring(255, L'w')},
      {L"", L""},
      {L"Haus", L"", true},
  };
  for (const auto& entry : cases) {
    SetDlgItemTextW(window, IDE_FROM_WORD, L"old word");
    list(IDC_FROM_LIST, {L"old"});
    SetDlgItemTextW(window, IDE_TO_WORD, L"house");
    list(IDC_TO_LIST, {L"house"});
    ASSERT_TRUE(setClipboardText(entry.clipboard.empty() ? nullptr : entry.clipboard.c_str()));
    std::unique_ptr<ClipboardHeldElsewhere> holder(entry.held ? new ClipboardHeldElsewhere : nullptr);
    command(IDM_PASTE);
    EXPECT_EQ(driver->text(IDE_FROM_WORD), entry.fromWord) << testing::PrintToString(entry.clipboard.substr(0, 20));
    EXPECT_TRUE(driver->items(IDC_FROM_LIST).empty());
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"house");
    EXPECT_EQ(driver->items(IDC_TO_LIST), Words{L"house"});
  }
}

}  // namespace
