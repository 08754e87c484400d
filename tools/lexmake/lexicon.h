// From word pairs to the entries and links of a language pair's files,
// within the format's limits: an entry holds at most 127 bytes, a data file
// at most 65535 entries, and a word at most 15 translations.  Whatever does
// not fit is left out, counted and warned about.
#ifndef LEXMAKE_LEXICON_H
#define LEXMAKE_LEXICON_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

#include "diagnostics.h"
#include "word_pairs.h"

namespace lexmake {

enum class Side { A, B };

struct LeftOut {
  size_t longPairs = 0;         // pairs with a word or translation over 127 bytes
  size_t entriesOverLimit = 0;  // words beyond the first 65535 of their language
  size_t unencodable = 0;       // words whose text does not encode in 15 codes
  size_t translationsAB = 0;    // translations beyond 15 of an A word
  size_t translationsBA = 0;    // translations beyond 15 of a B word
};

// Merges repeated pairs, drops pairs with an over-long word, and keeps only
// the first 65535 distinct words of each language in input order (with
// their pairs).
std::vector<WordPair> selectPairs(const std::vector<WordPair>& pairs, LeftOut* leftOut, Diagnostics* diagnostics);

// Drops the pairs that hold one of `words` on `side`.
std::vector<WordPair> dropWords(const std::vector<WordPair>& pairs, Side side,
                                const std::unordered_set<std::string>& words);

// The distinct words of one side, in unsigned byte order.
std::vector<std::string> distinctWords(const std::vector<WordPair>& pairs, Side side);

// For every word of `fromWords` (the words of side `from`), the indexes in
// `toWords` of its translations, in input order, at most 15; the rest are
// counted in `dropped` and warned about.
std::vector<std::vector<uint16_t>> linkTranslations(const std::vector<WordPair>& pairs, Side from,
                                                    const std::vector<std::string>& fromWords,
                                                    const std::vector<std::string>& toWords, size_t* dropped,
                                                    Diagnostics* diagnostics);

}  // namespace lexmake

#endif  // LEXMAKE_LEXICON_H
