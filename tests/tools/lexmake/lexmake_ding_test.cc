// Reading the Ding format of Debian's trans-de-en.
#include <gtest/gtest.h>

#include "ding_file.h"
#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::dict;
using lexmake_test::NullProgress;
using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Read {
  PairList list;
  TermDrops drops;
  Diagnostics diagnostics;

  // The pairs as (German, English), the left side being German = language B.
  Pairs pairs() const {
    Pairs result;
    for (const SourcePair& p : list.pairs) result.emplace_back(list.b.word(p.b), list.a.word(p.a));
    return result;
  }
};

Read readLines(const std::string& content) {
  Read r;
  NullProgress progress;
  readDing(content, r.list.addFile("de-en"), Side::B, &r.list, &r.drops, &r.diagnostics, &progress.bar);
  return r;
}

TEST(LexmakeDing, PairsEveryTermOfAPartWithEveryTermOfTheSamePart) {
  const Read r = readLines(
      "# Version :: devel\n"
      "Aalbestand {m} | Aalbestände {pl} :: eel stock | eel stocks\n"
      "Bank {f}; Sitzbank {f} :: bench; seat\n");
  EXPECT_TRUE(r.diagnostics.errors.empty());
  EXPECT_EQ(r.pairs(), (Pairs{{"Aalbestand", "eel stock"},
                              {dict("Aalbestände"), "eel stocks"},
                              {"Bank", "bench"},
                              {"Bank", "seat"},
                              {"Sitzbank", "bench"},
                              {"Sitzbank", "seat"}}));
  EXPECT_EQ(r.list.pairs[0].head, Side::B);
  EXPECT_EQ(r.list.where(r.list.pairs[2]), "de-en:3");
}

TEST(LexmakeDing, DropsTheInfinitiveToOfVerbsAndTheMarksOfEveryTerm) {
  const Read r = readLines(
      "ins Ausland gehen {vi} [soc.] | ins Ausland gehend :: to expatriate | expatriating\n"
      "etw. abändern {vt} :: to alter sth. [fig.]\n"
      "bis heute :: to date\n");
  EXPECT_EQ(r.pairs(), (Pairs{{"ins Ausland gehen", "expatriate"},
                              {"ins Ausland gehend", "expatriating"},
                              {dict("abändern"), "alter"},
                              {"bis heute", "to date"}}));
}

TEST(LexmakeDing, UsesOnlyTheFirstPartWhenTheSidesDoNotCorrespond) {
  const Read r = readLines("Haus {n} | Häuser {pl} | im Haus :: house | houses\n");
  EXPECT_EQ(r.pairs(), (Pairs{{"Haus", "house"}}));
}

TEST(LexmakeDing, CountsTermsItDropsAndNamesMalformedLines) {
  const Read r = readLines(
      "er/sie geht; Moskau :: he/she goes; Москва\n"
      "kein Trenner hier\n"
      "\n"
      "gut :: good\n");
  EXPECT_EQ(r.pairs(), (Pairs{{"gut", "good"}}));  // Moskau has no usable translation
  EXPECT_EQ(r.drops[TermDrop::SlashInPhrase], 2u);
  EXPECT_EQ(r.drops[TermDrop::OutsideCharacterSet], 1u);
  ASSERT_EQ(r.diagnostics.errors.size(), 1u);
  EXPECT_EQ(r.diagnostics.errors[0], "de-en:2: expected \"LEFT :: RIGHT\", found no \" :: \"");
}

TEST(LexmakeDing, IsToldFromWordPairFilesByItsFirstLine) {
  EXPECT_TRUE(looksLikeDing("# comment :: not this\n\nHaus {n} :: house\n"));
  EXPECT_FALSE(looksLikeDing("house\tHaus\n"));
  EXPECT_FALSE(looksLikeDing("# only comments\n"));
}

}  // namespace
}  // namespace lexmake
