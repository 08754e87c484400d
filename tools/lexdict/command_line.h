// Option parsing shared by the lexdict commands.
//
// Options are long ("--name VALUE" or "--name=VALUE"; flags take no value)
// and may stand anywhere before "--"; everything after "--", and every
// argument that does not begin with "-" (and "-" itself), is positional.
#ifndef LEXDICT_COMMAND_LINE_H
#define LEXDICT_COMMAND_LINE_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lexdict {

enum ExitCode {
  kExitSuccess = 0,
  kExitFailure = 1,  // a word, a file or the dictionary failed
  kExitUsage = 2     // the command line is wrong
};

struct OptionDefinition {
  const char* name;  // without the leading "--"
  bool takesValue;
};

struct ParsedArguments {
  std::map<std::string, std::string> options;  // name -> value ("" for a flag); the last one given wins
  std::vector<std::string> positionals;

  bool has(const std::string& name) const { return options.count(name) != 0; }
  // The value of an option that was given.
  const std::string& value(const std::string& name) const { return options.at(name); }
};

// Parses the arguments of one command.  False with `error` set for an unknown
// option, a value given to a flag, or a missing value.
bool parseArguments(const std::vector<std::string>& args, const std::vector<OptionDefinition>& definitions,
                    ParsedArguments* parsed, std::string* error);

// Parses a whole number in decimal, or in hexadecimal after "0x", that lies
// within [minimum, maximum].
bool parseNumber(const std::string& text, int64_t minimum, int64_t maximum, int64_t* value);

// Parses the arguments of `command`, whose options are `definitions` plus --help
// (or -h) and --version.  Answers --help with `usage` and --version with the version,
// and a bad command line with a usage error.  Returns true when the command
// should run; otherwise the command is done and `exitCode` says how.
bool startCommand(const std::string& command, const std::vector<std::string>& args, std::vector<OptionDefinition> definitions,
                  const char* usage, ParsedArguments* parsed, int* exitCode);

// Writes "lexdict: <message>" and a pointer to the command's help to
// standard error; returns kExitUsage.
int usageError(const std::string& command, const std::string& message);

}  // namespace lexdict

#endif  // LEXDICT_COMMAND_LINE_H
