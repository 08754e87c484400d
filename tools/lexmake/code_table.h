// Chooses the 256 byte codes of a data file.  Every byte that occurs in the
// words gets a code of its own (the code with the byte's value); the codes
// left over stand for frequent substrings of 2 to 15 bytes, found by
// repeatedly merging the most frequent pair of neighbouring codes in the
// texts that will be encoded (the entries' text after their block key).
#ifndef LEXMAKE_CODE_TABLE_H
#define LEXMAKE_CODE_TABLE_H

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace lexmake {

using CodeTable = std::array<std::string, 256>;

// Codes for `texts`, whose bytes all occur in `words`.  Every text must
// encode in at most 15 codes: with `repair`, texts that do not at first
// weigh more in the next attempt, a few times over.  The indexes of those
// that still do not are returned in `unencodable`.
CodeTable chooseCodeTable(const std::vector<std::string>& words, const std::vector<std::string>& texts,
                          std::vector<size_t>* unencodable, bool repair = true);

}  // namespace lexmake

#endif  // LEXMAKE_CODE_TABLE_H
