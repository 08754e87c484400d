// Translation of one word: the user dictionary first, then the primary data
// file through the list file; when nothing is found, other word forms (the
// ending table) and other spellings (the variant table) are tried as
// candidates, and a phrase falls back to its first word.
#include <cstring>
#include <string>

#include "platform/charset.h"
#include "platform/coding.h"
#include "translator/result_list.h"
#include "translator/translator.h"

namespace lexcore {
namespace {

// The variant pass stops once it has taken this many steps.
constexpr int kVariantStepBudget = 2000;

// Holds the three files of one translation open, and the data files' last
// blocks read, so that the many lookups of one call open each file once.
// Nothing stays open or cached after the call.  Two roles that name the same
// data file share one open file.  The first read that fails is recorded as
// the translation's failure.
class FileSession {
 public:
  explicit FileSession(Translator& t) : t_(t) {
    primaryFile_ = File::open(t_.primary->path().c_str(), OpenMode::Read);
    const bool shared = t_.secondary->path() == t_.primary->path();
    if (!shared) secondaryFile_ = File::open(t_.secondary->path().c_str(), OpenMode::Read);
    t_.primary->beginSession(&primaryFile_);
    t_.secondary->beginSession(shared ? &primaryFile_ : &secondaryFile_);
  }
  ~FileSession() {
    t_.primary->endSession();
    t_.secondary->endSession();
  }
  FileSession(const FileSession&) = delete;
  FileSession& operator=(const FileSession&) = delete;

  // The list file, opened on first use; null, with the failure recorded,
  // when it cannot be opened or its size is no longer the size it had when
  // the translator was opened (another program cut or replaced it).
  File* listFile() {
    if (!listOpened_) {
      listOpened_ = true;
      list_ = File::open(t_.listPath.c_str(), OpenMode::Read);
      const int64_t size = list_.size();
      if (!list_.isOpen()) {
        fail(t_.listPath, "the file cannot be opened any more (gone, no permission, or another program holds it)");
      } else if (size != t_.listSize) {
        fail(t_.listPath, "the file has " + (size < 0 ? std::string("an unknown number of") : groupedNumber(size)) +
                              " bytes now but had " + groupedNumber(t_.listSize) +
                              " when the dictionary was opened: another program changed it");
      }
    }
    return failed() ? nullptr : &list_;
  }

  // True, with the failure recorded, when a read of a data file failed.
  bool dataFailed() {
    for (const DictionaryFile* file : {t_.primary.get(), t_.secondary.get()}) {
      if (file->readFailed()) fail(file->path(), file->reason());
    }
    return failed();
  }

  void fail(const WideString& path, const std::string& what) {
    if (failure_.empty()) failure_ = pathText(path) + ": " + what;
  }
  bool failed() const { return !failure_.empty(); }
  const std::string& failure() const { return failure_; }

 private:
  Translator& t_;
  File primaryFile_;
  File secondaryFile_;
  File list_;
  bool listOpened_ = false;
  std::string failure_;
};

class Lookup {
 public:
  Lookup(Translator& t, TRANSLATE& r, FileSession& files) : t_(t), r_(r), files_(files) {}

  // Translation steps 4 to 10 for `word`; a phrase falls back to its first
  // word when `allowFallback` is set.
  int32_t run(const char* word, bool allowFallback);

 private:
  int32_t lookUpEntry(const char* word, bool withTranslations);
  bool fitsSuggestions(const std::string& candidate) const;
  bool tryCandidate(const std::string& candidate);
  bool isSuggested(const std::string& candidate) const;
  void endingPass(const std::string& word);
  void variantPass(const std::string& word);
  int32_t phraseFallback(const std::string& word);
  int32_t failure();

  Translator& t_;
  TRANSLATE& r_;
  FileSession& files_;
  bool withTranslations_ = true;
};

// A read failed: the lookup cannot answer.
int32_t Lookup::failure() {
  r_.status = TD_FAILED;
  return TD_ERR_FILE;
}

// Looks `word` up in the primary file and, when asked, appends the
// translations of every match.  Returns TD_OK or TD_ERR_FILE; sets status.
// A read that fails is a failure, never "not found".
int32_t Lookup::lookUpEntry(const char* word, bool withTranslations) {
  r_.status = TD_NOT_FOUND;
  const bool folded = (t_.options & TD_OPT_CASE_INSENSITIVE) != 0;
  const uint32_t covered = listEntryCount(t_.header);
  std::vector<uint16_t> indexes;
  int32_t match = kNoEntry;
  for (;;) {
    match = folded ? t_.primary->findNextFolded(word, match) : t_.primary->findExact(word);
    if (files_.dataFailed()) return failure();
    if (match == kNoEntry) return TD_OK;
    File* list = files_.listFile();
    if (list == nullptr) return failure();
    if (!readTranslationIndexes(*list, covered, static_cast<uint32_t>(match), withTranslations, &indexes)) {
      files_.fail(t_.listPath, "the translations of entry " + std::to_string(match) + " cannot be read");
      return failure();
    }
    if (!withTranslations || indexes.empty()) {
      r_.status = indexes.empty() ? TD_NOT_FOUND : TD_FOUND;
      return TD_OK;
    }
    for (const uint16_t index : indexes) {
      char text[kWordBufferSize];
      // An index that names no secondary entry is skipped.
      if (!t_.secondary->decodeEntry(index, text)) {
        if (files_.dataFailed()) return failure();
        continue;
      }
      if (!appendTranslation(r_, text)) {
        r_.status = TD_LIST_FULL;
        break;
      }
      r_.status = TD_FOUND;
    }
    if (!folded) return TD_OK;
  }
}

bool Lookup::isSuggested(const std::string& candidate) const {
  const char* s = r_.suggestList;
  for (int i = 0; i < r_.suggestCount; ++i) {
    if (candidate == s) return true;
    s += std::strlen(s) + 1;
  }
  return false;
}

// True when `candidate` would fit the room left in the suggestion list.
bool Lookup::fitsSuggestions(const std::string& candidate) const {
  return r_.suggestList != nullptr && r_.suggestSize - r_.suggestUsed >= static_cast<int>(candidate.size()) + 1;
}

// A candidate counts as found when its lookup found it or appended a
// translation; a found candidate becomes a suggestion.  A candidate that is
// too long for a dictionary entry, or for the room left in the suggestion
// list, is not tried.
bool Lookup::tryCandidate(const std::string& candidate) {
  if (candidate.size() > kMaxWordLength || isSuggested(candidate)) return false;
  if (!fitsSuggestions(candidate)) return false;
  const int16_t before = r_.transCount;
  if (lookUpEntry(candidate.c_str(), withTranslations_) != TD_OK) return false;
  if (r_.status != TD_FOUND && r_.transCount == before) return false;
  if (withTranslations_ && r_.transCount > 0) withTranslations_ = false;
  appendSuggestion(r_, candidate.c_str());
  r_.status = TD_SUGGESTED;
  return true;
}

// Smart search: a word that ends with an ending of a group is tried with that
// ending replaced by the group's base ending.
void Lookup::endingPass(const std::string& word) {
  for (const auto& group : t_.primary->endingTable().groups) {
    if (files_.failed()) return;
    if (group.size() < 2) continue;
    const std::string& base = group[0];
    for (size_t e = 1; e < group.size(); ++e) {
      const std::string& ending = group[e];
      if (ending.size() >= word.size() || word.compare(word.size() - ending.size(), ending.size(), ending) != 0)
        continue;
      if (tryCandidate(word.substr(0, word.size() - ending.size()) + base)) break;
    }
  }
}

// Spell checking: every string of a variant group found in the word is
// replaced in turn by every other string of its group.  The pass ends once
// its step budget is spent.
void Lookup::variantPass(const std::string& word) {
  int steps = 0;
  const auto step = [&] { return steps++ <= kVariantStepBudget && !files_.failed(); };
  for (const auto& group : t_.primary->variantTable().groups) {
    for (size_t s = 0; s < group.size(); ++s) {
      if (!step()) return;
      const std::string& from = group[s];
      if (from.size() > word.size()) continue;
      for (size_t i = 0; i + from.size() <= word.size(); ++i) {
        if (!step()) return;
        if (word.compare(i, from.size(), from) != 0) continue;
        for (size_t r = 0; r < group.size(); ++r) {
          if (!step()) return;
          if (r == s) continue;
          tryCandidate(word.substr(0, i) + group[r] + word.substr(i + from.size()));
        }
      }
    }
  }
}

// A phrase of which nothing was found falls back to its first word.  The
// nested run's lists stand when it found both suggestions and translations;
// otherwise the first word becomes a suggestion where it fits.  When it does
// not fit, suggestions the nested run found still stand; with none, the
// answer is "not found", so that status TD_SUGGESTED always comes with a
// suggestion.
int32_t Lookup::phraseFallback(const std::string& word) {
  const size_t space = word.find(' ');
  if (space == std::string::npos || space == 0) return TD_OK;
  const std::string firstWord = word.substr(0, space);
  if (firstWord.size() > kMaxWordLength) return TD_OK;
  Lookup nested(t_, r_, files_);
  if (nested.run(firstWord.c_str(), false) != TD_OK) return TD_ERR_FILE;
  if (r_.suggestCount > 0 && r_.transCount > 0) return TD_OK;
  if (fitsSuggestions(firstWord)) {
    appendSuggestion(r_, firstWord.c_str());
    r_.status = TD_SUGGESTED;
  } else if (r_.suggestCount > 0) {
    r_.status = TD_SUGGESTED;
  } else {
    r_.transCount = r_.transUsed = 0;
    r_.status = TD_NOT_FOUND;
  }
  return TD_OK;
}

int32_t Lookup::run(const char* word, bool allowFallback) {
  r_.transCount = r_.transUsed = r_.suggestCount = r_.suggestUsed = 0;
  if (t_.options & TD_OPT_USER_DICTIONARY) {
    if (!t_.userDictionary) t_.userDictionary.reset(new UserDictionary(t_.listPath));
    t_.userDictionary->search(word, r_);
  }
  if (lookUpEntry(word, true) == TD_ERR_FILE) return TD_ERR_FILE;
  const std::string text(word);
  if (r_.transCount == 0) {
    const WordTable& endings = t_.primary->endingTable();
    if ((t_.options & TD_OPT_SMART_SEARCH) && endings.present && endings.groupCount > 0) endingPass(text);
    if ((t_.options & TD_OPT_SPELLING) && t_.primary->variantTable().groupCount > 0) variantPass(text);
    // A candidate whose read failed leaves the answer unknown.
    if (files_.failed()) return failure();
  }
  if (r_.status != TD_NOT_FOUND) return TD_OK;
  if (r_.suggestCount > 0) {
    r_.status = TD_SUGGESTED;
  } else if (r_.transCount > 0) {
    r_.status = TD_FOUND;
  } else if (allowFallback) {
    return phraseFallback(text);
  }
  return TD_OK;
}

}  // namespace

int32_t translate(Translator& t, TRANSLATE& r) {
  int32_t refusal = TD_OK;
  if (!t.isOpen) {
    refusal = TD_ERR_NOT_OPEN;
  } else if (!t.primary || !t.primary->isOpen()) {
    refusal = TD_ERR_NO_PRIMARY;
  } else if (!t.secondary || !t.secondary->isOpen()) {
    refusal = TD_ERR_NO_SECONDARY;
  }
  if (refusal != TD_OK) {
    r.status = TD_FAILED;
    t.lastResult = refusal;
    t.reason = refusal == TD_ERR_NOT_OPEN    ? "the dictionary list file is not open"
               : refusal == TD_ERR_NO_PRIMARY ? "no primary data file is open"
                                              : "no secondary data file is open";
    return refusal;
  }
  t.reason.clear();
  FileSession files(t);
  Lookup lookup(t, r, files);
  const int32_t result = lookup.run(r.word == nullptr ? "" : r.word, true);
  if (result != TD_OK) {
    t.lastResult = result;
    t.reason = files.failure();
  }
  return result;
}

std::string pathText(const WideString& path) { return utf16ToUtf8(std::u16string(path.begin(), path.end())); }

}  // namespace lexcore
