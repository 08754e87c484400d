// Splits a UTF-8 text file into numbered lines, once for both of lexmake's
// input formats: a leading byte order mark is dropped, and lines may end in
// LF, CR LF or a lone CR.
#ifndef LEXMAKE_TEXT_LINES_H
#define LEXMAKE_TEXT_LINES_H

#include <cstddef>
#include <string>
#include <vector>

namespace lexmake {

struct TextLine {
  size_t number = 0;  // 1-based
  std::string text;   // without its line end
};

std::vector<TextLine> splitLines(const std::string& content);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::string* content);

// The message for a file readWholeFile could not read: "cannot read the
// file", with the reason when it is a folder or missing.
std::string cannotReadMessage(const std::string& path);

}  // namespace lexmake

#endif  // LEXMAKE_TEXT_LINES_H
