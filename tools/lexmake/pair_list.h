// Word pairs as the inputs give them, with every word stored once.  Real
// dictionaries give millions of pairs over a million distinct words, so a
// pair is four numbers: the two words, where it came from, and which of its
// words was the headword there.
#ifndef LEXMAKE_PAIR_LIST_H
#define LEXMAKE_PAIR_LIST_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace lexmake {

enum class Side : uint8_t { A, B };

inline Side otherSide(Side side) { return side == Side::A ? Side::B : Side::A; }

// The distinct words of one language, numbered in the order they first came.
class Vocabulary {
 public:
  static constexpr uint32_t kAbsent = UINT32_MAX;

  uint32_t add(const std::string& word);
  uint32_t find(const std::string& word) const;
  const std::string& word(uint32_t id) const { return *words_[id]; }
  size_t size() const { return words_.size(); }

 private:
  std::unordered_map<std::string, uint32_t> ids_;
  std::vector<const std::string*> words_;  // keys of ids_, which stay in place
};

struct SourcePair {
  uint32_t a = 0;     // word of language A
  uint32_t b = 0;     // word of language B
  uint32_t line = 0;  // line of its input file (for a database: its entry)
  uint16_t file = 0;  // index into PairList::files
  Side head = Side::A;  // the side that was the headword in the input
  int16_t sense = 0;    // the score of the sense that gives the pair (translation_ranking.h)
  bool pluralHead = false;  // the input's entry names its headword a plural ("Folgen <pl>")
};

// A form of a word that people type (an irregular verb form such as "went"
// of "go"), which takes its word's translations.
struct WordForm {
  uint32_t form = 0;   // in the vocabulary of `side`
  uint32_t lemma = 0;  // the same
  Side side = Side::A;
};

// How often each word (dictionary text) occurs in a language's example
// sentences: a sign of how common it is.
using UsageCounts = std::unordered_map<std::string, uint32_t>;

struct PairList {
  std::vector<std::string> files;  // input file names, for messages
  Vocabulary a;
  Vocabulary b;
  std::vector<SourcePair> pairs;  // in input order
  UsageCounts usageA;
  UsageCounts usageB;
  std::vector<WordForm> forms;

  // Adds an input file and returns its number.
  uint16_t addFile(const std::string& name);
  // Adds the pair of the dictionary texts `head` (language `headSide`) and
  // `translation` (the other language).
  // `sense` scores the sense of the input that gives the pair.
  void add(const std::string& head, const std::string& translation, Side headSide, uint16_t file, uint32_t line,
           int sense = 0, bool pluralHead = false);
  // Adds `form` (language `side`) as a form of `lemma`.
  void addForm(const std::string& form, const std::string& lemma, Side side);

  // Counts the words of an example sentence (UTF-8) of language `side`.
  void countUsage(const std::string& sentence, Side side);

  Vocabulary& words(Side side) { return side == Side::A ? a : b; }
  const Vocabulary& words(Side side) const { return side == Side::A ? a : b; }
  const UsageCounts& usage(Side side) const { return side == Side::A ? usageA : usageB; }
  static uint32_t wordOf(const SourcePair& pair, Side side) { return side == Side::A ? pair.a : pair.b; }
  // "file:line" of a pair, for messages.
  std::string where(const SourcePair& pair) const;
};

}  // namespace lexmake

#endif  // LEXMAKE_PAIR_LIST_H
