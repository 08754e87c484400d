#include "freedict_database.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <unordered_map>

#include "compressed_file.h"
#include "dictionary_text.h"
#include "text_lines.h"

namespace lexmake {
namespace {

const char* const kDatabaseEntryPrefixes[] = {"00database", "00-database"};
// Offsets and lengths beyond this (1 TiB) are refused, so that sums of them
// cannot overflow.
constexpr uint64_t kMaxNumber = uint64_t{1} << 40;

struct IndexEntry {
  std::string key;  // the index's key (lower case, punctuation dropped)
  uint64_t offset = 0;
  uint64_t length = 0;
  uint32_t line = 0;
};

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool exists(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(std::filesystem::u8path(path), ignored);
}

// A number in dictd's base 64: A-Z, a-z, 0-9, '+' and '/' stand for 0 to 63.
bool decodeNumber(const std::string& digits, uint64_t* value) {
  static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  if (digits.empty()) return false;
  *value = 0;
  for (const char c : digits) {
    const size_t digit = kDigits.find(c);
    if (digit == std::string::npos) return false;
    *value = *value * 64 + digit;
    if (*value > kMaxNumber) return false;
  }
  return true;
}

std::string trimLeft(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : text.substr(first);
}

bool startsWith(const std::string& text, const char* start) { return text.rfind(start, 0) == 0; }

// "1. go" to "go".
std::string withoutSenseNumber(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
  if (i == 0 || i + 1 >= line.size() || line[i] != '.' || line[i + 1] != ' ') return line;
  return line.substr(i + 2);
}

// Text glued to a closing '>' ("<n>$", "<n>A") is an abbreviation or a
// symbol; it runs to the next blank.
std::string withoutTextGluedToMarks(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    out.push_back(text[i]);
    if (text[i] != '>') continue;
    while (i + 1 < text.size() && text[i + 1] != ' ' && text[i + 1] != '<' && text[i + 1] != '[') ++i;
  }
  return out;
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

// The last word of a translation that a pronunciation follows is its
// abbreviation: either glued to its last word ("HealthNIOSH") or a word of
// its own without small letters ("[Br.] WO1").
std::string withoutAbbreviation(const std::string& text) {
  std::string bare = removeBracketedSpans(text);
  const size_t end = bare.find_last_not_of(' ');
  if (end == std::string::npos) return bare;
  bare.resize(end + 1);
  const size_t space = bare.rfind(' ');
  const size_t last = space == std::string::npos ? 0 : space + 1;
  for (size_t i = bare.size() - 1; i > last; --i) {
    if (isLower(bare[i - 1]) && isUpper(bare[i])) return bare.substr(0, i);
  }
  const bool hasLower = std::any_of(bare.begin() + last, bare.end(), isLower);
  if (!hasLower && last > 0) return bare.substr(0, last);
  return bare;
}

// A sentence has more than one word and ends with '.', '!' or '?' (a
// headword such as "Dr." is none); its translation is a sentence too, whose
// commas separate no translations.
bool isSentence(const std::string& text) {
  const size_t end = text.find_last_not_of(' ');
  return end != std::string::npos && text.find(' ') < end &&
         (text[end] == '.' || text[end] == '!' || text[end] == '?');
}

// The labels ("[techn.]") that start `text`, removed from it; returns their
// penalty.
int takeLeadingLabels(std::string* text) {
  int penalty = 0;
  for (;;) {
    const std::string rest = trimLeft(*text);
    const size_t close = rest.find(']');
    if (rest.empty() || rest[0] != '[' || close == std::string::npos) return penalty;
    penalty += labelPenalty(rest.substr(1, close - 1));
    *text = rest.substr(close + 1);
  }
}

// The penalty of the labels anywhere in `text`.
int labelsIn(const std::string& text) {
  int penalty = 0;
  for (size_t open = text.find('['); open != std::string::npos; open = text.find('[', open + 1)) {
    const size_t close = text.find(']', open);
    if (close == std::string::npos) break;
    penalty += labelPenalty(text.substr(open + 1, close - open - 1));
  }
  return penalty;
}

// The translations of one line of sense `sense` of an entry, each with what
// the line says about it.
void addTranslations(const std::string& line, bool ofSentence, int sense, std::vector<std::string>* translations,
                     std::vector<SenseEvidence>* evidence, TermDrops* drops) {
  std::string text = withoutSenseNumber(line);
  const int lineLabels = takeLeadingLabels(&text);
  const std::vector<std::string> pieces = ofSentence ? std::vector<std::string>{text} : splitOutsideBrackets(text, ',');
  const auto isPronunciation = [&pieces](size_t k) {
    const std::string piece = trimLeft(pieces[k]);
    return !piece.empty() && piece[0] == '/';
  };
  int place = 0;
  for (size_t k = 0; k < pieces.size(); ++k) {
    if (isPronunciation(k)) continue;
    const bool isVerb = pieces[k].find("<v") != std::string::npos;
    std::string raw = withoutTextGluedToMarks(pieces[k]);
    if (k + 1 < pieces.size() && isPronunciation(k + 1)) raw = withoutAbbreviation(raw);
    const size_t before = translations->size();
    cleanTerm(raw, isVerb, translations, drops);
    SenseEvidence e;
    e.labelPenalty = lineLabels + labelsIn(pieces[k]);
    e.place = place;
    e.sense = sense;
    evidence->resize(translations->size(), e);
    if (translations->size() > before) ++place;
  }
}

// Notes, examples, synonyms and references are not translations.
bool isTranslationLine(const std::string& line) {
  const std::string text = trimLeft(line);
  if (text.empty() || line.size() - text.size() >= 2) return false;
  for (const char* start : {"see:", "\"", "Synonym", "Antonym", "Note:"}) {
    if (startsWith(text, start)) return false;
  }
  return true;
}

bool readIndex(const std::string& indexPath, std::vector<IndexEntry>* entries, Diagnostics* diagnostics,
               Progress* progress) {
  std::string content;
  if (!readWholeFile(indexPath, &content)) {
    diagnostics->error(indexPath, "cannot read the file");
    return false;
  }
  const std::vector<TextLine> lines = splitLines(content);
  progress->start("reading " + indexPath, lines.size());
  bool ok = true;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i % 8192 == 0) progress->update(i);
    const TextLine& line = lines[i];
    if (line.text.empty()) continue;
    const size_t tab = line.text.find('\t');
    const size_t secondTab = tab == std::string::npos ? tab : line.text.find('\t', tab + 1);
    IndexEntry entry;
    entry.line = static_cast<uint32_t>(line.number);
    if (secondTab == std::string::npos ||
        !decodeNumber(line.text.substr(tab + 1, secondTab - tab - 1), &entry.offset) ||
        !decodeNumber(line.text.substr(secondTab + 1), &entry.length)) {
      diagnostics->error(location(indexPath, line.number), "expected \"headword<TAB>offset<TAB>length\"");
      ok = false;
      continue;
    }
    entry.key = line.text.substr(0, tab);
    bool own = false;
    for (const char* prefix : kDatabaseEntryPrefixes) own = own || startsWith(entry.key, prefix);
    if (!own) entries->push_back(std::move(entry));
  }
  progress->finish();
  return ok;
}

bool readData(const std::string& dataPath, std::string* data, Diagnostics* diagnostics, Progress* progress) {
  std::string raw;
  if (!readWholeFile(dataPath, &raw)) {
    diagnostics->error(dataPath, "cannot read the file");
    return false;
  }
  if (!endsWith(dataPath, ".dz")) {
    *data = std::move(raw);
    return true;
  }
  progress->start("inflating " + dataPath, raw.size());
  std::string error;
  const bool ok = inflateGzip(raw, data, &error, progress);
  progress->finish();
  if (!ok) diagnostics->error(dataPath, error);
  return ok;
}

}  // namespace

bool findDatabaseFiles(const std::string& path, std::string* indexPath, std::string* dataPath) {
  std::string base = path;
  for (const char* suffix : {".index", ".dict.dz", ".dict"}) {
    if (endsWith(path, suffix)) {
      base = path.substr(0, path.size() - std::char_traits<char>::length(suffix));
      break;
    }
  }
  *indexPath = base + ".index";
  if (!exists(*indexPath)) return false;
  for (const char* suffix : {".dict.dz", ".dict"}) {
    *dataPath = base + suffix;
    if (exists(*dataPath)) return true;
  }
  return false;
}

// An example line: "source"  - translation.
bool splitExample(const std::string& line, std::string* source, std::string* translation) {
  const std::string text = trimLeft(line);
  const size_t end = text.find("\"  - ");
  if (text.empty() || text[0] != '"' || end == std::string::npos) return false;
  *source = text.substr(1, end - 1);
  *translation = text.substr(end + 5);
  return true;
}

// The text of the grammar mark opening at `open` ("v, trans" of "<v, trans>").
std::string grammarAt(const std::string& line, size_t open) {
  const size_t close = open == std::string::npos ? open : line.find('>', open);
  return close == std::string::npos ? std::string() : line.substr(open + 1, close - open - 1);
}

// Where the pronunciation of a headword line starts: the first " /" outside
// brackets; else its grammar, the first " <"; else its end.
size_t headwordEnd(const std::string& line) {
  size_t depth = 0;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const char c = line[i];
    if (c == '(' || c == '[' || c == '{') ++depth;
    if ((c == ')' || c == ']' || c == '}') && depth > 0) --depth;
    if (depth == 0 && c == ' ' && line[i + 1] == '/') return i;
  }
  return line.find(" <");
}

// The forms that a headword line names in parentheses, each marked "<>":
// "go /ɡˈəʊ/ (went /wˈɛnt/ <>, gone /ɡˈɒn/ <>) <v>" names "went" and "gone".
std::vector<std::string> namedForms(const std::string& line) {
  std::vector<std::string> forms;
  const size_t open = line.find(" (");
  const size_t close = open == std::string::npos ? open : line.find(')', open);
  if (close == std::string::npos) return forms;
  for (const std::string& item : splitOutsideBrackets(line.substr(open + 2, close - open - 2), ',')) {
    const std::string text = trimLeft(item);
    const size_t slash = text.find(" /");
    if (item.find("<>") == std::string::npos || slash == std::string::npos) continue;
    std::string form, problem;
    if (text.find(' ') == slash && toDictionaryText(text.substr(0, slash), &form, &problem)) forms.push_back(form);
  }
  return forms;
}

// The form a reference names when it is a person and one word ("er/sie/es
// ist", "ich bin", "ich/er/sie dachte"): FreeDict refers so to the
// conjugated forms of a verb.  Empty for any other reference.
std::string conjugatedForm(const std::string& reference) {
  static const char* const kPersons[] = {"ich", "du", "er", "sie", "es", "wir", "ihr",
                                         "I",   "you", "he", "she", "it", "we", "they"};
  const size_t blank = reference.find(' ');
  if (blank == std::string::npos || reference.find(' ', blank + 1) != std::string::npos) return "";
  for (const std::string& person : splitOutsideBrackets(reference.substr(0, blank), '/')) {
    if (std::find(std::begin(kPersons), std::end(kPersons), person) == std::end(kPersons)) return "";
  }
  const std::string word = reference.substr(blank + 1);
  const bool punctuated =
      std::any_of(word.begin(), word.end(), [](char c) { return std::ispunct(static_cast<unsigned char>(c)) != 0; });
  std::string form, problem;
  if (word.empty() || punctuated || !toDictionaryText(word, &form, &problem)) return "";
  return form;
}

// The folded words of a text (UTF-8), each preceded and followed by a blank.
std::string foldedWords(const std::string& text) {
  std::string words = " ";
  std::string spelling, problem;
  for (const std::string& word : wordsOfText(text)) {
    if (toDictionaryText(word, &spelling, &problem)) words += foldedText(spelling) + " ";
  }
  return words;
}

// What a sentence must hold to be an example of a headword: the start of
// its longest word, without the last two letters that inflection changes
// ("brauch" of "brauchen" in "Ich brauchte zwei Stunden."); at least three
// letters.
std::string stemOf(const std::string& head) {
  std::string longest;
  size_t start = 0;
  while (start <= head.size()) {
    size_t end = head.find(' ', start);
    if (end == std::string::npos) end = head.size();
    if (end - start > longest.size()) longest = head.substr(start, end - start);
    start = end + 1;
  }
  longest = foldedText(longest);
  if (longest.size() > 5) longest.resize(longest.size() - 2);
  return longest;
}

DatabaseEntry parseDatabaseEntry(const std::string& text, TermDrops* drops) {
  DatabaseEntry entry;
  bool headSeen = false;
  bool oneWordHead = false;
  bool withSynonyms = false;
  bool sentence = false;
  int sense = 0;
  bool noted = false;
  int sentences = 0;   // references to example sentences
  int references = 0;  // other references
  for (const TextLine& line : splitLines(text)) {
    if (!headSeen) {
      const std::string head = trimLeft(line.text);
      if (head.empty()) continue;
      headSeen = true;
      cleanTerm(head.substr(0, headwordEnd(head)), head.find("<v") != std::string::npos, &entry.heads, drops);
      sentence = std::any_of(entry.heads.begin(), entry.heads.end(), isSentence);
      oneWordHead = entry.heads.size() == 1 && entry.heads[0].find(' ') == std::string::npos;
      if (oneWordHead) entry.forms = namedForms(head);
      const std::string grammar = grammarAt(head, head.rfind('<'));  // the last: forms carry "<>"
      entry.wordClass = wordClassOfGrammar(grammar);
      entry.plural = namesPlural(grammar);
    } else if (isTranslationLine(line.text)) {
      if (entry.wordClass == WordClass::Unknown)
        entry.wordClass = wordClassOfGrammar(grammarAt(line.text, line.text.find('<')));
      addTranslations(trimLeft(line.text), sentence, sense++, &entry.translations, &entry.evidence, drops);
    } else {
      std::string source, translation;
      if (splitExample(line.text, &source, &translation)) entry.examples.push_back({source, translation});
      const std::string rest = trimLeft(line.text);
      noted = noted || (startsWith(rest, "Note:") && noteRestricts(rest.substr(5)));
      withSynonyms = withSynonyms || startsWith(rest, "Synonym");
      if (startsWith(rest, "see:")) {
        for (const std::string& item : splitOutsideBrackets(rest.substr(4), ',')) {
          const std::string reference = trimLeft(item);
          // A sentence of another entry is an example of this one only
          // when it uses the headword; else a reference like any other.
          const std::string target = reference.substr(0, reference.find('}'));
          const bool example = isSentence(target) && !entry.heads.empty() &&
                               foldedWords(target).find(" " + stemOf(entry.heads[0])) != std::string::npos;
          ++(example ? sentences : references);
          const std::string form = conjugatedForm(target.empty() || target[0] != '{' ? target : target.substr(1));
          if (!form.empty() && oneWordHead && entry.wordClass == WordClass::Verb)
            entry.conjugatedForms.push_back(form);
        }
      }
    }
  }
  // The references of an entry with synonyms name the synonyms' forms too
  // ("take": "Synonym: {carry}", "see: {you carry}"): there only forms that
  // start as the headword does are its own ("denken": "dachte", not "fand").
  if (withSynonyms) {
    const auto foreign = [&entry](const std::string& form) { return form[0] != entry.heads[0][0]; };
    entry.conjugatedForms.erase(
        std::remove_if(entry.conjugatedForms.begin(), entry.conjugatedForms.end(), foreign),
        entry.conjugatedForms.end());
  }
  // The words of the examples' translations, to find the translations they use.
  std::string used = " ";
  for (const auto& example : entry.examples) used += foldedWords(example.second).substr(1);
  for (size_t t = 0; t < entry.evidence.size(); ++t) {
    SenseEvidence& e = entry.evidence[t];
    e.examples = static_cast<int>(entry.examples.size()) + sentences;
    e.references = references;
    e.noted = noted;
    // A word of the examples that starts with the translation ("Hunde" for "Hund").
    e.inExamples = used.find(" " + foldedText(entry.translations[t])) != std::string::npos;
  }
  return entry;
}

void readFreedictDatabase(const std::string& indexPath, const std::string& dataPath, uint16_t file, Side headSide,
                          const WordClassTables& classes, PairList* pairs, TermDrops* drops,
                          Diagnostics* diagnostics, Progress* progress) {
  std::vector<IndexEntry> entries;
  std::string data;
  if (!readIndex(indexPath, &entries, diagnostics, progress) || !readData(dataPath, &data, diagnostics, progress))
    return;
  // Several index lines may name one entry; the entries' order in the data
  // is the order of the source.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const IndexEntry& x, const IndexEntry& y) { return x.offset < y.offset; });
  // Keys of the index that are forms the entry's headword line names.
  std::vector<std::vector<std::string>> keys;
  keys.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i == 0 || entries[i].offset != entries[i - 1].offset) keys.emplace_back();
    keys.back().push_back(entries[i].key);
  }
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const IndexEntry& x, const IndexEntry& y) { return x.offset == y.offset; }),
                entries.end());
  progress->start("reading the entries of " + dataPath, entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i % 4096 == 0) progress->update(i);
    const IndexEntry& e = entries[i];
    if (e.offset > data.size() || e.length > data.size() - e.offset) {
      diagnostics->error(location(indexPath, e.line), "the entry lies beyond the end of " + dataPath);
      continue;
    }
    const DatabaseEntry entry = parseDatabaseEntry(data.substr(e.offset, e.length), drops);
    // The order of a headword's entries says nothing about them (in eng-deu
    // it mostly follows their translations' alphabetical order): only the
    // senses within an entry have a place.
    for (const std::string& head : entry.heads) {
      const int headPenalty = classes.of(headSide).penalty(head, entry.wordClass);
      for (size_t t = 0; t < entry.translations.size(); ++t) {
        SenseEvidence evidence = entry.evidence[t];
        evidence.classPenalty =
            headPenalty + classes.of(otherSide(headSide)).penalty(entry.translations[t], entry.wordClass);
        pairs->add(head, entry.translations[t], headSide, file, e.line, senseScore(evidence), entry.plural);
      }
    }
    for (const std::string& form : entry.conjugatedForms) pairs->addForm(form, entry.heads[0], headSide);
    for (const std::string& form : entry.forms) {
      const std::string folded = foldedText(form);
      for (const std::string& key : keys[i]) {
        if (foldedText(key) == folded) pairs->addForm(form, entry.heads[0], headSide);
      }
    }
    for (const auto& example : entry.examples) {
      pairs->countUsage(example.first, headSide);
      pairs->countUsage(example.second, otherSide(headSide));
    }
  }
  progress->finish();
}

}  // namespace lexmake
