#include "datafile/collation.h"

#include <gtest/gtest.h>

#include <string>

namespace lexcore {
namespace {

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

}  // namespace
}  // namespace lexcore
