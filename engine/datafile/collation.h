// Case-folding comparison of 8-bit words.  Folding maps the ASCII capitals
// 0x41..0x5A and every byte 0xC0..0xDF to the byte with bit 0x20 set; folded
// order is the unsigned byte order of the folded texts.
#ifndef LEXCORE_DATAFILE_COLLATION_H
#define LEXCORE_DATAFILE_COLLATION_H

#include <cstdint>

namespace lexcore {

uint8_t foldChar(uint8_t c);

// 1 when a sorts after b, -1 when before, 0 when equal after folding.
int compareFolded(const char* a, const char* b);

// The same over at most n positions; n of 0 or less compares equal.
int compareFoldedN(const char* a, const char* b, int n);

}  // namespace lexcore

#endif  // LEXCORE_DATAFILE_COLLATION_H
