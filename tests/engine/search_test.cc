// Word search and entry decoding: findExact, findNextFolded, decodeEntry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "datafile/collation.h"
#include "datafile/dictionary_file.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "datafile/data_file_writer.h"

namespace lexcore {
namespace {

using lexcore_test::CodeTable;
using vocaro_test::TempFolder;

std::string upper(std::string s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 0x20);
  }
  return s;
}

// The indexes findNextFolded must yield for `word`, in order: the first
// folded-equal entry of every block that has one.
std::vector<int32_t> foldedMatches(const std::vector<std::string>& words, const std::vector<BlockPlan>& plan,
                                   const std::string& word) {
  std::vector<int32_t> matches;
  size_t first = 0;
  for (const BlockPlan& block : plan) {
    for (size_t i = first; i < first + block.count; ++i) {
      if (compareFolded(word.c_str(), words[i].c_str()) == 0) {
        matches.push_back(static_cast<int32_t>(i));
        break;
      }
    }
    first += block.count;
  }
  return matches;
}

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
  std::unique_ptr<DictionaryFile> load(const DataFileLayout& layout) { return load(writeDataFile(layout)); }
  std::unique_ptr<DictionaryFile> load(const std::string& bytes) {
    folder_.write("d.tdd", bytes);
    auto file = std::make_unique<DictionaryFile>(folder_.widePath("d.tdd").c_str());
    EXPECT_TRUE(file->isOpen());
    return file;
  }

  DataFileLayout blocks(const std::vector<DataBlock>& blocks, const CodeTable& codes = byteCodeTable()) {
    DataFileLayout layout;
    layout.codes = codes;
    layout.blocks = blocks;
    return layout;
  }

  TempFolder folder_;
};

// Ten blocks; keys 0 "aa", 4 "ab", 5 "abc", 9 "b", and no other key is a
// prefix of "abcd": bisection meets block 4 first and the forward scan
// settles on block 5.
TEST_F(Search, BisectionScansForwardToTheLastKeyThatIsAPrefix) {
  const std::vector<std::string> keys = {"aa", "aab", "aac", "aad", "ab", "abc", "abd", "abe", "abf", "b"};
  std::vector<DataBlock> layout;
  std::vector<std::string> words;
  for (const std::string& key : keys) {
    layout.push_back(DataBlock{key, {"", "a"}});
    words.push_back(key);
    words.push_back(key + "a");
  }
  layout[5].entryCodes = {"", "a", "d"};
  words.insert(words.begin() + 12, "abcd");
  const auto file = load(blocks(layout));
  EXPECT_EQ(12, file->findExact("abcd"));
  for (size_t i = 0; i < words.size(); ++i) EXPECT_EQ(static_cast<int32_t>(i), file->findExact(words[i].c_str())) << words[i];
  for (const char* absent : {"a", "aaab", "abb", "abcc", "abce", "abcdx", "ac", "bb", "c"}) {
    EXPECT_EQ(kNoEntry, file->findExact(absent)) << absent;
  }
}

// Block keys that are prefixes of one another: a first block with an empty
// key is a prefix of every word and later keys win; in a hostile layout with
// an empty key after the first block, the backward scan takes it as a
// prefix instead of reading a byte the key does not have.
TEST_F(Search, EmptyKeysArePrefixesOfEveryWord) {
  const struct {
    std::vector<DataBlock> blocks;
    std::vector<std::pair<const char*, int32_t>> exact;
  } cases[] = {
      {{DataBlock{"", {"a", "ab"}}, DataBlock{"b", {"", "c"}}, DataBlock{"c", {"", "a"}}},
       {{"a", 0}, {"ab", 1}, {"b", 2}, {"bc", 3}, {"ca", 5}, {"d", kNoEntry}, {"", kNoEntry}}},
      {{DataBlock{"a", {"", "b"}}, DataBlock{"", {"fc"}}, DataBlock{"fa", {""}}, DataBlock{"fb", {""}},
        DataBlock{"g", {""}}},
       {{"fc", 2}, {"fd", kNoEntry}, {"fa", 3}, {"g", 5}}},
  };
  for (const auto& c : cases) {
    const auto file = load(blocks(c.blocks));
    for (const auto& e : c.exact) EXPECT_EQ(e.second, file->findExact(e.first)) << e.first;
  }
  const auto file = load(blocks(cases[0].blocks));
  EXPECT_EQ(3, file->findNextFolded("BC", kNoEntry));
}

// Entries longer than 127 bytes, in their text after the key or in their
// whole text, never compare equal and are never decoded; their neighbours
// stay reachable.  127 bytes are fine.
TEST_F(Search, EntriesLongerThan127BytesAreNeverMatchedNorDecoded) {
  CodeTable codes = byteCodeTable();
  codes[1] = std::string(15, 'x');
  const std::string longSuffix(9, '\x01');                          // 135 bytes of text after the key
  const std::string suffix120(8, '\x01');                           // 15 + 120 = 135 bytes in all
  const std::string suffix112 = std::string(7, '\x01') + "xxxxxxx";  // 15 + 112 = 127 bytes
  const std::string key(15, 'k');
  const auto file = load(blocks({DataBlock{"", {"a", "b", longSuffix, "y", "z"}},
                                 DataBlock{key, {"", suffix112, suffix120}}},
                                codes));
  EXPECT_EQ(0, file->findExact("a"));
  EXPECT_EQ(1, file->findExact("b"));
  EXPECT_EQ(3, file->findExact("y"));
  EXPECT_EQ(4, file->findExact("z"));
  for (const std::string& word : {std::string(127, 'x'), std::string(135, 'x'), key + std::string(120, 'x')}) {
    EXPECT_EQ(kNoEntry, file->findExact(word.c_str())) << word.size();
    EXPECT_EQ(kNoEntry, file->findNextFolded(word.c_str(), kNoEntry)) << word.size();
    EXPECT_EQ(kNoEntry, file->findNextFolded(upper(word).c_str(), kNoEntry)) << word.size();
  }
  for (int32_t index : {2, 7}) {
    char text[kWordBufferSize + 16];
    std::fill(std::begin(text), std::end(text), '\x5A');
    EXPECT_FALSE(file->decodeEntry(index, text)) << index;
    EXPECT_TRUE(std::all_of(std::begin(text), std::end(text), [](char c) { return c == '\x5A'; })) << index;
  }
  const std::string word127 = key + std::string(112, 'x');
  EXPECT_EQ(6, file->findExact(word127.c_str()));
  EXPECT_EQ(6, file->findNextFolded(upper(word127).c_str(), kNoEntry));
  EXPECT_EQ(word127, decoded(*file, 6));
  EXPECT_EQ(key, decoded(*file, 5));
}

// Random word lists, laid out by the writer's block planner: every word is
// found exactly and folded, every entry decodes, and other words are not
// found.  Codes 1..32 are single letters (some high bytes and capitals),
// the others syllables of two or three letters; words are pieces of either,
// or an earlier word lengthened or with one letter in the other case.
class RandomWordLists {
 public:
  explicit RandomWordLists(uint32_t seed) : random_(seed) {
    const std::string letters = "abcdefghijklmnopqrstAEIOU\xC0\xC9\xE0\xE9\xFF\x80-";
    size_t code = 1;
    for (char c : letters) pieces_.push_back(codes_[code++] = std::string(1, c));
    while (code < 256) {
      std::string s(2 + random_() % 2, 'a');
      for (char& c : s) c = static_cast<char>('a' + random_() % 20);
      if (std::find(pieces_.begin(), pieces_.end(), s) == pieces_.end()) pieces_.push_back(codes_[code++] = s);
    }
  }

  const CodeTable& codes() const { return codes_; }

  std::vector<std::string> list(size_t count) {
    std::vector<std::string> words;
    while (words.size() < count) {
      std::string w;
      const int kind = static_cast<int>(random_() % 10);
      if (kind < 3 && !words.empty()) w = words[random_() % words.size()];
      if (kind < 2 || w.empty()) {
        for (int n = kind < 2 ? 1 : 1 + static_cast<int>(random_() % 10); n > 0; --n) w += piece();
      } else {
        const size_t at = random_() % w.size();
        const uint8_t c = static_cast<uint8_t>(w[at]);
        if ((c >= 'a' && c <= 'z') || c >= 0xE0) w[at] = static_cast<char>(c - 0x20);
      }
      // At most 14 codes, so that the text after any key takes at most 15.
      std::string codeBytes;
      if (encodeText(codes_, w, &codeBytes) && codeBytes.size() <= 14) words.push_back(w);
    }
    return lexcore_test::sortedWords(words);
  }

 private:
  const std::string& piece() {
    const size_t letters = 32;  // the single letters come first
    return random_() % 10 < 7 ? pieces_[letters + random_() % (pieces_.size() - letters)] : pieces_[random_() % letters];
  }

  std::mt19937 random_;
  CodeTable codes_;
  std::vector<std::string> pieces_;
};

TEST_F(Search, RandomWordListsRoundTrip) {
  struct Case {
    size_t words;
    size_t perBlock;
  };
  uint32_t seed = 1;
  for (const Case c : {Case{1, 1}, Case{2, 1}, Case{50, 3}, Case{600, 8}, Case{3000, 32}, Case{3000, 1}}) {
    SCOPED_TRACE(std::to_string(c.words) + " words, " + std::to_string(c.perBlock) + " per block");
    RandomWordLists generator(seed++);
    const std::vector<std::string> words = generator.list(c.words);
    const std::vector<BlockPlan> plan = planBlocks(words, c.perBlock);
    const auto file = load(lexcore_test::wordListLayout(words, c.perBlock, generator.codes()));
    ASSERT_EQ(words.size(), file->entryCount());
    ASSERT_EQ(plan.size(), static_cast<size_t>(file->blockCount()));
    for (size_t i = 0; i < words.size(); ++i) {
      ASSERT_EQ(static_cast<int32_t>(i), file->findExact(words[i].c_str())) << words[i];
      ASSERT_EQ(words[i], decoded(*file, static_cast<int32_t>(i)));
      const std::vector<int32_t> folded = iterateFolded(*file, words[i]);
      ASSERT_EQ(foldedMatches(words, plan, words[i]), folded) << words[i];
    }
    const std::set<std::string> members(words.begin(), words.end());
    std::vector<std::string> others = generator.list(std::min<size_t>(c.words * 2, 2000));
    for (const std::string& w : words) {
      others.push_back(w.substr(0, w.size() - 1));
      others.push_back(w + "a");
    }
    for (const std::string& other : others) {
      if (members.count(other) != 0) continue;
      ASSERT_EQ(kNoEntry, file->findExact(other.c_str())) << other;
      ASSERT_EQ(foldedMatches(words, plan, other), iterateFolded(*file, other)) << other;
    }
    EXPECT_EQ(0, file->errorCode());
  }
}

}  // namespace
}  // namespace lexcore
