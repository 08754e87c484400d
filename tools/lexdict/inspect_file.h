// Reading dictionary files for 'info' and 'list' through the engine's own
// reader classes, and saying in words what is wrong with a file they refuse.
#ifndef LEXDICT_INSPECT_FILE_H
#define LEXDICT_INSPECT_FILE_H

#include <cstdint>
#include <memory>
#include <string>

#include "datafile/dictionary_file.h"

namespace lexdict {

// The header of a dictionary list file.
struct ListFileHeader {
  std::string primaryFile;  // UTF-8 file names, without folder
  std::string secondaryFile;
  uint32_t entryCount = 0;  // primary entries the file covers
};

// Reads and checks the list file at `path` (UTF-8) as the engine opens it.
// False when it is not a sound list file; `problem` then says what is wrong
// with a file that begins as a list file, and stays empty for any other.
bool readListFile(const std::string& path, ListFileHeader* header, std::string* problem);

// Loads the data file at `path` (UTF-8); null, with `problem` saying what is
// wrong, when the engine's reader refuses it.
std::unique_ptr<lexcore::DictionaryFile> loadDataFile(const std::string& path, std::string* problem);

// What is wrong with a file that is neither a sound list file nor a
// loadable data file: missing, unreadable, damaged (with the engine's reason:
// what is wrong and where), or of another kind.
std::string unreadableFileProblem(const std::string& path);

}  // namespace lexdict

#endif  // LEXDICT_INSPECT_FILE_H
