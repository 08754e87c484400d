// The automatic character conversion of the word fields, typed key by key
// through the program's message loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "window_fixture.h"

namespace {

class CharacterConversionTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    open(folder.path());
  }
  // Empties a word field and types `keys` into it.
  std::wstring typed(const std::wstring& keys, int fieldId = IDE_FROM_WORD) {
    SetDlgItemTextW(window, fieldId, L"");
    driver->type(fieldId, keys);
    return driver->text(fieldId);
  }
  std::pair<DWORD, DWORD> selection(int fieldId = IDE_FROM_WORD) {
    DWORD start = 0;
    DWORD end = 0;
    SendDlgItemMessageW(window, fieldId, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }
  void placeCaret(DWORD position, int fieldId = IDE_FROM_WORD) {
    SendDlgItemMessageW(window, fieldId, EM_SETSEL, position, position);
  }
};

TEST_F(CharacterConversionTest, EachAccentKeyTurnsTheLetterBeforeItIntoTheAccentedLetter) {
  const struct {
    wchar_t key;
    const wchar_t* letters;
    const wchar_t* accented;
  } kGroups[] = {
      {L':', L"aAeEiIoOyYuU", L"\u00E4\u00C4\u00EB\u00CB\u00EF\u00CF\u00F6\u00D6\u00FF\u00DF\u00FC\u00DC"},
      {L'~', L"aAnNoO", L"\u00E3\u00C3\u00F1\u00D1\u00F5\u00D5"},
      {L'^', L"aAeEiIoOuU", L"\u00E2\u00C2\u00EA\u00CA\u00EE\u00CE\u00F4\u00D4\u00FB\u00DB"},
      {L'`', L"aAeEoOuUiI", L"\u00E0\u00C0\u00E8\u00C8\u00F2\u00D2\u00F9\u00D9\u00EC\u00CC"},
      {L'\'', L"aAoOeEyYiIuU", L"\u00E1\u00C1\u00F3\u00D3\u00E9\u00C9\u00FD\u00DD\u00ED\u00CD\u00FA\u00DA"},
      {L',', L"cC", L"\u00E7\u00C7"},
      {L'/', L"oOaAdD", L"\u00F8\u00D8\u00E6\u00C6\u00F0\u00D0"},
      {L'-', L"dDbB", L"\u00F0\u00D0\u00DF\u00DF"},
      {L'.', L"aA", L"\u00E5\u00C5"},
  };
  int entries = 0;
  for (const auto& group : kGroups) {
    for (size_t i = 0; group.letters[i] != L'\0'; ++i, ++entries) {
      const std::wstring keys{group.letters[i], group.key};
      EXPECT_EQ(typed(keys), std::wstring(1, group.accented[i])) << testing::PrintToString(keys);
      EXPECT_EQ(selection(), std::make_pair(DWORD{1}, DWORD{1}));
    }
  }
  EXPECT_EQ(entries, 64);
  EXPECT_EQ(typed(L"Y:"), L"\u00DF") << "Y with a colon is the sharp s, not a capital y";
}

TEST_F(CharacterConversionTest, AnAccentKeyWithNothingToConvertIsTypedAsItIs) {
  EXPECT_EQ(typed(L"'"), L"'") << "the first character";
  EXPECT_EQ(typed(L"x'"), L"x'") << "a letter without an entry for the key";
  EXPECT_EQ(typed(L"e!"), L"e!") << "a key without entries";
  EXPECT_EQ(typed(L"n'"), L"n'") << "n has an entry for ~ only";
  EXPECT_EQ(typed(L"e''"), L"\u00E9'") << "an accented letter converts no further";
}

TEST_F(CharacterConversionTest, NothingIsConvertedWhileTextIsSelected) {
  typed(L"e");
  SendDlgItemMessageW(window, IDE_FROM_WORD, EM_SETSEL, 0, -1);
  driver->type(IDE_FROM_WORD, L"'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"'") << "the key replaces the selection";
}

TEST_F(CharacterConversionTest, AConversionInsideTheTextLeavesTheCaretAfterTheConvertedLetter) {
  typed(L"cafe noir");
  placeCaret(4);
  driver->type(IDE_FROM_WORD, L"'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"caf\u00E9 noir");
  EXPECT_EQ(selection(), std::make_pair(DWORD{4}, DWORD{4}));
  driver->type(IDE_FROM_WORD, L"s");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"caf\u00E9s noir");
}

TEST_F(CharacterConversionTest, BothWordFieldsConvert) {
  EXPECT_EQ(typed(L"man~ana", IDE_TO_WORD), L"ma\u00F1ana");
  EXPECT_EQ(typed(L"Grob-e", IDE_FROM_WORD), L"Gro\u00DFe");
}

TEST_F(CharacterConversionTest, TheOptionToDisableItTypesEveryKeyAsItIs) {
  application->stdEdit = 1;
  EXPECT_EQ(typed(L"e'n~Y:"), L"e'n~Y:");
  application->stdEdit = 0;
  EXPECT_EQ(typed(L"e'"), L"\u00E9") << "the conversion stays installed";
}

TEST_F(CharacterConversionTest, ConvertsBeyondThe255thCharacterWithoutCuttingTheField) {
  const std::wstring head(279, L'x');
  const std::wstring tail(40, L'y');
  SetDlgItemTextW(window, IDE_FROM_WORD, (head + L"a" + tail).c_str());
  driver->focus(IDE_FROM_WORD);
  placeCaret(280);
  driver->type(IDE_FROM_WORD, L":");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), head + L"\u00E4" + tail);
  EXPECT_EQ(selection(), std::make_pair(DWORD{280}, DWORD{280}));

  placeCaret(320);
  driver->type(IDE_FROM_WORD, L"e'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), head + L"\u00E4" + tail + L"\u00E9");
}

}  // namespace
