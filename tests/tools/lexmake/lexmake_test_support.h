// Helpers shared by the lexmake tests: running lexmake in-process, and
// translating through the client library.
#ifndef LEXMAKE_TEST_SUPPORT_H
#define LEXMAKE_TEST_SUPPORT_H

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "lexmake.h"
#include "progress.h"
#include "platform/charset.h"
#include "platform/file.h"
#include "temp_folder.h"
#include "translator_client.h"

namespace lexmake_test {

using vocaro_test::TempFolder;

// A progress bar that draws nothing, for the readers' progress argument.
struct NullProgress { std::ostringstream sink; lexmake::Progress bar{sink, false}; };

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RunResult { int status = -1; std::string out, err; };

inline RunResult runLexmake(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = lexmake::runLexmake(args, out, err);
  return {status, out.str(), err.str()};
}

// The usual arguments for an English-German pair compiled into `output`,
// then `extra`.
inline std::vector<std::string> pairArguments(const std::string& pairs, const std::string& output,
                                              const std::vector<std::string>& extra = {}) {
  std::vector<std::string> args = {"--lang-a", "en",     "--lang-b", "de",     "--name-a", "English",  "--name-b",
                                   "German",   "--id-a", "1033",     "--id-b", "1031",     "--output", output, pairs};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

inline RunResult runPair(const std::string& pairs, const std::string& output, const std::vector<std::string>& extra = {}) {
  return runLexmake(pairArguments(pairs, output, extra));
}

// UTF-8 to dictionary text, for words written in the tests' source.
inline std::string dict(const std::string& utf8) {
  std::string text;
  lexcore::utf8ToDictionary(utf8, &text);
  return text;
}

// A translator on a list file in `folder` and the data files it names.
struct Translator {
  Translator(const std::string& folder, const std::string& list)
      : openResult(translator.open(vocaro_test::widen(folder + "/" + list)).result) {}
  TD_HANDLE handle() const { return translator.get(); }

  // Translates the UTF-8 `word` with the option flags `options`; the lists
  // come back as UTF-8.
  vocaro::Translation translate(const std::string& word, int32_t options) const {
    translator.setOptions(options);
    vocaro::Translation t = translator.translate(dict(word), 2048, 512);
    for (auto* list : {&t.translations, &t.suggestions})
      for (std::string& s : *list) s = lexcore::dictionaryToUtf8(s.c_str());
    return t;
  }

  vocaro::Translator translator;  // before openResult, which it initialises
  const int32_t openResult;
};

// `text` written as a gzip file, which a dictzip reader without the chunk
// table reads as a whole.
inline void writeGzipped(const std::string& path, const std::string& text) {
  gzFile file = gzopen(path.c_str(), "wb9");
  gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
  gzclose(file);
}

// A number as a dictd index writes it: base 64, most significant digit first.
inline std::string base64(size_t n) {
  std::string digits;
  do digits.insert(digits.begin(), "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"[n % 64]);
  while ((n /= 64) > 0);
  return digits;
}

}  // namespace lexmake_test

#endif  // LEXMAKE_TEST_SUPPORT_H
