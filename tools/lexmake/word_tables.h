// The table description of one language: its ending table (smart search)
// and its variant table (spell checking), as UTF-8 text, one group a line.
//
//   ending BASE <- ENDING...   a word ending in one of the ENDINGs is also
//                              tried with that ending replaced by BASE; the
//                              first ENDING of the line that gives a known
//                              word wins
//   variant TEXT TEXT...       inside a word, each TEXT may stand for every
//                              other TEXT of its line
//
// Items are separated by blanks; "" is the empty string.  Blank lines are
// skipped, and '#' at the start of an item starts a comment that runs to the
// end of the line.  Groups keep the order of their lines.
#ifndef LEXMAKE_WORD_TABLES_H
#define LEXMAKE_WORD_TABLES_H

#include <cstddef>
#include <string>

#include "diagnostics.h"
#include "datafile/data_file_writer.h"

namespace lexmake {

struct LanguageTables {
  lexcore::StringGroups endings;   // each group: the base, then its endings
  lexcore::StringGroups variants;  // each group: two or more spellings
};

// Parses the description in `content`; every bad line adds an error naming
// the file and line.  False when there was any error.
bool parseLanguageTables(const std::string& content, const std::string& fileName, LanguageTables* tables,
                         Diagnostics* diagnostics);

// The steps the engine's spell checker takes on a word of `wordLength`
// characters that holds none of the variant strings; it gives up after
// kVariantStepBudget steps, so groups it would reach later are never tried.
size_t variantSteps(const lexcore::StringGroups& variants, size_t wordLength);
constexpr size_t kVariantStepBudget = 2000;

}  // namespace lexmake

#endif  // LEXMAKE_WORD_TABLES_H
