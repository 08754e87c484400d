// The engine object behind a translator handle: one translation direction,
// given by a list file and its two data files.
#ifndef LEXCORE_TRANSLATOR_TRANSLATOR_H
#define LEXCORE_TRANSLATOR_TRANSLATOR_H

#include <cstdint>
#include <memory>
#include <string>

#include "datafile/dictionary_file.h"
#include "translator/lexcore.h"
#include "translator/list_file.h"
#include "translator/user_dictionary.h"

struct Translator {
  uint8_t header[lexcore::kListHeaderSize] = {};  // the list file header as read
  int32_t lastResult = 0;  // result of the last open step or refused translation
  int32_t options = 0;
  bool isOpen = false;     // the list file header was valid
  lexcore::WideString listPath;
  int64_t listSize = 0;    // the list file's size when it was opened
  // Why the last data file open or translation failed ("<path>: <what>",
  // UTF-8); empty after one that worked.  TD_TransGetFile(TD_FILE_REASON).
  std::string reason;
  std::unique_ptr<lexcore::DictionaryFile> primary;    // words are looked up here
  std::unique_ptr<lexcore::DictionaryFile> secondary;  // translations are decoded from here
  std::unique_ptr<lexcore::UserDictionary> userDictionary;  // created on first use
};

namespace lexcore {

// The work of TD_Translate on a translator whose handle is not null.
int32_t translate(Translator& translator, TRANSLATE& request);

// `path` as UTF-8, for reasons.
std::string pathText(const WideString& path);

}  // namespace lexcore

#endif  // LEXCORE_TRANSLATOR_TRANSLATOR_H
