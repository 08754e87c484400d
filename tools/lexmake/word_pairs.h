// The word pair file: UTF-8 text, one pair a line, "word<TAB>translation".
// Several lines with the same word give it several translations, in line
// order.  Blank lines and lines that start with '#' are skipped; blanks
// around either field are dropped.  Since the user writes this file, a line
// that cannot be used is an error, not something to leave out.
#ifndef LEXMAKE_WORD_PAIRS_H
#define LEXMAKE_WORD_PAIRS_H

#include <string>

#include "diagnostics.h"
#include "pair_list.h"
#include "progress.h"

namespace lexmake {

// Adds the pairs of the word pair text `content` (input file `file` of
// `pairs`), whose first field is language `headSide`.  Every bad line adds an
// error naming the file and line and is left out.
void readWordPairs(const std::string& content, uint16_t file, Side headSide, PairList* pairs,
                   Diagnostics* diagnostics, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_WORD_PAIRS_H
