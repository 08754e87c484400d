// The Ding dictionary format (Debian's trans-de-en): one entry a line,
//
//   Haus {n}; Gebäude {n} | Häuser {pl} :: house; building | houses
//
// The two languages stand on either side of " :: ".  " | " splits each side
// into parts that correspond in order (the word, then usually its
// inflected forms and phrases with it); "; " separates synonyms within a
// part.  Every term of a part on the left pairs with every term of the same
// part on the right, each cleaned as term_cleaning.h describes; a part
// whose left side holds a verb mark ({v}, {vi}, {vt}, {vr}) drops the
// infinitive "to" of its terms.  When the two sides have different numbers
// of parts, only the first part is used.  Lines starting with '#' and blank
// lines are skipped.
#ifndef LEXMAKE_DING_FILE_H
#define LEXMAKE_DING_FILE_H

#include <string>

#include "diagnostics.h"
#include "pair_list.h"
#include "progress.h"
#include "term_cleaning.h"

namespace lexmake {

// True when the first line that is neither blank nor a comment has " :: ".
bool looksLikeDing(const std::string& content);

// Adds the pairs of the Ding text `content` (input file `file` of `pairs`);
// the left side is language `leftSide`.  A line without " :: " is an error
// naming its file and line.
void readDing(const std::string& content, uint16_t file, Side leftSide, PairList* pairs, TermDrops* drops,
              Diagnostics* diagnostics, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_DING_FILE_H
