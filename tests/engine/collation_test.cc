#include "datafile/collation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lexcore {
namespace {

int sign(int v) { return (v > 0) - (v < 0); }

TEST(Collation, FoldsAsciiCapitalsAndTheWholeRangeC0ToDF) {
  EXPECT_EQ(0x61, foldChar(0x41));
  EXPECT_EQ(0x7A, foldChar(0x5A));
  EXPECT_EQ(0xE0, foldChar(0xC0));
  EXPECT_EQ(0xF7, foldChar(0xD7));  // no exception for the multiplication sign
  EXPECT_EQ(0xFF, foldChar(0xDF));  // nor for sharp s
  EXPECT_EQ(0xE9, foldChar(0xC9));
}

TEST(Collation, LeavesEveryOtherByteAlone) {
  for (int c : {0x00, 0x40, 0x5B, 0x60, 0x61, 0x7A, 0x7B, 0x80, 0x9F, 0xBF, 0xE0, 0xF7, 0xFF}) {
    EXPECT_EQ(c, foldChar(static_cast<uint8_t>(c))) << "byte " << c;
  }
}

TEST(Collation, CompareFoldedIgnoresCaseAndOrdersPrefixesFirst) {
  EXPECT_EQ(0, compareFolded("Apple", "apple"));
  EXPECT_EQ(-1, compareFolded("apple", "Apples"));
  EXPECT_EQ(1, compareFolded("Apples", "apple"));
  EXPECT_EQ(1, compareFolded("b", "A"));
  EXPECT_EQ(0, compareFolded("", ""));
  EXPECT_EQ(-1, compareFolded("", "a"));
}

TEST(Collation, CapitalsSortAmongSmallLettersAboveUnderscore) {
  EXPECT_EQ(1, compareFolded("Zulu", "_x"));
  EXPECT_EQ(-1, compareFolded("_x", "Zulu"));
}

TEST(Collation, BytesFromC0FoldOntoTheirSmallForms) {
  EXPECT_EQ(0, compareFolded("\xC9", "\xE9"));
  EXPECT_EQ(0, compareFolded("\xD7", "\xF7"));
  EXPECT_EQ(0, compareFolded("\xDF", "\xFF"));
  EXPECT_NE(0, compareFolded("\xBF", "\xDF"));
  EXPECT_NE(0, compareFolded("\x9F", "\xBF"));
}

TEST(Collation, HighBytesSortAboveAllAscii) {
  EXPECT_EQ(1, compareFolded("\x80", "z"));
  EXPECT_EQ(1, compareFolded("a\x81", "aZ"));
  EXPECT_EQ(-1, compareFolded("~", "\xA0"));
}

TEST(Collation, CompareFoldedNStopsAfterNPositions) {
  EXPECT_EQ(0, compareFoldedN("ABCx", "abcy", 3));
  EXPECT_EQ(-1, compareFoldedN("ABCx", "abcy", 4));
  EXPECT_EQ(0, compareFoldedN("anything", "else", 0));
  EXPECT_EQ(0, compareFoldedN("anything", "else", -5));
  EXPECT_EQ(0, compareFoldedN("", "", 3));
}

TEST(Collation, CompareFoldedNStopsWhereBothTextsEnd) {
  EXPECT_EQ(0, compareFoldedN("ab", "AB", 50));
  EXPECT_EQ(-1, compareFoldedN("ab", "abc", 50));
  EXPECT_EQ(1, compareFoldedN("abc", "AB", 50));
}

// Folded order is the unsigned byte order of the folded texts: checked
// against that definition on random texts with many case pairs.
TEST(Collation, AgreesWithByteOrderOfFoldedTextsOnRandomTexts) {
  std::mt19937 random(20240611);
  const std::string alphabet = "aAbBzZ_@[`\x7f\x80\xbf\xc0\xc9\xd7\xdf\xe0\xe9\xf7\xff";
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 5);
  const auto randomText = [&] {
    std::string s;
    for (int i = length(random); i > 0; --i) s.push_back(alphabet[pick(random)]);
    return s;
  };
  const auto folded = [](std::string s) {
    for (char& c : s) c = static_cast<char>(foldChar(static_cast<uint8_t>(c)));
    return s;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::string a = randomText();
    const std::string b = randomText();
    const int expected = sign(folded(a).compare(folded(b)));
    ASSERT_EQ(expected, compareFolded(a.c_str(), b.c_str())) << '"' << a << "\" vs \"" << b << '"';
    ASSERT_EQ(-expected, compareFolded(b.c_str(), a.c_str()));
    const int n = static_cast<int>(i % 4);
    const int expectedN = sign(folded(a.substr(0, n)).compare(folded(b.substr(0, n))));
    ASSERT_EQ(expectedN, compareFoldedN(a.c_str(), b.c_str(), n)) << '"' << a << "\" vs \"" << b << "\" n=" << n;
  }
}

}  // namespace
}  // namespace lexcore
