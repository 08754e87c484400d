#include "word_pairs.h"

#include "diagnostics.h"
#include "dictionary_text.h"
#include "text_lines.h"

namespace lexmake {
namespace {

std::string trimBlanks(const std::string& s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool isSkipped(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos || line[0] == '#'; }

// One field of a pair line; false with an error when it is empty or cannot
// be represented.
bool readField(const std::string& raw, const char* what, const std::string& where, std::string* text,
               Diagnostics* diagnostics) {
  const std::string utf8 = trimBlanks(raw);
  if (utf8.empty()) {
    diagnostics->error(where, std::string("empty ") + what);
    return false;
  }
  std::string problem;
  if (!toDictionaryText(utf8, text, &problem)) {
    diagnostics->error(where, std::string(what) + " " + quotedUtf8(utf8) + ": " + problem);
    return false;
  }
  return true;
}

}  // namespace

void readWordPairs(const std::string& content, uint16_t file, Side headSide, PairList* pairs,
                   Diagnostics* diagnostics, Progress* progress) {
  const std::vector<TextLine> lines = splitLines(content);
  progress->start("reading " + pairs->files[file], lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i % 4096 == 0) progress->update(i);
    const TextLine& line = lines[i];
    if (isSkipped(line.text)) continue;
    const std::string where = location(pairs->files[file], line.number);
    const size_t tab = line.text.find('\t');
    if (tab == std::string::npos) {
      diagnostics->error(where, "expected word<TAB>translation, found no tab");
      continue;
    }
    if (line.text.find('\t', tab + 1) != std::string::npos) {
      diagnostics->error(where, "expected word<TAB>translation, found more than one tab");
      continue;
    }
    std::string head, translation;
    const bool headOk = readField(line.text.substr(0, tab), "word", where, &head, diagnostics);
    const bool translationOk = readField(line.text.substr(tab + 1), "translation", where, &translation, diagnostics);
    if (headOk && translationOk) pairs->add(head, translation, headSide, file, static_cast<uint32_t>(line.number));
  }
  progress->finish();
}

}  // namespace lexmake
