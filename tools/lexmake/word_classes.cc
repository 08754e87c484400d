#include "word_classes.h"

#include <algorithm>

#include "dictionary_text.h"
#include "term_cleaning.h"
#include "text_lines.h"
#include "translation_ranking.h"

namespace lexmake {

namespace {

// The marks of a grammar mark, without blanks ("fem", "n", "sg").
std::vector<std::string> marksOf(const std::string& grammar) {
  std::vector<std::string> marks = splitOutsideBrackets(grammar, ',');
  for (std::string& mark : marks) {
    mark.erase(0, mark.find_first_not_of(' '));
    mark.erase(mark.find_last_not_of(' ') + 1);
  }
  return marks;
}

}  // namespace

WordClass wordClassOfGrammar(const std::string& grammar) {
  for (const std::string& mark : marksOf(grammar)) {
    if (mark == "v") return WordClass::Verb;
    if (mark == "adj") return WordClass::Adjective;
    if (mark == "adv") return WordClass::Adverb;
    if (mark == "n" || mark == "masc" || mark == "fem" || mark == "neut") return WordClass::Noun;
  }
  return WordClass::Unknown;
}

bool namesPlural(const std::string& grammar) {
  const std::vector<std::string> marks = marksOf(grammar);
  return std::find(marks.begin(), marks.end(), "pl") != marks.end() &&
         std::find(marks.begin(), marks.end(), "sg") == marks.end();
}

bool WordClassCounts::add(const std::string& content, const std::string& path, Diagnostics* diagnostics) {
  bool ok = true;
  for (const TextLine& line : splitLines(content)) {
    if (line.text.empty()) continue;
    // word%class:lexfile:id:head:headid number count
    const size_t percent = line.text.find('%');
    const size_t blank = line.text.rfind(' ');
    const std::string count = blank == std::string::npos ? "" : line.text.substr(blank + 1);
    const char wordClass = percent == std::string::npos ? '\0' : line.text[percent + 1];
    if (percent == 0 || blank == std::string::npos || blank < percent || wordClass < '1' || wordClass > '5' ||
        count.empty() || count.size() > 9 || count.find_first_not_of("0123456789") != std::string::npos) {
      diagnostics->error(location(path, line.number), "expected \"word%class:... number count\"");
      ok = false;
      continue;
    }
    std::string word = line.text.substr(0, percent);
    std::replace(word.begin(), word.end(), '_', ' ');
    std::string text, problem;
    if (!toDictionaryText(word, &text, &problem)) continue;  // a word no data file could hold
    static const int kIndex[] = {0, 1, 2, 3, 2};  // noun, verb, adjective, adverb, adjective satellite
    uint32_t& total = counts_[foldedText(text)][kIndex[wordClass - '1']];
    total = std::min<uint32_t>(total + static_cast<uint32_t>(std::stoul(count)), kMaxWordClassCount);
  }
  return ok;
}

int WordClassCounts::penalty(const std::string& word, WordClass wordClass) const {
  if (wordClass == WordClass::Unknown || counts_.empty()) return 0;
  const auto it = counts_.find(foldedText(word));
  if (it == counts_.end()) return 0;
  const auto& counts = it->second;
  return wordClassPenalty(counts[static_cast<size_t>(wordClass)], *std::max_element(counts.begin(), counts.end()));
}

}  // namespace lexmake
