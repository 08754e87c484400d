// Prints the translations of a word through a dictionary list file, with
// liblexcore: translate_word FOLDER LISTFILE WORD (ASCII paths).
#include <lexcore.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: translate_word FOLDER LISTFILE WORD\n");
    return 2;
  }
  const auto wide = [](const std::string& text) { return std::u16string(text.begin(), text.end()); };
  const std::string folder = std::string(argv[1]) + "/";
  const std::u16string list = wide(folder + argv[2]);
  TD_WCHAR primary[20], secondary[20];
  TD_HANDLE translator = nullptr;
  if (TD_TransGetTDDFiles(list.c_str(), primary, secondary, 20) != TD_OK ||
      TD_TransOpen(&translator, list.c_str(), 0) != TD_OK ||
      TD_TransOpenPrim(translator, (wide(folder) + primary).c_str()) != TD_OK ||
      TD_TransOpenSec(translator, (wide(folder) + secondary).c_str()) != TD_OK) {
    std::fprintf(stderr, "cannot open %s\n", argv[2]);
    return 1;
  }
  char translations[256], suggestions[256];
  TRANSLATE request{};
  request.word = argv[3];
  request.transSize = sizeof translations;
  request.suggestSize = sizeof suggestions;
  request.transList = translations;
  request.suggestList = suggestions;
  const int32_t result = TD_Translate(translator, &request);
  for (const char* t = translations; result == TD_OK && t < translations + request.transUsed; t += std::string(t).size() + 1)
    std::printf("%s\n", t);
  TD_TransClose(&translator);
  return result == TD_OK && request.status == TD_FOUND ? 0 : 1;
}
