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

namespace {

int runCommand(int argc, char** argv) {
  using namespace lexdict;
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
    return usageError("", "unknown command " + quoted(command));
  } catch (const std::exception& e) {
    std::cerr << "lexdict: stopped by an internal failure: " << e.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace

int main(int argc, char** argv) {
  lexdict::prepareStandardStreams();
  const int exitCode = runCommand(argc, argv);
  // Output that could not be written is a failure, whatever the command did.
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lexdict: standard output cannot be written (the disk is full, or the file or pipe is gone)\n";
    return lexdict::kExitFailure;
  }
  return exitCode;
}
