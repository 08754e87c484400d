// The four files of a language pair A-B and their names:
//   <a>_<b>.tdl    list file, A words to their B translations
//   <b>_<a>.tdl    list file, B words to their A translations
//   <a><b>_<a>.tdd data file of A's words
//   <a><b>_<b>.tdd data file of B's words
// The data files carry the pair in their names, so that two pairs that share
// a language do not overwrite each other's files.
//
// A set is published whole: at every moment, whatever step fails and
// wherever the program stops, every list file in the output folder names
// data files that are there and belong to it.  The files are written and
// checked in a staging folder inside the output folder and then moved in,
// each by one rename: the data files first, under names that no list file
// names, then the list files.  While a list file still names the usual data
// file names, the set is first published with data files under spare names
// "<a><b>_<x>-<n>.tdd" (n from 1 to 9), and then once more under the usual
// names.  Data files of the pair that no list file names are removed at the
// end of a run, and at the start of the next one when a run was stopped.
#ifndef LEXMAKE_PAIR_FILES_H
#define LEXMAKE_PAIR_FILES_H

#include <functional>
#include <string>
#include <vector>

#include "compiled_pair.h"

namespace lexmake {

// The spare names 1 to 9, and 0 for the usual one.
constexpr int kSpareNames = 9;

std::string listFileName(const Language& from, const Language& to);
std::string dataFileName(const CompiledPair& pair, const Language& of, int spare = 0);

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
// they are published.
std::string stagingFolder(const CompiledPair& pair, const std::string& output);

// Writes the files into `folder`, which is created when missing; false with
// a reason in `error` when a file cannot be written.
bool writePairFiles(const std::vector<PairFile>& files, const std::string& folder, std::string* error);

// Publishes the files written to `staging` (those of pairFiles) in `output`.
// False with a reason in `error` when the set is not, or only in part,
// published; every list file in `output` then still names its own data.
bool publishPairFiles(const CompiledPair& pair, const std::vector<PairFile>& files, const std::string& staging,
                      const std::string& output, std::string* error);

// Removes what a run for this pair leaves in `output` when it stops early or
// is stopped: the staging folder and data files of the pair that no list
// file in `output` names.  What cannot be removed stays for the next run.
void removeLeftovers(const CompiledPair& pair, const std::string& output);

// Removes a folder and everything in it, as far as it exists.
void removeFolder(const std::string& folder);

// Renames `from` to `to`, replacing `to`; false with a reason in `error`.
// A refusal is retried for a moment, as another program may hold the file.
bool replaceFile(const std::string& from, const std::string& to, std::string* error);

// For tests: `fails` is asked before every step that creates, replaces or
// removes a file, with the step's name ("write en_de.tdl", "move
// ende_en.tdd", ...); when it answers true the step fails as if the system
// had refused it.  An empty function turns this off.
void setStepFailure(std::function<bool(const std::string& step)> fails);
// Whether the step is to fail (see setStepFailure).
bool stepFails(const std::string& step);

}  // namespace lexmake

#endif  // LEXMAKE_PAIR_FILES_H
