#include "word_tables.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "diagnostics.h"
#include "dictionary_text.h"
#include "text_lines.h"

namespace lexmake {
namespace {

constexpr size_t kMaxGroups = 255;
constexpr size_t kMaxGroupBytes = 255;  // length byte, strings and their terminators
// A word of this length should get through the whole variant table.
constexpr size_t kTypicalWordLength = 10;

const char* const kEmptyItem = "\"\"";

// The items of a line up to a comment.
std::vector<std::string> splitItems(const std::string& line) {
  std::vector<std::string> items;
  std::istringstream in(line);
  std::string item;
  while (in >> item) {
    if (item[0] == '#') break;
    items.push_back(item);
  }
  return items;
}

class TableLineParser {
 public:
  TableLineParser(const std::string& where, Diagnostics* diagnostics) : where_(where), diagnostics_(diagnostics) {}

  // Converts the items to dictionary text; false after an error.
  bool convert(const std::vector<std::string>& items, std::vector<std::string>* strings) {
    for (const std::string& item : items) {
      if (item == kEmptyItem) {
        strings->emplace_back();
        continue;
      }
      if (item.find('"') != std::string::npos)
        return fail(quotedUtf8(item) + ": quotes stand only in \"\", the empty string");
      std::string text, problem;
      if (!toDictionaryText(item, &text, &problem)) return fail(quotedUtf8(item) + ": " + problem);
      strings->push_back(text);
    }
    return true;
  }

  // Checks one group against the record format's limits.
  bool checkGroup(const std::vector<std::string>& group) {
    for (size_t i = 0; i < group.size(); ++i) {
      if (std::find(group.begin(), group.begin() + i, group[i]) != group.begin() + i)
        return fail(quoted(group[i]) + " stands twice in the line");
    }
    size_t bytes = 1;
    for (const std::string& s : group) bytes += s.size() + 1;
    if (bytes > kMaxGroupBytes) return fail("the line's strings take more than 254 bytes");
    return true;
  }

  bool fail(const std::string& message) {
    diagnostics_->error(where_, message);
    return false;
  }

 private:
  std::string where_;
  Diagnostics* diagnostics_;
};

bool parseEnding(const std::vector<std::string>& items, TableLineParser& parser, lexcore::StringGroups* endings) {
  if (items.size() < 4 || items[2] != "<-") return parser.fail("expected: ending BASE <- ENDING...");
  std::vector<std::string> source(items.begin() + 1, items.end());
  source.erase(source.begin() + 1);  // the arrow
  std::vector<std::string> group;
  // checkGroup also refuses an ending equal to its base, which would only
  // try the word itself again.
  if (!parser.convert(source, &group) || !parser.checkGroup(group)) return false;
  endings->push_back(std::move(group));
  return true;
}

bool parseVariant(const std::vector<std::string>& items, TableLineParser& parser, lexcore::StringGroups* variants) {
  if (items.size() < 3) return parser.fail("expected: variant TEXT TEXT...");
  std::vector<std::string> group;
  if (!parser.convert(std::vector<std::string>(items.begin() + 1, items.end()), &group) || !parser.checkGroup(group))
    return false;
  variants->push_back(std::move(group));
  return true;
}

}  // namespace

bool parseLanguageTables(const std::string& content, const std::string& fileName, LanguageTables* tables,
                         Diagnostics* diagnostics) {
  const size_t errorsBefore = diagnostics->errors.size();
  for (const TextLine& line : splitLines(content)) {
    const std::vector<std::string> items = splitItems(line.text);
    if (items.empty()) continue;
    TableLineParser parser(location(fileName, line.number), diagnostics);
    if (items[0] == "ending") {
      if (tables->endings.size() == kMaxGroups) {
        parser.fail("more than 255 ending lines");
        continue;
      }
      parseEnding(items, parser, &tables->endings);
    } else if (items[0] == "variant") {
      if (tables->variants.size() == kMaxGroups) {
        parser.fail("more than 255 variant lines");
        continue;
      }
      parseVariant(items, parser, &tables->variants);
    } else {
      parser.fail("unknown line " + quotedUtf8(items[0]) + "; expected \"ending\" or \"variant\"");
    }
  }
  const size_t steps = variantSteps(tables->variants, kTypicalWordLength);
  if (steps > kVariantStepBudget) {
    diagnostics->warning(fileName, "the variant lines take " + std::to_string(steps) + " steps for a " +
                                       std::to_string(kTypicalWordLength) +
                                       "-letter word; spell checking stops after " +
                                       std::to_string(kVariantStepBudget) + ", so the last lines are not reached");
  }
  return diagnostics->errors.size() == errorsBefore;
}

size_t variantSteps(const lexcore::StringGroups& variants, size_t wordLength) {
  size_t steps = 0;
  for (const auto& group : variants) {
    for (const std::string& s : group) {
      steps += 1;
      if (s.size() <= wordLength) steps += wordLength - s.size() + 1;
    }
  }
  return steps;
}

}  // namespace lexmake
