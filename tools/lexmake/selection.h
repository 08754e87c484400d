// Chooses which words go into a language pair's files, within the format's
// limits: at most 65535 words a language, 127 bytes a word and 15
// translations a word.  Each language's data file serves as the primary of
// one direction and the secondary of the other, so its words are the
// headwords of one direction and the translations of the other at once.
//
// Words are ranked, most useful first: the words of the user's word list
// for that language, in list order; then by how common they are (their
// rank in the frequency lists, a phrase's from its words, a word's from the
// common words it is one of the first translations of, its use in the
// input's examples); then, for words none of that ranks:
//   1. single words that are no inflected form of another word;
//   2. phrases of two words;
//   3. single words that the ending table takes to another word of the
//      input that is at least as common (the engine's smart search finds
//      that word for them);
//   4. longer phrases;
// within each group, words that occur more often in the input's example
// sentences and phrases, then words with more distinct translations, then
// shorter words, then the word that came first in the input.
//
// Each word's translations are ranked by the evidence for each pair
// (translation_ranking.h).  The ranked words of both languages are taken in
// turn, one from each.  A word is kept when one of its translations is kept
// already; otherwise its best translation is kept with it, while that
// language has room.  Each kept word's translations are the kept ones, in
// ranked order, 15 at most.  Forms that the input names for a word (went,
// of go) list that word's translations; those do not list them back.
#ifndef LEXMAKE_SELECTION_H
#define LEXMAKE_SELECTION_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "left_out.h"
#include "pair_list.h"
#include "translation_ranking.h"
#include "datafile/data_file_writer.h"

namespace lexmake {

struct SelectionRules {
  size_t maxWords = 65535;  // a language's words at most
  lexcore::StringGroups endingsA;  // ending tables: each group's first string is the base
  lexcore::StringGroups endingsB;
  std::vector<std::string> rankA;  // the user's word lists, dictionary text, most useful first
  std::vector<std::string> rankB;
  FrequencyList frequencyA;  // how common words are in each language
  FrequencyList frequencyB;
};

// The chosen words of both languages, sorted in unsigned byte order, and
// each word's translations as indexes into the other language's words.
struct Lexicon {
  std::vector<std::string> wordsA;
  std::vector<std::string> wordsB;
  std::vector<std::vector<uint16_t>> aToB;
  std::vector<std::vector<uint16_t>> bToA;
  std::vector<uint32_t> idsA;  // the vocabulary id of each of wordsA
  std::vector<uint32_t> idsB;
};

class Selector {
 public:
  Selector(const PairList& pairs, const SelectionRules& rules);

  // Whether a word's text can be stored, as far as known before the files
  // are laid out.
  using FitCheck = std::function<bool(Side side, const std::string& word)>;

  // Keeps `word` out of every later selection, for `reason`.
  void exclude(Side side, uint32_t word, LeftOutReason reason);
  // Chooses the words; what is left out replaces the items of `leftOut`.
  // Words that `fits` (when given) refuses when they are about to be kept
  // are excluded as not encodable.
  Lexicon select(LeftOut* leftOut, const FitCheck& fits = nullptr);
  // A word's place in the ranking of its language (0 is the most useful).
  uint32_t rankOf(Side side, uint32_t word) const;

 private:
  struct Link {
    uint32_t a = 0;
    uint32_t b = 0;
    uint64_t orderA = 0;  // where this pair stands in the input among the A word's translations
    uint64_t orderB = 0;
    int senseA = kNoSense;  // the best sense that gives the pair where A is the headword
    int senseB = kNoSense;
    uint16_t sensesA = 0;  // the senses that give the pair where A is the headword, of a score >= 0
    uint16_t sensesB = 0;
    int scoreA = 0;  // pairScore for the A word's list
    int scoreB = 0;
    uint32_t placeA = 0;  // where the pair stands in the A word's ranked translations
    uint32_t placeB = 0;
    uint8_t oneWay = 0;  // 1: only the A word lists it (a word form); 2: only the B word
  };
  // One language's words: who they are linked to, how they rank.
  struct Words {
    std::vector<uint32_t> linkStart;  // linkStart[w] .. linkStart[w+1] in `links`
    std::vector<uint32_t> links;      // indexes into links_, in translation order
    std::vector<uint32_t> ranked;     // the words with a translation, most useful first
    std::vector<uint32_t> rank;       // place in `ranked`, or UINT32_MAX
    std::vector<uint32_t> firstPair;  // a pair of the input that holds the word
    std::vector<Rank> common;         // the word's rank in the frequency lists (0: unknown)
    std::vector<bool> headword;       // it heads an entry of the inputs
    std::vector<bool> pluralOnly;     // every entry it heads names it a plural ("Folgen <pl>")
    std::vector<uint8_t> excluded;    // 0, or 1 + the LeftOutReason
  };

  void collectLinks();
  void scoreLinks();
  void demoteInflectedTranslations(Side side, const lexcore::StringGroups& endings);
  void addFormLinks(const lexcore::StringGroups& endings, Side side);
  void indexLinks(Side side);
  void rankWords(Side side, const lexcore::StringGroups& endings, const std::vector<std::string>& list);
  uint32_t partnerOf(uint32_t link, Side side) const { return side == Side::A ? links_[link].b : links_[link].a; }
  Words& of(Side side) { return side == Side::A ? a_ : b_; }
  const Words& of(Side side) const { return side == Side::A ? a_ : b_; }

  uint32_t chosenSpelling(Side side, uint32_t word) const {
    const std::vector<uint32_t>& chosen = side == Side::A ? spellingA_ : spellingB_;
    return word < chosen.size() ? chosen[word] : word;
  }

  const PairList& pairs_;
  SelectionRules rules_;
  std::vector<uint32_t> spellingA_;  // each word's spelling among those the same to a case-insensitive search
  std::vector<uint32_t> spellingB_;
  std::vector<Link> links_;  // the distinct pairs between words that fit an entry
  Words a_;
  Words b_;
};

// The words of a sorted list that must leave so that no run of words
// sharing their first 15 bytes (which cannot be split across blocks) holds
// more than `maxRun` words: the lowest ranked of each such run, as indexes
// into `words`.
std::vector<size_t> crowdedWords(const std::vector<std::string>& words, const std::vector<uint32_t>& ranks,
                                 size_t maxRun);

}  // namespace lexmake

#endif  // LEXMAKE_SELECTION_H
