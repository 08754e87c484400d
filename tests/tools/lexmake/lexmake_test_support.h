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
struct NullProgress {
  std::ostringstream sink;
  lexmake::Progress bar{sink, false};
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RunResult {
  int status = -1;
  std::string out, err;
};

inline RunResult runLexmake(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = lexmake::runLexmake(args, out, err);
  return {status, out.str(), err.str()};
}

// The usual arguments for an English-German pair compiled into `output`.
inline std::vector<std::string> pairArguments(const std::string& pairs, const std::string& output,
                                              const std::string& tablesA = "", const std::string& tablesB = "") {
  std::vector<std::string> args = {"--lang-a", "en",     "--lang-b", "de",     "--name-a", "English",  "--name-b",
                                   "German",   "--id-a", "1033",     "--id-b", "1031",     "--output", output};
  if (!tablesA.empty()) args.insert(args.end(), {"--tables-a", tablesA});
  if (!tablesB.empty()) args.insert(args.end(), {"--tables-b", tablesB});
  args.push_back(pairs);
  return args;
}

// UTF-8 to dictionary text, for words written in the tests' source.
inline std::string dict(const std::string& utf8) {
  std::string text;
  lexcore::utf8ToDictionary(utf8, &text);
  return text;
}

// A translator on a list file in `folder` and the data files it names.
class Translator {
 public:
  Translator(const std::string& folder, const std::string& list)
      : openResult_(translator_.open(vocaro_test::widen(folder + "/" + list)).result) {}

  int32_t openResult() const { return openResult_; }
  TD_HANDLE handle() const { return translator_.get(); }

  // Translates the UTF-8 `word` with the option flags `options`; the lists
  // come back as UTF-8.
  vocaro::Translation translate(const std::string& word, int32_t options) const {
    translator_.setOptions(options);
    vocaro::Translation t = translator_.translate(dict(word), 2048, 512);
    for (auto* list : {&t.translations, &t.suggestions})
      for (std::string& s : *list) s = lexcore::dictionaryToUtf8(s.c_str());
    return t;
  }

 private:
  vocaro::Translator translator_;
  int32_t openResult_;
};

// gzip data of `text`, as a dictzip file holds it (without the chunk table,
// which a reader of the whole file passes over).
inline std::string gzipped(const std::string& text) {
  z_stream stream = {};
  deflateInit2(&stream, 9, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(text.size())) + 32, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// A number as a dictd index writes it: base 64, most significant digit first.
inline std::string base64(size_t n) {
  static const char* kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[n % 64]);
    n /= 64;
  } while (n > 0);
  return digits;
}

}  // namespace lexmake_test

#endif  // LEXMAKE_TEST_SUPPORT_H
