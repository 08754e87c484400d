// Choosing the 256 byte codes of a data file.
#include <gtest/gtest.h>

#include <set>

#include "code_table.h"
#include "datafile/data_file_writer.h"

namespace lexmake {
namespace {

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
