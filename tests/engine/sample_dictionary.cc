#include "sample_dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lexcore_test {
std::vector<std::string> sortedWords(std::vector<std::string> words) {
  std::sort(words.begin(), words.end());  // std::string compares bytes as unsigned
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

lexcore::DataFileLayout wordListLayout(const std::vector<std::string>& words, size_t perBlock,
                                       const CodeTable& codes) {
  lexcore::DataFileLayout layout;
  layout.languageId = 7;
  layout.languageName = "Testish";
  std::string error;
  EXPECT_TRUE(lexcore::buildDataFile(words, codes, lexcore::planBlocks(words, perBlock), &layout, &error)) << error;
  return layout;
}

lexcore::OptionalRecord tableRecord(uint8_t type, const lexcore::StringGroups& groups) {
  lexcore::OptionalRecord record;
  EXPECT_TRUE(lexcore::makeTableRecord(type, groups, &record));
  return record;
}

std::vector<std::string> SampleDictionary::secondaryWords() const {
  std::vector<std::string> words;
  for (const auto& entry : entries_) words.insert(words.end(), entry.second.begin(), entry.second.end());
  // A direction whose headwords have no translations still needs a
  // secondary file of at least one entry.
  if (words.empty()) words.push_back("-");
  return sortedWords(words);
}

uint16_t SampleDictionary::secondaryIndex(const std::string& word) const {
  const std::vector<std::string> words = secondaryWords();
  const auto it = std::lower_bound(words.begin(), words.end(), word);
  EXPECT_TRUE(it != words.end() && *it == word) << "no entry " << word;
  return static_cast<uint16_t>(it - words.begin());
}

lexcore::DataFileLayout SampleDictionary::primaryLayout() const {
  std::vector<std::string> words;
  for (const auto& entry : entries_) words.push_back(entry.first);
  lexcore::DataFileLayout layout = wordListLayout(words, perBlock_, codes_);
  layout.languageId = 1;
  layout.languageName = "Aish";
  if (!endings_.empty()) layout.records.push_back(tableRecord(200, endings_));
  if (!variants_.empty()) layout.records.push_back(tableRecord(201, variants_));
  return layout;
}

lexcore::ListFileLayout SampleDictionary::listLayout() const {
  lexcore::ListFileLayout layout;
  layout.primaryFile = kPrimaryName;
  layout.secondaryFile = kSecondaryName;
  for (const auto& entry : entries_) {
    std::vector<uint16_t> indexes;
    for (const std::string& translation : entry.second) indexes.push_back(secondaryIndex(translation));
    layout.translations.push_back(indexes);
  }
  return layout;
}

const SampleDictionary& SampleDictionary::write(const vocaro_test::TempFolder& folder) const {
  folder.write(kPrimaryName, lexcore::writeDataFile(primaryLayout()));
  lexcore::DataFileLayout secondary = wordListLayout(secondaryWords(), perBlock_, codes_);
  secondary.languageId = 2;
  secondary.languageName = "Beeish";
  folder.write(kSecondaryName, lexcore::writeDataFile(secondary));
  folder.write(kListName, lexcore::writeListFile(listLayout()));
  return *this;
}

}  // namespace lexcore_test
