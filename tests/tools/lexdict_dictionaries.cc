#include "lexdict_dictionaries.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "writer/list_file_writer.h"

namespace lexdict_test {

DataFileSpec englishSpec() {
  DataFileSpec spec;
  spec.languageName = "English";
  spec.languageId = 9;
  spec.words = {"house", "street", "cat", "dog", "big", "open"};
  spec.endings = {{"", "s"}};
  return spec;
}

DataFileSpec germanSpec() {
  DataFileSpec spec;
  spec.languageName = "German";
  spec.languageId = 7;
  spec.words = {"Haus", "Heim", "Geb\xe4ude", "Stra\xdf" "e", "Katze", "Hund", "gro\xdf"};
  spec.variants = {{"ss", "\xdf"}};
  return spec;
}

WordPairs englishGermanPairs() {
  return {{"house", "Haus"}, {"house", "Heim"}, {"house", "Geb\xe4ude"}, {"street", "Stra\xdf" "e"},
          {"cat", "Katze"},  {"dog", "Hund"},   {"big", "gro\xdf"}};
}

std::vector<std::string> fileOrder(const DataFileSpec& spec) {
  std::vector<std::string> words = spec.words;
  std::sort(words.begin(), words.end());  // std::string compares bytes unsigned
  return words;
}

lexcore::DataFileLayout dataFileLayout(const DataFileSpec& spec) {
  const std::vector<std::string> words = fileOrder(spec);
  lexcore::DataFileLayout layout;
  std::string error;
  if (!lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, spec.wordsPerBlock),
                              &layout, &error))
    throw std::runtime_error("test dictionary: " + error);
  layout.languageName = spec.languageName;
  layout.languageId = spec.languageId;
  lexcore::OptionalRecord record;
  if (!spec.endings.empty() && lexcore::makeTableRecord(200, spec.endings, &record)) layout.records.push_back(record);
  if (!spec.variants.empty() && lexcore::makeTableRecord(201, spec.variants, &record)) layout.records.push_back(record);
  return layout;
}

std::string dataFileBytes(const DataFileSpec& spec) { return lexcore::writeDataFile(dataFileLayout(spec)); }

std::string listFileBytes(const std::string& primaryFile, const std::string& secondaryFile,
                          const DataFileSpec& primary, const DataFileSpec& secondary, const WordPairs& pairs) {
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
  const DataFileSpec english = englishSpec();
  const DataFileSpec german = germanSpec();
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

bool fileExists(const std::string& path) { return std::filesystem::exists(path); }

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lexdict_test_XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace lexdict_test
