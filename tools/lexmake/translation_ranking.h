// How a word's translations are ordered, and how common a word is: every
// weight lexmake uses for either lives here.
//
// A pair of words (a, b) gets one score, in points, from the evidence the
// inputs give for it:
//
//   score = sense(a -> b) + sense(b -> a) + repeated(a -> b)
//           + repeated(b -> a) + common(b) + givenBack(b -> a)
//                                               (for a's list)
//
// where sense(x -> y) is the score of the best sense of a dictionary entry of
// x that gives y (senseScore below; kNoSense when no entry of x gives y),
// repeated(x -> y) counts the other senses of x that give y
// (repeatedSenseBonus), common(y) is how common y is in its language
// (commonnessBonus) and givenBack(b -> a) is how early b's own ranked list,
// from the other terms, gives a back when b is common (givenBackBonus).  Both
// directions count, so that a translation whose own entry gives the headword
// back comes before one that does not: FreeDict's English-German lists
// "Bandhaken" (coopering) as a sense of "dog", but "Bandhaken" is not what
// the German-English side gives for "dog"; "Hund" is, in both directions,
// with usage examples.
//
// A sense's score (senseScore):
//   + kExampleSense when the sense has usage examples, and kPerExample more
//     for each (at most kMaxExamples): people write examples for the senses
//     that people use (a sentence among the entry's references counts as
//     an example too when it uses the headword; one that does not belongs
//     to another entry and counts as a reference);
//   + kUsedInExamples when the translations of the examples use it (a word
//     of them starts with it): of the translations of a sense, the one the
//     examples use is the usual one;
//   + kPerReference for each other reference of the entry (at most
//     kMaxReferences): the forms and phrases a dictionary lists with a sense
//     show how much it is used;
//   - labelPenalty for each label on the translation or on its sense line:
//     kRegionLabel for regions and registers ([Br.], [ugs.], [formal],
//     [Südtirol]), kRareLabel for rare, dated, slang and humorous use
//     ([veraltet], [slang]), kDomainLabel for a subject ([techn.],
//     [constr.], [sport]: any other abbreviation); a lower-case word that
//     says which use a sense is ([dicker] fog, [+ gen], [only before noun])
//     restricts nothing, an object ([jdm.]) is grammar, no label, and so is a
//     label of what kind of thing a word names ([zool.], [bot.], [ornith.],
//     [cook.], [anat.]: an animal, a plant, a bird, a food, a part of the
//     body), which marks everyday words ("fox": Fuchs [zool.]) as often as
//     specialist ones;
//   - kNotePenalty when the sense carries a note that restricts it
//     ("Note: Fassbinderei", "Note: railway", "Note: of time"): notes
//     restrict a sense to a trade, a field or a use.  A note of grammar
//     alone is none (noteRestricts): one that names an object ("Note: to
//     sb."), a preposition ("Note: with") or whom or what the sense is said
//     of ("Note: person", "Note: of a thing"), words all of which are
//     articles, prepositions and words for a person or a thing;
//   - wordClassPenalty when the sense's word class is one that its word
//     (headword or translation, in a language with counts) is used in less
//     than its most used class (word_classes.h);
//   - kPerPlace for each translation before it in its sense (at most
//     kMaxPlaces), kPerSense for each sense before it in its entry (at most
//     kMaxSenses).
// A translation that is an inflected form of another translation of the
// same word loses kInflectedTranslation; one of more words than its word
// loses kPerExtraWord a word (extraWordsPenalty).
//
// Pairs of word-pair files and Ding files carry no such evidence: their
// senses score 0, and the order of the input decides between equal scores.
//
// How common a word is: its rank in the frequency lists of its language (1
// is the most common word), a phrase's from its words (phraseRank).  The
// bonus falls by kPerFrequencyHalving points for each halving of frequency,
// reading rank r as frequency 1/r: a translation 16 times as common gains a
// little more than one direction's usage examples give, since FreeDict
// lists the senses of every part of speech of a headword side by side
// ("better": verbessern, besser) and rare senses and synonyms with examples
// of their own ("Menschen": bods).
#ifndef LEXMAKE_TRANSLATION_RANKING_H
#define LEXMAKE_TRANSLATION_RANKING_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace lexmake {

// Weights, in points.
constexpr int kPerFrequencyHalving = 5;
constexpr int kExampleSense = 12;
constexpr int kPerExample = 2;
constexpr int kMaxExamples = 6;
constexpr int kUsedInExamples = 4;
constexpr int kPerReference = 1;
constexpr int kMaxReferences = 6;
constexpr int kRegionLabel = 4;
constexpr int kRareLabel = 12;
constexpr int kDomainLabel = 8;
constexpr int kNotePenalty = 12;
// A sense of a word class that the word is used in less than its most used
// class loses kPerClassQuarterHalving for each quarter of a halving from
// the most used class's count to its own, both read plus one (at most
// kMaxClassPenalty): "belt", tagged 11 times as a noun and twice as a verb,
// is first "Gürtel".  Counts above kMaxWordClassCount read as that.
constexpr int kPerClassQuarterHalving = 1;
constexpr int kMaxClassPenalty = 12;
constexpr uint32_t kMaxWordClassCount = 1u << 12;
constexpr int kPerPlace = 2;
constexpr int kMaxPlaces = 6;
constexpr int kPerSense = 1;
constexpr int kMaxSenses = 4;
// A translation that the ending table takes to another translation of the
// same word ("windows" beside "window") comes after it: the reader wants
// the base form.
constexpr int kInflectedTranslation = 32;
// A translation of more words than its word loses this for each extra word
// (at most kMaxExtraWords): "see" is "sehen" before it is "klar werden".
constexpr int kPerExtraWord = 4;
constexpr int kMaxExtraWords = 2;
// A translation that several senses of a word give ("klar": clear, in the
// senses "deutlich", "hell" and "eindeutig") is the word's core meaning;
// one sense with examples ("straight", "a straight answer") is not.  Only
// senses of a score of at least 0 count: senses that labels or notes
// restrict to fields ("Fluss": flux in physics, mathematics, medicine) say
// nothing about the core meaning.
constexpr int kPerRepeatedSense = 3;
constexpr int kMaxRepeatedSenses = 3;
// The score of a direction in which no entry gives the pair.
constexpr int kNoSense = -24;
// A common translation whose own ranked list gives the word back first
// ("seven": sieben, Siebener) gains kGivenBackFirst, one that gives it
// second half as much, and so on; a word that is one of many senses of its
// translation ("screen": Bildschirm, ..., sieben) gains nothing.  Only
// translations among the kGivenBackMaxRank most common words of their
// language count: a rare synonym has one or two translations, so it gives
// any word back first ("twain": zwei).
constexpr int kGivenBackFirst = 12;
constexpr uint32_t kGivenBackMaxRank = 4096;

// What one dictionary sense says about one of its translations.
struct SenseEvidence {
  int examples = 0;      // usage examples of the sense
  int references = 0;    // other entries it refers to
  bool inExamples = false;  // the translations of the examples use it
  int labelPenalty = 0;  // the sum of labelPenalty() of its labels
  int classPenalty = 0;  // wordClassPenalty() of its word class
  bool noted = false;    // the sense carries a note
  int place = 0;         // translations before it in its sense
  int sense = 0;         // senses of its entry before this one
};

// The penalty of one label, given without its brackets ("techn.").
int labelPenalty(const std::string& label);

int senseScore(const SenseEvidence& evidence);

// The penalty of a sense of a word class used `classCount` times, for a
// word whose most used class is used `mostCount` times.
int wordClassPenalty(uint32_t classCount, uint32_t mostCount);

// Whether a note (its text after "Note:") restricts its sense to a trade,
// a field or a use; see kNotePenalty.
bool noteRestricts(const std::string& note);

// A word's rank in its language, 1 for the most common; 0 when unknown.
using Rank = uint32_t;

// The bonus of a word of rank `rank` (0: unknown, no bonus).
int commonnessBonus(Rank rank);

// The score of a pair for the list of one of its words: the best sense
// scores of each direction (kNoSense when none) and the rank of the
// translation.
int pairScore(int senseForward, int senseBack, Rank translationRank);

// The bonus of a pair whose word stands at `place` (0: first) in the ranked
// list of its translation, of rank `translationRank` (0: unknown).
int givenBackBonus(uint32_t place, Rank translationRank);

// The bonus of a pair that `senses` senses of one direction give: each
// sense after the first adds kPerRepeatedSense (at most kMaxRepeatedSenses).
int repeatedSenseBonus(int senses);

// The penalty of a translation of `translationWords` words for a word of
// `wordWords` words.
int extraWordsPenalty(size_t wordWords, size_t translationWords);

// Frequency lists of one language: one word a line, most common first (text
// after a tab or a blank is ignored, as are blank lines and lines starting
// with '#').  Words are compared as the engine's case-insensitive search
// compares them; several lists give a word its best rank.
class FrequencyList {
 public:
  // Adds a list (dictionary text, in list order).
  void add(const std::vector<std::string>& words);
  bool empty() const { return ranks_.empty(); }
  // The rank of a single word, 0 when unknown.
  Rank wordRank(const std::string& word) const;
  // The rank of a word or phrase: a phrase that is not listed itself ranks as
  // its least common word, times kPhraseFactor for every word after the
  // first; 0 when a word is unknown.
  Rank phraseRank(const std::string& text) const;

  static constexpr uint32_t kPhraseFactor = 32;

 private:
  std::unordered_map<std::string, Rank> ranks_;  // folded text to rank
};

// The text as the engine's case-insensitive search compares it.
std::string foldedText(const std::string& text);

}  // namespace lexmake

#endif  // LEXMAKE_TRANSLATION_RANKING_H
