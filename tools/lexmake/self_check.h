// Reads a written language pair back through the engine and confirms that
// every entry decodes to its word, every word is found by the exact search,
// and every word's translations come back through TD_Translate in order; the
// file names, languages and tables are checked on the way.
#ifndef LEXMAKE_SELF_CHECK_H
#define LEXMAKE_SELF_CHECK_H

#include <string>
#include <vector>

#include "compiled_pair.h"

namespace lexmake {

// Checks the files of `pair` in `folder`; each problem found is added to
// `problems` (up to a few per direction).  True when there was none.
bool selfCheck(const CompiledPair& pair, const std::string& folder, std::vector<std::string>* problems);

}  // namespace lexmake

#endif  // LEXMAKE_SELF_CHECK_H
