// lexmake's inputs, each in one of three formats, told apart by name and
// content:
//   - a FreeDict dictd database, named by NAME.index, NAME.dict.dz or
//     NAME.dict (freedict_database.h);
//   - a Ding file, whose first line that is no comment has " :: "
//     (ding_file.h);
//   - a word pair file, tab-separated (word_pairs.h); anything else.
#ifndef LEXMAKE_INPUT_FILES_H
#define LEXMAKE_INPUT_FILES_H

#include <string>
#include <vector>

#include "diagnostics.h"
#include "pair_list.h"
#include "progress.h"
#include "term_cleaning.h"
#include "word_classes.h"

namespace lexmake {

struct InputFile {
  std::string path;
  Side headSide = Side::A;  // the language of the input's headwords (first field, left side)
};

// Reads every input into `pairs`, in order, weighing the senses of dictionary
// inputs with `classes`; terms of dictionary inputs that do not become words
// are counted in `drops`.
void readInputs(const std::vector<InputFile>& inputs, const WordClassTables& classes, PairList* pairs, TermDrops* drops, Diagnostics* diagnostics,
                Progress* progress);

}  // namespace lexmake

#endif  // LEXMAKE_INPUT_FILES_H
