// The letter-case shape of a captured word and its transfer to the
// translation that Replace puts back.
#include <gtest/gtest.h>

#include <string>

#include "integration/case_pattern.h"
#include "platform/letter_case.h"

namespace {

using lexcore::isLowerCaseLetter;
using lexcore::isUpperCaseLetter;
using lexcore::toUpperCaseLetter;

std::wstring shaped(std::wstring text, CasePattern pattern) {
  applyCasePattern(&text[0], pattern);
  return text;
}

std::wstring shapedLike(const std::wstring& word, const std::wstring& translation) {
  return shaped(translation, casePattern(word.c_str()));
}

TEST(CasePattern, ExamplesOfTheThreeShapes) {
  EXPECT_EQ(casePattern(L"Haus"), CaseInitial);
  EXPECT_EQ(casePattern(L"H"), CaseInitial);
  EXPECT_EQ(casePattern(L"EU"), CaseAll);
  EXPECT_EQ(casePattern(L"B2B"), CaseAll);
  EXPECT_EQ(casePattern(L"1A"), CaseAll);
  EXPECT_EQ(casePattern(L"USA"), CaseAll);
  EXPECT_EQ(casePattern(L"McDonald"), CaseAsIs);
  EXPECT_EQ(casePattern(L"eBay"), CaseAsIs);
  EXPECT_EQ(casePattern(L"haus"), CaseAsIs);
}

TEST(CasePattern, TextsWithoutUpperCaseLettersKeepTheOtherTextAsIs) {
  EXPECT_EQ(casePattern(L""), CaseAsIs);
  EXPECT_EQ(casePattern(L"123 456"), CaseAsIs);
  EXPECT_EQ(casePattern(L"-"), CaseAsIs);
  EXPECT_EQ(casePattern(L"\x00E9t\x00E9"), CaseAsIs) << "été";
}

TEST(CasePattern, AnUpperCaseLetterAfterANonLetterStartMakesAllOrNothing) {
  EXPECT_EQ(casePattern(L"1Ab"), CaseAsIs) << "not initial: the first character is no letter";
  EXPECT_EQ(casePattern(L"'S"), CaseAll);
  EXPECT_EQ(casePattern(L"\x00C9T\x00C9"), CaseAll) << "ÉTÉ";
  EXPECT_EQ(casePattern(L"\x00C9t\x00E9"), CaseInitial) << "Été";
}

TEST(CasePattern, ApplyingGivesTheTranslationTheShapeOfTheWord) {
  EXPECT_EQ(shapedLike(L"Haus", L"house"), L"House");
  EXPECT_EQ(shapedLike(L"USA", L"\x00E9tats-unis"), L"\x00C9TATS-UNIS");
  EXPECT_EQ(shapedLike(L"haus", L"House"), L"House") << "as is: unchanged";
  EXPECT_EQ(shapedLike(L"McDonald", L"mcdonald"), L"mcdonald");
  EXPECT_EQ(shapedLike(L"Haus", L"\x00E9" L"clair"), L"\x00C9" L"clair");
  EXPECT_EQ(shapedLike(L"Haus", L"1a"), L"1a") << "only a lower-case first character changes";
  EXPECT_EQ(shapedLike(L"EU", L"eu 2 x"), L"EU 2 X");
  EXPECT_EQ(shaped(L"", CaseAll), L"");
  EXPECT_EQ(shaped(L"", CaseInitial), L"");
}

// The sharp s has no single upper-case letter: it belongs to either shape.
TEST(CasePattern, SharpSCountsAsNeitherCase) {
  EXPECT_FALSE(isLowerCaseLetter(0x00DF));
  EXPECT_FALSE(isUpperCaseLetter(0x00DF));
  EXPECT_EQ(casePattern(L"Stra\x00DF" L"e"), CaseInitial);
  EXPECT_EQ(casePattern(L"STRA\x00DF" L"E"), CaseAll);
  EXPECT_EQ(shaped(L"stra\x00DF" L"e", CaseAll), L"STRA\x00DF" L"E");
}

// The signs in the Latin-1 letter ranges are no letters, and ÿ becomes Ÿ.
TEST(CasePattern, LatinOneSignsStayAndYWithDiaeresisBecomesItsCapital) {
  EXPECT_FALSE(isLowerCaseLetter(0x00F7));
  EXPECT_FALSE(isUpperCaseLetter(0x00D7));
  EXPECT_EQ(shaped(L"\x00F7\x00D7", CaseAll), L"\x00F7\x00D7");
  EXPECT_EQ(toUpperCaseLetter(0x00FF), 0x0178);
  EXPECT_EQ(shaped(L"\x00E0\x00FE\x00FF", CaseAll), L"\x00C0\x00DE\x0178");
  EXPECT_EQ(casePattern(L"\x0178"), CaseInitial);
}

// Š, Œ, Ž and Ÿ are letters of the dictionaries' character set outside
// Latin-1; their low byte says nothing about them.
TEST(CasePattern, LettersOfTheCharacterSetBeyondLatinOneKeepTheirIdentity) {
  EXPECT_EQ(shaped(L"c\x0153ur", CaseAll), L"C\x0152UR") << "cœur";
  EXPECT_EQ(shaped(L"\x0161" L"a\x017E", CaseAll), L"\x0160" L"A\x017D");
  EXPECT_EQ(shaped(L"\x0153uvre", CaseInitial), L"\x0152uvre");
  EXPECT_EQ(casePattern(L"\x0152uvre"), CaseInitial);
  EXPECT_EQ(casePattern(L"\x0153UVRE"), CaseAsIs) << "œ is lower case";
}

// Other characters are no letters whatever their low byte, and never change.
TEST(CasePattern, OtherCharactersAreNoLettersAndNeverChange) {
  const std::wstring others = L"\x0142\x0141\x017A\x0430\x0410\x4E2D\x0105";  // łŁźаА中ą
  for (wchar_t character : others) {
    EXPECT_FALSE(isLowerCaseLetter(character)) << std::hex << character;
    EXPECT_FALSE(isUpperCaseLetter(character)) << std::hex << character;
    EXPECT_EQ(toUpperCaseLetter(character), character) << std::hex << character;
  }
  EXPECT_EQ(shaped(others, CaseAll), others);
  EXPECT_EQ(casePattern(L"\x0141\x00F3" L"d\x017A"), CaseAsIs) << "Łódź: no letter of the set is upper case";
  EXPECT_EQ(shaped(L"\x017A" L"le", CaseAll), L"\x017A" L"LE");
}

}  // namespace
