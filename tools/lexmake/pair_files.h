// The four files of a language pair A-B and their names:
//   <a>_<b>.tdl    list file, A words to their B translations
//   <b>_<a>.tdl    list file, B words to their A translations
//   <a><b>_<a>.tdd data file of A's words
//   <a><b>_<b>.tdd data file of B's words
// The data files carry the pair in their names, so that two pairs that share
// a language do not overwrite each other's files.
#ifndef LEXMAKE_PAIR_FILES_H
#define LEXMAKE_PAIR_FILES_H

#include <string>
#include <vector>

#include "compiled_pair.h"

namespace lexmake {

std::string listFileName(const Language& from, const Language& to);
std::string dataFileName(const CompiledPair& pair, const Language& of);

// A file of the pair: its name and its bytes.
struct PairFile {
  std::string name;
  std::string bytes;
};

// The files in the order: A data file, B data file, A-B list, B-A list.
std::vector<PairFile> pairFiles(const CompiledPair& pair);

// Joins a folder and a file name.
std::string joinPath(const std::string& folder, const std::string& name);

// The folder inside `output` where the files are written and checked before
// they replace the files of the same names in `output`.
std::string stagingFolder(const CompiledPair& pair, const std::string& output);

// Writes the files into `folder`, which is created when missing; false with
// a reason in `error` when a file cannot be written.
bool writePairFiles(const std::vector<PairFile>& files, const std::string& folder, std::string* error);

// Moves the files from `staging` into `output` and removes `staging`; false
// with a reason in `error` when a file cannot be moved.
bool publishPairFiles(const std::vector<PairFile>& files, const std::string& staging, const std::string& output,
                      std::string* error);

// Removes a folder and everything in it, as far as it exists.
void removeFolder(const std::string& folder);

}  // namespace lexmake

#endif  // LEXMAKE_PAIR_FILES_H
