// Translating from the main window with the sample dictionaries and the real
// engine: words typed key by key (with the automatic character conversion),
// Enter, the accelerators, buttons and taps, and what the lists, fields and
// status line show.
#include "window_fixture.h"

namespace {

class TranslateTest : public WindowTest {};

TEST_F(TranslateTest, FoundSuggestedAndNotFoundWordsAsTheFieldsListsAndStatusLineShowThem) {
  openSamples();
  const wchar_t* const kFound = L"Word found";
  const wchar_t* const kSuggested = L"Word not found. Possible spellings returned.";
  const struct {
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* typed;
    const wchar_t* fromWord;  // the field afterwards
    Words suggestions;
    Words translations;
    const wchar_t* status;
  } cases[] = {
      {L"English", L"German", L"bank", L"bank", {}, {L"Bank", L"Ufer"}, kFound},
      // "b" then "-" types the sharp s; blanks around the word are dropped.
      {L"German", L"English", L"  grob-  ", L"  gro\u00DF  ", {}, {L"big", L"large", L"tall"}, kFound},
      {L"English", L"German", L"lives", L"live", {L"live", L"life"}, {L"leben", L"wohnen"}, kSuggested},
      {L"German", L"English", L"Strasse", L"Stra\u00DFe", {L"Stra\u00DFe"}, {L"street", L"road"}, kSuggested},
      {L"English", L"German", L"xyzzy", L"xyzzy", {}, {}, L"Word not found"},
      // Polish letters that the dictionaries' character set lacks, and the
      // euro sign, which has a byte in it.
      {L"English", L"German", L"\u0142\u00F3d\u017A", L"\u0142\u00F3d\u017A", {}, {}, L"Word not found"},
      {L"English", L"German", L"\u20AC", L"\u20AC", {}, {}, L"Word not found"},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(entry.typed)));
    choose(IDC_FROM_LANGUAGE, entry.from);
    choose(IDC_TO_LANGUAGE, entry.to);
    driver->press('D', true);  // Clear All, then a To side to replace
    SetDlgItemTextW(window, IDE_TO_WORD, L"old");
    SendDlgItemMessageW(window, IDC_TO_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"old"));
    translate(entry.typed);
    EXPECT_EQ(driver->text(IDE_FROM_WORD), entry.fromWord);
    EXPECT_EQ(driver->items(IDC_FROM_LIST), entry.suggestions);
    EXPECT_EQ(driver->selection(IDC_FROM_LIST), entry.suggestions.empty() ? LB_ERR : 0);
    EXPECT_EQ(driver->items(IDC_TO_LIST), entry.translations);
    EXPECT_EQ(driver->selection(IDC_TO_LIST), entry.translations.empty() ? LB_ERR : 0);
    EXPECT_EQ(driver->text(IDE_TO_WORD), entry.translations.empty() ? L"" : entry.translations[0]);
    EXPECT_EQ(status(), entry.status);
  }
  // A blank field changes nothing, not even the status line.
  translate(L"bank");
  translate(L"  \t ");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Bank");
  EXPECT_EQ(status(), kFound);
}

TEST_F(TranslateTest, TranslationsBeyondTheRoomOfTheResultAreaLeaveThoseThatFit) {
  // "apple" has ten translations of 29 letters: with their terminators 300
  // bytes, more than the 256 of the translation area.
  std::vector<std::string> longTranslations;
  for (char c = 'a'; c < 'a' + 10; ++c) longTranslations.push_back(std::string("abcdefghijklmnopqrstuvwxyz") + c + c + c);
  writeDataFile(windowsPath(folder), L"en.tdd", "English", {"apple"});
  writeDataFile(windowsPath(folder), L"xx.tdd", "Verbose", longTranslations);
  writeListFile(windowsPath(folder), L"en_xx.tdl", "en.tdd", "xx.tdd", 1, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}});
  open(windowsPath(folder), L"English", L"Verbose");
  translate(L"apple");
  Words fitting;
  for (size_t i = 0; i < 8; ++i) fitting.push_back(std::wstring(longTranslations[i].begin(), longTranslations[i].end()));
  EXPECT_EQ(driver->items(IDC_TO_LIST), fitting) << "256 bytes hold eight";
  EXPECT_EQ(status(), L"Word found");
}

TEST_F(TranslateTest, FilesThatCanNoLongerBeReadAreReportedNotTakenForAMissingWord) {
  openSamples(L"English", L"French");
  // The engine reads the files at every lookup: a data file cut behind its
  // header, a list file cut short, then gone.  The status line names the
  // file and, after it, the engine's reason.
  const std::wstring german = windowsPath(folder) + L"\\ende_de.tdd";
  writeBytes(german, fileBytes(german).substr(0, 76));
  choose(IDC_TO_LANGUAGE, L"German");
  const std::wstring unreadable = L"The dictionary could not be read: ende_de.tdd: ";
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << "when chosen";
  translate(L"tree");
  EXPECT_EQ(status().substr(0, unreadable.size()), unreadable) << "when translating";
  EXPECT_GT(status().size(), unreadable.size());
  SetDlgItemTextW(window, IDE_FROM_WORD, L"");  // nothing to translate again
  choose(IDC_TO_LANGUAGE, L"French");
  EXPECT_EQ(status(), L"") << "the failure ended with its pair";
  translate(L"tree");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"arbre");

  const std::wstring list = windowsPath(folder) + L"\\en_fr.tdl";
  writeBytes(list, fileBytes(list).substr(0, 130));
  const std::wstring unreadableList = L"The dictionary could not be read: en_fr.tdl: ";
  for (int pass = 0; pass < 2; ++pass) {
    translate(L"tree");
    EXPECT_TRUE(driver->items(IDC_TO_LIST).empty()) << pass;
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"") << pass;
    EXPECT_EQ(status().substr(0, unreadableList.size()), unreadableList) << pass;
    ASSERT_TRUE(pass == 1 || DeleteFileW(list.c_str()));
  }
}

TEST_F(TranslateTest, EveryWayToTranslateForwardAndBack) {
  openSamples();
  driver->type(IDE_FROM_WORD, L"tree");
  for (int control : {IDE_FROM_WORD, IDE_TO_WORD, IDC_TO_LIST, IDC_FROM_LIST, IDC_TO_LANGUAGE}) {
    SetDlgItemTextW(window, IDE_TO_WORD, L"");
    driver->focus(control);
    driver->press(VK_RETURN);
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"Baum") << "Enter with the focus on control " << control;
  }
  SetDlgItemTextW(window, IDE_FROM_WORD, L"water");
  driver->press('T', true);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Wasser") << "Ctrl+T";
  SetDlgItemTextW(window, IDE_FROM_WORD, L"house");
  driver->click(IDC_FORWARD);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"Haus") << ">>";

  // Back: the reverse translations on the From side.
  SetDlgItemTextW(window, IDE_TO_WORD, L"leben");
  driver->press('B', true);
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"life", L"live"}));
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"life");
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"leben");
  EXPECT_EQ(status(), L"Word found");
  SetDlgItemTextW(window, IDE_TO_WORD, L"Baum");
  driver->click(IDC_REVERSE);
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"tree") << "<<";

  // Choosing another language translates the word again.
  translate(L"house");
  choose(IDC_TO_LANGUAGE, L"French");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"maison"}));
}

TEST_F(TranslateTest, TapsTakeAListedWordAndDoubleTapsTranslateIt) {
  openSamples();
  translate(L"lives");
  driver->tap(IDC_FROM_LIST, 1);
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"life");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"leben", L"wohnen"})) << "a tap translates nothing";
  driver->tap(IDC_FROM_LIST, 1, true);
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Leben"}));
  translate(L"live");
  driver->tap(IDC_TO_LIST, 1);
  EXPECT_EQ(driver->text(IDE_TO_WORD), L"wohnen");
  driver->tap(IDC_TO_LIST, 1, true);
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"live"})) << "translated back";
}

TEST_F(TranslateTest, TheStoredSearchOptionsGoToTheEngineWithEveryTranslation) {
  writeSettingNumber(kOptionsValue, 0);
  openSamples();
  for (const wchar_t* word : {L"HOUSE", L"houses"}) {
    translate(word);
    EXPECT_EQ(status(), L"Word not found") << testing::PrintToString(std::wstring(word));
  }
  close();
  writeSettingNumber(kOptionsValue, TD_OPT_CASE_INSENSITIVE | TD_OPT_SMART_SEARCH);
  open(windowsPath(folder), L"English", L"German");
  translate(L"HOUSE");
  EXPECT_EQ(driver->items(IDC_TO_LIST), (Words{L"Haus"}));
  translate(L"houses");
  EXPECT_EQ(driver->items(IDC_FROM_LIST), (Words{L"house"}));
  translate(L"foto");
  EXPECT_EQ(status(), L"Word not found") << "no other spellings";
}

TEST_F(TranslateTest, ClearAllEmptiesBothSidesAndGraysTranslateAgain) {
  openSamples();
  translate(L"lives");
  driver->focus(IDE_TO_WORD);
  driver->press('D', true);
  for (int id : {IDE_FROM_WORD, IDE_TO_WORD}) EXPECT_EQ(driver->text(id), L"");
  for (int id : {IDC_FROM_LIST, IDC_TO_LIST}) EXPECT_TRUE(driver->items(id).empty());
  EXPECT_EQ(status(), L"Word not found. Possible spellings returned.") << "the status line stays";
  EXPECT_EQ(GetFocus(), item(IDE_FROM_WORD));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_FORWARD)));
}

// The automatic character conversion: a key after a letter turns it into
// the accented letter.
TEST_F(TranslateTest, AccentKeysTurnTheLetterBeforeThemIntoTheAccentedLetter) {
  open();
  const struct {
    const wchar_t* keys;
    const wchar_t* text;
  } cases[] = {
      {L"a:e:Y:", L"\u00E4\u00EB\u00DF"},  // Y with a colon is the sharp s
      {L"n~O~a^E`o'c,C,o/D/d-B-a.A.", L"\u00F1\u00D5\u00E2\u00C8\u00F3\u00E7\u00C7\u00F8\u00D0\u00F0\u00DF\u00E5\u00C5"},
      {L"'", L"'"},            // nothing before the key
      {L"x'e!n'", L"x'e!n'"},  // a letter without an entry for the key, a key without entries
      {L"e''", L"\u00E9'"},    // an accented letter converts no further
  };
  for (const auto& entry : cases) {
    SetDlgItemTextW(window, IDE_FROM_WORD, L"");
    driver->type(IDE_FROM_WORD, entry.keys);
    EXPECT_EQ(driver->text(IDE_FROM_WORD), entry.text) << testing::PrintToString(std::wstring(entry.keys));
  }
  // Both fields convert; a conversion inside the text leaves the caret
  // after the converted letter, beyond the 255th character too.
  for (int field : {IDE_TO_WORD, IDE_FROM_WORD}) {
    const std::wstring head(field == IDE_TO_WORD ? 3 : 279, L'x');
    SetDlgItemTextW(window, field, (head + L"e noir").c_str());
    driver->focus(field);
    SendDlgItemMessageW(window, field, EM_SETSEL, head.size() + 1, head.size() + 1);
    driver->type(field, L"'s");
    EXPECT_EQ(driver->text(field), head + L"\u00E9s noir") << field;
  }
  // Nothing is converted while text is selected: the key replaces it.
  SendDlgItemMessageW(window, IDE_FROM_WORD, EM_SETSEL, 0, -1);
  driver->type(IDE_FROM_WORD, L"'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"'");
}

}  // namespace
