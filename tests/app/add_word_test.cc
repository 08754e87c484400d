// Add Word from the main window: the confirmation and the messages, answered
// as a user answers them, and the user dictionary file the engine writes.
#include "window_fixture.h"

namespace {

// One message box as the user saw it.
struct Box {
  std::wstring text;
  bool yesNo;
  bool question;  // the question icon, else the exclamation icon
};

class AddWordTest : public WindowTest {
 protected:
  // Records the box and answers it with `button`.
  DialogHandler answerWith(int button) {
    return [this, button](HWND box) {
      EXPECT_EQ(windowText(box), L"Vocaro");
      EXPECT_EQ(GetWindow(box, GW_OWNER), window);
      HICON icon = nullptr;
      for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        }
      }
      EXPECT_TRUE(icon == LoadIconW(nullptr, IDI_QUESTION) || icon == LoadIconW(nullptr, IDI_EXCLAMATION));
      boxes.push_back({staticTexts(box), GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr,
                       icon == LoadIconW(nullptr, IDI_QUESTION)});
      answer(box, button);
    };
  }
  std::string userDictionary() const { return fileBytes(folder.path() + L"\\en_de.udr"); }

  std::vector<Box> boxes;
};

const wchar_t kConfirm[] = L"Add a new word translation to the user dictionary?";
const wchar_t kAdded[] = L"A new word translation has been successfully added to the user dictionary.";

TEST_F(AddWordTest, AnsweredYesThePairIsWrittenBesideTheListFileAndFoundFirst) {
  openSamples();
  SetDlgItemTextW(window, IDE_FROM_WORD, L" zorblat ");
  SetDlgItemTextW(window, IDE_TO_WORD, L"Zorbel");
  runWithDialogs(window, [&] { driver->press('W', true); }, {answerWith(IDYES), answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, kConfirm);
  EXPECT_TRUE(boxes[0].yesNo);
  EXPECT_TRUE(boxes[0].question);
  EXPECT_EQ(boxes[1].text, kAdded);
  EXPECT_FALSE(boxes[1].yesNo);
  EXPECT_FALSE(boxes[1].question);
  EXPECT_EQ(userDictionary(), "zorblat:Zorbel\r\n");
  SetDlgItemTextW(window, IDE_TO_WORD, L"");
  driver->press(VK_RETURN);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Zorbel");
}

TEST_F(AddWordTest, APairFilledByATranslationBackGoesToTheDirectionTranslatedLast) {
  openSamples();
  driver->type(IDE_TO_WORD, L"Baum");
  driver->press('B', true);
  ASSERT_EQ(driver->text(IDE_FROM_WORD), L"tree");
  runWithDialogs(window, [&] { driver->click(IDC_ADD); }, {answerWith(IDYES), answerWith(IDOK)});
  // The engine keeps the pairs of both directions in the file of the
  // German-English set, German first.
  EXPECT_EQ(fileBytes(folder.path() + L"\\de_en.udr"), "Baum:tree\r\n");
  EXPECT_EQ(userDictionary(), "");
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
    if (entry.dictionaries) copySampleDictionaries(folder.path());
    open(folder.path(), L"English", L"German");
    SetDlgItemTextW(window, IDE_FROM_WORD, entry.word);
    SetDlgItemTextW(window, IDE_TO_WORD, entry.translation);
    std::vector<DialogHandler> handlers;
    for (int button : entry.answers) handlers.push_back(answerWith(button));
    boxes.clear();
    runWithDialogs(window, [&] { driver->press('W', true); }, handlers);
    ASSERT_EQ(boxes.size(), entry.answers.size());
    EXPECT_EQ(boxes.back().text, entry.lastText);
    EXPECT_EQ(boxes.back().question, entry.answers.back() == IDNO);
    EXPECT_EQ(userDictionary(), "");
    close();
  }
}

}  // namespace
