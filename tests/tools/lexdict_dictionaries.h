// Dictionaries for the lexdict tests, written with the engine's writer into
// a temporary folder: English en.tdd and German de.tdd, with the list files
// en_de.tdl and de_en.tdl.
//
// English: big cat dog house open street; ending table {"" <- "s"}.
// German: Gebäude Haus Heim Hund Katze Straße groß; variant table {ss, ß}.
// en_de: big=groß, cat=Katze, dog=Hund, house=Haus,Heim,Gebäude (in that
// order), street=Straße; open has no translation.  de_en is the reverse.
#ifndef VOCARO_TESTS_TOOLS_LEXDICT_DICTIONARIES_H
#define VOCARO_TESTS_TOOLS_LEXDICT_DICTIONARIES_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "temp_folder.h"
#include "datafile/data_file_writer.h"

namespace lexdict_test {

// A data file; all text is Windows-1252.
struct TestDataFile {
  std::string languageName;
  uint32_t languageId = 0;
  std::vector<std::string> words;  // any order
  lexcore::StringGroups endings;   // no ending table when empty
  lexcore::StringGroups variants;  // no variant table when empty
  size_t wordsPerBlock = 2;
};

using WordPairs = std::vector<std::pair<std::string, std::string>>;

TestDataFile englishData();
TestDataFile germanData();
// English to German, in Windows-1252.
WordPairs englishGermanPairs();

// The words in file order: entry i of the data file is element i.
std::vector<std::string> fileOrder(const TestDataFile& data);
std::string dataFileBytes(const TestDataFile& data);
// The layout dataFileBytes() writes, for tests that alter single fields.
lexcore::DataFileLayout dataFileLayout(const TestDataFile& data);
// A list file that links each primary word of `pairs` to its secondary word.
std::string listFileBytes(const std::string& primaryFile, const std::string& secondaryFile,
                          const TestDataFile& primary, const TestDataFile& secondary, const WordPairs& pairs);

// Writes en.tdd, de.tdd, en_de.tdl and de_en.tdl into `folder`.
void writeSamplePair(const std::string& folder);

void writeFile(const std::string& path, const std::string& bytes);
// The file's bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

}  // namespace lexdict_test

#endif  // VOCARO_TESTS_TOOLS_LEXDICT_DICTIONARIES_H
