#include "lexdict_dictionaries.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "translator/list_file_writer.h"

namespace lexdict_test {

TestDataFile englishData() {
  TestDataFile data;
  data.languageName = "English";
  data.languageId = 9;
  data.words = {"house", "street", "cat", "dog", "big", "open"};
  data.endings = {{"", "s"}};
  return data;
}

TestDataFile germanData() {
  TestDataFile data;
  data.languageName = "German";
  data.languageId = 7;
  data.words = {"Haus", "Heim", "Geb\xe4ude", "Stra\xdf" "e", "Katze", "Hund", "gro\xdf"};
  data.variants = {{"ss", "\xdf"}};
  return data;
}

WordPairs englishGermanPairs() {
  return {{"house", "Haus"}, {"house", "Heim"}, {"house", "Geb\xe4ude"}, {"street", "Stra\xdf" "e"},
          {"cat", "Katze"},  {"dog", "Hund"},   {"big", "gro\xdf"}};
}

std::vector<std::string> fileOrder(const TestDataFile& data) {
  std::vector<std::string> words = data.words;
  std::sort(words.begin(), words.end());  // std::string compares bytes unsigned
  return words;
}

lexcore::DataFileLayout dataFileLayout(const TestDataFile& data) {
  const std::vector<std::string> words = fileOrder(data);
  lexcore::DataFileLayout layout;
  std::string error;
  if (!lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, data.wordsPerBlock),
                              &layout, &error))
    throw std::runtime_error("test dictionary: " + error);
  layout.languageName = data.languageName;
  layout.languageId = data.languageId;
  lexcore::OptionalRecord record;
  if (!data.endings.empty() && lexcore::makeTableRecord(200, data.endings, &record)) layout.records.push_back(record);
  if (!data.variants.empty() && lexcore::makeTableRecord(201, data.variants, &record)) layout.records.push_back(record);
  return layout;
}

std::string dataFileBytes(const TestDataFile& data) { return lexcore::writeDataFile(dataFileLayout(data)); }

std::string listFileBytes(const std::string& primaryFile, const std::string& secondaryFile,
                          const TestDataFile& primary, const TestDataFile& secondary, const WordPairs& pairs) {
  const std::vector<std::string> from = fileOrder(primary);
  const std::vector<std::string> to = fileOrder(secondary);
  const auto indexOf = [](const std::vector<std::string>& words, const std::string& word) {
    const auto it = std::find(words.begin(), words.end(), word);
    if (it == words.end()) throw std::runtime_error("test dictionary: no word " + word);
    return static_cast<uint16_t>(it - words.begin());
  };
  lexcore::ListFileLayout layout;
  layout.primaryFile = primaryFile;
  layout.secondaryFile = secondaryFile;
  layout.translations.resize(from.size());
  for (const auto& pair : pairs) layout.translations[indexOf(from, pair.first)].push_back(indexOf(to, pair.second));
  return lexcore::writeListFile(layout);
}

void writeSamplePair(const std::string& folder) {
  const TestDataFile english = englishData();
  const TestDataFile german = germanData();
  WordPairs reverse;
  for (const auto& pair : englishGermanPairs()) reverse.emplace_back(pair.second, pair.first);
  writeFile(folder + "/en.tdd", dataFileBytes(english));
  writeFile(folder + "/de.tdd", dataFileBytes(german));
  writeFile(folder + "/en_de.tdl", listFileBytes("en.tdd", "de.tdd", english, german, englishGermanPairs()));
  writeFile(folder + "/de_en.tdl", listFileBytes("de.tdd", "en.tdd", german, english, reverse));
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace lexdict_test
