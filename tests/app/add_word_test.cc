// Add Word from the main window: the confirmation and the messages, answered
// as a user answers them, and the user dictionary file the engine writes.
#include "window_fixture.h"

namespace {

class AddWordTest : public WindowTest {
 protected:
  // Records the box as the user saw it ("?" or "!" for its icon, its
  // buttons, its text) and answers it with `button`.
  DialogHandler answerWith(int button) {
    return [this, button](HWND box) {
      EXPECT_EQ(windowText(box), L"Vocaro");
      EXPECT_EQ(GetWindow(box, GW_OWNER), window);
      std::wstring seen = L"no icon ";
      for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const HICON icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (icon == LoadIconW(nullptr, IDI_QUESTION)) seen = L"? ";
        if (icon == LoadIconW(nullptr, IDI_EXCLAMATION)) seen = L"! ";
      }
      seen += GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr ? L"yes/no " : L"ok ";
      boxes.push_back(seen + staticTexts(box));
      answer(box, button);
    };
  }
  std::string userDictionary() const { return folder.read("en_de.udr"); }

  Words boxes;
};

const wchar_t kConfirm[] = L"Add a new word translation to the user dictionary?";
const wchar_t kAdded[] = L"A new word translation has been successfully added to the user dictionary.";

TEST_F(AddWordTest, AnsweredYesThePairIsWrittenBesideTheListFileAndFoundFirst) {
  openSamples();
  SetDlgItemTextW(window, IDE_FROM_WORD, L" zorblat ");
  SetDlgItemTextW(window, IDE_TO_WORD, L"Zorbel");
  runWithDialogs(window, [&] { driver->press('W', true); }, {answerWith(IDYES), answerWith(IDOK)});
  EXPECT_EQ(boxes, (Words{L"? yes/no " + std::wstring(kConfirm), L"! ok " + std::wstring(kAdded)}));
  EXPECT_EQ(userDictionary(), "zorblat:Zorbel\r\n");
  SetDlgItemTextW(window, IDE_TO_WORD, L"");
  driver->press(VK_RETURN);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Zorbel");
}

TEST_F(AddWordTest, WhatIsNotAddedAndWhatTheUserIsTold) {
  const std::wstring kNeedsBoth = L"Unable to add a new word: enter the word and its translation.";
  const struct {
    bool dictionaries;
    const wchar_t* word;
    const wchar_t* translation;
    std::vector<int> answers;
    std::wstring lastText;
  } cases[] = {
      {false, L"zorblat", L"Zorbel", {IDOK}, L"Unable to add a new word: language is not specified."},
      {true, L"zorblat", L"Zorbel", {IDNO}, kConfirm},
      {true, L"zorblat", L"   ", {IDOK}, kNeedsBoth},
      {true, L"\t", L"Zorbel", {IDOK}, kNeedsBoth},
      // A colon separates the word from its translation in the file.
      {true, L"ratio:1", L"Verh\u00E4ltnis", {IDYES, IDOK},
       L"Unable to add a new word: the user dictionary could not store it. A word cannot contain a colon (:), and "
       L"the dictionaries folder must allow writing."},
      {true, L"\u0142\u00F3d\u017A", L"Boot", {IDOK},
       L"Unable to add a new word: the word or its translation holds a character that the dictionaries cannot "
       L"store."},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(entry.word)));
    if (entry.dictionaries) copySampleDictionaries(windowsPath(folder));
    open(windowsPath(folder), L"English", L"German");
    SetDlgItemTextW(window, IDE_FROM_WORD, entry.word);
    SetDlgItemTextW(window, IDE_TO_WORD, entry.translation);
    std::vector<DialogHandler> handlers;
    for (int button : entry.answers) handlers.push_back(answerWith(button));
    boxes.clear();
    runWithDialogs(window, [&] { driver->press('W', true); }, handlers);
    ASSERT_EQ(boxes.size(), entry.answers.size());
    EXPECT_EQ(boxes.back(), (entry.answers.back() == IDNO ? L"? yes/no " : L"! ok ") + entry.lastText);
    EXPECT_EQ(userDictionary(), "");
    close();
  }
}

}  // namespace
