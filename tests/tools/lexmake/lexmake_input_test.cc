// Reading the word pair file: line handling, fields, and the errors that
// name the file and line.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"
#include "word_pairs.h"

namespace lexmake {
namespace {

using lexmake_test::NullProgress;

struct Pair {
  std::string a;
  std::string b;
  std::string where;
};

struct Parsed {
  std::vector<Pair> pairs;
  Diagnostics diagnostics;
};

Parsed parse(const std::string& content) {
  Parsed p;
  PairList list;
  NullProgress progress;
  readWordPairs(content, list.addFile("pairs.tsv"), Side::A, &list, &p.diagnostics, &progress.bar);
  for (const SourcePair& pair : list.pairs) p.pairs.push_back({list.a.word(pair.a), list.b.word(pair.b), list.where(pair)});
  return p;
}

TEST(LexmakeInput, ReadsPairsInLineOrderWithTheirLines) {
  const Parsed p = parse("house\tHaus\nbank\tBank\nbank\tUfer\n");
  ASSERT_EQ(p.pairs.size(), 3u);
  EXPECT_EQ(p.pairs[0].a, "house");
  EXPECT_EQ(p.pairs[0].b, "Haus");
  EXPECT_EQ(p.pairs[1].b, "Bank");
  EXPECT_EQ(p.pairs[2].b, "Ufer");
  EXPECT_EQ(p.pairs[2].where, "pairs.tsv:3");
  EXPECT_TRUE(p.diagnostics.errors.empty());
}

TEST(LexmakeInput, SkipsCommentsAndBlankLinesButCountsThem) {
  const Parsed p = parse("# a comment\n\n   \n\t\nhouse\tHaus\n#cat\tKatze\n");
  ASSERT_EQ(p.pairs.size(), 1u);
  EXPECT_EQ(p.pairs[0].where, "pairs.tsv:5");
  EXPECT_TRUE(p.diagnostics.errors.empty());
}

TEST(LexmakeInput, AcceptsByteOrderMarkAndEveryLineEnd) {
  const Parsed p = parse("\xEF\xBB\xBFhouse\tHaus\r\ncat\tKatze\rdog\tHund\r\n\r\nmouse\tMaus");
  ASSERT_EQ(p.pairs.size(), 4u);
  EXPECT_EQ(p.pairs[0].a, "house");  // no mark left in the first word
  EXPECT_EQ(p.pairs[1].b, "Katze");  // no CR left in a translation
  EXPECT_EQ(p.pairs[2].where, "pairs.tsv:3");
  EXPECT_EQ(p.pairs[3].where, "pairs.tsv:5");
  EXPECT_EQ(p.pairs[3].b, "Maus");  // a last line without a line end
}

TEST(LexmakeInput, DropsBlanksAroundFieldsAndKeepsThemInside) {
  const Parsed p = parse("  good morning \t  guten Morgen  \n");
  ASSERT_EQ(p.pairs.size(), 1u);
  EXPECT_EQ(p.pairs[0].a, "good morning");
  EXPECT_EQ(p.pairs[0].b, "guten Morgen");
}

TEST(LexmakeInput, ConvertsUtf8ToWindows1252) {
  const Parsed p = parse("street\tStraße\nheart\tcœur\nprice\t5 €\n");
  ASSERT_EQ(p.pairs.size(), 3u);
  EXPECT_EQ(p.pairs[0].b,
            "Stra\xDF"
            "e");
  EXPECT_EQ(p.pairs[1].b, "c\x9Cur");
  EXPECT_EQ(p.pairs[2].b, "5 \x80");
}

TEST(LexmakeInput, ReportsBadLinesWithFileAndLineAndKeepsTheGoodOnes) {
  const Parsed p = parse(
      "house\tHaus\n"
      "no tab here\n"
      "a\tb\tc\n"
      "\tHaus\n"
      "cat\t   \n"
      "dog\tHund\n");
  ASSERT_EQ(p.pairs.size(), 2u);
  EXPECT_EQ(p.pairs[1].a, "dog");
  ASSERT_EQ(p.diagnostics.errors.size(), 4u);
  EXPECT_EQ(p.diagnostics.errors[0], "pairs.tsv:2: expected word<TAB>translation, found no tab");
  EXPECT_EQ(p.diagnostics.errors[1], "pairs.tsv:3: expected word<TAB>translation, found more than one tab");
  EXPECT_EQ(p.diagnostics.errors[2], "pairs.tsv:4: empty word");
  EXPECT_EQ(p.diagnostics.errors[3], "pairs.tsv:5: empty translation");
}

TEST(LexmakeInput, RefusesCharactersWithoutAByteAndBrokenUtf8) {
  const Parsed p = parse(
      "Moscow\tМосква\n"
      "smile\t\xF0\x9F\x98\x80\n"
      "broken\t\xC3(\n"
      "bell\ta\x07"
      "b\n"
      "c1\ta\xC2\x81"
      "b\n");
  EXPECT_TRUE(p.pairs.empty());
  ASSERT_EQ(p.diagnostics.errors.size(), 5u);
  EXPECT_EQ(p.diagnostics.errors[0],
            "pairs.tsv:1: translation \"Москва\": \"М\" (U+041C) has no Windows-1252 character");
  EXPECT_EQ(p.diagnostics.errors[1],
            "pairs.tsv:2: translation \"\xF0\x9F\x98\x80\": \"\xF0\x9F\x98\x80\" (U+1F600) has no Windows-1252 "
            "character");
  EXPECT_EQ(p.diagnostics.errors[2], "pairs.tsv:3: translation \"\xC3(\": not valid UTF-8");
  EXPECT_EQ(p.diagnostics.errors[3],
            "pairs.tsv:4: translation \"a\x07"
            "b\": control character U+0007");
  EXPECT_EQ(p.diagnostics.errors[4],
            "pairs.tsv:5: translation \"a\xC2\x81"
            "b\": control character U+0081");
}

TEST(LexmakeInput, ReportsBothFieldsOfOneLine) {
  const Parsed p = parse("Москва\tМосква\n");
  EXPECT_TRUE(p.pairs.empty());
  ASSERT_EQ(p.diagnostics.errors.size(), 2u);
  EXPECT_NE(p.diagnostics.errors[0].find("pairs.tsv:1: word"), std::string::npos);
  EXPECT_NE(p.diagnostics.errors[1].find("pairs.tsv:1: translation"), std::string::npos);
}

TEST(LexmakeInput, FirstFieldMayBeLanguageB) {
  PairList list;
  Diagnostics diagnostics;
  NullProgress progress;
  readWordPairs("Haus\thouse\n", list.addFile("de_en.tsv"), Side::B, &list, &diagnostics, &progress.bar);
  ASSERT_EQ(list.pairs.size(), 1u);
  EXPECT_EQ(list.a.word(list.pairs[0].a), "house");
  EXPECT_EQ(list.b.word(list.pairs[0].b), "Haus");
  EXPECT_EQ(list.pairs[0].head, Side::B);
}

TEST(LexmakeInput, ProgramNamesTheBadLineAndWritesNothing) {
  lexmake_test::TempFolder folder;
  const std::string pairs = folder.write("bad.tsv", "house\tHaus\nhouse Haus\n");
  const std::string output = folder.path("out");
  const lexmake_test::RunResult run = lexmake_test::runLexmake(lexmake_test::pairArguments(pairs, output));
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("bad.tsv:2: expected word<TAB>translation"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace lexmake
