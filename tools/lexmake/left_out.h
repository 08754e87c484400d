// What a compile leaves out of the files, and why.  Nothing is left out
// silently: the summary counts every reason, a few items are shown as
// warnings, and --left-out writes the full list.
#ifndef LEXMAKE_LEFT_OUT_H
#define LEXMAKE_LEFT_OUT_H

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "pair_list.h"
#include "term_cleaning.h"

namespace lexmake {

enum class LeftOutReason {
  TooLong,        // the word takes more than 127 bytes
  BeyondLimit,    // its language has 65535 words already, all ranked higher
  NoTranslation,  // none of its translations is among the words kept
  Unencodable,    // its text after the block key needs more than 15 codes
  Crowded,        // too many words share its first 15 bytes for one block
  Translation,    // a translation beyond the 15 a word keeps
  kCount
};

struct LeftOutItem {
  LeftOutReason reason = LeftOutReason::TooLong;
  Side side = Side::A;  // the language of `word`
  uint32_t word = 0;    // in the vocabulary of `side`
  uint32_t translation = 0;  // for LeftOutReason::Translation: the other side's word
  uint32_t pair = 0;         // a pair of the input that holds the word, for messages
};

struct LeftOut {
  std::vector<LeftOutItem> items;
  TermDrops terms;  // terms of dictionary inputs that did not become words

  size_t count(LeftOutReason reason, Side side) const;
  void add(const LeftOutItem& item) { items.push_back(item); }
};

// "nothing", or the counts by reason, e.g. "12 English words beyond 65535
// entries, 3 translations beyond 15 a word (German-English)".
std::string leftOutSummary(const LeftOut& leftOut, const std::string& nameA, const std::string& nameB);

// One line per item: "<where>: <message>", the message as in the warnings.
std::string leftOutMessage(const LeftOutItem& item, const PairList& pairs);

// Writes every item, one a line, as "<where>\t<language>\t<word>\t<reason>"
// (a translation as "<word> -> <translation>"), UTF-8.
void writeLeftOutList(const LeftOut& leftOut, const PairList& pairs, const std::string& nameA,
                      const std::string& nameB, std::ostream& out);

}  // namespace lexmake

#endif  // LEXMAKE_LEFT_OUT_H
