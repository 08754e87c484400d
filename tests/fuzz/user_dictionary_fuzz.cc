// A user dictionary file: load it through a translator, search it, add a
// pair, save, and load it again.  Input parts: the file, the words.
#include "fuzz_input.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzzing::splitParts(data, size, 2);
  vocaro_test::TempFolder folder;
  std::string header(128, '\0');
  header.replace(0, 4, std::string("TDL\0", 4));
  header[8] = static_cast<char>(128);
  folder.write("aa_bb.tdl", header);
  folder.write(parts[0].size() % 2 ? "bb_aa.udr" : "aa_bb.udr", parts[0]);
  const auto words = fuzzing::wordsOf(parts[1], 4);
  for (int round = 0; round < 2; ++round) {
    TD_HANDLE handle = nullptr;
    if (TD_TransOpen(&handle, folder.widePath("aa_bb.tdl").c_str(), 0) != TD_OK) return 0;
    TD_TransAddUdr(handle, words[0].c_str(), words.size() > 1 ? words[1].c_str() : "x");
    TD_TransClose(&handle);
  }
  return 0;
}
