#include "command_line.h"

#include <iostream>

#include "usage.h"

namespace lexdict {

bool parseArguments(const std::vector<std::string>& args, const std::vector<OptionDefinition>& definitions,
                    ParsedArguments* parsed, std::string* error) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
      parsed->positionals.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.compare(0, 2, "--") == 0 ? arg.substr(2, equals == std::string::npos ? equals : equals - 2)
                                                          : std::string();
    const OptionDefinition* option = nullptr;
    for (const OptionDefinition& d : definitions) {
      if (!name.empty() && name == d.name) option = &d;
    }
    if (option == nullptr) {
      *error = "unknown option '" + arg.substr(0, equals) + "'";
      return false;
    }
    if (!option->takesValue) {
      if (equals != std::string::npos) {
        *error = "option '--" + name + "' takes no value";
        return false;
      }
      parsed->options[name] = std::string();
    } else if (equals != std::string::npos) {
      parsed->options[name] = arg.substr(equals + 1);
    } else if (i + 1 < args.size()) {
      parsed->options[name] = args[++i];
    } else {
      *error = "option '--" + name + "' needs a value";
      return false;
    }
  }
  return true;
}

bool parseNumber(const std::string& text, int64_t minimum, int64_t maximum, int64_t* value) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const size_t start = hex ? 2 : 0;
  const int base = hex ? 16 : 10;
  if (text.size() <= start) return false;
  int64_t n = 0;
  for (size_t i = start; i < text.size(); ++i) {
    const char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return false;
    }
    n = n * base + digit;
    if (n > maximum) return false;  // also keeps n far from overflowing
  }
  if (n < minimum) return false;
  *value = n;
  return true;
}

bool startCommand(const std::string& command, const std::vector<std::string>& args, std::vector<OptionDefinition> definitions,
                  const char* usage, ParsedArguments* parsed, int* exitCode) {
  definitions.push_back({"help", false});
  definitions.push_back({"version", false});
  // "-h" is the one short option: it stands for "--help" before a "--".
  std::vector<std::string> expanded = args;
  for (std::string& arg : expanded) {
    if (arg == "--") break;
    if (arg == "-h") arg = "--help";
  }
  std::string error;
  if (!parseArguments(expanded, definitions, parsed, &error)) {
    *exitCode = usageError(command, error);
    return false;
  }
  if (parsed->has("help") || parsed->has("version")) {
    std::cout << (parsed->has("help") ? std::string(usage) : versionText());
    *exitCode = kExitSuccess;
    return false;
  }
  return true;
}

int usageError(const std::string& command, const std::string& message) {
  std::cerr << "lexdict: " << message << "\n"
            << "Run 'lexdict " << (command.empty() ? "" : command + " ") << "--help' for usage.\n";
  return kExitUsage;
}

}  // namespace lexdict
