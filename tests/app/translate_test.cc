// Translating from the main window with the sample dictionaries and the real
// engine: words typed into the fields, Enter and the accelerators, taps on
// the lists, and what the lists, fields and status line show.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_dictionaries.h"
#include "window_fixture.h"
#include "translator/list_file_writer.h"

namespace {

using Words = std::vector<std::wstring>;

class TranslateTest : public WindowTest {
 protected:
  // Types a word into the From word field, replacing what it held, and
  // presses Enter.
  void translate(const std::wstring& word) {
    SetDlgItemTextW(window, IDE_FROM_WORD, L"");
    driver->type(IDE_FROM_WORD, word);
    driver->press(VK_RETURN);
  }
  // Selects a language in a language box as the user does.
  void choose(int boxId, const wchar_t* language) {
    const LRESULT index = SendDlgItemMessageW(window, boxId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(language));
    ASSERT_NE(index, CB_ERR);
    SendDlgItemMessageW(window, boxId, CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(item(boxId)));
    driver->pump();
  }
};

TEST_F(TranslateTest, AFoundWordListsItsTranslationsInOrderAndTheFirstGoesIntoTheToField) {
  openSamples(L"English", L"German");
  translate(L"bank");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Bank", L"Ufer"}));
  EXPECT_EQ(driver->selection(IDC_TO_LIST), 0);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Bank");
  EXPECT_EQ(status(), L"Word found");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"bank");
  EXPECT_TRUE(driver->items(IDC_FROM_LIST).empty());
}

TEST_F(TranslateTest, BlanksAroundTheWordAreDroppedAndAccentedLettersReachTheEngine) {
  openSamples(L"German", L"English");
  // "b" then "-" types the sharp s.
  translate(L"  grob-  ");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"  gro\u00DF  ") << "the field keeps what was typed";
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"big", L"large", L"tall"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"big");
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(TranslateTest, OtherFormsFromTheEndingTableAreSuggestedWithTheTranslationsOfTheFirst) {
  openSamples(L"English", L"German");
  translate(L"lives");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"live", L"life"}));
  EXPECT_EQ(driver->selection(IDC_FROM_LIST), 0);
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"live") << "the first suggestion replaces the word";
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"leben", L"wohnen"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"leben");
  EXPECT_EQ(status(), L"Word not found. Possible spellings returned.");
}

TEST_F(TranslateTest, OtherSpellingsFromTheVariantTableAreSuggested) {
  openSamples(L"English", L"German");
  translate(L"foto");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"photo"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"photo");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Foto"}));
  EXPECT_EQ(status(), L"Word not found. Possible spellings returned.");

  choose(IDC_FROM_LANGUAGE, L"German");
  translate(L"Strasse");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"Stra\u00DFe"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"Stra\u00DFe");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"street", L"road"}));
}

TEST_F(TranslateTest, APhraseThatIsNotFoundFallsBackToItsFirstWord) {
  openSamples(L"English", L"German");
  translate(L"big house");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"big"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"big");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"gro\u00DF"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"gro\u00DF");
  EXPECT_EQ(status(), L"Word not found. Possible spellings returned.");
}

TEST_F(TranslateTest, AWordNotFoundEmptiesTheToSide) {
  openSamples(L"English", L"German");
  translate(L"bank");
  ASSERT_EQ(driver->text(IDE_TO_WORD), L"Bank");
  translate(L"xyzzy");
  EXPECT_TRUE(driver->items(IDC_TO_LIST).empty());
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"");
  EXPECT_EQ(status(), L"Word not found");
}

TEST_F(TranslateTest, AWordWithACharacterOutsideTheDictionariesCharacterSetIsNotFound) {
  openSamples(L"English", L"German");
  translate(L"bank");
  translate(L"\u0142\u00F3d\u017A");  // Polish letters that Windows-1252 lacks
  EXPECT_TRUE(driver->items(IDC_TO_LIST).empty());
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"");
  EXPECT_EQ(status(), L"Word not found");

  translate(L"\u20AC");  // the euro sign has a byte in the set
  EXPECT_EQ(status(), L"Word not found");
}

TEST_F(TranslateTest, TranslationsBeyondTheRoomOfTheResultAreaLeaveThoseThatFit) {
  // "apple" has ten translations of 29 letters: with their terminators 300
  // bytes, more than the 256 of the translation area.
  std::vector<std::string> longTranslations;
  for (char c = 'a'; c < 'a' + 10; ++c) longTranslations.push_back(std::string("abcdefghijklmnopqrstuvwxyz") + c + c + c);
  writeDataFile(folder.path(), L"en.tdd", "English", {"apple"});
  writeDataFile(folder.path(), L"xx.tdd", "Verbose", longTranslations);
  lexcore::ListFileLayout list;
  list.primaryFile = "en.tdd";
  list.secondaryFile = "xx.tdd";
  list.translations = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
  writeBytes(folder.path() + L"\\en_xx.tdl", lexcore::writeListFile(list));
  open(folder.path(), L"English", L"Verbose");

  translate(L"apple");
  const Words listed = driver->items(IDC_TO_LIST);
  EXPECT_EQ(listed.size(), 8u) << "256 bytes hold eight";
  for (size_t i = 0; i < listed.size(); ++i) {
    const std::string& expected = longTranslations[i];
    EXPECT_EQ(listed[i], std::wstring(expected.begin(), expected.end()));
  }
  EXPECT_EQ(driver->text(IDE_TO_WORD), listed.empty() ? L"" : listed[0]);
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(TranslateTest, ABlankFieldChangesNothingNotEvenTheStatusLine) {
  openSamples(L"English", L"German");
  translate(L"bank");
  translate(L"  \t ");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Bank", L"Ufer"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Bank");
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(TranslateTest, AListFileThatCanNoLongerBeReadIsReportedNotTakenForAMissingWord) {
  openSamples(L"English", L"German");
  translate(L"bank");
  // The engine reads the list file at every lookup: here it is cut short
  // behind its header, then gone.
  const std::wstring list = folder.path() + L"\\en_de.tdl";
  writeBytes(list, fileBytes(list).substr(0, 130));
  // The status line names the file and, after it, the engine's reason.
  const std::wstring unreadable = L"The dictionary could not be read: en_de.tdl: ";
  translate(L"tree");
  EXPECT_TRUE(driver->items(IDC_TO_LIST).empty());
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"");
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << status();
  EXPECT_GT(status().size(), unreadable.size());
  ASSERT_TRUE(DeleteFileW(list.c_str()));
  translate(L"bank");
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << status();
}

TEST_F(TranslateTest, APairWithAFileThatCannotBeReadSaysSoWhenChosenAndWhenTranslating) {
  openSamples(L"English", L"French");
  const std::wstring german = folder.path() + L"\\ende_de.tdd";
  writeBytes(german, fileBytes(german).substr(0, 76));  // the header and nothing more
  const std::wstring unreadable = L"The dictionary could not be read: ende_de.tdd: ";
  choose(IDC_TO_LANGUAGE, L"German");
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << status();
  translate(L"tree");
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << status();

  SetDlgItemTextW(window, IDE_FROM_WORD, L"");  // nothing to translate again
  choose(IDC_TO_LANGUAGE, L"French");
  EXPECT_EQ(status(), L"") << "the failure ended with its pair";
  translate(L"tree");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"arbre");
}

TEST_F(TranslateTest, WithoutADictionaryOnlyTheStatusLineSaysSo) {
  open(folder.path());  // an empty folder
  driver->type(IDE_TO_WORD, L"Haus");
  translate(L"house");
  EXPECT_EQ(status(), L"Dictionary is not open.");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"house");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Haus");

  driver->press('B', true);
  EXPECT_EQ(status(), L"Dictionary is not open.");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"house");
}

TEST_F(TranslateTest, TranslateBackListsTheReverseTranslationsOnTheFromSide) {
  openSamples(L"English", L"German");
  driver->type(IDE_TO_WORD, L"leben");
  driver->press('B', true);
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"life", L"live"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"life");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"leben");
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(TranslateTest, TranslateBackWithoutASetForTheOppositeDirectionKeepsTheFromSide) {
  copySampleDictionaries(folder.path(), {L"en_de.tdl", L"ende_en.tdd", L"ende_de.tdd"});
  open(folder.path(), L"English", L"German");
  ASSERT_EQ(application->reverseTranslator(), nullptr);
  translate(L"houses");
  ASSERT_EQ(driver->items(IDC_FROM_LIST), (Words{L"house"}));
  ASSERT_EQ(driver->text(IDE_TO_WORD), L"Haus");

  driver->press('B', true);
  EXPECT_EQ(status(), L"Dictionary is not open.");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"house"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"house");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Haus"}));
}

TEST_F(TranslateTest, TapsTakeAListedWordAndDoubleTapsTranslateIt) {
  openSamples(L"English", L"German");
  translate(L"lives");
  ASSERT_EQ(driver->items(IDC_FROM_LIST), (Words{L"live", L"life"}));

  // A suggestion: a tap takes it, a double tap translates it forward.
  driver->tap(IDC_FROM_LIST, 1);
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"life");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"leben", L"wohnen"})) << "a tap translates nothing";
  driver->doubleTap(IDC_FROM_LIST, 1);
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Leben"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Leben");
  EXPECT_EQ(status(), L"Word found");

  // A translation: a tap takes it, a double tap translates it back.
  translate(L"live");
  driver->tap(IDC_TO_LIST, 1);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"wohnen");
  driver->doubleTap(IDC_TO_LIST, 1);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"wohnen");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"live"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"live");
}

TEST_F(TranslateTest, TheSearchOptionsGoToTheEngineWithEveryTranslation) {
  openSamples(L"English", L"German");
  application->options = 0;
  translate(L"HOUSE");
  EXPECT_EQ(status(), L"Word not found") << "letter case counts";
  translate(L"houses");
  EXPECT_EQ(status(), L"Word not found") << "no other forms";

  application->options = TD_OPT_CASE_INSENSITIVE | TD_OPT_SMART_SEARCH;
  translate(L"HOUSE");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Haus"}));
  translate(L"houses");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"house"}));
  translate(L"foto");
  EXPECT_EQ(status(), L"Word not found") << "no other spellings";
}

TEST_F(TranslateTest, ChoosingAnotherLanguageTranslatesTheWordAgain) {
  openSamples(L"English", L"German");
  translate(L"house");
  ASSERT_EQ(driver->text(IDE_TO_WORD), L"Haus");
  choose(IDC_TO_LANGUAGE, L"French");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"maison"}));
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"maison");
}

}  // namespace
