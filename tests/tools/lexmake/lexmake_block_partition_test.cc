// The writer's block partition and fewest-code parsing, which every data
// file lexmake writes rests on.
#include <gtest/gtest.h>

#include <algorithm>

#include "datafile/format.h"
#include "datafile/block_partition.h"
#include "datafile/code_parser.h"
#include "datafile/data_file_writer.h"

namespace lexmake {
namespace {

using lexcore::BlockPlan;
using lexcore::SuffixCodes;
using Strings = std::vector<std::string>;

// The rules that keep a file searchable, checked on a partition.
void expectSearchable(const Strings& words, const std::vector<BlockPlan>& plan) {
  ASSERT_FALSE(plan.empty());
  size_t start = 0;
  for (size_t k = 0; k < plan.size(); ++k) {
    const std::string& key = plan[k].key;
    EXPECT_LE(key.size(), 15u);
    ASSERT_GE(plan[k].count, 1u);
    for (size_t i = start; i < start + plan[k].count; ++i) EXPECT_EQ(words[i].compare(0, key.size(), key), 0) << i;
    for (size_t i = 0; i < start; ++i) EXPECT_NE(words[i].compare(0, key.size(), key), 0) << k << " " << i;
    start += plan[k].count;
  }
  EXPECT_EQ(start, words.size());
}

TEST(LexmakeBlockPartition, FillsBlocksOfSequentialWords) {
  Strings words;
  char word[16];
  for (int i = 0; i < 10000; ++i) {
    std::snprintf(word, sizeof word, "w%05d", i);
    words.push_back(word);
  }
  const std::vector<BlockPlan> plan = lexcore::planBlocks(words, 32);
  expectSearchable(words, plan);
  // Blocks of ten: "w0012" and its ten last digits.  Only the first few are
  // smaller, since block 0's key is the whole first word "w00000" and the
  // blocks after it need longer keys until "w0001".
  const auto small = std::count_if(plan.begin(), plan.end(), [](const BlockPlan& b) { return b.count < 10; });
  EXPECT_LE(small, 10);
  EXPECT_LE(plan.size(), 1010u);
}

TEST(LexmakeBlockPartition, KeepsARunSharingFifteenBytesInOneBlockWithin65535Bytes) {
  const std::string prefix = "abcdefghijklmno";
  Strings words = {"a"};
  char digits[8];
  for (int i = 0; i < 4300; ++i) {
    std::snprintf(digits, sizeof digits, "%04d", i);
    words.push_back(prefix + digits);
  }
  // Each text of the run takes 15 codes whatever the key: 4300 of them pass
  // 65535 bytes in one block, 4000 do not.
  std::vector<SuffixCodes> codes(words.size());
  for (SuffixCodes& c : codes) std::fill(std::begin(c.codes), std::end(c.codes), 15);
  std::fill(std::begin(codes[0].codes), std::end(codes[0].codes), 0);
  EXPECT_TRUE(lexcore::partitionBlocks(words, codes, 64).empty());
  words.resize(4001);
  codes.resize(4001);
  const std::vector<BlockPlan> plan = lexcore::partitionBlocks(words, codes, 64);
  expectSearchable(words, plan);
  // The run cannot be split, so one block takes all of it, more than 64.
  size_t start = 0;
  for (const BlockPlan& block : plan) {
    EXPECT_EQ(start <= 1 && start + block.count >= 4001, block.count >= 4000);
    EXPECT_LE((block.count + 1) / 2 + 15 * block.count, 65535u);
    start += block.count;
  }
  EXPECT_LE(plan.size(), 2u);
}

TEST(LexmakeBlockPartition, AvoidsKeysThatLeaveTextTooLongToStore) {
  // With one code per byte, "abcdefghijklmnopq" (17 bytes) fits only behind
  // a key of two bytes or more; a key of one byte would be cheaper.
  const Strings words = {"a", "ab", "abcdefghijklmnopq", "abd"};
  const std::vector<BlockPlan> plan = lexcore::planBlocks(words, 32);
  expectSearchable(words, plan);
  size_t start = 0;
  for (const BlockPlan& block : plan) {
    for (size_t i = start; i < start + block.count; ++i) EXPECT_LE(words[i].size() - block.key.size(), 15u) << i;
    start += block.count;
  }
}

TEST(LexmakeCodeParser, SpellsWithTheFewestCodesPreferringLongerOnes) {
  std::array<std::string, 256> codes = lexcore::byteCodeTable();
  codes[1] = "ing";
  codes[2] = "in";
  codes[3] = "gs";
  const lexcore::CodeParser parser(codes);
  std::string out;
  ASSERT_TRUE(parser.encode("kings", 0, 15, &out));
  // k + ing + s and k + in + gs take three codes each: the longer first code wins.
  EXPECT_EQ(out, std::string("k\x01s"));
  ASSERT_TRUE(parser.encode("kings", 1, 15, &out));
  EXPECT_EQ(out, std::string("\x01s"));
  std::vector<uint8_t> fewest;
  parser.fewestCodes("kings", &fewest);
  EXPECT_EQ(fewest, (std::vector<uint8_t>{3, 2, 2, 1, 1, 0}));
  EXPECT_TRUE(parser.encode("", 0, 15, &out));
  EXPECT_TRUE(out.empty());
}

TEST(LexmakeCodeParser, RefusesTextOfSixteenCodesOrABytesWithoutACode) {
  const lexcore::CodeParser parser(lexcore::byteCodeTable());
  std::string out;
  EXPECT_TRUE(parser.encode(std::string(15, 'x'), 0, 15, &out));
  EXPECT_EQ(out.size(), 15u);
  EXPECT_FALSE(parser.encode(std::string(16, 'x'), 0, 15, &out));
  EXPECT_TRUE(parser.encode(std::string(16, 'x'), 1, 15, &out));
  std::array<std::string, 256> codes = {};
  codes['a'] = "a";
  const lexcore::CodeParser onlyA(codes);
  std::vector<uint8_t> fewest;
  onlyA.fewestCodes("ab", &fewest);
  EXPECT_EQ(fewest[0], lexcore::CodeParser::kCannotSpell);
  EXPECT_FALSE(onlyA.encode("ab", 0, 15, &out));

  // The data file writer refuses an entry that needs 16 codes after its key.
  lexcore::DataFileLayout layout;
  std::string error;
  const Strings words = {std::string(16, 'y')};
  EXPECT_FALSE(lexcore::buildDataFile(words, lexcore::byteCodeTable(), {{"", 1}}, &layout, &error));
  EXPECT_EQ(error, "word \"" + words[0] + "\" needs more than 15 codes");
  EXPECT_TRUE(lexcore::buildDataFile(words, lexcore::byteCodeTable(), {{"y", 1}}, &layout, &error));
}

}  // namespace
}  // namespace lexmake
