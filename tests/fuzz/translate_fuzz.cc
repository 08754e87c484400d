// A list file with its two data files: open a translator and translate words
// from the input with every option combination and small and normal list
// sizes.  Input parts: list file, primary data file, secondary data file,
// words.
#include "fuzz_input.h"
#include "temp_folder.h"
#include "translator_client.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto parts = fuzzing::splitParts(data, size, 4);
  vocaro_test::TempFolder folder;
  folder.write("aa_bb.tdl", parts[0]);
  folder.write("a.tdd", parts[1]);
  folder.write("b.tdd", parts[2]);
  // The data files are opened by these names whatever the list file says,
  // and each role is tried even when the other failed.
  vocaro::Translator translator;
  if (!translator.open(folder.widePath("aa_bb.tdl"), false).ok()) return 0;
  TD_TransOpenPrim(translator.get(), folder.widePath("a.tdd").c_str());
  TD_TransOpenSec(translator.get(), folder.widePath("b.tdd").c_str());
  TD_WCHAR name[20];
  TD_TransGetFile(translator.get(), name, 20, 0);
  LANGSTRUCT language;
  TD_TransGetLanguage(translator.get(), &language, 0);
  for (const std::string& word : fuzzing::wordsOf(parts[3], 4)) {
    for (int options = 0; options < 16; ++options) {
      translator.setOptions(options);
      for (int16_t listSize : {int16_t{7}, int16_t{256}}) translator.translate(word, listSize, listSize);
    }
  }
  return 0;
}
