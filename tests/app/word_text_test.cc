// Word text between the wide fields and the engine's 8-bit words.
#include <gtest/gtest.h>

#include <string>

#include "shell/word_text.h"

namespace {

int trimmed(std::wstring& text) {
  text.push_back(L'\0');
  const int length = trimBlanks(&text[0]);
  text.resize(text.find(L'\0'));
  return length;
}

TEST(TrimBlanks, DropsSpacesAndControlCharactersAtBothEnds) {
  std::wstring text = L" word\r\n";
  EXPECT_EQ(trimmed(text), 4);
  EXPECT_EQ(text, L"word");

  text = L"\t  two words \x1F";
  EXPECT_EQ(trimmed(text), 9);
  EXPECT_EQ(text, L"two words") << "blanks inside stay";

  text = L"\x00A0word";  // a no-break space is above 0x20
  EXPECT_EQ(trimmed(text), 5);
}

TEST(TrimBlanks, EmptyAndAllBlankTextsBecomeEmpty) {
  std::wstring text;
  EXPECT_EQ(trimmed(text), 0);
  text = L" \t";
  EXPECT_EQ(trimmed(text), 0);
  EXPECT_EQ(text, L"");
}

TEST(ToNarrow, UsesWindows1252WhateverTheLocale) {
  char word[kWordCapacity];
  EXPECT_EQ(toNarrow(word, kWordCapacity, L"\u00E9t\u00E9"), 3);
  EXPECT_EQ(std::string(word), "\xE9t\xE9");
  // Characters of the 0x80 to 0x9F row and the five bytes the code page
  // leaves undefined.
  EXPECT_EQ(toNarrow(word, kWordCapacity, L"\u20AC\u0153\u0178\u0081\u009D"), 5);
  EXPECT_EQ(std::string(word), "\x80\x9C\x9F\x81\x9D");
}

TEST(ToNarrow, RefusesACharacterWithoutAByteInTheSet) {
  char word[kWordCapacity];
  EXPECT_EQ(toNarrow(word, kWordCapacity, L"\u0142\u00F3d\u017A"), -1);
  EXPECT_STREQ(word, "");
  EXPECT_EQ(toNarrow(word, kWordCapacity, L"smile\xD83D\xDE00"), -1) << "a surrogate pair";
  EXPECT_EQ(toNarrow(word, kWordCapacity, L"\u0080"), -1) << "the euro sign owns byte 0x80";
}

TEST(ToNarrow, RefusesAWordLongerThanTheBuffer) {
  char word[kWordCapacity];
  const std::wstring longest(kWordCapacity - 1, L'a');
  EXPECT_EQ(toNarrow(word, kWordCapacity, longest.c_str()), kWordCapacity - 1);
  const std::wstring tooLong(kWordCapacity, L'a');
  EXPECT_EQ(toNarrow(word, kWordCapacity, tooLong.c_str()), -1);
  EXPECT_STREQ(word, "");
}

TEST(ToWide, WidensWindows1252AndCutsToTheBuffer) {
  wchar_t wide[9];
  EXPECT_EQ(toWide(wide, 9, "Stra\xDF" "e \x80"), 8);
  EXPECT_EQ(std::wstring(wide), L"Stra\u00DFe \u20AC");
  EXPECT_EQ(toWide(wide, 4, "abcdef"), 3);
  EXPECT_EQ(std::wstring(wide), L"abc");
}

}  // namespace
