// Choosing the 256 byte codes of a data file.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "code_table.h"
#include "datafile/data_file_writer.h"

namespace lexmake {
namespace {

std::vector<std::string> sampleWords() {
  std::vector<std::string> words;
  for (const char* stem : {"walk", "talk", "play", "work", "sing", "read", "jump", "look", "cook", "paint"}) {
    for (const char* ending : {"", "s", "ed", "ing", "er", "ers"}) words.push_back(std::string(stem) + ending);
  }
  words.push_back(
      "Stra\xDF"
      "e");
  return words;
}

size_t encodedSize(const CodeTable& codes, const std::vector<std::string>& texts) {
  size_t total = 0;
  std::string codeBytes;
  for (const std::string& t : texts) {
    if (!lexcore::encodeText(codes, t, &codeBytes)) return SIZE_MAX;
    total += codeBytes.size();
  }
  return total;
}

TEST(LexmakeCodeTable, EveryByteOfTheWordsIsItsOwnCode) {
  const std::vector<std::string> words = sampleWords();
  std::vector<size_t> unencodable;
  const CodeTable codes = chooseCodeTable(words, words, &unencodable);
  EXPECT_TRUE(unencodable.empty());
  std::set<unsigned char> bytes;
  for (const std::string& w : words) bytes.insert(w.begin(), w.end());
  for (const unsigned char b : bytes) EXPECT_EQ(codes[b], std::string(1, static_cast<char>(b))) << int(b);
  std::set<std::string> distinct;
  for (const std::string& c : codes) {
    EXPECT_LE(c.size(), 15u);
    if (!c.empty()) {
      EXPECT_TRUE(distinct.insert(c).second) << "code \"" << c << "\" twice";
    }
  }
}

TEST(LexmakeCodeTable, SpendsTheOtherCodesOnFrequentSubstrings) {
  const std::vector<std::string> words = sampleWords();
  std::vector<size_t> unencodable;
  const CodeTable codes = chooseCodeTable(words, words, &unencodable);
  const std::set<std::string> table(codes.begin(), codes.end());
  EXPECT_EQ(table.count("ing"), 1u);
  EXPECT_EQ(table.count("ed"), 1u);
  // Fewer code bytes than one code per byte.
  size_t bytes = 0;
  for (const std::string& w : words) bytes += w.size();
  EXPECT_LT(encodedSize(codes, words), bytes * 2 / 3);
  EXPECT_LT(encodedSize(codes, words), encodedSize(lexcore::byteCodeTable(), words));
}

TEST(LexmakeCodeTable, LongTextsGetCodesToFitFifteen) {
  // Two long phrases that occur once each: ordinary frequency would give
  // them nothing, but each must encode in at most 15 codes.
  std::vector<std::string> words = sampleWords();
  words.push_back("a stitch in time saves nine, they used to say");
  words.push_back("the quick brown fox jumps over the lazy dog again");
  std::vector<size_t> unencodable;
  const CodeTable codes = chooseCodeTable(words, words, &unencodable);
  EXPECT_TRUE(unencodable.empty());
  std::string codeBytes;
  for (const std::string& w : words) EXPECT_TRUE(lexcore::encodeText(codes, w, &codeBytes)) << w;
}

TEST(LexmakeCodeTable, NamesTheTextsThatCannotFit) {
  // Forty texts of 120 random letters leave far too little shared
  // substance for 256 codes to cover them in 15 codes each.
  std::mt19937 random(7);
  std::vector<std::string> words = {"short", "words"};
  for (int i = 0; i < 40; ++i) {
    std::string w;
    for (int j = 0; j < 120; ++j) w.push_back(static_cast<char>('A' + random() % 58));
    words.push_back(w);
  }
  std::vector<size_t> unencodable;
  const CodeTable codes = chooseCodeTable(words, words, &unencodable);
  ASSERT_FALSE(unencodable.empty());
  EXPECT_EQ(std::count(unencodable.begin(), unencodable.end(), 0u), 0);
  EXPECT_EQ(std::count(unencodable.begin(), unencodable.end(), 1u), 0);
  std::string codeBytes;
  for (size_t i = 0; i < words.size(); ++i) {
    const bool listed = std::count(unencodable.begin(), unencodable.end(), i) != 0;
    EXPECT_EQ(lexcore::encodeText(codes, words[i], &codeBytes), !listed) << i;
  }
}

}  // namespace
}  // namespace lexmake
