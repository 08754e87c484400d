// A data file: load it, then search words taken from the input exactly and
// folded, and decode entries.  Input: part 1 the file, part 2 the words.
#include <cstring>

#include "datafile/dictionary_file.h"
#include "fuzz_input.h"
#include "temp_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzzing::splitParts(data, size, 2);
  vocaro_test::TempFolder folder;
  folder.write("file.tdd", parts[0]);
  lexcore::DictionaryFile file(folder.widePath("file.tdd").c_str());
  if (!file.isOpen()) return 0;
  char text[lexcore::kWordBufferSize];
  const int32_t entries = static_cast<int32_t>(file.entryCount());
  for (int32_t i = 0; i < entries && i < 64; ++i) {
    if (file.decodeEntry(i, text)) file.findExact(text);
  }
  file.decodeEntry(entries, text);
  for (const std::string& word : fuzzing::wordsOf(parts[1], 16)) {
    file.findExact(word.c_str());
    int32_t match = lexcore::kNoEntry;
    for (int n = 0; n <= entries; ++n) {  // each block yields at most one match
      match = file.findNextFolded(word.c_str(), match);
      if (match == lexcore::kNoEntry) break;
      if (!file.decodeEntry(match, text)) break;
    }
  }
  return 0;
}
