// The word pair file: UTF-8 text, one pair a line, "word<TAB>translation".
// Several lines with the same word give it several translations, in line
// order.  Blank lines and lines that start with '#' are skipped; blanks
// around either field are dropped.
#ifndef LEXMAKE_WORD_PAIRS_H
#define LEXMAKE_WORD_PAIRS_H

#include <string>
#include <vector>

#include "diagnostics.h"

namespace lexmake {

struct WordPair {
  std::string a;      // word of language A, dictionary text (Windows-1252)
  std::string b;      // its translation in language B, dictionary text
  std::string where;  // "file:line", for messages
};

// Parses the contents of the pair file `fileName`.  Every bad line adds an
// error naming the file and line and is left out of the result.
std::vector<WordPair> parseWordPairs(const std::string& content, const std::string& fileName, Diagnostics* diagnostics);

}  // namespace lexmake

#endif  // LEXMAKE_WORD_PAIRS_H
