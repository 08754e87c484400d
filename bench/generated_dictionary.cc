#include "generated_dictionary.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <set>

#include "datafile/format.h"
#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace {

std::vector<std::string> randomWords(size_t count, std::mt19937& rng) {
  static const char* const kOnsets[] = {"b", "br", "c", "ch", "d", "f", "g", "gr", "h", "k", "l", "m",
                                        "n", "p", "ph", "r", "s", "sh", "st", "t", "th", "tr", "v", "w"};
  static const char* const kVowels[] = {"a", "e", "i", "o", "u", "ea", "ou", "ie", "y"};
  std::set<std::string> words;
  std::uniform_int_distribution<int> syllables(1, 4);
  while (words.size() < count) {
    std::string w;
    for (int s = syllables(rng); s > 0; --s) {
      w += kOnsets[rng() % (sizeof kOnsets / sizeof *kOnsets)];
      w += kVowels[rng() % (sizeof kVowels / sizeof *kVowels)];
    }
    if (rng() % 3 == 0) w += "s";
    if (w.size() <= 15) words.insert(w);
  }
  return std::vector<std::string>(words.begin(), words.end());
}

void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

lexcore::DataFileLayout layoutOf(const std::vector<std::string>& words, const char* language) {
  lexcore::DataFileLayout layout;
  std::string error;
  lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, 32), &layout, &error);
  layout.languageName = language;
  lexcore::OptionalRecord record;
  lexcore::makeTableRecord(lexcore::kRecordEndings,
                           {{"", "s"}, {"", "es"}, {"y", "ies"}, {"", "ed", "ing"}, {"e", "ed", "ing"},
                            {"", "er", "est"}, {"y", "ier", "iest"}, {"", "ly"}},
                           &record);
  layout.records.push_back(record);
  lexcore::makeTableRecord(lexcore::kRecordVariants,
                           {{"ph", "f"}, {"c", "k"}, {"ie", "ei"}, {"ou", "o"}, {"ea", "ee"}, {"s", "ss"},
                            {"l", "ll"}, {"t", "tt"}, {"y", "i"}, {"sh", "ch"}},
                           &record);
  layout.records.push_back(record);
  return layout;
}

}  // namespace

GeneratedDictionary generateDictionary(const std::string& folder, size_t entries, unsigned seed) {
  std::mt19937 rng(seed);
  GeneratedDictionary d;
  d.folder = folder;
  d.primaryWords = randomWords(entries, rng);
  const std::vector<std::string> secondary = randomWords(entries, rng);
  writeFile(folder + "/gen_en.tdd", lexcore::writeDataFile(layoutOf(d.primaryWords, "English")));
  writeFile(folder + "/gen_xx.tdd", lexcore::writeDataFile(layoutOf(secondary, "Other")));
  lexcore::ListFileLayout list;
  list.primaryFile = "gen_en.tdd";
  list.secondaryFile = "gen_xx.tdd";
  for (size_t i = 0; i < d.primaryWords.size(); ++i) {
    std::vector<uint16_t> indexes;
    for (unsigned n = 1 + rng() % 3; n > 0; --n) indexes.push_back(static_cast<uint16_t>(rng() % secondary.size()));
    list.translations.push_back(indexes);
  }
  d.listFile = folder + "/en_xx.tdl";
  writeFile(d.listFile, lexcore::writeListFile(list));
  return d;
}
