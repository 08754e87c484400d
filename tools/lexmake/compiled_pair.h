// A language pair compiled from its inputs: the entries of both data files,
// the links of both list files, and the laid-out data files.
#ifndef LEXMAKE_COMPILED_PAIR_H
#define LEXMAKE_COMPILED_PAIR_H

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "language_file.h"
#include "left_out.h"
#include "pair_list.h"
#include "progress.h"
#include "selection.h"
#include "datafile/data_file_writer.h"

namespace lexmake {

struct CompiledPair {
  Language a;
  Language b;
  std::vector<std::string> wordsA;  // entries of A's data file, sorted
  std::vector<std::string> wordsB;
  std::vector<std::vector<uint16_t>> aToB;  // translations of each A entry
  std::vector<std::vector<uint16_t>> bToA;
  lexcore::DataFileLayout fileA;
  lexcore::DataFileLayout fileB;
  LeftOut leftOut;
};

// How many left-out items become warnings; the rest are only counted.
constexpr size_t kMaxLeftOutWarnings = 20;

// Compiles `pairs`.  Words that do not fit are left out and the selection
// is made again without them, until every kept word fits.  False, with
// errors in `diagnostics`, when nothing is left to compile or a file cannot
// be laid out.  What was left out is in result->leftOut, and the first few
// items are warnings.
bool compilePair(const PairList& pairs, const SelectionRules& rules, const Language& a, const Language& b,
                 CompiledPair* result, Diagnostics* diagnostics, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_COMPILED_PAIR_H
