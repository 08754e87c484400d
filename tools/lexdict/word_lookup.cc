#include "word_lookup.h"

#include "messages.h"
#include "open_translator.h"
#include "platform/charset.h"
#include "text.h"
#include "translator_client.h"

namespace lexdict {
namespace {

std::vector<std::string> toUtf8(const std::vector<std::string>& texts) {
  std::vector<std::string> converted;
  converted.reserve(texts.size());
  for (const std::string& text : texts) converted.push_back(lexcore::dictionaryToUtf8(text));
  return converted;
}

}  // namespace

WordLookup::WordLookup(TD_HANDLE translator, std::optional<int32_t> openResult, const LookupSettings& settings)
    : translator_(translator), openResult_(openResult), settings_(settings) {}

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
  const vocaro::Translation translation =
      vocaro::translateWord(translator_, narrow, settings_.transSize, settings_.suggestSize);
  outcome.result = translation.result;
  outcome.status = translation.status;
  outcome.translations = toUtf8(translation.translations);
  outcome.suggestions = toUtf8(translation.suggestions);
  if (translation.result != TD_OK) {
    outcome.problem = translateProblem(translation.result);
    const std::string reason = failureReason(translator_);
    if (!reason.empty()) outcome.problem += " (" + reason + ")";
  }
  return outcome;
}

}  // namespace lexdict
