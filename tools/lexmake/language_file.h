// Lays out the data file of one language: blocks, code table, the ending and
// variant tables, and the language's name and id in the header.
#ifndef LEXMAKE_LANGUAGE_FILE_H
#define LEXMAKE_LANGUAGE_FILE_H

#include <cstdint>
#include <string>
#include <vector>

#include "word_tables.h"
#include "writer/data_file_writer.h"

namespace lexmake {

// How many entries a block takes at most: one search reads one block.
constexpr size_t kEntriesPerBlock = 32;

struct Language {
  std::string code;  // as in file names, e.g. "en"
  std::string name;  // dictionary text, at most 49 bytes, e.g. "English"
  uint32_t id = 0;
  LanguageTables tables;
};

// Fills `layout` for the sorted, distinct `words` (at least one).  When some
// words cannot be encoded in 15 codes after their block key, they are put in
// `unencodable` and the result is false with `error` empty; any other
// failure gives false with a reason in `error`.
bool layOutLanguageFile(const std::vector<std::string>& words, const Language& language,
                        lexcore::DataFileLayout* layout, std::vector<std::string>* unencodable, std::string* error);

}  // namespace lexmake

#endif  // LEXMAKE_LANGUAGE_FILE_H
