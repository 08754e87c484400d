// Errors and warnings collected while lexmake reads and compiles its input.
// Each message starts with where it arose ("file:line: ..." or a file name),
// so that all of them can be shown at the end, in the order they were found.
#ifndef LEXMAKE_DIAGNOSTICS_H
#define LEXMAKE_DIAGNOSTICS_H

#include <cstddef>
#include <string>
#include <vector>

namespace lexmake {

// "file:line".
inline std::string location(const std::string& file, size_t line) { return file + ":" + std::to_string(line); }

struct Diagnostics {
  std::vector<std::string> errors;    // the output cannot be written
  std::vector<std::string> warnings;  // something was left out or looks wrong

  void error(const std::string& where, const std::string& message) { errors.push_back(where + ": " + message); }
  // An empty `where` gives the message alone.
  void warning(const std::string& where, const std::string& message) {
    warnings.push_back(where.empty() ? message : where + ": " + message);
  }
};

}  // namespace lexmake

#endif  // LEXMAKE_DIAGNOSTICS_H
