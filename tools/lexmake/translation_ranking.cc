#include "translation_ranking.h"

#include <algorithm>

#include "datafile/collation.h"
#include "term_cleaning.h"

namespace lexmake {
namespace {

// Labels of a region or a register: the sense is common where it is used.
const char* const kRegionLabels[] = {"Am.",   "Br.",  "eAm.",  "Austr.", "Can.",   "Sc.",     "Ir.",   "NZ",
                                     "Ös.",   "Schw.", "Dt.",  "Norddt.", "Süddt.", "Bayr.",  "ugs.",  "coll.",
                                     "formal", "geh.", "fig.", "übtr.",  "BE",     "AE",      "fam."};
// Labels of what kind of thing a word names: everyday words carry them as
// often as specialist ones.
const char* const kKindLabels[] = {"zool.", "bot.", "ornith.", "cook.", "anat."};
// Labels of rare, dated, slang or playful use.
const char* const kRareLabels[] = {"veraltet", "dated", "archaic", "obs.",  "rare", "selten", "slang",
                                   "vulg.",    "pej.",  "poet.",   "lit.",  "humor.", "euphem.", "obsolete",
                                   "veraltend", "altertümlich", "becoming dated", "former name",
                                   "frühere Bezeichnung", "literary", "Jägersprache", "hunters' parlance",
                                   "Kindersprache", "children's speech", "Jugendsprache"};
// Subjects that the inputs name with a word rather than an abbreviation.
const char* const kSubjectWords[] = {"auto", "sport", "art", "school", "print", "tm", "BW"};

// Words of grammar in a note: articles, prepositions and conjunctions, and
// the words for whom or what a sense is said of.
const char* const kNoteGrammarWords[] = {
    "a",      "an",     "the",   "of",   "to",    "for",    "in",     "on",     "at",    "with",   "from",
    "by",     "about",  "into",  "between", "as", "and",    "or",     "who",    "which", "that",   "person",
    "persons", "people", "thing", "things", "der", "die",   "das",    "den",    "dem",   "des",    "ein",
    "eine",   "einer",  "eines", "einem", "von", "vom",     "zu",     "zum",    "zur",   "für",    "mit",
    "im",     "am",     "auf",   "aus",   "bei", "beim",    "nach",   "über",   "unter", "zwischen", "als",
    "und",    "oder",   "person", "personen", "sache", "sachen", "ding", "dinge"};

// Whether UTF-8 text starts with a capital letter: A to Z, or À to Þ.
bool startsWithCapital(const std::string& text) {
  if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') return true;
  if (text.size() < 2 || static_cast<unsigned char>(text[0]) != 0xC3) return false;
  const unsigned char second = static_cast<unsigned char>(text[1]);
  return second >= 0x80 && second <= 0x9E && second != 0x97;  // not ×
}

// floor(2 * log2(r)) for r >= 1.
int twiceLog2(uint64_t r) {
  const uint64_t square = r * r;
  int bits = 0;
  while ((square >> bits) > 1) ++bits;
  return bits;
}

}  // namespace

int labelPenalty(const std::string& label) {
  // The labels are UTF-8 as the inputs write them.  An object ("[jdm.]")
  // is grammar, no label.
  if (namesAnObject(label)) return 0;
  for (const char* l : kKindLabels) {
    if (label == l) return 0;
  }
  for (const char* l : kRegionLabels) {
    if (label == l) return kRegionLabel;
  }
  for (const char* l : kRareLabels) {
    if (label == l) return kRareLabel;
  }
  for (const char* l : kSubjectWords) {
    if (label == l) return kDomainLabel;
  }
  // Any other subject is an abbreviation ("techn.").  A place is a region
  // ("Südtirol"); a lower-case word says which of the word's uses a sense
  // is ("[dicker] fog", "[+ gen]", "[only before noun]"), no restriction.
  if (label.empty()) return 0;
  if (label.back() == '.') return kDomainLabel;
  return startsWithCapital(label) ? kRegionLabel : 0;
}

bool noteRestricts(const std::string& note) {
  // A note may list several things ("to sb.; in a country"); one that names
  // an object is about the word's grammar.
  std::string parts = note;
  std::replace(parts.begin(), parts.end(), ';', ' ');
  std::replace(parts.begin(), parts.end(), ',', ' ');
  if (namesAnObject(parts)) return false;
  for (const std::string& word : wordsOfText(note)) {
    std::string folded = word;  // UTF-8: only ASCII letters fold
    for (char& c : folded) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    bool grammar = false;
    for (const char* w : kNoteGrammarWords) grammar = grammar || folded == w;
    if (!grammar) return true;
  }
  return false;
}

int senseScore(const SenseEvidence& e) {
  int score = 0;
  if (e.examples > 0) score += kExampleSense + kPerExample * std::min(e.examples, kMaxExamples);
  if (e.inExamples) score += kUsedInExamples;
  score += kPerReference * std::min(e.references, kMaxReferences);
  score -= e.labelPenalty;
  score -= e.classPenalty;
  if (e.noted) score -= kNotePenalty;
  score -= kPerPlace * std::min(e.place, kMaxPlaces);
  score -= kPerSense * std::min(e.sense, kMaxSenses);
  return score;
}

int wordClassPenalty(uint32_t classCount, uint32_t mostCount) {
  // floor(4 * log2((most + 1) / (count + 1))), in integers so that every
  // platform compiles the same bytes.
  const uint64_t count = std::min(classCount, kMaxWordClassCount) + uint64_t{1};
  const uint64_t most = std::min(mostCount, kMaxWordClassCount) + uint64_t{1};
  int quarterHalvings = 0;
  while (kPerClassQuarterHalving * quarterHalvings < kMaxClassPenalty &&
         (count * count * count * count << (quarterHalvings + 1)) <= most * most * most * most)
    ++quarterHalvings;
  return kPerClassQuarterHalving * quarterHalvings;
}

int commonnessBonus(Rank rank) {
  if (rank == 0) return 0;
  return kPerFrequencyHalving * std::max(0, 34 - twiceLog2(rank)) / 2;
}

int pairScore(int senseForward, int senseBack, Rank translationRank) {
  return senseForward + senseBack + commonnessBonus(translationRank);
}

int givenBackBonus(uint32_t place, Rank translationRank) {
  if (translationRank == 0 || translationRank > kGivenBackMaxRank || place >= 8) return 0;
  return kGivenBackFirst >> place;
}

int repeatedSenseBonus(int senses) {
  return senses <= 1 ? 0 : kPerRepeatedSense * std::min(senses - 1, kMaxRepeatedSenses);
}

int extraWordsPenalty(size_t wordWords, size_t translationWords) {
  if (translationWords <= wordWords) return 0;
  return kPerExtraWord * static_cast<int>(std::min<size_t>(translationWords - wordWords, kMaxExtraWords));
}

std::string foldedText(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(lexcore::foldChar(static_cast<uint8_t>(c)));
  return folded;
}

void FrequencyList::add(const std::vector<std::string>& words) {
  for (size_t i = 0; i < words.size(); ++i) {
    const Rank rank = static_cast<Rank>(std::min<size_t>(i + 1, UINT32_MAX));
    Rank& known = ranks_[foldedText(words[i])];
    if (known == 0 || rank < known) known = rank;
  }
}

Rank FrequencyList::wordRank(const std::string& word) const {
  const auto it = ranks_.find(foldedText(word));
  return it == ranks_.end() ? 0 : it->second;
}

Rank FrequencyList::phraseRank(const std::string& text) const {
  const Rank own = wordRank(text);
  if (own != 0 || text.find(' ') == std::string::npos) return own;
  uint64_t rank = 0;
  uint64_t factor = 1;
  size_t words = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) {
      const Rank word = wordRank(text.substr(start, end - start));
      if (word == 0) return 0;
      rank = std::max<uint64_t>(rank, word);
      if (words++ > 0) factor = std::min<uint64_t>(factor * kPhraseFactor, uint64_t{1} << 20);
    }
    start = end + 1;
  }
  return static_cast<Rank>(std::min<uint64_t>(rank * factor, UINT32_MAX));
}

}  // namespace lexmake
