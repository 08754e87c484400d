#include "language_file.h"

#include "code_table.h"
#include "datafile/format.h"

namespace lexmake {

bool layOutLanguageFile(const std::vector<std::string>& words, const Language& language,
                        lexcore::DataFileLayout* layout, std::vector<std::string>* unencodable, std::string* error) {
  unencodable->clear();
  error->clear();
  const std::vector<lexcore::BlockPlan> plan = lexcore::planBlocks(words, kEntriesPerBlock);
  std::vector<std::string> suffixes;
  suffixes.reserve(words.size());
  size_t next = 0;
  for (const lexcore::BlockPlan& block : plan) {
    for (size_t i = 0; i < block.count; ++i, ++next) suffixes.push_back(words[next].substr(block.key.size()));
  }
  std::vector<size_t> failed;
  const CodeTable codes = chooseCodeTable(words, suffixes, &failed);
  if (!failed.empty()) {
    for (const size_t i : failed) unencodable->push_back(words[i]);
    return false;
  }
  *layout = lexcore::DataFileLayout();
  layout->languageId = language.id;
  layout->languageName = language.name;
  if (!lexcore::buildDataFile(words, codes, plan, layout, error)) return false;
  lexcore::OptionalRecord record;
  if (!language.tables.endings.empty()) {
    if (!lexcore::makeTableRecord(lexcore::kRecordEndings, language.tables.endings, &record)) {
      *error = "the ending table does not fit its record";
      return false;
    }
    layout->records.push_back(record);
  }
  if (!language.tables.variants.empty()) {
    if (!lexcore::makeTableRecord(lexcore::kRecordVariants, language.tables.variants, &record)) {
      *error = "the variant table does not fit its record";
      return false;
    }
    layout->records.push_back(record);
  }
  return true;
}

}  // namespace lexmake
