// Dictionary list files: the header and the translation indexes of one
// primary entry.
#include "translator/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator/list_file_writer.h"

namespace lexcore {
namespace {

using vocaro_test::TempFolder;

class ListFile : public ::testing::Test {
 protected:
  // Each file gets its own name: a file stays held while its File is open.
  File open(const std::string& bytes) {
    const std::string name = "l" + std::to_string(files_++) + ".tdl";
    folder_.write(name, bytes);
    File file = File::open(folder_.widePath(name).c_str(), OpenMode::Read);
    EXPECT_TRUE(file.isOpen());
    return file;
  }

  int32_t headerResult(const std::string& bytes) {
    File file = open(bytes);
    uint8_t header[kListHeaderSize];
    return readListHeader(file, header);
  }

  // The indexes of `index`; "failed" when the read fails.
  std::vector<uint16_t> indexes(File& file, uint32_t entryCount, uint32_t index, bool wanted = true) {
    std::vector<uint16_t> out = {0xDEAD};
    if (!readTranslationIndexes(file, entryCount, index, wanted, &out)) return {0xFA11};
    return out;
  }

  TempFolder folder_;
  int files_ = 0;
};

ListFileLayout sampleLayout() {
  ListFileLayout layout;
  layout.primaryFile = "prim.tdd";
  layout.secondaryFile = "second.tdd";
  layout.translations = {{1, 2}, {}, {3}, {4, 5, 6}, {0xFFFF}};
  return layout;
}

TEST_F(ListFile, HeaderNeedsMagicAndSize128) {
  const std::string valid = writeListFile(sampleLayout());
  const auto withByte = [&](size_t at, char value) {
    std::string bytes = valid;
    bytes[at] = value;
    return bytes;
  };
  const std::pair<std::string, int32_t> cases[] = {
      {valid, TD_OK},                     {valid.substr(0, 128), TD_OK},     {valid.substr(0, 127), TD_ERR_READ},
      {"", TD_ERR_READ},                  {withByte(0, 'x'), TD_ERR_FILE},   {withByte(1, 'x'), TD_ERR_FILE},
      {withByte(2, 'x'), TD_ERR_FILE},    {withByte(3, 'x'), TD_ERR_FILE},   {withByte(8, '\x81'), TD_ERR_FILE},
      {withByte(8, 76), TD_ERR_FILE},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, headerResult(c.first)) << &c - cases;
}

TEST_F(ListFile, HeaderGivesEntryCountAndFileNames) {
  File file = open(writeListFile(sampleLayout()));
  uint8_t header[kListHeaderSize];
  ASSERT_EQ(TD_OK, readListHeader(file, header));
  EXPECT_EQ(5u, listEntryCount(header));
  char16_t name[20];
  EXPECT_EQ(8u, listFileName(header, true, name, 20));
  EXPECT_EQ(u"prim.tdd", std::u16string(name));
  EXPECT_EQ(10u, listFileName(header, false, name, 20));
  EXPECT_EQ(u"second.tdd", std::u16string(name));

  ListFileLayout layout = sampleLayout();
  layout.entryCountField = -3;
  File negative = open(writeListFile(layout));
  ASSERT_EQ(TD_OK, readListHeader(negative, header));
  EXPECT_EQ(0u, listEntryCount(header));
}

TEST_F(ListFile, TranslationsOfAnEntryFollowTheCountsBeforeIt) {
  File file = open(writeListFile(sampleLayout()));
  EXPECT_EQ((std::vector<uint16_t>{1, 2}), indexes(file, 5, 0));
  EXPECT_EQ((std::vector<uint16_t>{}), indexes(file, 5, 1));
  EXPECT_EQ((std::vector<uint16_t>{3}), indexes(file, 5, 2));
  EXPECT_EQ((std::vector<uint16_t>{4, 5, 6}), indexes(file, 5, 3));
  EXPECT_EQ((std::vector<uint16_t>{0xFFFF}), indexes(file, 5, 4));
  // Entries beyond the covered count have no translations.
  EXPECT_EQ((std::vector<uint16_t>{}), indexes(file, 5, 5));
  EXPECT_EQ((std::vector<uint16_t>{}), indexes(file, 5, 65534));
  // Without translations wanted only their number is learnt.
  EXPECT_EQ((std::vector<uint16_t>{0, 0, 0}), indexes(file, 5, 3, false));
}

TEST_F(ListFile, OddEntryCountIgnoresTheLastHighNibble) {
  std::string bytes = writeListFile(sampleLayout());
  const size_t lastCountByte = 128 + 2;
  bytes[lastCountByte] = static_cast<char>(bytes[lastCountByte] | 0xF0);
  File file = open(bytes);
  EXPECT_EQ((std::vector<uint16_t>{0xFFFF}), indexes(file, 5, 4));
  EXPECT_EQ((std::vector<uint16_t>{4, 5, 6}), indexes(file, 5, 3));
}

TEST_F(ListFile, ReadsCutShortFail) {
  const std::string full = writeListFile(sampleLayout());
  File cutInIndexes = open(full.substr(0, full.size() - 1));
  EXPECT_EQ((std::vector<uint16_t>{0xFA11}), indexes(cutInIndexes, 5, 4));
  EXPECT_EQ((std::vector<uint16_t>{4, 5, 6}), indexes(cutInIndexes, 5, 3));
  File cutInCounts = open(full.substr(0, 129));
  EXPECT_EQ((std::vector<uint16_t>{0, 0}), indexes(cutInCounts, 5, 0, false));
  EXPECT_EQ((std::vector<uint16_t>{0xFA11}), indexes(cutInCounts, 5, 0));
  EXPECT_EQ((std::vector<uint16_t>{0xFA11}), indexes(cutInCounts, 5, 2));
  // A count field larger than the file: entries past the file fail.
  File header = open(full.substr(0, 128));
  EXPECT_EQ((std::vector<uint16_t>{0xFA11}), indexes(header, 5, 0));
}

// Offsets into the index table are not limited to 16 bits: 40000 entries of
// two translations each put the last ones 80000 items in.
TEST_F(ListFile, LargeTablesReachEntriesAbove32767) {
  ListFileLayout layout;
  for (uint32_t i = 0; i < 40000; ++i) {
    layout.translations.push_back({static_cast<uint16_t>(i), static_cast<uint16_t>(65535 - i)});
  }
  layout.translations[39999] = {7, 8, 9};
  File file = open(writeListFile(layout));
  for (uint32_t i : {0u, 32767u, 32768u, 32769u, 39998u}) {
    EXPECT_EQ((std::vector<uint16_t>{static_cast<uint16_t>(i), static_cast<uint16_t>(65535 - i)}),
              indexes(file, 40000, i))
        << i;
  }
  EXPECT_EQ((std::vector<uint16_t>{7, 8, 9}), indexes(file, 40000, 39999));
}

}  // namespace
}  // namespace lexcore
