// Translating one word through an open translator, with the caller's
// options and result area sizes, and what came of it.
#ifndef LEXDICT_WORD_LOOKUP_H
#define LEXDICT_WORD_LOOKUP_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lexcore.h"

namespace lexdict {

struct LookupSettings {
  int32_t options = TD_OPT_CASE_INSENSITIVE | TD_OPT_USER_DICTIONARY | TD_OPT_SMART_SEARCH | TD_OPT_SPELLING;
  int16_t transSize = 256;
  int16_t suggestSize = 256;
};

struct WordOutcome {
  std::string word;  // as given, UTF-8 (possibly malformed)
  bool dictionaryOpen = false;
  // The engine's result code; none when the engine was not asked.
  std::optional<int32_t> result;
  int16_t status = TD_FAILED;
  std::vector<std::string> translations;  // UTF-8
  std::vector<std::string> suggestions;   // UTF-8
  // Why the word could not be translated, for people; empty when it could.
  std::string problem;

  bool failed() const { return !problem.empty(); }
};

class WordLookup {
 public:
  // `translator` is an open translator with both data files, or null when
  // the dictionary could not be opened; then `openResult` is the result of
  // the open call that failed (none when the engine was not asked).
  WordLookup(TD_HANDLE translator, std::optional<int32_t> openResult, const LookupSettings& settings);

  WordOutcome translate(const std::string& word);

 private:
  TD_HANDLE translator_;
  std::optional<int32_t> openResult_;
  LookupSettings settings_;
};

}  // namespace lexdict

#endif  // LEXDICT_WORD_LOOKUP_H
