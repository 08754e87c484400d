// lexmake's command line and its help text.
#ifndef LEXMAKE_COMMAND_LINE_H
#define LEXMAKE_COMMAND_LINE_H

#include <string>
#include <vector>

#include "input_files.h"
#include "language_file.h"

namespace lexmake {

struct LanguageOption {
  Language language;       // code, name and id; tables are read later
  std::string tablesPath;  // empty: no ending or variant table
  std::string rankPath;    // empty: no word list to rank by
  std::vector<std::string> frequencyPaths;  // frequency lists, most common word first
  std::string wordClassesPath;              // word class counts (WordNet's cntlist.rev); empty: none
};

struct Options {
  bool help = false;
  bool version = false;
  LanguageOption a;
  LanguageOption b;
  std::string outputFolder = ".";
  std::vector<InputFile> inputs;  // in command-line order
  std::string leftOutPath;        // empty: no list of what was left out
};

// Parses the arguments (without the program name).  False with a reason in
// `error` on bad usage.
bool parseCommandLine(const std::vector<std::string>& args, Options* options, std::string* error);

std::string helpText();

}  // namespace lexmake

#endif  // LEXMAKE_COMMAND_LINE_H
