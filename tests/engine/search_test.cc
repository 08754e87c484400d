// Word search and entry decoding: findExact, findNextFolded, decodeEntry.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "datafile/collation.h"
#include "datafile/data_file_writer.h"
#include "datafile/dictionary_file.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

namespace lexcore {
namespace {

using lexcore_test::CodeTable;

std::vector<int32_t> iterateFolded(DictionaryFile& file, const std::string& word) {
  std::vector<int32_t> matches;
  int32_t previous = kNoEntry;
  for (int guard = 0; guard <= file.blockCount(); ++guard) {
    previous = file.findNextFolded(word.c_str(), previous);
    if (previous == kNoEntry) return matches;
    matches.push_back(previous);
  }
  ADD_FAILURE() << "findNextFolded did not end for " << word;
  return matches;
}

std::string decoded(DictionaryFile& file, int32_t index) {
  char text[kWordBufferSize];
  if (!file.decodeEntry(index, text)) return "<refused>";
  return text;
}

class Search : public ::testing::Test {
 protected:
  std::unique_ptr<DictionaryFile> load(const DataFileLayout& layout) {
    folder_.write("d.tdd", writeDataFile(layout));
    auto file = std::make_unique<DictionaryFile>(folder_.widePath("d.tdd").c_str());
    EXPECT_TRUE(file->isOpen());
    return file;
  }

  std::unique_ptr<DictionaryFile> load(const std::vector<DataBlock>& blocks, const CodeTable& codes = byteCodeTable()) {
    DataFileLayout layout;
    layout.codes = codes;
    layout.blocks = blocks;
    return load(layout);
  }

  vocaro_test::TempFolder folder_;
};

// Ten blocks; keys 0 "aa", 4 "ab", 5 "abc", 9 "b", and no other key is a
// prefix of "abcd": bisection meets block 4 first and the forward scan
// settles on block 5.
TEST_F(Search, BisectionScansForwardToTheLastKeyThatIsAPrefix) {
  const std::vector<std::string> keys = {"aa", "aab", "aac", "aad", "ab", "abc", "abd", "abe", "abf", "b"};
  std::vector<DataBlock> blocks;
  for (const std::string& key : keys) blocks.push_back(DataBlock{key, {"", "a"}});
  blocks[5].entryCodes = {"", "a", "d"};
  const auto file = load(blocks);
  EXPECT_EQ(12, file->findExact("abcd"));
  EXPECT_EQ(8, file->findExact("ab"));
  for (const char* absent : {"a", "abb", "abce", "abcdx", "c"}) EXPECT_EQ(kNoEntry, file->findExact(absent)) << absent;
}

// Block keys that are prefixes of one another: a first block with an empty
// key is a prefix of every word and later keys win; in a hostile layout with
// an empty key after the first block, the backward scan takes it as a
// prefix instead of reading a byte the key does not have.
TEST_F(Search, EmptyKeysArePrefixesOfEveryWord) {
  auto file = load({DataBlock{"", {"a", "ab"}}, DataBlock{"b", {"", "c"}}, DataBlock{"c", {"", "a"}}});
  for (const auto& e : std::vector<std::pair<const char*, int32_t>>{{"ab", 1}, {"bc", 3}, {"d", kNoEntry}, {"", kNoEntry}})
    EXPECT_EQ(e.second, file->findExact(e.first)) << e.first;
  EXPECT_EQ(3, file->findNextFolded("BC", kNoEntry));
  file = load({DataBlock{"a", {"", "b"}}, DataBlock{"", {"fc"}}, DataBlock{"fa", {""}}, DataBlock{"g", {""}}});
  EXPECT_EQ(2, file->findExact("fc"));
  EXPECT_EQ(kNoEntry, file->findExact("fd"));
}

// Entries longer than 127 bytes, in their text after the key or in their
// whole text, never compare equal and are never decoded; their neighbours
// stay reachable.  127 bytes are fine.
TEST_F(Search, EntriesLongerThan127BytesAreNeverMatchedNorDecoded) {
  CodeTable codes = byteCodeTable();
  codes[1] = std::string(15, 'x');
  const std::string key(15, 'k');
  const auto file = load({DataBlock{"", {"a", std::string(9, '\x01'), "z"}},
                          DataBlock{key, {"", std::string(7, '\x01') + "xxxxxxx", std::string(8, '\x01')}}},
                         codes);
  EXPECT_EQ(2, file->findExact("z"));
  for (const std::string& word : {std::string(135, 'x'), key + std::string(120, 'x')}) {
    EXPECT_EQ(kNoEntry, file->findExact(word.c_str())) << word.size();
    EXPECT_EQ(kNoEntry, file->findNextFolded(word.c_str(), kNoEntry)) << word.size();
  }
  for (int32_t index : {1, 5}) {
    char text[kWordBufferSize + 16];
    std::fill(std::begin(text), std::end(text), '\x5A');
    EXPECT_FALSE(file->decodeEntry(index, text)) << index;
    EXPECT_TRUE(std::all_of(std::begin(text), std::end(text), [](char c) { return c == '\x5A'; })) << index;
  }
  const std::string word127 = key + std::string(112, 'x');
  EXPECT_EQ(4, file->findExact(word127.c_str()));
  EXPECT_EQ(4, file->findNextFolded((std::string(15, 'K') + std::string(112, 'X')).c_str(), kNoEntry));
  EXPECT_EQ(word127, decoded(*file, 4));
}

// Random word lists, laid out by the writer's block planner: every word is
// found exactly and folded, every entry decodes, and other words are not
// found.  Codes 1..22 are single letters (high bytes and capitals among
// them), so that any key leaves text that can be coded; the others are
// syllables of two letters; words are up to six pieces.
struct RandomWordLists {
  explicit RandomWordLists(uint32_t seed) : random(seed) {
    const std::string letters = "abcdefghijklmnopA\xC9\xE9\xFF\x80-";
    for (size_t code = 1; code < 256; ++code) {
      codes[code] = code <= letters.size() ? std::string(1, letters[code - 1])
                                           : std::string{static_cast<char>('a' + code % 16), static_cast<char>('a' + code / 16)};
    }
  }

  std::vector<std::string> list(size_t count) {
    std::vector<std::string> words;
    while (words.size() < count) {
      std::string w;
      for (size_t n = 1 + random() % 6; n > 0; --n) w += codes[1 + random() % (random() % 2 ? 22 : 255)];
      words.push_back(w);
    }
    return lexcore_test::sortedWords(words);
  }

  std::mt19937 random;
  CodeTable codes;
};

TEST_F(Search, RandomWordListsRoundTrip) {
  uint32_t seed = 1;
  for (const size_t perBlock : {1, 3, 32}) {
    SCOPED_TRACE(std::to_string(perBlock) + " per block");
    RandomWordLists generator(seed++);
    const std::vector<std::string> words = generator.list(perBlock == 3 ? 50 : 3000);
    const std::vector<BlockPlan> plan = planBlocks(words, perBlock);
    const auto file = load(lexcore_test::wordListLayout(words, perBlock, generator.codes));
    ASSERT_EQ(words.size(), file->entryCount());
    // What findNextFolded must yield: the first folded-equal entry of every
    // block that has one.
    const auto foldedMatches = [&](const std::string& word) {
      std::vector<int32_t> matches;
      size_t first = 0;
      for (const BlockPlan& block : plan) {
        for (size_t i = first; i < first + block.count; ++i) {
          if (compareFolded(word.c_str(), words[i].c_str()) != 0) continue;
          matches.push_back(static_cast<int32_t>(i));
          break;
        }
        first += block.count;
      }
      return matches;
    };
    std::vector<std::string> others = generator.list(2000);
    for (size_t i = 0; i < words.size(); ++i) {
      ASSERT_EQ(static_cast<int32_t>(i), file->findExact(words[i].c_str())) << words[i];
      ASSERT_EQ(words[i], decoded(*file, static_cast<int32_t>(i)));
      ASSERT_EQ(foldedMatches(words[i]), iterateFolded(*file, words[i])) << words[i];
      others.push_back(words[i].substr(0, words[i].size() - 1));
      others.push_back(words[i] + "a");
    }
    const std::set<std::string> members(words.begin(), words.end());
    for (const std::string& other : others) {
      if (members.count(other) != 0) continue;
      ASSERT_EQ(kNoEntry, file->findExact(other.c_str())) << other;
      ASSERT_EQ(foldedMatches(other), iterateFolded(*file, other)) << other;
    }
  }
}

}  // namespace
}  // namespace lexcore
