#include "ding_file.h"

#include "text_lines.h"

namespace lexmake {
namespace {

const char* const kSidesSeparator = " :: ";

bool isSkipped(const std::string& line) { return line.find_first_not_of(" \t") == std::string::npos || line[0] == '#'; }

bool hasVerbMark(const std::string& part) {
  for (const char* mark : {"{v}", "{vi}", "{vt}", "{vr}", "{vti}", "{vtr}"}) {
    if (part.find(mark) != std::string::npos) return true;
  }
  return false;
}

std::vector<std::string> cleanTerms(const std::string& part, bool isVerb, TermDrops* drops) {
  std::vector<std::string> terms;
  for (const std::string& raw : splitOutsideBrackets(part, ';')) cleanTerm(raw, isVerb, &terms, drops);
  return terms;
}

}  // namespace

bool looksLikeDing(const std::string& content) {
  for (const TextLine& line : splitLines(content.substr(0, 64 * 1024))) {
    if (!isSkipped(line.text)) return line.text.find(kSidesSeparator) != std::string::npos;
  }
  return false;
}

void readDing(const std::string& content, uint16_t file, Side leftSide, PairList* pairs, TermDrops* drops,
              Diagnostics* diagnostics, Progress* progress) {
  const std::vector<TextLine> lines = splitLines(content);
  progress->start("reading " + pairs->files[file], lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i % 4096 == 0) progress->update(i);
    const TextLine& line = lines[i];
    if (isSkipped(line.text)) continue;
    const size_t separator = line.text.find(kSidesSeparator);
    if (separator == std::string::npos) {
      diagnostics->error(location(pairs->files[file], line.number), "expected \"LEFT :: RIGHT\", found no \" :: \"");
      continue;
    }
    std::vector<std::string> left = splitOutsideBrackets(line.text.substr(0, separator), '|');
    std::vector<std::string> right =
        splitOutsideBrackets(line.text.substr(separator + std::char_traits<char>::length(kSidesSeparator)), '|');
    const size_t parts = left.size() == right.size() ? left.size() : 1;
    for (size_t p = 0; p < parts; ++p) {
      const bool isVerb = hasVerbMark(left[p]) || hasVerbMark(right[p]);
      const std::vector<std::string> heads = cleanTerms(left[p], isVerb, drops);
      const std::vector<std::string> translations = cleanTerms(right[p], isVerb, drops);
      for (const std::string& head : heads) {
        for (const std::string& translation : translations)
          pairs->add(head, translation, leftSide, file, static_cast<uint32_t>(line.number));
      }
    }
  }
  progress->finish();
}

}  // namespace lexmake
