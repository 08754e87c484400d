// The description of a language's ending and variant tables.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "word_tables.h"

namespace lexmake {
namespace {

using Groups = lexcore::StringGroups;

struct Parsed {
  bool ok = false;
  LanguageTables tables;
  Diagnostics diagnostics;
};

Parsed parse(const std::string& content) {
  Parsed p;
  p.ok = parseLanguageTables(content, "en.tables", &p.tables, &p.diagnostics);
  return p;
}

TEST(LexmakeTables, ReadsEndingAndVariantGroupsInLineOrder) {
  const Parsed p = parse(
      "# English\n"
      "ending \"\" <- s es   # cats, boxes\n"
      "\n"
      "variant ph f\n"
      "ending y <- ies\n"
      "variant k c ck\n");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.tables.endings, (Groups{{"", "s", "es"}, {"y", "ies"}}));
  EXPECT_EQ(p.tables.variants, (Groups{{"ph", "f"}, {"k", "c", "ck"}}));
  EXPECT_TRUE(p.diagnostics.errors.empty());
  EXPECT_TRUE(p.diagnostics.warnings.empty());
}

TEST(LexmakeTables, EmptyStringsBlanksLineEndsAndCharacterSet) {
  const Parsed p = parse(
      "\xEF\xBB\xBF"
      "ending\t\"\"\t<-\t\"\"x  e\r\nvariant ss ß \"\"\r\nvariant oe œ\r");
  // "\"\"x" is no empty string: quotes stand only alone.
  EXPECT_FALSE(p.ok);
  ASSERT_EQ(p.diagnostics.errors.size(), 1u);
  EXPECT_EQ(p.diagnostics.errors[0], "en.tables:1: \"\"\"x\": quotes stand only in \"\", the empty string");
  EXPECT_EQ(p.tables.variants, (Groups{{"ss", "\xDF", ""}, {"oe", "\x9C"}}));
}

TEST(LexmakeTables, ReportsEveryBadLineWithItsNumber) {
  const Parsed p = parse(
      "ending s\n"           // 1: no arrow, no ending
      "ending \"\" s es\n"   // 2: no arrow
      "ending y <-\n"        // 3: no ending
      "variant ph\n"         // 4: one string only
      "endings y <- ies\n"   // 5: unknown line
      "variant ß ß\n"        // 6: twice the same
      "ending e <- s e\n"    // 7: an ending equal to its base
      "variant я a\n"        // 8: no byte for the character
      "ending y <- ies\n");  // 9: good
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.diagnostics.errors, (std::vector<std::string>{
                                      "en.tables:1: expected: ending BASE <- ENDING...",
                                      "en.tables:2: expected: ending BASE <- ENDING...",
                                      "en.tables:3: expected: ending BASE <- ENDING...",
                                      "en.tables:4: expected: variant TEXT TEXT...",
                                      "en.tables:5: unknown line \"endings\"; expected \"ending\" or \"variant\"",
                                      "en.tables:6: \"ß\" stands twice in the line",
                                      "en.tables:7: \"e\" stands twice in the line",
                                      "en.tables:8: \"я\": \"я\" (U+044F) has no Windows-1252 character"}));
  EXPECT_EQ(p.tables.endings, (Groups{{"y", "ies"}}));
}

TEST(LexmakeTables, EnforcesTheRecordLimits) {
  // A group holds its length byte and at most 254 bytes of strings.
  const std::string fits = "variant " + std::string(126, 'a') + " " + std::string(126, 'b') + "\n";     // 254
  const std::string tooLong = "variant " + std::string(126, 'a') + " " + std::string(127, 'b') + "\n";  // 255
  Parsed p = parse(fits + tooLong);
  EXPECT_FALSE(p.ok);
  ASSERT_EQ(p.diagnostics.errors.size(), 1u);
  EXPECT_EQ(p.diagnostics.errors[0], "en.tables:2: the line's strings take more than 254 bytes");
  EXPECT_EQ(p.tables.variants.size(), 1u);

  // At most 255 groups of a kind.
  std::string many;
  for (int i = 0; i < 256; ++i) many += "ending \"\" <- s" + std::to_string(i) + "\n";
  p = parse(many + "variant a b\n");
  EXPECT_FALSE(p.ok);
  ASSERT_EQ(p.diagnostics.errors.size(), 1u);
  EXPECT_EQ(p.diagnostics.errors[0], "en.tables:256: more than 255 ending lines");
  EXPECT_EQ(p.tables.endings.size(), 255u);
  EXPECT_EQ(p.tables.variants.size(), 1u);
}

TEST(LexmakeTables, CountsTheSpellCheckerStepsAndWarnsPastItsBudget) {
  // Each string is one step, plus one per place it could stand in the word.
  EXPECT_EQ(variantSteps(Groups{{"a", "b", "c"}}, 10), 3u * (1 + 10));
  EXPECT_EQ(variantSteps(Groups{{"ph", "f"}}, 10), (1u + 9) + (1 + 10));
  EXPECT_EQ(variantSteps(Groups{{"longer", "x"}}, 3), 1u + (1 + 3));
  EXPECT_EQ(variantSteps(Groups{{"", "e"}}, 4), (1u + 5) + (1 + 4));

  // 100 groups of a 4-letter and a 1-letter string: (1 + 7) + (1 + 10) = 19
  // steps each, within the budget; ten more pass it.
  std::string lines;
  for (int i = 1000; i < 1100; ++i) lines += "variant " + std::to_string(i) + " b\n";
  Parsed p = parse(lines);
  EXPECT_TRUE(p.ok);
  EXPECT_TRUE(p.diagnostics.warnings.empty());
  for (int i = 1100; i < 1110; ++i) lines += "variant " + std::to_string(i) + " b\n";
  p = parse(lines);
  EXPECT_TRUE(p.ok);
  ASSERT_EQ(p.diagnostics.warnings.size(), 1u);
  EXPECT_EQ(p.diagnostics.warnings[0],
            "en.tables: the variant lines take 2090 steps for a 10-letter word; spell checking stops after 2000, "
            "so the last lines are not reached");
}

// The tables that scripts/build-real-dictionaries uses read without a
// problem, and the spell checker reaches their last line, which does the
// most for misspellings, in a word of 10 letters.
TEST(LexmakeTables, DefaultTablesOfTheRealDictionariesReadCleanly) {
  for (const char* language : {"en", "de", "fr"}) {
    const std::string path = std::string(VOCARO_TABLES_DIR) + "/" + language + ".tables";
    std::ifstream in(path, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(content.empty()) << path;
    const Parsed p = parse(content);
    EXPECT_TRUE(p.ok) << language;
    EXPECT_TRUE(p.diagnostics.errors.empty()) << language;
    EXPECT_TRUE(p.diagnostics.warnings.empty()) << language;
    EXPECT_GE(p.tables.endings.size(), 5u) << language;
    ASSERT_FALSE(p.tables.variants.empty()) << language;
    EXPECT_EQ(p.tables.variants.back().front(), "") << language;  // any letter left out or added
  }
}

}  // namespace
}  // namespace lexmake
