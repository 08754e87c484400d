// The dictionary compiler as a whole: reads the inputs, the table
// descriptions and the word lists, compiles and writes the four files of
// the language pair, checks them through the engine and prints a summary.
#ifndef LEXMAKE_LEXMAKE_H
#define LEXMAKE_LEXMAKE_H

#include <ostream>
#include <string>
#include <vector>

namespace lexmake {

enum ExitStatus { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

// Runs lexmake on `args` (without the program name).  The help text and the
// summary go to `out`; warnings and errors to `err`, and with
// `showProgress` a progress bar too.  The set of the pair in the output
// folder is replaced whole, and only when the new files pass their check
// (pair_files.h); the status is kExitDone only when it was.
int runLexmake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress = false);

}  // namespace lexmake

#endif  // LEXMAKE_LEXMAKE_H
