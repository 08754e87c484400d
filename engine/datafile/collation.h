// Case-folding comparison of 8-bit words: folded order is the unsigned byte
// order of the texts folded byte by byte with foldChar.
#ifndef LEXCORE_DATAFILE_COLLATION_H
#define LEXCORE_DATAFILE_COLLATION_H

#include "platform/letter_case.h"

namespace lexcore {

// 1 when a sorts after b, -1 when before, 0 when equal after folding.
int compareFolded(const char* a, const char* b);

// The same over at most n positions; n of 0 or less compares equal.
int compareFoldedN(const char* a, const char* b, int n);

}  // namespace lexcore

#endif  // LEXCORE_DATAFILE_COLLATION_H
