// A list file with its two data files: open a translator and translate words
// from the input with every option combination and small and normal list
// sizes.  Input parts: list file, primary data file, secondary data file,
// words.
#include <cstring>

#include "fuzz_input.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzzing::splitParts(data, size, 4);
  vocaro_test::TempFolder folder;
  folder.write("aa_bb.tdl", parts[0]);
  folder.write("a.tdd", parts[1]);
  folder.write("b.tdd", parts[2]);
  TD_HANDLE handle = nullptr;
  if (TD_TransOpen(&handle, folder.widePath("aa_bb.tdl").c_str(), 0) != TD_OK) return 0;
  TD_TransOpenPrim(handle, folder.widePath("a.tdd").c_str());
  TD_TransOpenSec(handle, folder.widePath("b.tdd").c_str());
  TD_WCHAR name[20];
  TD_TransGetFile(handle, name, 20, 0);
  LANGSTRUCT language;
  TD_TransGetLanguage(handle, &language, 0);
  char translations[256], suggestions[256];
  for (const std::string& word : fuzzing::wordsOf(parts[3], 4)) {
    for (int options = 0; options < 16; ++options) {
      for (int16_t listSize : {int16_t{7}, int16_t{256}}) {
        TD_TransOptions(handle, options);
        TRANSLATE request{};
        request.word = word.c_str();
        request.transSize = request.suggestSize = listSize;
        request.transList = translations;
        request.suggestList = suggestions;
        TD_Translate(handle, &request);
      }
    }
  }
  TD_TransClose(&handle);
  return 0;
}
