#include "word_lookup.h"

#include <cstring>

#include "messages.h"
#include "open_translator.h"
#include "platform/charset.h"
#include "text.h"

namespace lexdict {
namespace {

// The `count` packed zero-terminated strings at the start of `area`, as UTF-8.
// Stops at the end of the area whatever the count claims.
std::vector<std::string> unpack(const std::vector<char>& area, int count) {
  std::vector<std::string> texts;
  size_t pos = 0;
  for (int i = 0; i < count && pos < area.size(); ++i) {
    const void* zero = std::memchr(area.data() + pos, 0, area.size() - pos);
    if (zero == nullptr) break;
    const size_t length = static_cast<const char*>(zero) - (area.data() + pos);
    texts.push_back(lexcore::dictionaryToUtf8(std::string(area.data() + pos, length)));
    pos += length + 1;
  }
  return texts;
}

}  // namespace

WordLookup::WordLookup(TD_HANDLE translator, std::optional<int32_t> openResult, const LookupSettings& settings)
    : translator_(translator),
      openResult_(openResult),
      settings_(settings),
      transArea_(static_cast<size_t>(settings.transSize)),
      suggestArea_(static_cast<size_t>(settings.suggestSize)) {}

WordOutcome WordLookup::translate(const std::string& word) {
  WordOutcome outcome;
  outcome.word = word;
  if (translator_ == nullptr) {
    outcome.result = openResult_;
    outcome.problem = "the dictionary is not open";
    return outcome;
  }
  outcome.dictionaryOpen = true;

  std::string narrow;
  if (!toDictionaryWord(word, &narrow, &outcome.problem)) return outcome;

  TD_TransOptions(translator_, settings_.options);
  TRANSLATE request = {};
  request.word = narrow.c_str();
  request.transSize = settings_.transSize;
  request.suggestSize = settings_.suggestSize;
  request.transList = transArea_.data();
  request.suggestList = suggestArea_.data();
  request.status = TD_FAILED;  // in case the engine refuses before setting it
  const int32_t result = TD_Translate(translator_, &request);

  outcome.result = result;
  outcome.status = request.status;
  outcome.translations = unpack(transArea_, request.transCount);
  outcome.suggestions = unpack(suggestArea_, request.suggestCount);
  if (result != TD_OK) {
    outcome.problem = translateProblem(result);
    const std::string reason = failureReason(translator_);
    if (!reason.empty()) outcome.problem += " (" + reason + ")";
  }
  return outcome;
}

}  // namespace lexdict
