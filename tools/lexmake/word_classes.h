// How often a language uses a word as a noun, a verb, an adjective or an
// adverb, and what that says about a sense of the word.
//
// FreeDict gives the senses of every word class of a headword side by side,
// each with evidence of its own: "belt" is "Gürtel" and, as a verb, "hauen";
// "fox" is "Fuchs" and "täuschen".  A reader who looks up "belt" most likely
// means the class people use the word in most.  The counts come from
// WordNet's cntlist.rev (Debian's wordnet-base): for each sense of each word,
// how often it was tagged in a corpus of running text.  Lines read
//
//   belt%1:06:00:: 1 11         word%class:..., the sense's number, its count
//
// with class 1 noun, 2 verb, 3 and 5 adjective, 4 adverb, and '_' for a
// blank in a phrase.  A sense of a class the word is used in less than its
// most used class loses points (translation_ranking.h, wordClassPenalty);
// words without counts lose none.
#ifndef LEXMAKE_WORD_CLASSES_H
#define LEXMAKE_WORD_CLASSES_H

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>

#include "diagnostics.h"
#include "pair_list.h"

namespace lexmake {

enum class WordClass : uint8_t { Noun, Verb, Adjective, Adverb, Unknown };

// The class a FreeDict grammar mark names: the text between '<' and '>' of
// a headword or translation ("v, trans", "fem, n, sg", "adj"); Unknown when
// it names none.
WordClass wordClassOfGrammar(const std::string& grammar);

// Whether a grammar mark names a plural and no singular ("pl", "pl, n"):
// FreeDict's plurals are words of their own ("Folgen <pl>").
bool namesPlural(const std::string& grammar);

class WordClassCounts {
 public:
  // Adds the counts of a cntlist.rev file's content; a line that does not
  // read as one is an error naming `path` and the line.
  bool add(const std::string& content, const std::string& path, Diagnostics* diagnostics);
  bool empty() const { return counts_.empty(); }
  // The penalty of a sense of class `wordClass` of `word` (dictionary text).
  int penalty(const std::string& word, WordClass wordClass) const;

 private:
  std::unordered_map<std::string, std::array<uint32_t, 4>> counts_;  // folded word to counts by class
};

// The counts of each language, by side.
struct WordClassTables {
  WordClassCounts a, b;
  const WordClassCounts& of(Side side) const { return side == Side::A ? a : b; }
};

}  // namespace lexmake

#endif  // LEXMAKE_WORD_CLASSES_H
