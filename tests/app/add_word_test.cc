// Add Word from the main window: the confirmation and the messages, answered
// as a user answers them, and the user dictionary file the engine writes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

namespace {

// One message box as the user saw it.
struct Box {
  std::wstring caption;
  std::wstring text;
  bool yesNo;
  HICON icon;
  bool ownedByMainWindow;
  int busy;  // the application's busy mark while the box was open
};

class AddWordTest : public WindowTest {
 protected:
  // Records the box and answers it with `button`.
  DialogHandler answerWith(int button) {
    return [this, button](HWND box) {
      HWND icon = nullptr;
      for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) icon = child;
      }
      boxes.push_back({windowText(box), staticTexts(box), GetDlgItem(box, IDYES) != nullptr && GetDlgItem(box, IDNO) != nullptr,
                       icon != nullptr ? reinterpret_cast<HICON>(SendMessageW(icon, STM_GETICON, 0, 0)) : nullptr,
                       GetWindow(box, GW_OWNER) == window, application->busy});
      answer(box, button);
    };
  }
  // Fills both word fields and presses Ctrl+W.
  void addPair(const std::wstring& word, const std::wstring& translation, std::vector<DialogHandler> handlers) {
    SetDlgItemTextW(window, IDE_FROM_WORD, word.c_str());
    SetDlgItemTextW(window, IDE_TO_WORD, translation.c_str());
    driver->pump();
    runWithDialogs(window, [&] { driver->press('W', true); }, std::move(handlers));
  }
  std::string userDictionary() const { return fileBytes(folder.path() + L"\\en_de.udr"); }

  std::vector<Box> boxes;
  const HICON question = LoadIconW(nullptr, IDI_QUESTION);
  const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
};

TEST_F(AddWordTest, AnsweredYesThePairIsWrittenBesideTheListFileAndFoundFirst) {
  openSamples(L"English", L"German");
  addPair(L" zorblat ", L"Zorbel", {answerWith(IDYES), answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, L"Vocaro");
  EXPECT_EQ(boxes[0].text, L"Add a new word translation to the user dictionary?");
  EXPECT_TRUE(boxes[0].yesNo);
  EXPECT_EQ(boxes[0].icon, question);
  EXPECT_TRUE(boxes[0].ownedByMainWindow);
  EXPECT_EQ(boxes[0].busy, 1);
  EXPECT_EQ(boxes[1].text, L"A new word translation has been successfully added to the user dictionary.");
  EXPECT_FALSE(boxes[1].yesNo);
  EXPECT_EQ(boxes[1].icon, exclamation);
  EXPECT_EQ(application->busy, 0);

  EXPECT_EQ(userDictionary(), "zorblat:Zorbel\r\n");
  SetDlgItemTextW(window, IDE_TO_WORD, L"");
  driver->press(VK_RETURN);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Zorbel");
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(AddWordTest, APairFilledByATranslationBackGoesToTheForwardDirection) {
  openSamples(L"English", L"German");
  driver->type(IDE_TO_WORD, L"Baum");
  driver->press('B', true);
  ASSERT_EQ(driver->text(IDE_FROM_WORD), L"tree");
  runWithDialogs(window, [&] { driver->click(IDC_ADD); }, {answerWith(IDYES), answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 2u);
  // The translation back made the German-English user dictionary first; the
  // engine keeps the pairs of both directions in that one file, each line
  // German first.
  EXPECT_EQ(fileBytes(folder.path() + L"\\de_en.udr"), "Baum:tree\r\n");
  EXPECT_EQ(GetFileAttributesW((folder.path() + L"\\en_de.udr").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(AddWordTest, AnsweredNoNothingIsAddedAndNoFurtherMessageFollows) {
  openSamples(L"English", L"German");
  addPair(L"zorblat", L"Zorbel", {answerWith(IDNO)});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(userDictionary().find("zorblat"), std::string::npos);
}

TEST_F(AddWordTest, AnEmptyOrBlankFieldAsksForTheWordAndItsTranslation) {
  openSamples(L"English", L"German");
  const std::wstring kAskForBoth = L"Unable to add a new word: enter the word and its translation.";
  addPair(L"zorblat", L"   ", {answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kAskForBoth);
  EXPECT_EQ(boxes[0].icon, exclamation);

  addPair(L"\t", L"Zorbel", {answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text, kAskForBoth);
  EXPECT_EQ(userDictionary().find("Zorbel"), std::string::npos);
}

TEST_F(AddWordTest, WithoutALanguagePairItSaysSo) {
  open(folder.path());
  addPair(L"zorblat", L"Zorbel", {answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"Unable to add a new word: language is not specified.");
  EXPECT_EQ(boxes[0].icon, exclamation);
}

TEST_F(AddWordTest, APairTheUserDictionaryRefusesIsReportedAsNotAdded) {
  openSamples(L"English", L"German");
  // A colon separates the word from its translation in the file.
  addPair(L"ratio:1", L"Verh\u00E4ltnis", {answerWith(IDYES), answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1].text,
            L"Unable to add a new word: the user dictionary could not store it. A word cannot contain a colon (:), "
            L"and the dictionaries folder must allow writing.");
  EXPECT_EQ(boxes[1].icon, exclamation);
  EXPECT_EQ(userDictionary().find("ratio"), std::string::npos);
}

TEST_F(AddWordTest, AWordTheDictionariesCannotStoreIsRefusedBeforeAsking) {
  openSamples(L"English", L"German");
  addPair(L"\u0142\u00F3d\u017A", L"Boot", {answerWith(IDOK)});
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            L"Unable to add a new word: the word or its translation holds a character that the dictionaries cannot "
            L"store.");
  EXPECT_EQ(userDictionary().find("Boot"), std::string::npos);
}

}  // namespace
