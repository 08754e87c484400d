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

// The most characters of a word or text that a message quotes.
constexpr size_t kMaxQuotedCharacters = 60;

// UTF-8 text in double quotes, for messages.  Text of more than 60
// characters keeps its first 57 and "...", and its length follows, so that
// a runaway line does not flood the messages.
inline std::string quotedUtf8(const std::string& utf8) {
  const auto isLead = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
  size_t characters = 0;
  size_t cut = 0;  // bytes of the first kMaxQuotedCharacters - 3 characters
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (!isLead(utf8[i])) continue;
    if (++characters == kMaxQuotedCharacters - 2) cut = i;
  }
  if (characters <= kMaxQuotedCharacters) return "\"" + utf8 + "\"";
  return "\"" + utf8.substr(0, cut) + "...\" (" + std::to_string(characters) + " characters)";
}

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
