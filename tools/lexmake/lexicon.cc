#include "lexicon.h"

#include <algorithm>
#include <set>
#include <utility>

#include "datafile/format.h"
#include "dictionary_text.h"
#include "translator/list_file.h"

namespace lexmake {
namespace {

const std::string& wordOf(const WordPair& pair, Side side) { return side == Side::A ? pair.a : pair.b; }

// Keeps the pairs whose word on `side` is among the first kMaxEntryCount
// distinct words of that side.
std::vector<WordPair> limitEntries(const std::vector<WordPair>& pairs, Side side, LeftOut* leftOut,
                                   Diagnostics* diagnostics) {
  std::unordered_set<std::string> kept;
  std::unordered_set<std::string> beyond;
  std::vector<WordPair> result;
  for (const WordPair& pair : pairs) {
    const std::string& word = wordOf(pair, side);
    if (kept.count(word) == 0 && beyond.count(word) == 0) {
      if (kept.size() < lexcore::kMaxEntryCount) {
        kept.insert(word);
      } else {
        beyond.insert(word);
        diagnostics->warning(pair.where, quoted(word) + " left out: its language already has 65535 words");
      }
    }
    if (kept.count(word) != 0) result.push_back(pair);
  }
  leftOut->entriesOverLimit += beyond.size();
  return result;
}

}  // namespace

std::vector<WordPair> selectPairs(const std::vector<WordPair>& pairs, LeftOut* leftOut, Diagnostics* diagnostics) {
  std::set<std::pair<std::string, std::string>> seen;
  std::vector<WordPair> distinct;
  for (const WordPair& pair : pairs) {
    if (pair.a.size() > lexcore::kMaxWordLength || pair.b.size() > lexcore::kMaxWordLength) {
      ++leftOut->longPairs;
      diagnostics->warning(pair.where, "pair left out: a word longer than 127 bytes does not fit an entry");
      continue;
    }
    if (seen.insert({pair.a, pair.b}).second) distinct.push_back(pair);
  }
  return limitEntries(limitEntries(distinct, Side::A, leftOut, diagnostics), Side::B, leftOut, diagnostics);
}

std::vector<WordPair> dropWords(const std::vector<WordPair>& pairs, Side side,
                                const std::unordered_set<std::string>& words) {
  std::vector<WordPair> result;
  for (const WordPair& pair : pairs) {
    if (words.count(wordOf(pair, side)) == 0) result.push_back(pair);
  }
  return result;
}

std::vector<std::string> distinctWords(const std::vector<WordPair>& pairs, Side side) {
  std::vector<std::string> words;
  for (const WordPair& pair : pairs) words.push_back(wordOf(pair, side));
  // std::string compares its characters as unsigned bytes.
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

std::vector<std::vector<uint16_t>> linkTranslations(const std::vector<WordPair>& pairs, Side from,
                                                    const std::vector<std::string>& fromWords,
                                                    const std::vector<std::string>& toWords, size_t* dropped,
                                                    Diagnostics* diagnostics) {
  const Side to = from == Side::A ? Side::B : Side::A;
  const auto indexOf = [](const std::vector<std::string>& words, const std::string& word) {
    return static_cast<uint16_t>(std::lower_bound(words.begin(), words.end(), word) - words.begin());
  };
  std::vector<std::vector<uint16_t>> links(fromWords.size());
  std::set<std::pair<uint16_t, uint16_t>> seen;
  for (const WordPair& pair : pairs) {
    const uint16_t source = indexOf(fromWords, wordOf(pair, from));
    const uint16_t target = indexOf(toWords, wordOf(pair, to));
    if (!seen.insert({source, target}).second) continue;
    if (links[source].size() == static_cast<size_t>(lexcore::kMaxTranslations)) {
      ++*dropped;
      diagnostics->warning(pair.where, "translation " + quoted(wordOf(pair, to)) + " of " + quoted(wordOf(pair, from)) +
                                           " left out: a word has at most 15");
      continue;
    }
    links[source].push_back(target);
  }
  return links;
}

}  // namespace lexmake
