// The tables a data file carries: the ending and variant tables read from
// their text description, and the 256 byte codes chosen for its words.
#include <gtest/gtest.h>

#include <set>

#include "code_table.h"
#include "datafile/data_file_writer.h"
#include "word_tables.h"

namespace lexmake {
namespace {

using Groups = lexcore::StringGroups;

struct Parsed { bool ok = false; LanguageTables tables; Diagnostics diagnostics; };

Parsed parse(const std::string& content) {
  Parsed p;
  p.ok = parseLanguageTables(content, "en.tables", &p.tables, &p.diagnostics);
  return p;
}

// Groups in line order; comments, a byte order mark, tabs, every line end,
// the empty string "" and Windows-1252 text.
// Bad lines are named by their number, and the record limits hold.
TEST(LexmakeTables, ReadsEndingAndVariantGroupsInLineOrderAndReportsBadLines) {
  const Parsed p = parse(
      "\xEF\xBB\xBF# English\r\n"
      "ending \"\" <- s es   # cats, boxes\n"
      "\n"
      "variant\tph\tf\r"
      "ending y <- ies\n"
      "variant ss ß \"\"\r\n");
  ASSERT_TRUE(p.ok);
  EXPECT_EQ(p.tables.endings, (Groups{{"", "s", "es"}, {"y", "ies"}}));
  EXPECT_EQ(p.tables.variants, (Groups{{"ph", "f"}, {"ss", "\xDF", ""}}));
  EXPECT_TRUE(p.diagnostics.warnings.empty());
  // Quotes stand only alone.
  const Parsed quoted = parse("ending \"\"x <- e\n");
  EXPECT_EQ(quoted.diagnostics.errors,
            std::vector<std::string>{"en.tables:1: \"\"\"x\": quotes stand only in \"\", the empty string"});

  const Parsed bad = parse(
      "ending s\n"           // 1: no arrow, no ending
      "ending y <-\n"        // 2: no ending
      "variant ph\n"         // 3: one string only
      "endings y <- ies\n"   // 4: unknown line
      "variant ß ß\n"        // 5: twice the same
      "ending e <- s e\n"    // 6: an ending equal to its base
      "variant я a\n"        // 7: no byte for the character
      "ending y <- ies\n");  // 8: good
  EXPECT_FALSE(bad.ok);
  EXPECT_EQ(bad.diagnostics.errors, (std::vector<std::string>{
      "en.tables:1: expected: ending BASE <- ENDING...", "en.tables:2: expected: ending BASE <- ENDING...",
      "en.tables:3: expected: variant TEXT TEXT...", "en.tables:4: unknown line \"endings\"; expected \"ending\" or \"variant\"",
      "en.tables:5: \"ß\" stands twice in the line", "en.tables:6: \"e\" stands twice in the line",
      "en.tables:7: \"я\": \"я\" (U+044F) has no Windows-1252 character"}));
  EXPECT_EQ(bad.tables.endings, (Groups{{"y", "ies"}}));

  // A group holds its length byte and at most 254 bytes of strings.
  const std::string fits = "variant " + std::string(126, 'a') + " " + std::string(126, 'b') + "\n";     // 254
  const std::string tooLong = "variant " + std::string(126, 'a') + " " + std::string(127, 'b') + "\n";  // 255
  Parsed limits = parse(fits + tooLong);
  EXPECT_FALSE(limits.ok);
  EXPECT_EQ(limits.diagnostics.errors, std::vector<std::string>{"en.tables:2: the line's strings take more than 254 bytes"});
  EXPECT_EQ(limits.tables.variants.size(), 1u);

  // At most 255 groups of a kind.
  std::string many;
  for (int i = 0; i < 256; ++i) many += "ending \"\" <- s" + std::to_string(i) + "\n";
  limits = parse(many + "variant a b\n");
  EXPECT_EQ(limits.diagnostics.errors, std::vector<std::string>{"en.tables:256: more than 255 ending lines"});
  EXPECT_EQ(limits.tables.endings.size(), 255u);
  EXPECT_EQ(limits.tables.variants.size(), 1u);
}


// Every byte of the words is its own code; the other codes go to frequent
// substrings, so the words take fewer code bytes than bytes, and to long
// phrases that occur once, which must still encode in at most 15 codes.
TEST(LexmakeCodeTable, GivesEveryByteACodeAndTheRestToFrequentSubstringsAndLongTexts) {
  std::vector<std::string> words = {"a stitch in time saves nine, they used to say",
                                    "the quick brown fox jumps over the lazy dog again", "Stra\xDF" "e"};
  for (const char* stem : {"walk", "talk", "play", "work", "sing", "read", "jump", "look", "cook", "paint"}) {
    for (const char* ending : {"", "s", "ed", "ing", "er", "ers"}) words.push_back(std::string(stem) + ending);
  }
  std::vector<size_t> unencodable;
  const CodeTable codes = chooseCodeTable(words, words, &unencodable);
  EXPECT_TRUE(unencodable.empty());
  std::set<std::string> distinct;
  for (const std::string& c : codes) EXPECT_TRUE(c.empty() || distinct.insert(c).second) << "code \"" << c << "\" twice";
  EXPECT_EQ(distinct.count("ing"), 1u);
  size_t bytes = 0, codeBytes = 0;
  std::string encoded;
  for (const std::string& w : words) {
    for (const char b : w) EXPECT_EQ(codes[static_cast<unsigned char>(b)], std::string(1, b));
    ASSERT_TRUE(lexcore::encodeText(codes, w, &encoded)) << w;
    EXPECT_LE(encoded.size(), 15u) << w;
    bytes += w.size();
    codeBytes += encoded.size();
  }
  EXPECT_LT(codeBytes, bytes / 2);
}

}  // namespace
}  // namespace lexmake
