// A language pair compiled from its word pairs: the entries of both data
// files, the links of both list files, and the laid-out data files.
#ifndef LEXMAKE_COMPILED_PAIR_H
#define LEXMAKE_COMPILED_PAIR_H

#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "language_file.h"
#include "lexicon.h"
#include "word_pairs.h"
#include "writer/data_file_writer.h"

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

// Compiles `pairs` (A word, B translation).  False, with errors in
// `diagnostics`, when nothing is left to compile or a file cannot be laid
// out; what was left out is counted and warned about.
bool compilePair(const std::vector<WordPair>& pairs, const Language& a, const Language& b, CompiledPair* result,
                 Diagnostics* diagnostics);

}  // namespace lexmake

#endif  // LEXMAKE_COMPILED_PAIR_H
