#include "input_files.h"

#include "ding_file.h"
#include "freedict_database.h"
#include "text_lines.h"
#include "word_pairs.h"

namespace lexmake {
namespace {

bool namesDatabase(const std::string& path) {
  for (const char* suffix : {".index", ".dict.dz", ".dict"}) {
    const std::string end(suffix);
    if (path.size() > end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0) return true;
  }
  return false;
}

}  // namespace

void readInputs(const std::vector<InputFile>& inputs, const WordClassTables& classes, PairList* pairs, TermDrops* drops, Diagnostics* diagnostics,
                Progress* progress) {
  for (const InputFile& input : inputs) {
    if (namesDatabase(input.path)) {
      std::string indexPath, dataPath;
      if (!findDatabaseFiles(input.path, &indexPath, &dataPath)) {
        diagnostics->error(input.path, "a dictd database needs NAME.index and NAME.dict.dz (or NAME.dict)");
        continue;
      }
      const uint16_t file = pairs->addFile(indexPath);
      readFreedictDatabase(indexPath, dataPath, file, input.headSide, classes, pairs, drops, diagnostics, progress);
      continue;
    }
    std::string content;
    if (!readWholeFile(input.path, &content)) {
      diagnostics->error(input.path, cannotReadMessage(input.path));
      continue;
    }
    const uint16_t file = pairs->addFile(input.path);
    if (looksLikeDing(content)) {
      readDing(content, file, input.headSide, pairs, drops, diagnostics, progress);
    } else {
      readWordPairs(content, file, input.headSide, pairs, diagnostics, progress);
    }
  }
}

}  // namespace lexmake
