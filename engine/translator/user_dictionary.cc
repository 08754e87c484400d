#include "translator/user_dictionary.h"

#include <cstring>

#include "datafile/bisection.h"
#include "datafile/collation.h"
#include "translator/result_list.h"

namespace lexcore {
namespace {

constexpr int64_t kMaxFileSize = INT32_MAX;

bool isBlank(char c) { return static_cast<uint8_t>(c) >= 1 && static_cast<uint8_t>(c) <= 32; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

// True when `text` can be one side of a line of the file: it holds no line
// end (nor, when `colonAllowed` is false, a colon), and something besides
// the blanks that reading drops.
bool fitsOnOneLine(const char* text, bool colonAllowed) {
  bool visible = false;
  for (const char* p = text; *p != 0; ++p) {
    if (isLineEnd(*p) || (*p == ':' && !colonAllowed)) return false;
    if (!isBlank(*p)) visible = true;
  }
  return visible;
}

// Index of the character after the last folder separator of `path`.
size_t nameStart(const WideString& path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    if (isPathSeparator(path[i])) start = i + 1;
  }
  return start;
}

// name.tdl -> name.udr; a name without an extension gets ".udr" appended.
WideString sameDirectionFile(const WideString& listPath) {
  const size_t dot = listPath.rfind(TD_WCHAR('.'));
  const WideString stem = (dot == WideString::npos || dot < nameStart(listPath)) ? listPath : listPath.substr(0, dot);
  const TD_WCHAR extension[] = {'.', 'u', 'd', 'r', 0};
  return stem + extension;
}

// aa_bb.tdl -> bb_aa.udr in the same folder; empty when the name has no "_".
WideString oppositeDirectionFile(const WideString& listPath) {
  const size_t start = nameStart(listPath);
  const WideString name = listPath.substr(start);
  const size_t underscore = name.find(TD_WCHAR('_'));
  if (underscore == WideString::npos) return WideString();
  const WideString first = name.substr(0, underscore);
  const size_t dot = name.find(TD_WCHAR('.'), underscore + 1);
  const WideString second = name.substr(underscore + 1, dot == WideString::npos ? WideString::npos : dot - underscore - 1);
  const TD_WCHAR extension[] = {'.', 'u', 'd', 'r', 0};
  return listPath.substr(0, start) + second + TD_WCHAR('_') + first + extension;
}

// An add waits longer than a lookup for other writers, so that many
// processes adding at once all get their turn.
constexpr int kAddWaitMilliseconds = 2000;

}  // namespace

UserDictionary::UserDictionary(const WideString& listPath) {
  const WideString same = sameDirectionFile(listPath);
  const WideString opposite = oppositeDirectionFile(listPath);
  filePath_ = same;
  if (!fileExists(same.c_str()) && fileExists(opposite.c_str())) {
    filePath_ = opposite;
    reversed_ = true;
  }
  File file = File::open(filePath_.c_str(), OpenMode::ReadWriteOpenAlways);
  if (file.isOpen()) loadFrom(file);
}

bool UserDictionary::loadFrom(File& file) {
  const int64_t size = file.size();
  if (size < 0 || size > kMaxFileSize || !file.seek(0)) return false;
  std::vector<char> text(static_cast<size_t>(size) + 1, 0);
  if (size > 0 && !file.readExact(text.data(), static_cast<size_t>(size))) return false;
  text_ = std::move(text);
  pairs_.clear();
  parse();
  return true;
}

// Splits text_ into pairs in place: each accepted word and translation gets a
// zero byte after its last character.  Lines without a colon and lines with
// an empty word or translation are skipped.
void UserDictionary::parse() {
  char* t = text_.data();  // text_ ends with a zero byte
  size_t pos = 0;
  for (;;) {
    while (isBlank(t[pos])) ++pos;
    if (t[pos] == 0) return;
    const size_t wordStart = pos;
    while (t[pos] != 0 && t[pos] != ':' && !isLineEnd(t[pos])) ++pos;
    if (t[pos] == 0) return;
    if (t[pos] != ':') continue;  // a line without a colon
    const size_t colon = pos;
    size_t wordEnd = colon;
    while (wordEnd > wordStart && isBlank(t[wordEnd - 1])) --wordEnd;
    pos = colon + 1;
    if (wordEnd == wordStart) continue;
    t[wordEnd] = 0;
    while (isBlank(t[pos]) && !isLineEnd(t[pos])) ++pos;
    if (t[pos] == 0) return;
    const size_t translationStart = pos;
    while (t[pos] != 0 && !isLineEnd(t[pos])) ++pos;
    size_t translationEnd = pos;
    while (translationEnd > translationStart && isBlank(t[translationEnd - 1])) --translationEnd;
    if (translationEnd == translationStart) continue;
    const bool textEnds = t[translationEnd] == 0;
    t[translationEnd] = 0;
    const uint32_t w = static_cast<uint32_t>(wordStart);
    const uint32_t tr = static_cast<uint32_t>(translationStart);
    const Pair pair = reversed_ ? Pair{tr, w} : Pair{w, tr};
    if (!isDuplicate(wordOf(pair), translationOf(pair))) enter(pair.word, pair.translation);
    if (textEnds) return;
    pos = translationEnd + 1;
  }
}

// Where a new pair goes: among or next to the pairs with an equal word.
// Only "sorts before" counts, so a word goes after the pairs with an equal
// word, except that one equal to the last pair's word goes just before it.
size_t UserDictionary::insertionPosition(const char* word) const {
  const size_t n = pairs_.size();
  const Bisection<size_t> found =
      bisect(n, [&](size_t i) { return compareFolded(word, wordOf(pairs_[i])) < 0 ? -1 : 1; });
  if (found.place != Bisection<size_t>::Place::kAfterLast) return found.index;
  return compareFolded(word, wordOf(pairs_[n - 1])) > 0 ? n : n - 1;
}

void UserDictionary::enter(uint32_t word, uint32_t translation) {
  const size_t position = insertionPosition(text_.data() + word);
  pairs_.insert(pairs_.begin() + static_cast<ptrdiff_t>(position), Pair{word, translation});
}

// Some pair whose word equals `word` under folding, or -1.
int UserDictionary::locate(const char* word) const {
  const Bisection<int> found = bisect(pairCount(), [&](int i) { return compareFolded(word, wordOf(pairs_[i])); });
  return found.place == Bisection<int>::Place::kEqual ? found.index : -1;
}

bool UserDictionary::isDuplicate(const char* word, const char* translation) const {
  const int hit = locate(word);
  if (hit < 0) return false;
  for (int i = hit; i >= 0 && compareFolded(word, wordOf(pairs_[i])) == 0; --i) {
    if (compareFolded(translation, translationOf(pairs_[i])) == 0) return true;
  }
  for (int i = hit + 1; i < pairCount() && compareFolded(word, wordOf(pairs_[i])) == 0; ++i) {
    if (compareFolded(translation, translationOf(pairs_[i])) == 0) return true;
  }
  return false;
}

int UserDictionary::search(const char* word, TRANSLATE& request) const {
  const int hit = locate(word);
  if (hit < 0) return 1;
  for (int i = hit; i >= 0 && compareFolded(word, wordOf(pairs_[i])) == 0; --i) {
    if (!appendTranslation(request, translationOf(pairs_[i]))) return 2;
  }
  for (int i = hit + 1; i < pairCount() && compareFolded(word, wordOf(pairs_[i])) == 0; ++i) {
    if (!appendTranslation(request, translationOf(pairs_[i]))) return 2;
  }
  return 0;
}

std::string UserDictionary::serialize() const {
  std::string out;
  for (const Pair& p : pairs_) {
    out += reversed_ ? translationOf(p) : wordOf(p);
    out += ':';
    out += reversed_ ? wordOf(p) : translationOf(p);
    out += "\r\n";
  }
  return out;
}

int UserDictionary::add(const char* word, const char* translation) {
  // A pair that would not read back as given is refused: each line is
  // first:second, where the first text is the word, or the translation in a
  // reversed file.
  if (word == nullptr || translation == nullptr || !fitsOnOneLine(word, reversed_) ||
      !fitsOnOneLine(translation, !reversed_))
    return 0;
  // The file decides whether the pair is there: the pairs in memory may be
  // older than it.
  File file = File::open(filePath_.c_str(), OpenMode::ReadWriteForReplace, kAddWaitMilliseconds);
  if (!file.isOpen() || !loadFrom(file)) return 0;
  if (isDuplicate(word, translation)) return 1;

  // Unless the new file is written, the pairs as reloaded come back, also
  // when memory runs out on the way: memory never holds a pair the file
  // lacks.
  struct Restore {
    UserDictionary& dictionary;
    std::vector<char> text;
    std::vector<Pair> pairs;
    bool written;
    ~Restore() {
      if (written) return;
      dictionary.text_.swap(text);
      dictionary.pairs_.swap(pairs);
    }
  } restore{*this, text_, pairs_, false};
  const uint32_t w = static_cast<uint32_t>(text_.size());
  text_.insert(text_.end(), word, word + std::strlen(word) + 1);
  const uint32_t tr = static_cast<uint32_t>(text_.size());
  text_.insert(text_.end(), translation, translation + std::strlen(translation) + 1);
  enter(w, tr);
  restore.written = file.replaceContents(filePath_.c_str(), serialize());
  return restore.written ? 1 : 0;
}

}  // namespace lexcore
