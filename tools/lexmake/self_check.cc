#include "self_check.h"

#include "datafile/dictionary_file.h"
#include "dictionary_text.h"
#include "pair_files.h"
#include "platform/charset.h"
#include "translator/lexcore.h"
#include "translator/list_file.h"
#include "translator_client.h"

namespace lexmake {
namespace {

// Problems reported per direction; the rest are only counted.
constexpr size_t kMaxProblems = 10;
// Every word's translations are read the way a lookup reads them; one word
// in this many, and the last, also goes through TD_Translate, the whole
// public path, which opens the three files anew for each word.
constexpr size_t kTranslateEvery = 64;
// Room for 15 translations of up to 127 bytes and their terminators.
constexpr int16_t kTranslationArea = 2048;
constexpr int16_t kSuggestionArea = 256;
// Wide buffers for file and language names, terminator included.
constexpr int16_t kNameCapacity = 64;

lexcore::WideString widePath(const std::string& utf8) {
  std::u16string units;
  lexcore::utf8ToUtf16(utf8, &units);
  return lexcore::WideString(units.begin(), units.end());
}

// Dictionary text as the engine widens it.
lexcore::WideString widen(const std::string& text) {
  lexcore::WideString wide;
  for (const char c : text) wide.push_back(static_cast<TD_WCHAR>(lexcore::widenByte(static_cast<uint8_t>(c))));
  return wide;
}

// Wide text from the engine as UTF-8.
std::string utf8(const lexcore::WideString& wide) {
  return lexcore::utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

// One translation direction: its list file and its primary and secondary
// data files.
class DirectionCheck {
 public:
  DirectionCheck(const CompiledPair& pair, bool fromA, const std::string& folder, std::vector<std::string>* problems)
      : primary_(fromA ? pair.a : pair.b),
        secondary_(fromA ? pair.b : pair.a),
        primaryWords_(fromA ? pair.wordsA : pair.wordsB),
        secondaryWords_(fromA ? pair.wordsB : pair.wordsA),
        links_(fromA ? pair.aToB : pair.bToA),
        listName_(listFileName(primary_, secondary_)),
        primaryName_(dataFileName(pair, primary_)),
        secondaryName_(dataFileName(pair, secondary_)),
        listPath_(widePath(joinPath(folder, listName_))),
        primaryPath_(widePath(joinPath(folder, primaryName_))),
        secondaryPath_(widePath(joinPath(folder, secondaryName_))),
        problems_(problems) {}

  void run() {
    checkNames();
    checkEntries();
    checkLinks();
    checkTranslations();
    if (found_ > kMaxProblems) {
      problems_->push_back(listName_ + ": " + std::to_string(found_ - kMaxProblems) + " more problems");
    }
  }

 private:
  void problem(const std::string& message) {
    if (++found_ <= kMaxProblems) problems_->push_back(listName_ + ": " + message);
  }

  // The list file names its data files, and each data file its language.
  void checkNames() {
    TD_WCHAR first[kNameCapacity];
    TD_WCHAR second[kNameCapacity];
    if (TD_TransGetTDDFiles(listPath_.c_str(), first, second, kNameCapacity) != TD_OK) {
      problem("not readable as a list file");
    } else if (first != widen(primaryName_) || second != widen(secondaryName_)) {
      problem("names the wrong data files");
    }
    checkLanguageName(primaryPath_, primaryName_, primary_);
    checkLanguageName(secondaryPath_, secondaryName_, secondary_);
  }

  void checkLanguageName(const lexcore::WideString& path, const std::string& fileName, const Language& language) {
    TD_WCHAR name[kNameCapacity];
    if (TD_TransGetTDDLanguage(path.c_str(), name, kNameCapacity) != TD_OK || name != widen(language.name))
      problem(fileName + " does not name its language " + quoted(language.name));
  }

  // Every primary entry decodes to its word, and its word finds it; the
  // ending and variant tables read back as written.
  void checkEntries() {
    lexcore::DictionaryFile file(primaryPath_.c_str());
    if (!file.isOpen()) return problem(primaryName_ + " does not load: " + file.reason());
    if (file.entryCount() != primaryWords_.size()) return problem(primaryName_ + " holds the wrong number of entries");
    if (file.languageId() != primary_.id) problem(primaryName_ + " has the wrong language id");
    checkTable(file.endingTable(), primary_.tables.endings, "ending");
    checkTable(file.variantTable(), primary_.tables.variants, "variant");
    // One open file for all the lookups, instead of one per block read.
    lexcore::File held = lexcore::File::open(primaryPath_.c_str(), lexcore::OpenMode::Read);
    file.beginSession(&held);
    for (size_t i = 0; i < primaryWords_.size(); ++i) {
      char text[lexcore::kWordBufferSize];
      const int32_t index = static_cast<int32_t>(i);
      if (!file.decodeEntry(index, text) || primaryWords_[i] != text)
        problem("entry " + std::to_string(i) + " does not decode to " + quoted(primaryWords_[i]));
      if (file.findExact(primaryWords_[i].c_str()) != index) problem(quoted(primaryWords_[i]) + " is not found");
    }
    file.endSession();
  }

  void checkTable(const lexcore::WordTable& table, const lexcore::StringGroups& written, const char* what) {
    if (table.present != !written.empty() || table.groups != written)
      problem(primaryName_ + ": the " + what + " table does not read back as written");
  }

  // Every primary word's translation indexes come out of the list file as
  // written, and each decodes to its word in the secondary file.
  void checkLinks() {
    lexcore::File list = lexcore::File::open(listPath_.c_str(), lexcore::OpenMode::Read);
    uint8_t header[lexcore::kListHeaderSize];
    int64_t size = 0;
    std::string reason;
    if (lexcore::loadListFile(list, header, &size, &reason) != TD_OK)
      return problem("not readable as a list file: " + reason);
    const uint32_t covered = lexcore::listEntryCount(header);
    if (covered != primaryWords_.size()) return problem("covers the wrong number of entries");
    lexcore::DictionaryFile secondary(secondaryPath_.c_str());
    if (!secondary.isOpen()) return problem(secondaryName_ + " does not load: " + secondary.reason());
    lexcore::File held = lexcore::File::open(secondaryPath_.c_str(), lexcore::OpenMode::Read);
    secondary.beginSession(&held);
    std::vector<uint16_t> indexes;
    for (uint32_t i = 0; i < covered; ++i) {
      bool ok = lexcore::readTranslationIndexes(list, covered, i, true, &indexes) && indexes == links_[i];
      for (size_t j = 0; ok && j < indexes.size(); ++j) {
        char text[lexcore::kWordBufferSize];
        ok = secondary.decodeEntry(indexes[j], text) && secondaryWords_[indexes[j]] == text;
      }
      if (!ok) problem(quoted(primaryWords_[i]) + " does not translate as written");
    }
    secondary.endSession();
  }

  // Words translate through TD_Translate to their translations in order.
  void checkTranslations() {
    vocaro::Translator translator;
    const vocaro::OpenOutcome opened = translator.open(listPath_);
    if (opened.failedStep == vocaro::OpenStep::kList) return problem("TD_TransOpen fails");
    if (!opened.ok()) return problem("a data file does not open: " + utf8(opened.reason));
    checkLanguage(translator.get(), 0, primary_);
    checkLanguage(translator.get(), 1, secondary_);
    const bool endings = TD_TransExtensionSupported(translator.get(), TD_EXT_ENDINGS) != 0;
    const bool variants = TD_TransExtensionSupported(translator.get(), TD_EXT_VARIANTS) != 0;
    if (endings == primary_.tables.endings.empty() || variants == primary_.tables.variants.empty())
      problem("the engine reports the wrong extensions");
    translator.setOptions(0);
    for (size_t i = 0; i < primaryWords_.size(); ++i) {
      if (i % kTranslateEvery == 0 || i + 1 == primaryWords_.size()) checkWord(translator, i);
    }
  }

  void checkLanguage(TD_HANDLE handle, int16_t which, const Language& expected) {
    LANGSTRUCT language;
    if (TD_TransGetLanguage(handle, &language, which) != TD_OK || language.languageId != expected.id ||
        expected.name != language.languageName)
      problem("the engine reports the wrong language for " + quoted(expected.name));
  }

  void checkWord(const vocaro::Translator& translator, size_t i) {
    const vocaro::Translation translation =
        translator.translate(primaryWords_[i], kTranslationArea, kSuggestionArea);
    const std::vector<uint16_t>& expected = links_[i];
    bool ok = translation.result == TD_OK && translation.status == TD_FOUND &&
              translation.translations.size() == expected.size();
    for (size_t j = 0; ok && j < expected.size(); ++j) ok = secondaryWords_[expected[j]] == translation.translations[j];
    if (!ok) {
      const std::string reason =
          translation.result == TD_OK ? std::string() : ": " + utf8(vocaro::failureReason(translator.get()));
      problem(quoted(primaryWords_[i]) + " does not translate as written through TD_Translate" + reason);
    }
  }

  const Language& primary_;
  const Language& secondary_;
  const std::vector<std::string>& primaryWords_;
  const std::vector<std::string>& secondaryWords_;
  const std::vector<std::vector<uint16_t>>& links_;
  const std::string listName_;
  const std::string primaryName_;
  const std::string secondaryName_;
  const lexcore::WideString listPath_;
  const lexcore::WideString primaryPath_;
  const lexcore::WideString secondaryPath_;
  std::vector<std::string>* problems_;
  size_t found_ = 0;
};

}  // namespace

bool selfCheck(const CompiledPair& pair, const std::string& folder, std::vector<std::string>* problems) {
  const size_t before = problems->size();
  DirectionCheck(pair, true, folder, problems).run();
  DirectionCheck(pair, false, folder, problems).run();
  return problems->size() == before;
}

}  // namespace lexmake
