// lexdict, the Vocaro command-line translator: translate words, add user
// dictionary pairs, describe and list dictionary files.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "commands.h"
#include "host.h"
#include "text.h"
#include "usage.h"

int main(int argc, char** argv) {
  using namespace lexdict;
  prepareStandardStreams();
  try {
    const std::vector<std::string> args = utf8Arguments(argc, argv);
    if (args.empty()) return usageError("", "missing COMMAND");
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "translate") return runTranslate(rest);
    if (command == "add") return runAdd(rest);
    if (command == "info") return runInfo(rest);
    if (command == "list") return runList(rest);
    if (command == "--help") {
      std::cout << kMainUsage;
      return kExitSuccess;
    }
    if (command == "--version") {
      std::cout << versionText();
      return kExitSuccess;
    }
    return usageError("", "unknown command " + jsonString(command));
  } catch (const std::exception& e) {
    std::cerr << "lexdict: stopped by an internal failure: " << e.what() << '\n';
    return kExitFailure;
  }
}
