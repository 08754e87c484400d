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

// "lexdict help [COMMAND]": the help of COMMAND, or the main help.
int runHelp(const std::vector<std::string>& args) {
  using namespace lexdict;
  static const struct {
    const char* command;
    const char* usage;
  } kCommands[] = {{"translate", kTranslateUsage}, {"add", kAddUsage}, {"info", kInfoUsage}, {"list", kListUsage}};
  if (args.empty()) {
    std::cout << kMainUsage;
    return kExitSuccess;
  }
  if (args.size() > 1) return usageError("", "help takes one COMMAND");
  for (const auto& c : kCommands) {
    if (args[0] == c.command) {
      std::cout << c.usage;
      return kExitSuccess;
    }
  }
  return usageError("", "unknown command " + quoted(args[0]));
}

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
    if (command == "-h" || command == "--help" || command == "help") return runHelp(command == "help" ? rest : std::vector<std::string>());
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
