#include "compiled_pair.h"

#include <memory>

#include "datafile/format.h"
#include "datafile/code_parser.h"

namespace lexmake {
namespace {

// A run of words that share 15 bytes stays in one block; this many words of
// up to 15 codes each keep that block within 65535 bytes.
constexpr size_t kMaxSharedRun = 4000;

// Whether `word` can be stored in a block whose key takes as much of it as a
// key can: the text after 15 bytes fits 15 codes.
bool fitsSomeBlock(const lexcore::CodeParser& parser, const std::string& word) {
  if (word.size() <= 2 * static_cast<size_t>(lexcore::kMaxNibble)) return true;
  std::vector<uint8_t> fewest;
  parser.fewestCodes(word, &fewest);
  return fewest[lexcore::kMaxNibble] <= lexcore::kMaxNibble;
}

// Excludes the words of one language that crowd a block; true when any.
bool excludeCrowded(const std::vector<std::string>& words, const std::vector<uint32_t>& ids, Side side,
                    Selector* selector) {
  std::vector<uint32_t> ranks;
  for (const uint32_t id : ids) ranks.push_back(selector->rankOf(side, id));
  const std::vector<size_t> crowded = crowdedWords(words, ranks, kMaxSharedRun);
  for (const size_t i : crowded) selector->exclude(side, ids[i], LeftOutReason::Crowded);
  return !crowded.empty();
}

// Lays out one language's file; words that cannot be encoded are excluded
// from the next selection.  False, with an error, when the file cannot be
// laid out at all.
bool layOut(const std::vector<std::string>& words, const std::vector<uint32_t>& ids, Side side,
            const Language& language, const LeftOut& leftOut, lexcore::DataFileLayout* layout, CodeTable* codes,
            bool* excluded, Selector* selector, Diagnostics* diagnostics, Progress* progress) {
  std::vector<size_t> unencodable;
  std::string error;
  // When words were ranked out, one of them takes the place of a word that
  // does not fit; otherwise that word would be lost.
  const bool keepEveryWord = leftOut.count(LeftOutReason::BeyondLimit, side) == 0;
  if (layOutLanguageFile(words, language, keepEveryWord, layout, &unencodable, &error, codes, progress)) return true;
  if (!error.empty()) {
    diagnostics->error(language.code, error);
    return false;
  }
  for (const size_t i : unencodable) selector->exclude(side, ids[i], LeftOutReason::Unencodable);
  *excluded = true;
  return true;
}

void warnLeftOut(const PairList& pairs, const LeftOut& leftOut, Diagnostics* diagnostics) {
  const size_t shown = std::min(leftOut.items.size(), kMaxLeftOutWarnings);
  for (size_t i = 0; i < shown; ++i) diagnostics->warning("", leftOutMessage(leftOut.items[i], pairs));
  if (leftOut.items.size() > shown) {
    diagnostics->warning("", std::to_string(leftOut.items.size() - shown) +
                                 " more left out; --left-out FILE lists every one");
  }
}

}  // namespace

bool compilePair(const PairList& pairs, const SelectionRules& rules, const Language& a, const Language& b,
                 CompiledPair* result, Diagnostics* diagnostics, Progress* progress) {
  const TermDrops terms = result->leftOut.terms;
  *result = CompiledPair();
  result->a = a;
  result->b = b;
  result->leftOut.terms = terms;
  Selector selector(pairs, rules);
  // The code tables of the last layout, which the next one starts from, and
  // what they make of the words that the next selection would add.
  CodeTable codesA, codesB;
  std::unique_ptr<lexcore::CodeParser> parserA, parserB;
  const Selector::FitCheck fits = [&parserA, &parserB](Side side, const std::string& word) {
    const lexcore::CodeParser* parser = side == Side::A ? parserA.get() : parserB.get();
    return parser == nullptr || fitsSomeBlock(*parser, word);
  };
  // Each round that excludes words leaves out at least one more, so this ends.
  for (;;) {
    const Lexicon lexicon = selector.select(&result->leftOut, fits);
    if (lexicon.wordsA.empty() || lexicon.wordsB.empty()) {
      // Say what dropped them, as the summary would.
      const std::string dropped = leftOutSummary(result->leftOut, a.name, b.name);
      const std::string why = dropped == "nothing" ? "the inputs hold none" : "left out: " + dropped;
      diagnostics->error("input", "no word pairs to compile; " + why);
      return false;
    }
    const bool crowdedA = excludeCrowded(lexicon.wordsA, lexicon.idsA, Side::A, &selector);
    const bool crowdedB = excludeCrowded(lexicon.wordsB, lexicon.idsB, Side::B, &selector);
    if (crowdedA || crowdedB) continue;
    bool excluded = false;
    if (!layOut(lexicon.wordsA, lexicon.idsA, Side::A, a, result->leftOut, &result->fileA, &codesA, &excluded,
                &selector, diagnostics, progress) ||
        !layOut(lexicon.wordsB, lexicon.idsB, Side::B, b, result->leftOut, &result->fileB, &codesB, &excluded,
                &selector, diagnostics, progress))
      return false;
    if (excluded) {
      parserA.reset(new lexcore::CodeParser(codesA));
      parserB.reset(new lexcore::CodeParser(codesB));
      continue;
    }
    result->wordsA = lexicon.wordsA;
    result->wordsB = lexicon.wordsB;
    result->aToB = lexicon.aToB;
    result->bToA = lexicon.bToA;
    break;
  }
  warnLeftOut(pairs, result->leftOut, diagnostics);
  return true;
}

}  // namespace lexmake
