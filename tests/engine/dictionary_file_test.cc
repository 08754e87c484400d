// Dictionary data files: loading the header, index tables and optional
// records, the clean refusal of files that cannot be indexed, word search
// (findExact, findNextFolded) and entry decoding.
#include "datafile/dictionary_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "datafile/collation.h"
#include "datafile/data_file_writer.h"
#include "platform/coding.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

namespace lexcore {
namespace {

using lexcore_test::CodeTable;
using lexcore_test::tableRecord;
using lexcore_test::wordListLayout;

const std::vector<std::string> kWords = {"apple", "apricot", "banana", "band", "bandana", "cherry", "zebra"};

// A group as stored: its length byte, then its strings complemented.
std::string storedGroup(const std::string& strings) {
  std::string out(1, static_cast<char>(strings.size() + 1));
  for (char c : strings) out.push_back(static_cast<char>(~c));
  return out;
}

std::string decoded(DictionaryFile& file, int32_t index) {
  char text[kWordBufferSize];
  return file.decodeEntry(index, text) ? text : "<refused>";
}

class DictionaryFileLoading : public ::testing::Test {
 protected:
  std::unique_ptr<DictionaryFile> load(const std::string& bytes) {
    folder_.write("d.tdd", bytes);
    return std::make_unique<DictionaryFile>(folder_.widePath("d.tdd").c_str());
  }

  std::unique_ptr<DictionaryFile> load(const std::vector<DataBlock>& blocks, const CodeTable& codes = byteCodeTable()) {
    DataFileLayout layout;
    layout.codes = codes, layout.blocks = blocks;
    auto file = load(writeDataFile(layout));
    EXPECT_TRUE(file->isOpen());
    return file;
  }

  vocaro_test::TempFolder folder_;
};

// Folded order: ASCII capitals and the whole range C0..DF (the
// multiplication sign and sharp s too) fold onto their small forms; every
// other byte stands for itself, compared unsigned; a prefix comes first.
TEST(Collation, ComparesFoldedTextsByteByByte) {
  const struct {
    const char *a, *b;
    int n;  // compareFoldedN's limit; -1: compareFolded
    int expected;
  } cases[] = {
      {"Apple", "apple", -1, 0}, {"apple", "Apples", -1, -1}, {"b", "A", -1, 1}, {"Zulu", "_x", -1, 1},
      {"\xC9", "\xE9", -1, 0}, {"\xD7", "\xF7", -1, 0}, {"\xDF", "\xFF", -1, 0}, {"\xBF", "\xDF", -1, -1}, {"\x80", "z", -1, 1},
      {"~", "\xA0", -1, -1}, {"ABCx", "abcy", 3, 0}, {"ABCx", "abcy", 4, -1}, {"any", "else", 0, 0}, {"any", "else", -5, 0},
      {"ab", "AB", 50, 0}, {"abc", "AB", 50, 1},
  };
  for (const auto& c : cases) {
    const int got = c.n == -1 ? compareFolded(c.a, c.b) : compareFoldedN(c.a, c.b, c.n);
    EXPECT_EQ(c.expected, got) << '"' << c.a << "\" vs \"" << c.b << "\" n=" << c.n;
  }
}

// Global entry indexes run to 65534: a running total of 65535 entries loads,
// one more is refused.  A block claiming more entries than its bytes hold
// fails cleanly when read.
TEST_F(DictionaryFileLoading, RefusesFilesThatAreNotDataFiles) {
  const std::string valid = writeDataFile(wordListLayout(kWords, 2));
  const auto changed = [&](size_t at, char to) { return valid.substr(0, at) + to + valid.substr(at + 1); };
  DataFileLayout noBlocks = wordListLayout(kWords, 2), emptyBlock = noBlocks, total;
  noBlocks.blockCountField = -1;
  emptyBlock.entryCountFields.emplace();
  for (const DataBlock& b : emptyBlock.blocks) emptyBlock.entryCountFields->push_back(b.entryCodes.size());
  (*emptyBlock.entryCountFields)[1] = 0;
  total.codes = byteCodeTable();
  total.blocks = {DataBlock{"a", {"", "b"}}, DataBlock{"c", {"", "d"}}};
  total.entryCountFields = std::vector<uint16_t>{65535, 1};
  for (const std::string& bytes : {changed(3, 'X'), changed(0, 't'), changed(8, 75), changed(11, '\xFF'),
                                   writeDataFile(noBlocks), writeDataFile(emptyBlock), writeDataFile(total)}) {
    const auto file = load(bytes);
    EXPECT_FALSE(file->isOpen());
    EXPECT_EQ(TD_ERR_FILE, file->errorCode());
  }
  EXPECT_FALSE(DictionaryFile(folder_.widePath("missing.tdd").c_str()).isOpen());
  total.entryCountFields = std::vector<uint16_t>{65534, 1};
  const auto file = load(writeDataFile(total));
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(65534, file->findExact("c"));
  EXPECT_EQ("<refused>", decoded(*file, 1000));
  EXPECT_EQ(TD_ERR_FILE, file->errorCode());
}

// Ending (200) and variant (201) records: groups are stored complemented
// behind a length byte; a length of 0 leaves the cursor where it is (that
// group and all later ones are empty), 1 is one empty group; groups beyond
// the body are empty; a last string may lack its terminator; other types
// are skipped; a later record replaces an earlier one of its type unless a
// group of it runs past its body.
TEST_F(DictionaryFileLoading, ReadsEndingAndVariantRecords) {
  using Groups = std::vector<std::vector<std::string>>;
  using R = OptionalRecord;
  const std::string ab = storedGroup(std::string("ab\0", 3));
  const std::string s = storedGroup(std::string("\0s\0", 3));
  const struct {
    std::vector<OptionalRecord> records;
    bool endings, variants;
    Groups endingGroups, variantGroups;
  } cases[] = {
      {{}, false, false, {}, {}},
      {{R{200, 1, s}, R{202, 1, ab}, R{201, 1, storedGroup(std::string("c\0k\0", 4))}},
       true, true, {{"", "s"}}, {{"c", "k"}}},
      {{R{200, 1, s}, R{200, 1, storedGroup(std::string("\0es\0", 4))}}, true, false, {{"", "es"}}, {}},
      {{R{200, 3, ab + std::string(1, '\0') + ab}, R{201, 3, std::string(1, '\1') + ab + ab}},
       true, true, {{"ab"}, {}, {}}, {{}, {"ab"}, {"ab"}}},
      {{R{201, 3, storedGroup(std::string("o\0uu", 4))}}, false, true, {}, {{"o", "uu"}, {}, {}}},
      {{R{200, 1, s}, R{200, 2, storedGroup(std::string("x\0", 2)) + "\x09" + "ab"}},
       true, false, {{"", "s"}}, {}},
  };
  for (const auto& c : cases) {
    DataFileLayout layout = wordListLayout(kWords, 2);
    layout.records = c.records;
    const auto file = load(writeDataFile(layout));
    ASSERT_TRUE(file->isOpen());
    EXPECT_EQ(c.endings, file->endingTable().present);
    EXPECT_EQ(c.variants, file->variantTable().present);
    EXPECT_EQ(c.endingGroups, c.endings ? file->endingTable().groups : Groups{});
    EXPECT_EQ(c.endingGroups.size(), c.endings ? static_cast<size_t>(file->endingTable().groupCount) : 0u);
    EXPECT_EQ(c.variantGroups, c.variants ? file->variantTable().groups : Groups{});
  }
}

// Every prefix of a valid file loads exactly when it ends where a record
// (or the last block) ends, and otherwise fails with a reason; the reason
// says which part runs past the end and where.  Tables begin at headerSize;
// the bytes between offset 76 and headerSize belong to no field.
TEST_F(DictionaryFileLoading, EveryPrefixLoadsOrFailsSayingWhereItEnds) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  layout.languageId = 0x12345678;
  layout.headerSize = 100;
  const size_t blocksEnd = writeDataFile(layout).size();
  layout.records = {tableRecord(200, {{"", "s", "es"}}), tableRecord(202, {{"zz"}}), tableRecord(201, {{"c", "k"}})};
  std::string full = writeDataFile(layout);
  std::fill(full.begin() + 76, full.begin() + 100, '\xEE');
  const size_t endingsEnd = blocksEnd + 4 + layout.records[0].body.size();
  const size_t ends[] = {blocksEnd, endingsEnd, endingsEnd + 4 + layout.records[1].body.size(), full.size()};
  for (size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
    const auto file = load(full.substr(0, length));
    ASSERT_EQ(std::count(std::begin(ends), std::end(ends), length) > 0, file->isOpen());
    if (!file->isOpen()) {
      ASSERT_EQ(TD_ERR_FILE, file->errorCode());
      ASSERT_NE("", file->reason());
      continue;
    }
    EXPECT_EQ(length >= endingsEnd, file->endingTable().present);
    EXPECT_EQ(length == full.size(), file->variantTable().present);
    EXPECT_EQ(0x12345678u, file->languageId());
    EXPECT_STREQ("Testish", file->languageName());
    EXPECT_EQ(kWords.size(), file->entryCount());
    EXPECT_EQ(static_cast<int>(layout.blocks.size()), file->blockCount());
    for (int32_t i = 0; i < static_cast<int32_t>(kWords.size()); ++i) {
      EXPECT_EQ(i, file->findExact(kWords[i].c_str())) << kWords[i];
      EXPECT_EQ(kWords[i], decoded(*file, i));
    }
  }
  const auto at = [](size_t n) { return groupedNumber(n); };
  EXPECT_EQ("the last block ends at byte " + at(blocksEnd) + " but the file has " + at(blocksEnd - 1) + " bytes",
            load(full.substr(0, blocksEnd - 1))->reason());
  EXPECT_EQ("the record header at byte " + at(full.size()) + " ends at byte " + at(full.size() + 4) +
                " but the file has " + at(full.size() + 2) + " bytes",
            load(full + "\xC9\x01")->reason());
}

// Ten blocks; keys 0 "aa", 4 "ab", 5 "abc", 9 "b", and no other key is a
// prefix of "abcd": bisection meets block 4 first and the forward scan
// settles on block 5.
TEST_F(DictionaryFileLoading, BisectionScansForwardToTheLastKeyThatIsAPrefix) {
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
TEST_F(DictionaryFileLoading, EmptyKeysArePrefixesOfEveryWord) {
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
TEST_F(DictionaryFileLoading, EntriesLongerThan127BytesAreNeverMatchedNorDecoded) {
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
  for (int32_t index : {1, 5}) EXPECT_EQ("<refused>", decoded(*file, index)) << index;
  const std::string word127 = key + std::string(112, 'x');
  EXPECT_EQ(4, file->findExact(word127.c_str()));
  EXPECT_EQ(4, file->findNextFolded((std::string(15, 'K') + std::string(112, 'X')).c_str(), kNoEntry));
  EXPECT_EQ(word127, decoded(*file, 4));
}

}  // namespace
}  // namespace lexcore
