#include "datafile/collation.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace lexcore {
namespace {

int sign(int v) { return (v > 0) - (v < 0); }

// Folded order: ASCII capitals and the whole range C0..DF (the
// multiplication sign and sharp s too) fold onto their small forms; every
// other byte stands for itself, compared unsigned; a prefix comes first.
TEST(Collation, ComparesFoldedTextsByteByByte) {
  const struct {
    const char* a;
    const char* b;
    int n;  // compareFoldedN's limit; -1: compareFolded
    int expected;
  } cases[] = {
      {"Apple", "apple", -1, 0},   {"apple", "Apples", -1, -1}, {"b", "A", -1, 1},        {"", "", -1, 0},
      {"", "a", -1, -1},           {"Zulu", "_x", -1, 1},       {"_x", "Zulu", -1, -1},   {"\xC9", "\xE9", -1, 0},
      {"\xD7", "\xF7", -1, 0},     {"\xDF", "\xFF", -1, 0},     {"\xBF", "\xDF", -1, -1}, {"\x9F", "\xBF", -1, -1},
      {"\x80", "z", -1, 1},        {"a\x81", "aZ", -1, 1},      {"~", "\xA0", -1, -1},    {"ABCx", "abcy", 3, 0},
      {"ABCx", "abcy", 4, -1},     {"anything", "else", 0, 0},  {"anything", "else", -5, 0}, {"ab", "AB", 50, 0},
      {"ab", "abc", 50, -1},       {"abc", "AB", 50, 1},        {"", "", 3, 0},
  };
  for (const auto& c : cases) {
    const int got = c.n == -1 ? compareFolded(c.a, c.b) : compareFoldedN(c.a, c.b, c.n);
    EXPECT_EQ(c.expected, got) << '"' << c.a << "\" vs \"" << c.b << "\" n=" << c.n;
  }
}

// Folded order is the unsigned byte order of the folded texts: checked
// against that definition on random texts with many case pairs.
TEST(Collation, AgreesWithByteOrderOfFoldedTextsOnRandomTexts) {
  std::mt19937 random(20240611);
  const std::string alphabet = "aAbBzZ_@[`\x7f\x80\xbf\xc0\xc9\xd7\xdf\xe0\xe9\xf7\xff";
  const auto randomText = [&] {
    std::string s;
    for (int i = static_cast<int>(random() % 6); i > 0; --i) s.push_back(alphabet[random() % alphabet.size()]);
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
    const int n = i % 4;
    const int expectedN = sign(folded(a.substr(0, n)).compare(folded(b.substr(0, n))));
    ASSERT_EQ(expectedN, compareFoldedN(a.c_str(), b.c_str(), n)) << '"' << a << "\" vs \"" << b << "\" n=" << n;
  }
}

}  // namespace
}  // namespace lexcore
