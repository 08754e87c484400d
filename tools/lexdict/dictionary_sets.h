// The dictionary sets of a dictionaries folder, listed the way the
// application lists them: every *.tdl file whose data file names can be read
// is one translation direction, from the language of its primary data file
// to the language of its secondary one.
#ifndef LEXDICT_DICTIONARY_SETS_H
#define LEXDICT_DICTIONARY_SETS_H

#include <string>
#include <vector>

namespace lexdict {

// All text is UTF-8.
struct DictionarySet {
  std::string listFile;  // file name, without folder
  std::string primaryFile;
  std::string secondaryFile;
  std::string fromLanguage;  // empty when the data file's language cannot be read
  std::string toLanguage;
};

// The sets of `folder`, ordered by list file name (byte order) so that the
// choice among sets of the same pair does not depend on the file system.
// False when the folder cannot be read.
bool listDictionarySets(const std::string& folder, std::vector<DictionarySet>* sets);

// True when two language names are equal regardless of letter case.
bool sameLanguage(const std::string& a, const std::string& b);

// The dictionaries folder used when none is given: $VOCARO_DICTIONARIES when
// it is set and not empty; else the folder "dictionaries" beside the program
// (a build tree, or a folder unpacked from a zip) when it can be read; else
// "../share/vocaro/dictionaries" from the program's folder (an installed
// tree, wherever it was moved).
std::string defaultDictionaryFolder();

// `folder` joined with a file name.
std::string pathInFolder(const std::string& folder, const std::string& name);

}  // namespace lexdict

#endif  // LEXDICT_DICTIONARY_SETS_H
