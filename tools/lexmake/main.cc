// lexmake, the dictionary compiler: see lexmake --help.
#include <iostream>
#include <string>
#include <vector>

#include "lexmake.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return lexmake::runLexmake(args, std::cout, std::cerr);
}
