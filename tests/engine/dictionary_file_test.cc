// Loading of dictionary data files: header, index tables, optional records,
// and the refusal of files that cannot be indexed.
#include "datafile/dictionary_file.h"
#include "platform/coding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "datafile/collation.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace lexcore {
namespace {

using vocaro_test::TempFolder;
using lexcore_test::tableRecord;
using lexcore_test::wordListLayout;

const std::vector<std::string> kWords = {"apple", "apricot", "banana", "band", "bandana", "cherry", "zebra"};

std::string complemented(const std::string& bytes) {
  std::string out = bytes;
  for (char& c : out) c = static_cast<char>(~c);
  return out;
}

// A group as stored: its length byte, then its strings complemented.
std::string storedGroup(const std::string& strings) {
  return std::string(1, static_cast<char>(strings.size() + 1)) + complemented(strings);
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

  // The result of TD_TransOpenPrim on these bytes.
  int32_t openAsPrimary(const std::string& bytes) {
    folder_.write("d.tdd", bytes);
    ListFileLayout list;
    list.primaryFile = "d.tdd";
    list.secondaryFile = "d.tdd";
    folder_.write("d_d.tdl", writeListFile(list));
    TD_HANDLE handle = nullptr;
    EXPECT_EQ(TD_OK, TD_TransOpen(&handle, folder_.widePath("d_d.tdl").c_str(), 0));
    const int32_t result = TD_TransOpenPrim(handle, folder_.widePath("d.tdd").c_str());
    TD_TransClose(&handle);
    return result;
  }

  void expectRefused(const std::string& bytes, const char* why) {
    const auto file = load(bytes);
    EXPECT_FALSE(file->isOpen()) << why;
    EXPECT_EQ(TD_ERR_FILE, file->errorCode()) << why;
    EXPECT_EQ(TD_ERR_FILE, openAsPrimary(bytes)) << why;
  }

  void expectAllWordsFound(DictionaryFile& file, const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size(); ++i) {
      EXPECT_EQ(static_cast<int32_t>(i), file.findExact(words[i].c_str())) << words[i];
      char text[kWordBufferSize];
      ASSERT_TRUE(file.decodeEntry(static_cast<int32_t>(i), text));
      EXPECT_EQ(words[i], text);
    }
  }

  TempFolder folder_;
};

TEST_F(DictionaryFileLoading, LoadsHeaderAndIndexOfAValidFile) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  layout.languageId = 0x12345678;
  layout.languageName = "Neutral";
  const auto file = load(writeDataFile(layout));
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(0, file->errorCode());
  EXPECT_EQ(0x12345678u, file->languageId());
  EXPECT_STREQ("Neutral", file->languageName());
  EXPECT_EQ(kWords.size(), file->entryCount());
  EXPECT_EQ(static_cast<int>(layout.blocks.size()), file->blockCount());
  expectAllWordsFound(*file, kWords);
  EXPECT_EQ(TD_OK, openAsPrimary(writeDataFile(layout)));
}

TEST_F(DictionaryFileLoading, LanguageNameWithoutTerminatorIsCutInsideItsField) {
  std::string bytes = writeDataFile(wordListLayout(kWords, 2));
  for (size_t i = 20; i < 70; ++i) bytes[i] = 'n';
  const auto file = load(bytes);
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(std::string(49, 'n'), file->languageName());
}

TEST_F(DictionaryFileLoading, RefusesFilesThatAreNotDataFiles) {
  const std::string valid = writeDataFile(wordListLayout(kWords, 2));
  const auto changed = [&](std::initializer_list<std::pair<size_t, char>> bytes) {
    std::string out = valid;
    for (const auto& b : bytes) out[b.first] = b.second;
    return out;
  };
  const char ff = static_cast<char>(0xFF);
  const std::pair<std::string, const char*> cases[] = {
      {"", "empty file"},
      {valid.substr(0, 11), "fewer than 12 bytes"},
      {valid.substr(0, 75), "header cut short"},
      {changed({{3, 'X'}}), "TRD followed by a byte other than zero"},
      {changed({{0, 't'}}), "wrong first magic byte"},
      {changed({{8, 75}}), "headerSize 75"},
      {changed({{8, 0}}), "headerSize 0"},
      {changed({{8, ff}, {9, ff}, {10, ff}, {11, ff}}), "headerSize 0xFFFFFFFF"},
  };
  for (const auto& c : cases) expectRefused(c.first, c.second);
  for (int16_t count : {0, -1, -32768}) {
    DataFileLayout layout = wordListLayout(kWords, 2);
    layout.blockCountField = count;
    expectRefused(writeDataFile(layout), "block count below 1");
  }
  const auto missing = std::make_unique<DictionaryFile>(folder_.widePath("missing.tdd").c_str());
  EXPECT_FALSE(missing->isOpen());
  EXPECT_EQ(TD_ERR_FILE, missing->errorCode());
}

// Tables begin at headerSize; the bytes between offset 76 and headerSize
// belong to no field.
TEST_F(DictionaryFileLoading, LargerHeaderMovesTheTablesAndItsExtraBytesReachNoField) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  layout.headerSize = 100;
  std::string bytes = writeDataFile(layout);
  for (size_t i = 76; i < 100; ++i) bytes[i] = static_cast<char>(0xEE);
  const auto file = load(bytes);
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(7u, file->languageId());
  EXPECT_STREQ("Testish", file->languageName());
  EXPECT_EQ(kWords.size(), file->entryCount());
  expectAllWordsFound(*file, kWords);
}

TEST_F(DictionaryFileLoading, RefusesABlockWithoutEntries) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  ASSERT_GE(layout.blocks.size(), 3u);
  std::vector<uint16_t> counts;
  for (const DataBlock& b : layout.blocks) counts.push_back(static_cast<uint16_t>(b.entryCodes.size()));
  counts[1] = 0;
  layout.entryCountFields = counts;
  expectRefused(writeDataFile(layout), "a block with 0 entries");
}

// Global entry indexes run to 65534: a running total of 65535 entries loads,
// one more is refused.
TEST_F(DictionaryFileLoading, RefusesARunningEntryTotalAbove65535) {
  DataFileLayout layout;
  layout.codes = byteCodeTable();
  layout.blocks = {DataBlock{"a", {"", "b"}}, DataBlock{"c", {"", "d"}}};
  layout.entryCountFields = std::vector<uint16_t>{65535, 1};
  expectRefused(writeDataFile(layout), "65536 entries");

  layout.entryCountFields = std::vector<uint16_t>{65534, 1};
  const auto file = load(writeDataFile(layout));
  ASSERT_TRUE(file->isOpen());
  EXPECT_EQ(65535u, file->entryCount());
  // Entry 65534 is the first entry of block 1, which is intact.
  char text[kWordBufferSize];
  ASSERT_TRUE(file->decodeEntry(65534, text));
  EXPECT_STREQ("c", text);
  EXPECT_EQ(65534, file->findExact("c"));
  // Block 0 claims far more entries than its stored bytes hold: reading it
  // fails cleanly.
  EXPECT_FALSE(file->decodeEntry(1000, text));
  EXPECT_EQ(kNoEntry, file->findExact("ab"));
  EXPECT_EQ(TD_ERR_FILE, file->errorCode());
}

TEST_F(DictionaryFileLoading, RefusesBlocksThatRunPastTheEndOfTheFile) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  std::vector<uint16_t> sizes;
  for (const DataBlock& b : layout.blocks) {
    sizes.push_back(static_cast<uint16_t>((b.entryCodes.size() + 1) / 2));
    for (const std::string& codes : b.entryCodes) sizes.back() += static_cast<uint16_t>(codes.size());
  }
  layout.blockSizeFields = sizes;
  ASSERT_TRUE(load(writeDataFile(layout))->isOpen()) << "sizes as written";
  sizes.back() += 1;
  layout.blockSizeFields = sizes;
  expectRefused(writeDataFile(layout), "last block one byte past the end");
  sizes.back() -= 1;
  sizes.front() = 0xFFFF;
  layout.blockSizeFields = sizes;
  expectRefused(writeDataFile(layout), "first block far past the end");
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
      {{rawRecord(200, 1, std::string("\x04\x9E\x9D\xFF", 4)),
        rawRecord(201, 2, storedGroup(std::string("x\0ks\0", 5)) + storedGroup(std::string("\0y\0", 3)))},
       true, true, {{"ab"}}, {{"x", "ks"}, {"", "y"}}},
      {{rawRecord(200, 1, s), rawRecord(202, 1, storedGroup(std::string("junk\0", 5))),
        rawRecord(201, 1, storedGroup(std::string("c\0k\0", 4)))},
       true, true, {{"", "s"}}, {{"c", "k"}}},
      {{rawRecord(200, 1, s), rawRecord(200, 1, storedGroup(std::string("\0es\0", 4)))}, true, false, {{"", "es"}}, {}},
      {{rawRecord(200, 3, ab + std::string(1, '\0') + ab), rawRecord(201, 3, std::string(1, '\1') + ab + ab)},
       true, true, {{"ab"}, {}, {}}, {{}, {"ab"}, {"ab"}}},
      {{rawRecord(201, 3, storedGroup(std::string("o\0u\0", 4)))}, false, true, {}, {{"o", "u"}, {}, {}}},
      {{rawRecord(201, 2, storedGroup(std::string("o\0uu", 4)) + storedGroup(std::string("x\0", 2)))},
       false, true, {}, {{"o", "uu"}, {"x"}}},
      {{rawRecord(200, 1, s),
        rawRecord(200, 2, storedGroup(std::string("x\0", 2)) + std::string("\x09", 1) + complemented("ab")),
        rawRecord(201, 1, std::string("\xFF", 1) + complemented("abc"))},
       true, false, {{"", "s"}}, {}},
  };
  int row = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE("row " + std::to_string(row++));
    DataFileLayout layout = wordListLayout(kWords, 2);
    layout.records = c.records;
    const auto file = load(writeDataFile(layout));
    ASSERT_TRUE(file->isOpen());
    EXPECT_EQ(c.endings, file->endingTable().present);
    EXPECT_EQ(c.variants, file->variantTable().present);
    if (c.endings) {
      EXPECT_EQ(c.endingGroups, file->endingTable().groups);
    }
    if (c.endings) {
      EXPECT_EQ(static_cast<int>(c.endingGroups.size()), file->endingTable().groupCount);
    }
    if (c.variants) {
      EXPECT_EQ(c.variantGroups, file->variantTable().groups);
    }
  }
}

// A file cut short anywhere is refused, records included, and the reason
// says which part runs past the end and where.
TEST_F(DictionaryFileLoading, CutFilesAreRefusedSayingWhereTheyEnd) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  const size_t blocksEnd = writeDataFile(layout).size();
  layout.records = {rawRecord(200, 1, storedGroup(std::string("\0s\0", 3))),
                    rawRecord(201, 1, storedGroup(std::string("c\0k\0", 4)))};
  const std::string full = writeDataFile(layout);
  const size_t variantsAt = blocksEnd + 4 + layout.records[0].body.size();
  const auto at = [](size_t n) { return lexcore::groupedNumber(n); };
  const struct {
    std::string bytes;
    std::string reason;
  } cases[] = {
      {full.substr(0, full.size() - 1), "the variant table record at byte " + at(variantsAt) + " ends at byte " +
                                            at(full.size()) + " but the file has " + at(full.size() - 1) + " bytes"},
      {full + std::string("\xC9\x01", 2), "the record header at byte " + at(full.size()) + " ends at byte " +
                                               at(full.size() + 4) + " but the file has " + at(full.size() + 2) +
                                               " bytes"},
      {full.substr(0, blocksEnd - 1),
       "the last block ends at byte " + at(blocksEnd) + " but the file has " + at(blocksEnd - 1) + " bytes"},
      {full.substr(0, 75), "the header ends at byte 76 but the file has 75 bytes"},
  };
  for (const auto& c : cases) {
    const auto file = load(c.bytes);
    EXPECT_FALSE(file->isOpen()) << c.reason;
    EXPECT_EQ(c.reason, file->reason());
  }
}

// Every prefix of a valid file either loads or fails with -2.  It loads
// exactly when it ends where a record ends (or the last block does).
TEST_F(DictionaryFileLoading, EveryPrefixLoadsOrFailsCleanly) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  const size_t blocksEnd = writeDataFile(layout).size();
  layout.records = {tableRecord(200, {{"", "s", "es"}}), tableRecord(202, {{"zz"}}), tableRecord(201, {{"c", "k"}})};
  const std::string full = writeDataFile(layout);
  const size_t endingsEnd = blocksEnd + 4 + layout.records[0].body.size();
  const size_t variantsEnd = full.size();

  for (size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE("prefix of " + std::to_string(length) + " bytes");
    const std::string prefix = full.substr(0, length);
    const auto file = load(prefix);
    const size_t recordsEnds[] = {blocksEnd, endingsEnd, endingsEnd + 4 + layout.records[1].body.size(), variantsEnd};
    ASSERT_EQ(std::count(std::begin(recordsEnds), std::end(recordsEnds), length) > 0, file->isOpen());
    if (!file->isOpen()) {
      ASSERT_EQ(TD_ERR_FILE, file->errorCode());
      ASSERT_NE("", file->reason());
      continue;
    }
    EXPECT_EQ(length >= endingsEnd, file->endingTable().present);
    EXPECT_EQ(length >= variantsEnd, file->variantTable().present);
    expectAllWordsFound(*file, kWords);
  }
  // The same through the exported interface.
  EXPECT_EQ(TD_OK, openAsPrimary(full.substr(0, blocksEnd)));
  EXPECT_EQ(TD_ERR_FILE, openAsPrimary(full.substr(0, blocksEnd - 1)));
}

// One byte of a small valid file changed to various values, at every
// position: the file loads or fails with -2, and when it loads, every search
// and decoding runs within its buffers.
TEST_F(DictionaryFileLoading, CorruptedBytesNeverLeadPastABuffer) {
  DataFileLayout layout = wordListLayout(kWords, 2);
  layout.records = {tableRecord(200, {{"", "s"}}), tableRecord(201, {{"c", "k"}})};
  const std::string valid = writeDataFile(layout);
  int loaded = 0;
  for (size_t position = 0; position < valid.size(); ++position) {
    for (int change : {0x00, 0xFF, 0x01, 0x80}) {
      std::string bytes = valid;
      bytes[position] = static_cast<char>(change == 0x00 || change == 0xFF ? change : (bytes[position] ^ change));
      const auto file = load(bytes);
      if (!file->isOpen()) {
        ASSERT_EQ(TD_ERR_FILE, file->errorCode()) << position;
        continue;
      }
      ++loaded;
      for (const std::string& word : kWords) {
        // A match decodes to the word it matched.
        char text[kWordBufferSize];
        const int32_t exact = file->findExact(word.c_str());
        if (exact != kNoEntry) {
          ASSERT_TRUE(exact >= 0 && static_cast<uint32_t>(exact) < file->entryCount()) << exact;
          ASSERT_TRUE(file->decodeEntry(exact, text));
          ASSERT_EQ(word, text);
        }
        int32_t previous = kNoEntry;
        for (int step = 0; step <= file->blockCount(); ++step) {
          const int32_t next = file->findNextFolded(word.c_str(), previous);
          if (next == kNoEntry) break;
          ASSERT_GT(next, previous) << "folded search went backwards at byte " << position;
          ASSERT_LT(static_cast<uint32_t>(next), file->entryCount());
          ASSERT_TRUE(file->decodeEntry(next, text));
          ASSERT_EQ(0, compareFolded(word.c_str(), text));
          previous = next;
        }
        ASSERT_EQ(kNoEntry, file->findNextFolded(word.c_str(), previous)) << "folded search did not end";
      }
      for (uint32_t index = 0; index <= file->entryCount() && index < 64; ++index) {
        char out[kWordBufferSize + 16];
        std::fill(std::begin(out), std::end(out), '\x5A');
        if (file->decodeEntry(static_cast<int32_t>(index), out)) {
          ASSERT_LT(std::strlen(out), kWordBufferSize);
        }
        for (size_t i = kWordBufferSize; i < sizeof out; ++i) ASSERT_EQ('\x5A', out[i]) << "decode overran";
      }
    }
  }
  EXPECT_GT(loaded, 0);
}

}  // namespace
}  // namespace lexcore
