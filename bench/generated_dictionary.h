// A generated dictionary pair of realistic shape for the benchmarks: random
// pronounceable words, one to three translations each, an English-like
// ending table and a variant table.
#ifndef VOCARO_BENCH_GENERATED_DICTIONARY_H
#define VOCARO_BENCH_GENERATED_DICTIONARY_H

#include <string>
#include <vector>

struct GeneratedDictionary {
  std::string folder;
  std::string listFile;                 // full path of the list file
  std::vector<std::string> primaryWords;  // sorted
};

// Writes the files into `folder` (which must exist).
GeneratedDictionary generateDictionary(const std::string& folder, size_t entries, unsigned seed);

#endif  // VOCARO_BENCH_GENERATED_DICTIONARY_H
