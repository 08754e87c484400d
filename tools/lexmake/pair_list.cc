#include "pair_list.h"

#include <algorithm>

#include "diagnostics.h"
#include "dictionary_text.h"
#include "term_cleaning.h"

namespace lexmake {

uint32_t Vocabulary::add(const std::string& word) {
  const auto inserted = ids_.emplace(word, static_cast<uint32_t>(words_.size()));
  if (inserted.second) words_.push_back(&inserted.first->first);
  return inserted.first->second;
}

uint32_t Vocabulary::find(const std::string& word) const {
  const auto it = ids_.find(word);
  return it == ids_.end() ? kAbsent : it->second;
}

uint16_t PairList::addFile(const std::string& name) {
  files.push_back(name);
  return static_cast<uint16_t>(files.size() - 1);
}

void PairList::add(const std::string& head, const std::string& translation, Side headSide, uint16_t file,
                   uint32_t line, int sense, bool pluralHead) {
  SourcePair pair;
  const bool headIsA = headSide == Side::A;
  pair.a = a.add(headIsA ? head : translation);
  pair.b = b.add(headIsA ? translation : head);
  pair.line = line;
  pair.file = file;
  pair.head = headSide;
  pair.sense = static_cast<int16_t>(std::max(INT16_MIN + 1, std::min(INT16_MAX + 0, sense)));
  pair.pluralHead = pluralHead;
  pairs.push_back(pair);
}

void PairList::addForm(const std::string& form, const std::string& lemma, Side side) {
  WordForm entry;
  entry.form = words(side).add(form);
  entry.lemma = words(side).add(lemma);
  entry.side = side;
  if (entry.form != entry.lemma) forms.push_back(entry);
}

void PairList::countUsage(const std::string& sentence, Side side) {
  UsageCounts& counts = side == Side::A ? usageA : usageB;
  std::string text, problem;
  for (const std::string& word : wordsOfText(sentence)) {
    if (toDictionaryText(word, &text, &problem)) ++counts[text];
  }
}

std::string PairList::where(const SourcePair& pair) const {
  return location(pair.file < files.size() ? files[pair.file] : std::string("input"), pair.line);
}

}  // namespace lexmake
