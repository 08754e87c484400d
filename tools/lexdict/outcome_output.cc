#include "outcome_output.h"

#include "messages.h"
#include "text.h"

namespace lexdict {
namespace {

void printJsonArray(std::ostream& out, const std::vector<std::string>& texts) {
  out << '[';
  for (size_t i = 0; i < texts.size(); ++i) out << (i == 0 ? "" : ", ") << jsonString(texts[i]);
  out << ']';
}

// A word the engine was not asked about (it cannot be converted) is an error.
const char* statusOf(const WordOutcome& outcome) {
  if (outcome.dictionaryOpen && !outcome.result) return "Error";
  return statusText(outcome.dictionaryOpen, outcome.result.value_or(TD_OK), outcome.status);
}

}  // namespace

void printForPeople(std::ostream& out, const WordOutcome& outcome, int transSize) {
  out << printable(outcome.word) << '\n';
  for (const std::string& t : outcome.translations) out << "  translation: " << t << '\n';
  for (const std::string& s : outcome.suggestions) out << "  suggestion: " << s << '\n';
  if (outcome.status == TD_LIST_FULL && outcome.result == TD_OK) {
    out << "  note: more translations than fit in " << transSize << " bytes (see --trans-size)\n";
  }
  out << "  status: " << statusOf(outcome) << '\n';
}

void printJson(std::ostream& out, const WordOutcome& outcome) {
  out << "{\"word\": " << jsonString(outcome.word) << ", \"result\": ";
  if (outcome.result) {
    out << *outcome.result;
  } else {
    out << "null";
  }
  out << ", \"status\": " << outcome.status << ", \"translations\": ";
  printJsonArray(out, outcome.translations);
  out << ", \"suggestions\": ";
  printJsonArray(out, outcome.suggestions);
  out << "}\n";
}

}  // namespace lexdict
