// Helpers shared by the lexmake tests: a scratch folder, running lexmake
// in-process, and translating through the engine's TD_ functions.
#ifndef LEXMAKE_TEST_SUPPORT_H
#define LEXMAKE_TEST_SUPPORT_H

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "lexmake.h"
#include "progress.h"
#include "platform/charset.h"
#include "platform/file.h"
#include "translator/lexcore.h"

namespace lexmake_test {

// A progress bar that draws nothing, for the readers' progress argument.
struct NullProgress {
  std::ostringstream sink;
  lexmake::Progress bar{sink, false};
};

// A fresh, empty folder that is removed with everything in it at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name) {
    // Test binaries may run in parallel: each folder gets a random name.
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("lexmake_test_" + name + "_" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

  // Writes `bytes` to the file `name` in the folder and returns its path.
  std::string write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary);
    out << bytes;
    return file(name);
  }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline RunResult runLexmake(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  RunResult result;
  result.status = lexmake::runLexmake(args, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
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

inline lexcore::WideString widePath(const std::string& path) {
  std::u16string units;
  lexcore::utf8ToUtf16(path, &units);
  return lexcore::WideString(units.begin(), units.end());
}

// UTF-8 to dictionary text, for words written in the tests' source.
inline std::string dict(const std::string& utf8) {
  std::string text;
  lexcore::utf8ToDictionary(utf8, &text);
  return text;
}

// The outcome of one TD_Translate call, lists split into their strings
// (as UTF-8).
struct Translation {
  int32_t result = 0;
  int status = -1;
  std::vector<std::string> translations;
  std::vector<std::string> suggestions;
};

// One open translator on a list file and its two data files.
class Translator {
 public:
  Translator(const std::string& folder, const std::string& list, const std::string& primary,
             const std::string& secondary) {
    const std::filesystem::path base(folder);
    openResult_ = TD_TransOpen(&handle_, widePath((base / list).string()).c_str(), 0);
    if (openResult_ == TD_OK) openResult_ = TD_TransOpenPrim(handle_, widePath((base / primary).string()).c_str());
    if (openResult_ == TD_OK) openResult_ = TD_TransOpenSec(handle_, widePath((base / secondary).string()).c_str());
  }
  ~Translator() {
    if (handle_ != nullptr) TD_TransClose(&handle_);
  }
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  int32_t openResult() const { return openResult_; }
  TD_HANDLE handle() const { return handle_; }

  // Translates the UTF-8 `word` with the option flags `options`.
  Translation translate(const std::string& word, int32_t options) {
    TD_TransOptions(handle_, options);
    const std::string text = dict(word);
    char translations[2048];
    char suggestions[512];
    TRANSLATE request = {};
    request.word = text.c_str();
    request.transSize = sizeof translations;
    request.suggestSize = sizeof suggestions;
    request.transList = translations;
    request.suggestList = suggestions;
    Translation result;
    result.result = TD_Translate(handle_, &request);
    result.status = request.status;
    result.translations = split(translations, request.transCount);
    result.suggestions = split(suggestions, request.suggestCount);
    return result;
  }

 private:
  static std::vector<std::string> split(const char* list, int count) {
    std::vector<std::string> strings;
    for (int i = 0; i < count; ++i) {
      strings.push_back(lexcore::dictionaryToUtf8(list));
      list += std::strlen(list) + 1;
    }
    return strings;
  }

  TD_HANDLE handle_ = nullptr;
  int32_t openResult_ = TD_ERR_HANDLE;
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
