// Calling the engine through its TD_ interface the way every program here
// does: a translator handle that closes itself, opened on a list file and the
// two data files it names, and one word translated into its status and its
// two lists as strings.  Built on the exported functions only.
#ifndef VOCARO_TRANSLATOR_CLIENT_H
#define VOCARO_TRANSLATOR_CLIENT_H

#include <cstdint>
#include <string>
#include <vector>

#include "lexcore.h"

namespace vocaro {

using WidePath = std::basic_string<TD_WCHAR>;

// What came of translating one word.  Texts are the dictionaries' 8-bit
// characters, as the engine gives them.
struct Translation {
  int32_t result = TD_ERR_HANDLE;
  int16_t status = TD_FAILED;
  std::vector<std::string> translations;
  std::vector<std::string> suggestions;
};

// Which step of opening a translator failed.
enum class OpenStep { kNone, kList, kDataFileNames, kPrimary, kSecondary };

struct OpenOutcome {
  int32_t result = TD_OK;
  OpenStep failedStep = OpenStep::kNone;
  // The data file that failed to open, as the list file's folder and the
  // name the list file gives; empty for the other steps.
  WidePath dataPath;
  // The engine's reason for a data file that failed (TD_FILE_REASON).
  WidePath reason;

  bool ok() const { return failedStep == OpenStep::kNone; }
};

// The `count` packed zero-terminated strings at the start of `area`; stops at
// the end of the area whatever the count claims.
std::vector<std::string> unpackStrings(const char* area, size_t areaSize, int count);

// Translates `word` with the options the translator has, into result areas
// of the given sizes.
Translation translateWord(TD_HANDLE translator, const std::string& word, int16_t transSize = 256,
                          int16_t suggestSize = 256);

// The engine's reason for the translator's latest failure; empty when there
// is none.
WidePath failureReason(TD_HANDLE translator);

// A translator handle that is closed (its user dictionary saved) when it
// goes away.
class Translator {
 public:
  Translator() = default;
  ~Translator() { close(); }
  Translator(Translator&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  Translator& operator=(Translator&& other) noexcept;
  Translator(const Translator&) = delete;
  Translator& operator=(const Translator&) = delete;

  // Opens the list file `listPath` and, with `withDataFiles`, the primary and
  // secondary data files it names, from the list file's folder.  Nothing
  // stays open when a step fails.
  OpenOutcome open(const WidePath& listPath, bool withDataFiles = true);
  // The same with the data files taken from `dataFolder`: empty, or a folder
  // path that ends in a separator, to which the names are appended as they
  // are.  For callers whose paths follow rules of their own (a drive
  // letter, a separator the platform does not have).
  OpenOutcome openWithDataFolder(const WidePath& listPath, const WidePath& dataFolder, bool withDataFiles = true);
  void close();

  TD_HANDLE get() const { return handle_; }
  bool isOpen() const { return handle_ != nullptr; }
  int32_t setOptions(int32_t options) const { return TD_TransOptions(handle_, options); }
  Translation translate(const std::string& word, int16_t transSize = 256, int16_t suggestSize = 256) const {
    return translateWord(handle_, word, transSize, suggestSize);
  }

 private:
  TD_HANDLE handle_ = nullptr;
};

}  // namespace vocaro

#endif  // VOCARO_TRANSLATOR_CLIENT_H
