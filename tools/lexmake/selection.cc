#include "selection.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "datafile/block_partition.h"
#include "datafile/format.h"
#include "translator/list_file.h"

namespace lexmake {
namespace {

constexpr uint32_t kNone = UINT32_MAX;
constexpr size_t kSharedPrefixLimit = lexcore::kMaxNibble;
// A word that the frequency lists do not know ranks as the most common of
// the words whose first kInferredFrom translations include it, times
// kInferredFactor, times 4 for each place it stands down their lists.
constexpr uint32_t kInferredFrom = 3;
constexpr uint64_t kInferredFactor = 2;
// A word's rank by its use in the dictionaries' own examples counts this
// much less than a rank in the frequency lists.
constexpr uint64_t kUsageFactor = 4;
// An inflected form that smart search takes to its base ranks this much lower.
constexpr uint64_t kReachedFactor = 16;

// Groups of the ranking, most useful first.
enum Tier : uint8_t { kSingleWord, kTwoWordPhrase, kInflectedWord, kLongerPhrase };

size_t spacesIn(const std::string& word) { return static_cast<size_t>(std::count(word.begin(), word.end(), ' ')); }

// Whether `word` is an inflected form that the engine's smart search takes
// back to its base: it ends with an ending of a group, the word with that
// ending replaced by the group's base is in the vocabulary, and that word is
// at least as common (so that "das" is no form of "da"), and no plural: the
// ending table takes "Bohne" to "Bohnen" as it takes "mache" to "machen",
// but a plural is no word's base.
bool reachesAnotherWord(uint32_t id, const lexcore::StringGroups& endings, const Vocabulary& vocabulary,
                        const std::vector<uint32_t>& linkCount, const std::vector<uint32_t>& usage,
                        const std::vector<bool>& pluralOnly) {
  const std::string& word = vocabulary.word(id);
  for (const auto& group : endings) {
    for (size_t e = 1; e < group.size(); ++e) {
      const std::string& ending = group[e];
      if (ending.size() >= word.size() || word.compare(word.size() - ending.size(), ending.size(), ending) != 0)
        continue;
      const std::string base = word.substr(0, word.size() - ending.size()) + group[0];
      const uint32_t baseId = vocabulary.find(base);
      if (base != word && baseId != Vocabulary::kAbsent && linkCount[baseId] > 0 && usage[baseId] >= usage[id] &&
          !pluralOnly[baseId])
        return true;
    }
  }
  return false;
}

// Which words of a language head an entry of the inputs, and which of those
// are plurals: every entry they head names them so ("Folgen <pl>").
void findPluralHeadwords(const PairList& pairs, Side side, std::vector<bool>* headword,
                         std::vector<bool>* pluralOnly) {
  const size_t n = pairs.words(side).size();
  std::vector<uint32_t> entries(n, 0), pluralEntries(n, 0);
  for (const SourcePair& pair : pairs.pairs) {
    if (pair.head != side) continue;
    const uint32_t w = PairList::wordOf(pair, side);
    ++entries[w];
    if (pair.pluralHead) ++pluralEntries[w];
  }
  headword->assign(n, false);
  pluralOnly->assign(n, false);
  for (size_t w = 0; w < n; ++w) {
    (*headword)[w] = entries[w] > 0;
    (*pluralOnly)[w] = entries[w] > 0 && pluralEntries[w] == entries[w];
  }
}

// The words of a phrase (dictionary text), split at blanks.
std::vector<std::string> splitWords(const std::string& phrase) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= phrase.size()) {
    const size_t space = phrase.find(' ', start);
    const size_t end = space == std::string::npos ? phrase.size() : space;
    if (end > start) words.push_back(phrase.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

}  // namespace

Selector::Selector(const PairList& pairs, const SelectionRules& rules) : pairs_(pairs), rules_(rules) {
  for (const Side side : {Side::A, Side::B}) {
    Words& words = of(side);
    const size_t n = pairs_.words(side).size();
    words.excluded.assign(n, 0);
    words.firstPair.assign(n, kNone);
    for (uint32_t w = 0; w < n; ++w) {
      if (pairs_.words(side).word(w).size() > lexcore::kMaxWordLength)
        words.excluded[w] = 1 + static_cast<uint8_t>(LeftOutReason::TooLong);
    }
  }
  for (uint32_t p = 0; p < pairs_.pairs.size(); ++p) {
    const SourcePair& pair = pairs_.pairs[p];
    if (a_.firstPair[pair.a] == kNone) a_.firstPair[pair.a] = p;
    if (b_.firstPair[pair.b] == kNone) b_.firstPair[pair.b] = p;
  }
  for (const Side side : {Side::A, Side::B}) {
    const FrequencyList& frequency = side == Side::A ? rules_.frequencyA : rules_.frequencyB;
    const Vocabulary& vocabulary = pairs_.words(side);
    Words& words = of(side);
    words.common.assign(vocabulary.size(), 0);
    if (frequency.empty()) continue;
    for (uint32_t w = 0; w < vocabulary.size(); ++w) words.common[w] = frequency.phraseRank(vocabulary.word(w));
  }
  findPluralHeadwords(pairs_, Side::A, &a_.headword, &a_.pluralOnly);
  findPluralHeadwords(pairs_, Side::B, &b_.headword, &b_.pluralOnly);
  collectLinks();
  scoreLinks();
  addFormLinks(rules_.endingsA, Side::A);
  addFormLinks(rules_.endingsB, Side::B);
  indexLinks(Side::A);
  indexLinks(Side::B);
  rankWords(Side::A, rules_.endingsA, rules_.rankA);
  rankWords(Side::B, rules_.endingsB, rules_.rankB);
}

// The distinct pairs of words that fit an entry.  A pair's place among a
// word's translations: pairs of inputs where the word is the headword first,
// in input order, then the others in input order.
void Selector::collectLinks() {
  std::vector<std::pair<uint64_t, uint32_t>> order;  // (a, b) and the pair's place in the input
  order.reserve(pairs_.pairs.size());
  for (uint32_t p = 0; p < pairs_.pairs.size(); ++p) {
    const SourcePair& pair = pairs_.pairs[p];
    if (a_.excluded[pair.a] != 0 || b_.excluded[pair.b] != 0) continue;
    order.emplace_back((static_cast<uint64_t>(pair.a) << 32) | pair.b, p);
  }
  std::sort(order.begin(), order.end());
  const uint64_t kLater = uint64_t{1} << 32;  // after every pair where the word is the headword
  for (size_t i = 0; i < order.size();) {
    Link link;
    link.a = static_cast<uint32_t>(order[i].first >> 32);
    link.b = static_cast<uint32_t>(order[i].first & 0xFFFFFFFFu);
    link.orderA = kLater + order[i].second;
    link.orderB = kLater + order[i].second;
    for (; i < order.size() && order[i].first == ((static_cast<uint64_t>(link.a) << 32) | link.b); ++i) {
      const uint32_t p = order[i].second;
      const SourcePair& pair = pairs_.pairs[p];
      if (pair.head == Side::A) {
        link.orderA = std::min<uint64_t>(link.orderA, p);
        link.senseA = std::max<int>(link.senseA, pair.sense);
        if (pair.sense >= 0 && link.sensesA < UINT16_MAX) ++link.sensesA;
      } else {
        link.orderB = std::min<uint64_t>(link.orderB, p);
        link.senseB = std::max<int>(link.senseB, pair.sense);
        if (pair.sense >= 0 && link.sensesB < UINT16_MAX) ++link.sensesB;
      }
    }
    links_.push_back(link);
  }
}

// Scores every pair for both of its words' lists.  Words that are the same
// to the engine's case-insensitive search ("year" and "Year") and share a
// translation become one word, the spelling with the best evidence: that
// search shows the translations of every spelling, the less likely ones
// first when they sort first, and a translation must not come twice ("fish"
// and "Fish" both giving "Fische").  Their pairs merge, each keeping its
// best evidence.
void Selector::scoreLinks() {
  for (const Side side : {Side::A, Side::B}) {
    const Vocabulary& vocabulary = pairs_.words(side);
    std::vector<int> best(vocabulary.size(), INT32_MIN);
    for (const Link& link : links_) {
      const uint32_t w = side == Side::A ? link.a : link.b;
      best[w] = std::max(best[w], link.senseA + link.senseB);
    }
    std::unordered_map<std::string, uint32_t> spelling;  // folded text to the chosen word
    std::vector<uint32_t>& chosen = side == Side::A ? spellingA_ : spellingB_;
    chosen.resize(vocabulary.size());
    for (uint32_t w = 0; w < vocabulary.size(); ++w) {
      if (best[w] == INT32_MIN) continue;
      const auto inserted = spelling.emplace(foldedText(vocabulary.word(w)), w);
      // Of two as strong, the one the search shows first ("Leben", "leben").
      const uint32_t held = inserted.first->second;
      const bool stronger =
          best[w] > best[held] || (best[w] == best[held] && vocabulary.word(w) < vocabulary.word(held));
      if (!inserted.second && stronger) inserted.first->second = w;
    }
    // Spellings that share translations are one word; others ("Morgen",
    // morning, and "morgen", tomorrow) stay apart, unless the
    // weaker one sorts first: the search would show its translations first.
    const Vocabulary& partners = pairs_.words(otherSide(side));
    std::unordered_map<std::string, uint32_t> firstWith;  // folded "word\tpartner" to the first word
    std::vector<uint32_t> shared(vocabulary.size(), 0);
    for (const Link& link : links_) {
      const uint32_t w = side == Side::A ? link.a : link.b;
      const uint32_t p = side == Side::A ? link.b : link.a;
      const auto inserted =
          firstWith.emplace(foldedText(vocabulary.word(w)) + '\t' + foldedText(partners.word(p)), w);
      if (!inserted.second && inserted.first->second != w) {
        ++shared[w];
        ++shared[inserted.first->second];
      }
    }
    // ("Table", the mountain, joins "table".)
    for (uint32_t w = 0; w < vocabulary.size(); ++w) {
      const auto it = best[w] == INT32_MIN ? spelling.end() : spelling.find(foldedText(vocabulary.word(w)));
      const bool joins = it != spelling.end() &&
                         (shared[w] > 0 || vocabulary.word(w) < vocabulary.word(it->second));
      chosen[w] = joins ? it->second : w;
    }
  }
  std::vector<Link> merged;
  std::unordered_map<uint64_t, uint32_t> index;  // (a, b) to its place in `merged`
  for (Link link : links_) {
    link.a = spellingA_[link.a];
    link.b = spellingB_[link.b];
    const auto inserted = index.emplace((uint64_t{link.a} << 32) | link.b, static_cast<uint32_t>(merged.size()));
    if (inserted.second) {
      merged.push_back(link);
      continue;
    }
    Link& into = merged[inserted.first->second];
    into.senseA = std::max(into.senseA, link.senseA);
    into.senseB = std::max(into.senseB, link.senseB);
    into.sensesA = static_cast<uint16_t>(std::min<int>(into.sensesA + link.sensesA, UINT16_MAX));
    into.sensesB = static_cast<uint16_t>(std::min<int>(into.sensesB + link.sensesB, UINT16_MAX));
    into.orderA = std::min(into.orderA, link.orderA);
    into.orderB = std::min(into.orderB, link.orderB);
  }
  links_.swap(merged);
  for (Link& link : links_) {
    const size_t wordsA = 1 + spacesIn(pairs_.a.word(link.a));
    const size_t wordsB = 1 + spacesIn(pairs_.b.word(link.b));
    const int repeated = repeatedSenseBonus(link.sensesA) + repeatedSenseBonus(link.sensesB);
    link.scoreA = pairScore(link.senseA, link.senseB, b_.common[link.b]) + repeated - extraWordsPenalty(wordsA, wordsB);
    link.scoreB = pairScore(link.senseB, link.senseA, a_.common[link.a]) + repeated - extraWordsPenalty(wordsB, wordsA);
  }
  demoteInflectedTranslations(Side::A, rules_.endingsB);
  demoteInflectedTranslations(Side::B, rules_.endingsA);
  // Where each word stands in its translation's own ranked list ("seven"
  // gives "sieben" first; "screen" gives it far down).
  indexLinks(Side::A);
  indexLinks(Side::B);
  for (Link& link : links_) {
    link.scoreA += givenBackBonus(link.placeB, b_.common[link.b]);
    link.scoreB += givenBackBonus(link.placeA, a_.common[link.a]);
  }
}

// A translation that the ending table (of the translations' language) takes
// to another translation of the same word comes after it.
void Selector::demoteInflectedTranslations(Side side, const lexcore::StringGroups& endings) {
  if (endings.empty()) return;
  const Vocabulary& partners = pairs_.words(otherSide(side));
  std::vector<uint32_t> order(links_.size());
  std::iota(order.begin(), order.end(), 0);
  const auto wordOf = [&](uint32_t l) { return side == Side::A ? links_[l].a : links_[l].b; };
  std::stable_sort(order.begin(), order.end(), [&](uint32_t x, uint32_t y) { return wordOf(x) < wordOf(y); });
  std::unordered_map<std::string, uint32_t> translations;  // of one word
  for (size_t start = 0; start < order.size();) {
    size_t end = start;
    translations.clear();
    for (; end < order.size() && wordOf(order[end]) == wordOf(order[start]); ++end) {
      translations.emplace(partners.word(partnerOf(order[end], side)), order[end]);
    }
    if (end - start > 1) {
      for (size_t i = start; i < end; ++i) {
        const std::string& text = partners.word(partnerOf(order[i], side));
        bool inflected = false;
        for (const auto& group : endings) {
          for (size_t e = 1; e < group.size() && !inflected; ++e) {
            const std::string& ending = group[e];
            if (ending.empty() || ending.size() >= text.size() ||
                text.compare(text.size() - ending.size(), ending.size(), ending) != 0)
              continue;
            const std::string base = text.substr(0, text.size() - ending.size()) + group[0];
            inflected = base != text && translations.count(base) > 0;
          }
          if (inflected) break;
        }
        if (inflected) (side == Side::A ? links_[order[i]].scoreA : links_[order[i]].scoreB) -= kInflectedTranslation;
      }
    }
    start = end;
  }
}

// Gives each form that the inputs name for a word (an irregular form such as
// "went" of "go") the word's translations, unless the ending table takes the
// form back to the word anyway.  The form lists them; they do not list it.
void Selector::addFormLinks(const lexcore::StringGroups& endings, Side side) {
  const Vocabulary& vocabulary = pairs_.words(side);
  std::unordered_map<uint32_t, std::vector<uint32_t>> linksOf;  // lemma to its links
  for (const WordForm& form : pairs_.forms) {
    if (form.side == side) linksOf[chosenSpelling(side, form.lemma)];
  }
  if (linksOf.empty()) return;
  const size_t count = links_.size();
  for (uint32_t l = 0; l < count; ++l) {
    if (links_[l].oneWay != 0) continue;  // a form's, given by the other language's forms
    const auto it = linksOf.find(side == Side::A ? links_[l].a : links_[l].b);
    if (it != linksOf.end()) it->second.push_back(l);
  }
  std::unordered_map<uint64_t, uint8_t> present;  // (form, partner) pairs given already
  for (uint32_t l = 0; l < count; ++l) {
    const uint64_t mine = side == Side::A ? links_[l].a : links_[l].b;
    const uint64_t partner = side == Side::A ? links_[l].b : links_[l].a;
    present[(mine << 32) | partner] = 1;
  }
  // A form that the inputs name for several words ("fand" under "finden" and
  // under its synonym "denken") belongs to those that share most of its
  // start.
  std::unordered_map<uint32_t, size_t> longestShared;  // form to the longest start it shares with a word
  const auto shared = [&](const WordForm& form) {
    return lexcore::commonPrefix(vocabulary.word(form.form), vocabulary.word(chosenSpelling(side, form.lemma)));
  };
  for (const WordForm& form : pairs_.forms) {
    if (form.side == side) longestShared[form.form] = std::max(longestShared[form.form], shared(form));
  }
  for (const WordForm& form : pairs_.forms) {
    if (form.side != side || of(side).excluded[form.form] != 0 || shared(form) < longestShared[form.form]) continue;
    const std::string& text = vocabulary.word(form.form);
    const uint32_t lemmaId = chosenSpelling(side, form.lemma);
    const std::string& lemma = vocabulary.word(lemmaId);
    bool reached = false;
    for (const auto& group : endings) {
      for (size_t e = 1; e < group.size() && !reached; ++e) {
        const std::string& ending = group[e];
        reached = ending.size() < text.size() &&
                  text.compare(text.size() - ending.size(), ending.size(), ending) == 0 &&
                  text.substr(0, text.size() - ending.size()) + group[0] == lemma;
      }
    }
    if (reached) continue;
    if (chosenSpelling(side, form.form) != form.form) continue;
    for (const uint32_t l : linksOf[lemmaId]) {
      Link link = links_[l];
      uint32_t& mine = side == Side::A ? link.a : link.b;
      mine = form.form;
      const uint64_t partner = side == Side::A ? link.b : link.a;
      if (!present.emplace((uint64_t{form.form} << 32) | partner, 1).second) continue;
      link.oneWay = side == Side::A ? 1 : 2;
      // A form that is a word of its own ("weiß", white, and of "wissen")
      // gives its own translations first.
      if (of(side).headword[form.form]) (side == Side::A ? link.scoreA : link.scoreB) -= kInflectedTranslation;
      links_.push_back(link);
    }
  }
}

// Each word's links, best score first; equal scores in input order.
void Selector::indexLinks(Side side) {
  Words& words = of(side);
  const size_t n = pairs_.words(side).size();
  const uint8_t otherOnly = side == Side::A ? 2 : 1;
  words.linkStart.assign(n + 1, 0);
  for (const Link& link : links_) {
    if (link.oneWay != otherOnly) ++words.linkStart[(side == Side::A ? link.a : link.b) + 1];
  }
  std::partial_sum(words.linkStart.begin(), words.linkStart.end(), words.linkStart.begin());
  words.links.assign(words.linkStart[n], 0);
  std::vector<uint32_t> next(words.linkStart.begin(), words.linkStart.end() - 1);
  for (uint32_t l = 0; l < links_.size(); ++l) {
    if (links_[l].oneWay != otherOnly) words.links[next[side == Side::A ? links_[l].a : links_[l].b]++] = l;
  }
  for (size_t w = 0; w < n; ++w) {
    const auto begin = words.links.begin() + words.linkStart[w];
    const auto end = words.links.begin() + words.linkStart[w + 1];
    std::sort(begin, end, [this, side](uint32_t x, uint32_t y) {
      const Link& p = links_[x];
      const Link& q = links_[y];
      if (side == Side::A) return p.scoreA != q.scoreA ? p.scoreA > q.scoreA : p.orderA < q.orderA;
      return p.scoreB != q.scoreB ? p.scoreB > q.scoreB : p.orderB < q.orderB;
    });
    for (auto it = begin; it != end; ++it) {
      (side == Side::A ? links_[*it].placeA : links_[*it].placeB) = static_cast<uint32_t>(it - begin);
    }
  }
}

void Selector::rankWords(Side side, const lexcore::StringGroups& endings, const std::vector<std::string>& list) {
  Words& words = of(side);
  const Vocabulary& vocabulary = pairs_.words(side);
  const size_t n = vocabulary.size();
  std::vector<uint32_t> linkCount(n);
  for (size_t w = 0; w < n; ++w) linkCount[w] = words.linkStart[w + 1] - words.linkStart[w];
  std::vector<uint32_t> listed(n, kNone);
  for (size_t i = 0; i < list.size(); ++i) {
    const uint32_t id = vocabulary.find(list[i]);
    if (id != Vocabulary::kAbsent && listed[id] == kNone) listed[id] = static_cast<uint32_t>(i);
  }
  // How common each word is: how often it occurs in the example sentences,
  // and in the phrases of the input (each distinct phrase once).
  std::vector<uint32_t> usage(n, 0);
  for (const auto& [word, count] : pairs_.usage(side)) {
    const uint32_t id = vocabulary.find(word);
    if (id != Vocabulary::kAbsent) usage[id] += count;
  }
  for (uint32_t w = 0; w < n; ++w) {
    const std::string& phrase = vocabulary.word(w);
    if (phrase.find(' ') == std::string::npos) continue;
    for (const std::string& word : splitWords(phrase)) {
      const uint32_t id = vocabulary.find(word);
      if (id != Vocabulary::kAbsent && id != w) ++usage[id];
    }
  }
  std::vector<uint8_t> tier(n);
  for (uint32_t w = 0; w < n; ++w) {
    const std::string& word = vocabulary.word(w);
    const size_t spaces = spacesIn(word);
    if (spaces == 0) {
      tier[w] = reachesAnotherWord(w, endings, vocabulary, linkCount, usage, words.pluralOnly) ? kInflectedWord
                                                                                               : kSingleWord;
    } else {
      tier[w] = spaces == 1 ? kTwoWordPhrase : kLongerPhrase;
    }
    if (linkCount[w] > 0) words.ranked.push_back(w);
  }
  // How common each word is, from the frequency lists: its own rank, or the
  // rank of a word it is one of the first translations of, lower for each
  // place it stands further down that word's translations, whichever is
  // higher ("ice cream" is rarer than "ice" and "cream", but is what "Eis"
  // means).  A form that the ending table takes to another word
  // ranks far lower: the smart search finds that word for it.
  const Words& others = of(otherSide(side));
  std::vector<uint64_t> common(n, UINT64_MAX);
  for (uint32_t w = 0; w < n; ++w) {
    if (words.common[w] != 0) common[w] = words.common[w];
    {
      const uint32_t end = std::min(words.linkStart[w + 1], words.linkStart[w] + kInferredFrom);
      for (uint32_t i = words.linkStart[w]; i < end; ++i) {
        const Link& link = links_[words.links[i]];
        const Rank partner = others.common[partnerOf(words.links[i], side)];
        const uint32_t place = std::min<uint32_t>(side == Side::A ? link.placeB : link.placeA, 8);
        if (partner != 0) common[w] = std::min(common[w], uint64_t{partner} * kInferredFactor << (2 * place));
      }
    }
  }
  // Beyond the lists, how often a word occurs in the examples and phrases of
  // the dictionaries themselves: a small corpus, so its ranks count less.
  if (!(side == Side::A ? rules_.frequencyA : rules_.frequencyB).empty()) {
    std::vector<uint32_t> byUsage;
    for (uint32_t w = 0; w < n; ++w) {
      if (usage[w] > 0) byUsage.push_back(w);
    }
    std::stable_sort(byUsage.begin(), byUsage.end(), [&usage](uint32_t x, uint32_t y) { return usage[x] > usage[y]; });
    size_t start = 0;  // words of equal use share the rank of the first of them
    for (size_t i = 0; i < byUsage.size(); ++i) {
      if (i > 0 && usage[byUsage[i]] != usage[byUsage[i - 1]]) start = i;
      common[byUsage[i]] = std::min<uint64_t>(common[byUsage[i]], (start + 1) * kUsageFactor);
    }
  }
  for (uint32_t w = 0; w < n; ++w) {
    if (tier[w] == kInflectedWord && common[w] != UINT64_MAX) common[w] *= kReachedFactor;
  }
  std::sort(words.ranked.begin(), words.ranked.end(), [&](uint32_t x, uint32_t y) {
    if (listed[x] != listed[y]) return listed[x] < listed[y];
    if (common[x] != common[y]) return common[x] < common[y];
    if (tier[x] != tier[y]) return tier[x] < tier[y];
    if (usage[x] != usage[y]) return usage[x] > usage[y];
    if (linkCount[x] != linkCount[y]) return linkCount[x] > linkCount[y];
    const size_t sx = vocabulary.word(x).size();
    const size_t sy = vocabulary.word(y).size();
    if (sx != sy) return sx < sy;
    return x < y;  // the word that came first in the input
  });
  words.rank.assign(n, kNone);
  for (uint32_t i = 0; i < words.ranked.size(); ++i) words.rank[words.ranked[i]] = i;
}

void Selector::exclude(Side side, uint32_t word, LeftOutReason reason) {
  uint8_t& excluded = of(side).excluded[word];
  if (excluded == 0) excluded = 1 + static_cast<uint8_t>(reason);
}

uint32_t Selector::rankOf(Side side, uint32_t word) const { return of(side).rank[word]; }

Lexicon Selector::select(LeftOut* leftOut, const FitCheck& fits) {
  leftOut->items.clear();
  std::vector<uint8_t> keptA(pairs_.a.size(), 0);
  std::vector<uint8_t> keptB(pairs_.b.size(), 0);
  const auto kept = [&](Side side) -> std::vector<uint8_t>& { return side == Side::A ? keptA : keptB; };
  size_t keptCount[2] = {0, 0};
  std::vector<uint8_t> fullWhenTried[2] = {std::vector<uint8_t>(pairs_.a.size(), 0),
                                           std::vector<uint8_t>(pairs_.b.size(), 0)};

  // Whether `w` may be kept as far as `fits` knows; excludes it if not.
  const auto mayKeep = [&](Side side, uint32_t w) {
    if (of(side).excluded[w] != 0) return false;
    if (!fits || fits(side, pairs_.words(side).word(w))) return true;
    exclude(side, w, LeftOutReason::Unencodable);
    return false;
  };
  // Tries to keep `w`: true when it is kept.
  const auto tryKeep = [&](Side side, uint32_t w) {
    const Words& words = of(side);
    const Side other = otherSide(side);
    const int s = side == Side::A ? 0 : 1;
    if (kept(side)[w]) return true;
    if (words.excluded[w] != 0) return false;
    if (keptCount[s] == rules_.maxWords) {
      fullWhenTried[s][w] = 1;
      return false;
    }
    if (!mayKeep(side, w)) return false;
    for (uint32_t i = words.linkStart[w]; i < words.linkStart[w + 1]; ++i) {
      if (kept(other)[partnerOf(words.links[i], side)]) {
        kept(side)[w] = 1;
        ++keptCount[s];
        return true;
      }
    }
    if (keptCount[1 - s] == rules_.maxWords) return false;
    for (uint32_t i = words.linkStart[w]; i < words.linkStart[w + 1]; ++i) {
      const uint32_t partner = partnerOf(words.links[i], side);
      // A word form brings no word of its own.
      if (links_[words.links[i]].oneWay != 0 || !mayKeep(other, partner)) continue;
      kept(side)[w] = 1;
      kept(other)[partner] = 1;
      ++keptCount[s];
      ++keptCount[1 - s];
      return true;
    }
    return false;
  };

  // Both rankings, one word of each in turn; then once more for words
  // whose translations were kept only after them.
  for (int pass = 0; pass < 2; ++pass) {
    size_t next[2] = {0, 0};
    while (next[0] < a_.ranked.size() || next[1] < b_.ranked.size()) {
      for (const Side side : {Side::A, Side::B}) {
        const int s = side == Side::A ? 0 : 1;
        if (next[s] < of(side).ranked.size()) tryKeep(side, of(side).ranked[next[s]++]);
      }
    }
  }

  Lexicon lexicon;
  for (const Side side : {Side::A, Side::B}) {
    const Vocabulary& vocabulary = pairs_.words(side);
    std::vector<uint32_t>& ids = side == Side::A ? lexicon.idsA : lexicon.idsB;
    for (uint32_t w = 0; w < vocabulary.size(); ++w) {
      if (kept(side)[w]) ids.push_back(w);
    }
    std::sort(ids.begin(), ids.end(),
              [&vocabulary](uint32_t x, uint32_t y) { return vocabulary.word(x) < vocabulary.word(y); });
    std::vector<std::string>& texts = side == Side::A ? lexicon.wordsA : lexicon.wordsB;
    for (const uint32_t id : ids) texts.push_back(vocabulary.word(id));
  }

  // What was left out, word by word in vocabulary order.
  for (const Side side : {Side::A, Side::B}) {
    const Words& words = of(side);
    const int s = side == Side::A ? 0 : 1;
    for (uint32_t w = 0; w < pairs_.words(side).size(); ++w) {
      if (kept(side)[w]) continue;
      LeftOutItem item;
      item.side = side;
      item.word = w;
      item.pair = words.firstPair[w];
      if (words.excluded[w] != 0) {
        item.reason = static_cast<LeftOutReason>(words.excluded[w] - 1);
      } else {
        item.reason = fullWhenTried[s][w] ? LeftOutReason::BeyondLimit : LeftOutReason::NoTranslation;
      }
      leftOut->add(item);
    }
  }

  // Each word's kept translations in order, 15 at most.
  for (const Side side : {Side::A, Side::B}) {
    const Words& words = of(side);
    const Side other = otherSide(side);
    const std::vector<uint32_t>& ids = side == Side::A ? lexicon.idsA : lexicon.idsB;
    const std::vector<uint32_t>& otherIds = side == Side::A ? lexicon.idsB : lexicon.idsA;
    std::unordered_map<uint32_t, uint16_t> indexOf;
    for (size_t i = 0; i < otherIds.size(); ++i) indexOf[otherIds[i]] = static_cast<uint16_t>(i);
    std::vector<std::vector<uint16_t>>& links = side == Side::A ? lexicon.aToB : lexicon.bToA;
    links.resize(ids.size());
    for (size_t i = 0; i < ids.size(); ++i) {
      const uint32_t w = ids[i];
      for (uint32_t l = words.linkStart[w]; l < words.linkStart[w + 1]; ++l) {
        const uint32_t link = words.links[l];
        const uint32_t partner = partnerOf(link, side);
        if (!kept(other)[partner]) continue;
        if (links[i].size() == static_cast<size_t>(lexcore::kMaxTranslations)) {
          LeftOutItem item;
          item.reason = LeftOutReason::Translation;
          item.side = side;
          item.word = w;
          item.translation = partner;
          // The pair of this very translation, for its message.
          const uint64_t order = side == Side::A ? links_[link].orderA : links_[link].orderB;
          item.pair = static_cast<uint32_t>(order & 0xFFFFFFFFu);
          leftOut->add(item);
          continue;
        }
        links[i].push_back(indexOf.at(partner));
      }
    }
  }
  return lexicon;
}

std::vector<size_t> crowdedWords(const std::vector<std::string>& words, const std::vector<uint32_t>& ranks,
                                 size_t maxRun) {
  std::vector<size_t> crowded;
  size_t start = 0;
  for (size_t i = 1; i <= words.size(); ++i) {
    if (i < words.size() && lexcore::commonPrefix(words[i - 1], words[i]) >= kSharedPrefixLimit) continue;
    if (i - start > maxRun) {
      std::vector<size_t> run(i - start);
      std::iota(run.begin(), run.end(), start);
      std::stable_sort(run.begin(), run.end(), [&ranks](size_t x, size_t y) { return ranks[x] < ranks[y]; });
      crowded.insert(crowded.end(), run.begin() + maxRun, run.end());
    }
    start = i;
  }
  std::sort(crowded.begin(), crowded.end());
  return crowded;
}

}  // namespace lexmake
