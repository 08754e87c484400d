// lexmake, the dictionary compiler: see lexmake --help.
#include <stdio.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "lexmake.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // The progress bar redraws its line; only a terminal shows that well.
  const bool showProgress = isatty(fileno(stderr)) != 0;
  return lexmake::runLexmake(args, std::cout, std::cerr, showProgress);
}
