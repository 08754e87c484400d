// Dictionaries for the tests, laid out with the engine's writer: data files
// from word lists, and one translation direction (two data files and the
// list file linking them) from headwords and their translations.
#ifndef VOCARO_TESTS_ENGINE_SAMPLE_DICTIONARY_H
#define VOCARO_TESTS_ENGINE_SAMPLE_DICTIONARY_H

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace lexcore_test {

using CodeTable = std::array<std::string, 256>;

// The words sorted in unsigned byte order, each once.
std::vector<std::string> sortedWords(std::vector<std::string> words);

// The layout of a data file holding `words` (sorted, distinct) in blocks of
// up to `perBlock` words.  Fails the test when the writer refuses them.
lexcore::DataFileLayout wordListLayout(const std::vector<std::string>& words, size_t perBlock = 4,
                                       const CodeTable& codes = lexcore::byteCodeTable());

// A record holding `groups`, as the writer stores it.
lexcore::OptionalRecord tableRecord(uint8_t type, const lexcore::StringGroups& groups);

// One translation direction: headwords of the primary language with their
// translations.  Every translation becomes an entry of the secondary data
// file.  write() puts the primary data file, the secondary data file and the
// list file into a folder under the names below.
class SampleDictionary {
 public:
  static constexpr const char* kPrimaryName = "aa.tdd";
  static constexpr const char* kSecondaryName = "bb.tdd";
  static constexpr const char* kListName = "aa_bb.tdl";

  SampleDictionary& add(const std::string& word, const std::vector<std::string>& translations) {
    entries_[word] = translations;
    return *this;
  }
  // The ending and variant tables of the primary file; none while empty.
  SampleDictionary& setEndings(const lexcore::StringGroups& groups) { return endings_ = groups, *this; }
  SampleDictionary& setVariants(const lexcore::StringGroups& groups) { return variants_ = groups, *this; }
  SampleDictionary& setPerBlock(size_t perBlock) { return perBlock_ = perBlock, *this; }
  // The code table of both data files; one code per byte unless set.
  SampleDictionary& setCodes(const CodeTable& codes) { return codes_ = codes, *this; }

  lexcore::DataFileLayout primaryLayout() const;
  lexcore::ListFileLayout listLayout() const;
  // The global entry index of a translation.
  uint16_t secondaryIndex(const std::string& word) const;

  const SampleDictionary& write(const vocaro_test::TempFolder& folder) const;

 private:
  std::vector<std::string> secondaryWords() const;

  std::map<std::string, std::vector<std::string>> entries_;
  lexcore::StringGroups endings_;
  lexcore::StringGroups variants_;
  size_t perBlock_ = 4;
  CodeTable codes_ = lexcore::byteCodeTable();
};

}  // namespace lexcore_test

#endif  // VOCARO_TESTS_ENGINE_SAMPLE_DICTIONARY_H
