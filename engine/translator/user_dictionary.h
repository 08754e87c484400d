// The user dictionary of one translator: word pairs the user added, kept in a
// plain text file beside the list file and held whole in memory, sorted by
// word under the case-folding collation.
//
// File format (extension "udr"): one pair per line, the word, a colon, the
// translation, then CR LF.  On reading, control bytes and blanks around the
// word and the translation are dropped, a line may end in CR, LF or both, and
// the word ends at the first colon.  A file that serves the opposite
// direction ("reversed") holds translation:word lines.
#ifndef LEXCORE_TRANSLATOR_USER_DICTIONARY_H
#define LEXCORE_TRANSLATOR_USER_DICTIONARY_H

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file.h"
#include "translator/lexcore.h"

namespace lexcore {

class UserDictionary {
 public:
  // Chooses the file for the list file at `listPath` and loads it: name.udr
  // beside it, else the opposite direction's file (aa_bb.tdl -> bb_aa.udr)
  // read reversed, else name.udr, created empty.  A file that cannot be read
  // gives an empty dictionary.
  explicit UserDictionary(const WideString& listPath);

  // Appends to the request's translation list the translation of every pair
  // whose word equals `word` under folding.  0 found, 1 not found, 2 the list
  // filled up (what fitted stays).
  int search(const char* word, TRANSLATE& request) const;

  // Adds a pair: reloads the file, inserts the pair and writes the file anew,
  // holding it exclusively throughout, so that pairs other processes saved
  // meanwhile are kept.  1 when the pair is in the file (added now or
  // before); 0 when it could not be added, with the file unchanged.
  int add(const char* word, const char* translation);

  int pairCount() const { return static_cast<int>(pairs_.size()); }
  const WideString& filePath() const { return filePath_; }
  bool reversed() const { return reversed_; }

 private:
  struct Pair {
    uint32_t word;         // offsets into text_
    uint32_t translation;
  };

  // Replaces the pairs by those of the held file; false when it cannot be read.
  bool loadFrom(File& file);
  void parse();
  void enter(uint32_t word, uint32_t translation);
  size_t insertionPosition(const char* word) const;
  int locate(const char* word) const;
  bool isDuplicate(const char* word, const char* translation) const;
  std::string serialize() const;
  const char* wordOf(const Pair& p) const { return text_.data() + p.word; }
  const char* translationOf(const Pair& p) const { return text_.data() + p.translation; }

  WideString filePath_;
  bool reversed_ = false;
  std::vector<Pair> pairs_;
  std::vector<char> text_;  // zero-terminated words and translations
};

}  // namespace lexcore

#endif  // LEXCORE_TRANSLATOR_USER_DICTIONARY_H
