// Reading the word pair file: line handling, fields, and the errors that
// name the file and line.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"
#include "word_pairs.h"

namespace lexmake {
namespace {

using lexmake_test::NullProgress;

using Strings = std::vector<std::string>;

// The pairs of `content` as "word=translation@file:line", and the errors.
std::pair<Strings, Strings> parse(const std::string& content) {
  PairList list;
  Diagnostics diagnostics;
  NullProgress progress;
  readWordPairs(content, list.addFile("pairs.tsv"), Side::A, &list, &diagnostics, &progress.bar);
  Strings pairs;
  for (const SourcePair& pair : list.pairs) {
    pairs.push_back(list.a.word(pair.a) + "=" + list.b.word(pair.b) + "@" + list.where(pair));
  }
  return {pairs, diagnostics.errors};
}

// Pairs in line order with their lines; comments and blank lines skipped
// but counted; a byte order mark and every line end; blanks around fields
// dropped; UTF-8 converted to Windows-1252; bad lines named by file and
// line while the good ones stay.
TEST(LexmakeInput, ReadsPairsAndNamesBadLines) {
  const struct {
    std::string content;
    Strings pairs;
    Strings errors;
  } cases[] = {
      {"house\tHaus\nbank\tBank\nbank\tUfer\n", {"house=Haus@pairs.tsv:1", "bank=Bank@pairs.tsv:2", "bank=Ufer@pairs.tsv:3"}, {}},
      {"# a comment\n\n   \n\t\nhouse\tHaus\n#cat\tKatze\n", {"house=Haus@pairs.tsv:5"}, {}},
      {"\xEF\xBB\xBFhouse\tHaus\r\ncat\tKatze\rdog\tHund\r\n\r\nmouse\tMaus",
       {"house=Haus@pairs.tsv:1", "cat=Katze@pairs.tsv:2", "dog=Hund@pairs.tsv:3", "mouse=Maus@pairs.tsv:5"}, {}},
      {"  good morning \t  guten Morgen  \n", {"good morning=guten Morgen@pairs.tsv:1"}, {}},
      {"street\tStraße\nheart\tcœur\nprice\t5 €\n",
       {"street=Stra\xDF" "e@pairs.tsv:1", "heart=c\x9Cur@pairs.tsv:2", "price=5 \x80@pairs.tsv:3"}, {}},
      {"house\tHaus\nno tab here\na\tb\tc\n\tHaus\ncat\t   \ndog\tHund\n", {"house=Haus@pairs.tsv:1", "dog=Hund@pairs.tsv:6"},
       {"pairs.tsv:2: expected word<TAB>translation, found no tab",
        "pairs.tsv:3: expected word<TAB>translation, found more than one tab", "pairs.tsv:4: empty word",
        "pairs.tsv:5: empty translation"}},
      {"Moscow\tМосква\nsmile\t\xF0\x9F\x98\x80\nbroken\t\xC3(\nbell\ta\x07" "b\nc1\ta\xC2\x81" "b\n", {},
       {"pairs.tsv:1: translation \"Москва\": \"М\" (U+041C) has no Windows-1252 character",
        "pairs.tsv:2: translation \"\xF0\x9F\x98\x80\": \"\xF0\x9F\x98\x80\" (U+1F600) has no Windows-1252 character",
        "pairs.tsv:3: translation \"\xC3(\": not valid UTF-8",
        "pairs.tsv:4: translation \"a\x07" "b\": control character U+0007",
        "pairs.tsv:5: translation \"a\xC2\x81" "b\": control character U+0081"}},
  };
  for (const auto& c : cases) {
    const auto parsed = parse(c.content);
    EXPECT_EQ(parsed.first, c.pairs) << c.content;
    EXPECT_EQ(parsed.second, c.errors) << c.content;
  }
  // Both fields of one line are reported.
  const Strings errors = parse("Москва\tМосква\n").second;
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].rfind("pairs.tsv:1: word", 0), 0u) << errors[0];
  EXPECT_EQ(errors[1].rfind("pairs.tsv:1: translation", 0), 0u) << errors[1];
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
