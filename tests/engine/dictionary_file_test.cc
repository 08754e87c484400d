// Loading of dictionary data files: header, index tables, optional records,
// and the clean refusal of files that cannot be indexed.
#include "datafile/dictionary_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "datafile/data_file_writer.h"
#include "platform/coding.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

namespace lexcore {
namespace {

using lexcore_test::tableRecord;
using lexcore_test::wordListLayout;

const std::vector<std::string> kWords = {"apple", "apricot", "banana", "band", "bandana", "cherry", "zebra"};

// A group as stored: its length byte, then its strings complemented.
std::string storedGroup(const std::string& strings) {
  std::string out(1, static_cast<char>(strings.size() + 1));
  for (char c : strings) out.push_back(static_cast<char>(~c));
  return out;
}

OptionalRecord rawRecord(uint8_t type, uint8_t groupCount, const std::string& body) {
  OptionalRecord record;
  record.type = type;
  record.groupCount = groupCount;
  record.body = body;
  return record;
}

class DictionaryFileLoading : public ::testing::Test {
 protected:
  std::unique_ptr<DictionaryFile> load(const std::string& bytes) {
    folder_.write("d.tdd", bytes);
    return std::make_unique<DictionaryFile>(folder_.widePath("d.tdd").c_str());
  }

  void expectAllWordsFound(DictionaryFile& file) {
    for (size_t i = 0; i < kWords.size(); ++i) {
      EXPECT_EQ(static_cast<int32_t>(i), file.findExact(kWords[i].c_str())) << kWords[i];
      char text[kWordBufferSize];
      ASSERT_TRUE(file.decodeEntry(static_cast<int32_t>(i), text));
      EXPECT_EQ(kWords[i], text);
    }
  }

  vocaro_test::TempFolder folder_;
};

// Tables begin at headerSize; the bytes between offset 76 and headerSize
// belong to no field.
TEST_F(DictionaryFileLoading, LoadsHeaderAndIndexOfAValidFile) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  layout.languageId = 0x12345678;
  layout.headerSize = 100;
  std::string bytes = writeDataFile(layout);
  std::fill(bytes.begin() + 76, bytes.begin() + 100, '\xEE');
  const auto file = load(bytes);
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(0x12345678u, file->languageId());
  EXPECT_STREQ("Testish", file->languageName());
  EXPECT_EQ(kWords.size(), file->entryCount());
  EXPECT_EQ(static_cast<int>(layout.blocks.size()), file->blockCount());
  expectAllWordsFound(*file);
}

TEST_F(DictionaryFileLoading, RefusesFilesThatAreNotDataFiles) {
  const std::string valid = writeDataFile(wordListLayout(kWords, 2));
  const auto changed = [&](size_t at, char to) { return valid.substr(0, at) + to + valid.substr(at + 1); };
  DataFileLayout noBlocks = wordListLayout(kWords, 2);
  noBlocks.blockCountField = -1;
  DataFileLayout emptyBlock = wordListLayout(kWords, 2);
  std::vector<uint16_t> counts;
  for (const DataBlock& b : emptyBlock.blocks) counts.push_back(static_cast<uint16_t>(b.entryCodes.size()));
  counts[1] = 0;
  emptyBlock.entryCountFields = counts;
  for (const std::string& bytes : {changed(3, 'X'), changed(0, 't'), changed(8, 75), changed(11, '\xFF'),
                                   writeDataFile(noBlocks), writeDataFile(emptyBlock)}) {
    const auto file = load(bytes);
    EXPECT_FALSE(file->isOpen());
    EXPECT_EQ(TD_ERR_FILE, file->errorCode());
  }
  EXPECT_FALSE(DictionaryFile(folder_.widePath("missing.tdd").c_str()).isOpen());
}

// Global entry indexes run to 65534: a running total of 65535 entries loads,
// one more is refused.  A block claiming more entries than its bytes hold
// fails cleanly when read.
TEST_F(DictionaryFileLoading, RefusesARunningEntryTotalAbove65535) {
  DataFileLayout layout;
  layout.codes = byteCodeTable();
  layout.blocks = {DataBlock{"a", {"", "b"}}, DataBlock{"c", {"", "d"}}};
  layout.entryCountFields = std::vector<uint16_t>{65535, 1};
  EXPECT_FALSE(load(writeDataFile(layout))->isOpen());
  layout.entryCountFields = std::vector<uint16_t>{65534, 1};
  const auto file = load(writeDataFile(layout));
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(65535u, file->entryCount());
  EXPECT_EQ(65534, file->findExact("c"));
  char text[kWordBufferSize];
  EXPECT_FALSE(file->decodeEntry(1000, text));
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
  const std::string ab = storedGroup(std::string("ab\0", 3));
  const std::string s = storedGroup(std::string("\0s\0", 3));
  const struct {
    std::vector<OptionalRecord> records;
    bool endings, variants;
    Groups endingGroups, variantGroups;
  } cases[] = {
      {{}, false, false, {}, {}},
      {{rawRecord(200, 1, s), rawRecord(202, 1, ab), rawRecord(201, 1, storedGroup(std::string("c\0k\0", 4)))},
       true, true, {{"", "s"}}, {{"c", "k"}}},
      {{rawRecord(200, 1, s), rawRecord(200, 1, storedGroup(std::string("\0es\0", 4)))}, true, false, {{"", "es"}}, {}},
      {{rawRecord(200, 3, ab + std::string(1, '\0') + ab), rawRecord(201, 3, std::string(1, '\1') + ab + ab)},
       true, true, {{"ab"}, {}, {}}, {{}, {"ab"}, {"ab"}}},
      {{rawRecord(201, 3, storedGroup(std::string("o\0uu", 4)))}, false, true, {}, {{"o", "uu"}, {}, {}}},
      {{rawRecord(200, 1, s), rawRecord(200, 2, storedGroup(std::string("x\0", 2)) + "\x09" + "ab")},
       true, false, {{"", "s"}}, {}},
  };
  for (const auto& c : cases) {
    DataFileLayout layout = wordListLayout(kWords, 2);
    layout.records = c.records;
    const auto file = load(writeDataFile(layout));
    ASSERT_TRUE(file->isOpen());
    EXPECT_EQ(c.endings, file->endingTable().present);
    EXPECT_EQ(c.variants, file->variantTable().present);
    if (c.endings) {
      EXPECT_EQ(c.endingGroups, file->endingTable().groups);
      EXPECT_EQ(static_cast<int>(c.endingGroups.size()), file->endingTable().groupCount);
    }
    if (c.variants) {
      EXPECT_EQ(c.variantGroups, file->variantTable().groups);
    }
  }
}

// Every prefix of a valid file loads exactly when it ends where a record
// (or the last block) ends, and otherwise fails with a reason; the reason
// says which part runs past the end and where.
TEST_F(DictionaryFileLoading, EveryPrefixLoadsOrFailsSayingWhereItEnds) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  const size_t blocksEnd = writeDataFile(layout).size();
  layout.records = {tableRecord(200, {{"", "s", "es"}}), tableRecord(202, {{"zz"}}), tableRecord(201, {{"c", "k"}})};
  const std::string full = writeDataFile(layout);
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
    expectAllWordsFound(*file);
  }
  const auto at = [](size_t n) { return groupedNumber(n); };
  EXPECT_EQ("the last block ends at byte " + at(blocksEnd) + " but the file has " + at(blocksEnd - 1) + " bytes",
            load(full.substr(0, blocksEnd - 1))->reason());
  EXPECT_EQ("the record header at byte " + at(full.size()) + " ends at byte " + at(full.size() + 4) +
                " but the file has " + at(full.size() + 2) + " bytes",
            load(full + "\xC9\x01")->reason());
}

}  // namespace
}  // namespace lexcore
