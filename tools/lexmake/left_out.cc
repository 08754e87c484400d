#include "left_out.h"

#include "dictionary_text.h"
#include "platform/charset.h"

namespace lexmake {
namespace {

std::string plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// Why a word is left out, as the messages and the list say it.
const char* wordReason(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::TooLong: return "longer than 127 bytes";
    case LeftOutReason::BeyondLimit: return "ranked below every word its language keeps";
    case LeftOutReason::NoTranslation: return "none of its translations is kept";
    case LeftOutReason::Unencodable: return "does not encode in 15 codes after its block key";
    case LeftOutReason::Crowded: return "too many words share its first 15 bytes";
    default: return "a word has at most 15 translations";
  }
}

// The summary's words for each reason, after the count and the language.
const char* summaryReason(LeftOutReason reason) {
  switch (reason) {
    case LeftOutReason::TooLong: return "over 127 bytes";
    case LeftOutReason::BeyondLimit: return "beyond 65535 entries";
    case LeftOutReason::NoTranslation: return "without a kept translation";
    case LeftOutReason::Unencodable: return "not encodable in 15 codes";
    default: return "sharing 15 bytes with too many others";
  }
}

std::string utf8(const std::string& text) { return lexcore::dictionaryToUtf8(text); }

}  // namespace

size_t LeftOut::count(LeftOutReason reason, Side side) const {
  size_t n = 0;
  for (const LeftOutItem& item : items) n += item.reason == reason && item.side == side;
  return n;
}

std::string leftOutSummary(const LeftOut& leftOut, const std::string& nameA, const std::string& nameB) {
  std::string text;
  const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
  for (int r = 0; r < static_cast<int>(LeftOutReason::Translation); ++r) {
    const LeftOutReason reason = static_cast<LeftOutReason>(r);
    for (const Side side : {Side::A, Side::B}) {
      const size_t n = leftOut.count(reason, side);
      if (n == 0) continue;
      add(std::to_string(n) + " " + utf8(side == Side::A ? nameA : nameB) + (n == 1 ? " word " : " words ") +
          summaryReason(reason));
    }
  }
  for (const Side side : {Side::A, Side::B}) {
    const size_t n = leftOut.count(LeftOutReason::Translation, side);
    if (n == 0) continue;
    const std::string direction = side == Side::A ? utf8(nameA) + "-" + utf8(nameB) : utf8(nameB) + "-" + utf8(nameA);
    add(plural(n, "translation", "translations") + " beyond 15 a word (" + direction + ")");
  }
  const TermDrops& terms = leftOut.terms;
  if (terms.total() > 0) {
    std::string why;
    const auto reason = [&why, &terms](TermDrop drop, const char* what) {
      if (terms[drop] > 0) why += (why.empty() ? "" : ", ") + std::to_string(terms[drop]) + " " + what;
    };
    reason(TermDrop::SlashInPhrase, "phrases with a slash");
    reason(TermDrop::Incomplete, "incomplete phrases");
    reason(TermDrop::Empty, "empty after cleaning");
    reason(TermDrop::OutsideCharacterSet, "with characters outside Windows-1252");
    add(plural(terms.total(), "dictionary term", "dictionary terms") + " not usable (" + why + ")");
  }
  return text.empty() ? "nothing" : text;
}

std::string leftOutMessage(const LeftOutItem& item, const PairList& pairs) {
  const std::string where = item.pair < pairs.pairs.size() ? pairs.where(pairs.pairs[item.pair]) : "input";
  const std::string& word = pairs.words(item.side).word(item.word);
  if (item.reason == LeftOutReason::Translation) {
    const std::string& translation = pairs.words(otherSide(item.side)).word(item.translation);
    return where + ": translation " + quoted(translation) + " of " + quoted(word) +
           " left out: a word has at most 15";
  }
  return where + ": " + quoted(word) + " left out: " + wordReason(item.reason);
}

void writeLeftOutList(const LeftOut& leftOut, const PairList& pairs, const std::string& nameA,
                      const std::string& nameB, std::ostream& out) {
  for (const LeftOutItem& item : leftOut.items) {
    const std::string where = item.pair < pairs.pairs.size() ? pairs.where(pairs.pairs[item.pair]) : "input";
    std::string word = utf8(pairs.words(item.side).word(item.word));
    if (item.reason == LeftOutReason::Translation)
      word += " -> " + utf8(pairs.words(otherSide(item.side)).word(item.translation));
    out << where << "\t" << utf8(item.side == Side::A ? nameA : nameB) << "\t" << word << "\t"
        << wordReason(item.reason) << "\n";
  }
}

}  // namespace lexmake
