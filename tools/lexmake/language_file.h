// Lays out the data file of one language: blocks, code table, the ending and
// variant tables, and the language's name and id in the header.
//
// The block partition and the code table depend on each other: the codes
// spell the entries' text after their block keys, and the best keys depend
// on what the codes make of the text.  So the two are chosen in turn: codes
// for the whole words first, then the best partition for those codes, codes
// for the text that partition leaves after the keys, and so on for a few
// rounds.
#ifndef LEXMAKE_LANGUAGE_FILE_H
#define LEXMAKE_LANGUAGE_FILE_H

#include <cstdint>
#include <string>
#include <vector>

#include "code_table.h"
#include "progress.h"
#include "word_tables.h"
#include "datafile/data_file_writer.h"

namespace lexmake {

// How many entries a block takes at most (unless a run of words that share
// 15 bytes must stay together): one search reads one block, so smaller
// blocks are faster to search and larger ones make smaller files.
constexpr size_t kEntriesPerBlock = 64;

struct Language {
  std::string code;  // as in file names, e.g. "en"
  std::string name;  // dictionary text, at most 49 bytes, e.g. "English"
  uint32_t id = 0;
  LanguageTables tables;
};

// Fills `layout` for the sorted, distinct `words` (at least one).  When some
// words cannot be encoded in 15 codes after their block key, they are put in
// `unencodable` (as indexes into `words`) and the result is false with
// `error` empty; any other failure gives false with a reason in `error`.
// `codes` may hold the code table of an earlier layout of nearly the same
// words, to start from (then fewer rounds are needed); it receives the code
// table chosen.  With `keepEveryWord` the code table gives more weight to
// texts that would not fit 15 codes, at some cost to the size of the file:
// worth it when a word left out would leave a gap, not when a word of lower
// rank would take its place.
bool layOutLanguageFile(const std::vector<std::string>& words, const Language& language, bool keepEveryWord,
                        lexcore::DataFileLayout* layout, std::vector<size_t>* unencodable, std::string* error,
                        CodeTable* codes, Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_LANGUAGE_FILE_H
