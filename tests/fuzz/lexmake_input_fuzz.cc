// lexmake's input readers and the compile behind them: a word pair or Ding
// file, a dictd database (index and data, gzip-compressed when the data
// starts like gzip) and a table description go through a whole lexmake run.
// Bad input must end in an error message; files that lexmake wrote but its
// own check through the engine rejects are a fault of the compiler.
// Input parts: word pair or Ding text, database index, database data, table
// description (empty: no tables).
#include <cstdlib>
#include <sstream>

#include "fuzz_input.h"
#include "lexmake.h"
#include "temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzzing::splitParts(data, size, 4);
  vocaro_test::TempFolder folder;
  folder.write("pairs.txt", parts[0]);
  folder.write("db.index", parts[1]);
  const bool gzipped = parts[2].size() >= 2 && parts[2][0] == '\x1f' && parts[2][1] == '\x8b';
  folder.write(gzipped ? "db.dict.dz" : "db.dict", parts[2]);
  std::vector<std::string> args = {"--lang-a", "aa",         "--lang-b",   "bb",
                                   "--name-a", "Aa",         "--name-b",   "Bb",
                                   "--id-a",   "1",          "--id-b",     "2",
                                   "--output", folder.root(), "--left-out", folder.path("left-out.txt")};
  if (!parts[3].empty()) {
    folder.write("aa.tables", parts[3]);
    args.insert(args.end(), {"--tables-a", folder.path("aa.tables")});
  }
  args.insert(args.end(), {folder.path("pairs.txt"), "--from-b", folder.path("db.index")});

  std::ostringstream out, err;
  lexmake::runLexmake(args, out, err);
  // Only a line of lexmake's own: other messages quote input words, which
  // may hold the same text anywhere but at the start of a line.
  const std::string report = "\n" + err.str();
  if (report.find("\nlexmake: error: check: ") != std::string::npos) {
    std::fputs(err.str().c_str(), stderr);
    std::abort();
  }
  return 0;
}
