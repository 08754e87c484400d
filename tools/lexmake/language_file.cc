#include "language_file.h"

#include <algorithm>

#include "code_table.h"
#include "datafile/format.h"
#include "datafile/code_parser.h"

namespace lexmake {
namespace {

// Rounds of choosing the partition for the codes and the codes for the
// partition: from codes for the whole words, and from an earlier table.
constexpr int kFreshRounds = 2;
constexpr int kFollowingRounds = 1;

// For every word, the fewest codes that spell its text after each possible
// key length.
std::vector<lexcore::SuffixCodes> suffixCodes(const std::vector<std::string>& words, const CodeTable& codes) {
  const lexcore::CodeParser parser(codes);
  std::vector<lexcore::SuffixCodes> result(words.size());
  std::vector<uint8_t> fewest;
  for (size_t t = 0; t < words.size(); ++t) {
    parser.fewestCodes(words[t], &fewest);
    for (size_t key = 0; key < 16; ++key) result[t].codes[key] = key < fewest.size() ? fewest[key] : 0;
  }
  return result;
}

std::vector<std::string> suffixesOf(const std::vector<std::string>& words, const std::vector<lexcore::BlockPlan>& plan) {
  std::vector<std::string> suffixes;
  suffixes.reserve(words.size());
  size_t next = 0;
  for (const lexcore::BlockPlan& block : plan) {
    for (size_t i = 0; i < block.count; ++i, ++next) suffixes.push_back(words[next].substr(block.key.size()));
  }
  return suffixes;
}

bool addTable(uint8_t type, const lexcore::StringGroups& groups, const char* what, lexcore::DataFileLayout* layout,
              std::string* error) {
  if (groups.empty()) return true;
  lexcore::OptionalRecord record;
  if (!lexcore::makeTableRecord(type, groups, &record)) {
    *error = std::string("the ") + what + " table does not fit its record";
    return false;
  }
  layout->records.push_back(record);
  return true;
}

}  // namespace

bool layOutLanguageFile(const std::vector<std::string>& words, const Language& language, bool keepEveryWord,
                        lexcore::DataFileLayout* layout, std::vector<size_t>* unencodable, std::string* error,
                        CodeTable* codes, Progress* progress) {
  unencodable->clear();
  error->clear();
  const bool fresh = std::all_of(codes->begin(), codes->end(), [](const std::string& c) { return c.empty(); });
  const int rounds = fresh ? kFreshRounds : kFollowingRounds;
  progress->start("compressing the " + language.code + " words", 2 * rounds + 1);
  std::vector<size_t> failed;
  if (fresh) *codes = chooseCodeTable(words, words, &failed, false);
  std::vector<lexcore::BlockPlan> plan;
  for (int round = 0;; ++round) {
    progress->update(2 * round + 1);
    plan = lexcore::partitionBlocks(words, suffixCodes(words, *codes), kEntriesPerBlock);
    if (plan.empty()) {
      *error = "the words cannot be split into blocks of at most 65535 bytes";
      return false;
    }
    if (round == rounds) break;
    progress->update(2 * round + 2);
    // Only the last table needs every text to fit.
    *codes = chooseCodeTable(words, suffixesOf(words, plan), &failed, keepEveryWord && round + 1 == rounds);
  }
  progress->finish();
  const lexcore::CodeParser parser(*codes);
  std::vector<uint8_t> fewest;
  size_t next = 0;
  for (const lexcore::BlockPlan& block : plan) {
    for (size_t i = 0; i < block.count; ++i, ++next) {
      parser.fewestCodes(words[next], &fewest);
      if (fewest[block.key.size()] > lexcore::kMaxNibble) unencodable->push_back(next);
    }
  }
  if (!unencodable->empty()) return false;

  *layout = lexcore::DataFileLayout();
  layout->languageId = language.id;
  layout->languageName = language.name;
  return lexcore::buildDataFile(words, *codes, plan, layout, error) &&
         addTable(lexcore::kRecordEndings, language.tables.endings, "ending", layout, error) &&
         addTable(lexcore::kRecordVariants, language.tables.variants, "variant", layout, error);
}

}  // namespace lexmake
