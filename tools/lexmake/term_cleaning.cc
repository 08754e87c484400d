#include "term_cleaning.h"

#include <algorithm>
#include <iterator>

#include "dictionary_text.h"

namespace lexmake {
namespace {

const char* const kEllipsis = "\xE2\x80\xA6";     // U+2026
const char* const kNoBreakSpace = "\xC2\xA0";     // U+00A0
// Hyphens that Windows-1252 lacks, written as the ASCII one.
const char* const kHyphens[] = {"\xE2\x80\x90", "\xE2\x80\x91"};  // U+2010, U+2011

// Object placeholders of English and German dictionaries.
const char* const kPlaceholders[] = {"sb.", "sth.", "sb.'s", "sth.'s", "sb's", "jd.", "jdn.", "jdm.", "jds.",
                                     "etw.", "so.", "+Gen.", "+Dat.", "+Akk.", "+Nom."};

// German prepositions: one that stands before a placeholder and the verb
// ("mit jdm. sprechen", "sich an etw. gewöhnen") belongs to the object the
// placeholder stands for.
const char* const kPrepositions[] = {"an",    "auf", "aus",  "bei", "durch", "für",  "gegen", "hinter", "in",
                                     "mit",   "nach", "neben", "ohne", "über", "um", "unter", "von",    "vor",
                                     "wegen", "zu",   "zwischen", "am", "im",   "ins", "vom",  "zum",    "zur", "beim"};

bool isPreposition(const std::string& token) {
  return std::find(std::begin(kPrepositions), std::end(kPrepositions), token) != std::end(kPrepositions);
}

// An indefinite article and a noun that stand for an object ("einer Sache",
// "eine Person"), as in "jdm./einer Sache": read as one more placeholder.
bool isArticleOfPlaceholder(const std::string& article, const std::string& noun) {
  static const char* const kArticles[] = {"ein", "eine", "einer", "einem", "einen", "eines"};
  return (noun == "Sache" || noun == "Person" || noun == "Sachen" || noun == "Personen") &&
         std::find(std::begin(kArticles), std::end(kArticles), article) != std::end(kArticles);
}


bool isPlaceholder(const std::string& token) {
  // "jdn./etw." and "sb./sth." are placeholders joined by a slash.
  size_t start = 0;
  for (;;) {
    const size_t slash = token.find('/', start);
    const std::string part = token.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    bool known = false;
    for (const char* p : kPlaceholders) known = known || part == p;
    if (!known) return false;
    if (slash == std::string::npos) return true;
    start = slash + 1;
  }
}

// Whether a token starts a German object: "jdm.", "etw.", "einer (Sache)".
bool isGermanObject(const std::string& token) {
  return token.rfind("jd", 0) == 0 || token.rfind("etw", 0) == 0 || token.rfind("ein", 0) == 0;
}

// Which tokens stand for an object: placeholders ("jdn./etw."), also one
// joined to an article and a noun ("jdm./einer Sache"), and an article with
// "Sache" or "Person" after a preposition ("mit einer Sache").
std::vector<bool> objectTokens(const std::vector<std::string>& tokens) {
  std::vector<bool> object(tokens.size(), false);
  for (size_t i = 0; i < tokens.size(); ++i) {
    const size_t slash = tokens[i].rfind('/');
    const bool nounFollows = i + 1 < tokens.size();
    const bool joined = nounFollows && slash != std::string::npos && isPlaceholder(tokens[i].substr(0, slash)) &&
                        isArticleOfPlaceholder(tokens[i].substr(slash + 1), tokens[i + 1]);
    const bool afterPreposition =
        nounFollows && i > 0 && isPreposition(tokens[i - 1]) && isArticleOfPlaceholder(tokens[i], tokens[i + 1]);
    if (joined || afterPreposition) {
      object[i] = object[i + 1] = true;
      ++i;
    } else {
      object[i] = isPlaceholder(tokens[i]);
    }
  }
  return object;
}

std::vector<std::string> splitTokens(const std::string& text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) tokens.push_back(text.substr(start, i - start));
  }
  return tokens;
}

// A token with no letter or digit, such as "´" or ":-)", is a symbol.
// Letters beyond ASCII start at U+00C0; U+0080 to U+00BF and U+2000 to
// U+2FFF (UTF-8 lead bytes C2 and E2) are punctuation and symbols.
bool hasLetterOrDigit(const std::string& token) {
  for (const char ch : token) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    if ((c >= 0xC3 && c <= 0xDF) || c >= 0xE3) return true;
  }
  return false;
}

std::string joinTokens(const std::vector<std::string>& tokens) {
  std::string text;
  for (const std::string& t : tokens) text += (text.empty() ? "" : " ") + t;
  return text;
}

void replaceAll(std::string* text, const std::string& from, const std::string& to) {
  for (size_t at = text->find(from); at != std::string::npos; at = text->find(from, at + to.size()))
    text->replace(at, from.size(), to);
}

// Drops separators that a term list leaves at the edges.
std::string trimSeparators(const std::string& text) {
  const char* const kSeparators = " \t,;:";
  const size_t first = text.find_first_not_of(kSeparators);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(kSeparators) - first + 1);
}

void addWord(const std::string& utf8, std::vector<std::string>* terms, TermDrops* drops) {
  std::string text, problem;
  if (!toDictionaryText(utf8, &text, &problem)) {
    drops->add(TermDrop::OutsideCharacterSet);
    return;
  }
  terms->push_back(text);
}

}  // namespace

bool namesAnObject(const std::string& text) {
  for (const std::string& token : splitTokens(text)) {
    if (isPlaceholder(token)) return true;
  }
  return false;
}

size_t TermDrops::total() const {
  size_t sum = 0;
  for (const size_t c : count) sum += c;
  return sum;
}

void TermDrops::merge(const TermDrops& other) {
  for (size_t i = 0; i < static_cast<size_t>(TermDrop::kCount); ++i) count[i] += other.count[i];
}

namespace {

char closerOf(char c) { return c == '(' ? ')' : c == '[' ? ']' : c == '{' ? '}' : c == '<' ? '>' : 0; }

}  // namespace

std::vector<std::string> wordsOfText(const std::string& text) {
  static const std::string kAsciiBreaks = " \t.,;:!?\"()[]{}<>/";
  // Quotation marks and the ellipsis, U+201C to U+201E and U+2026.
  static const char* const kBreaks[] = {"\xE2\x80\x9C", "\xE2\x80\x9D", "\xE2\x80\x9E", "\xE2\x80\xA6"};
  std::vector<std::string> words(1);
  for (size_t i = 0; i < text.size(); ++i) {
    bool isBreak = kAsciiBreaks.find(text[i]) != std::string::npos;
    for (const char* b : kBreaks) {
      if (!isBreak && text.compare(i, 3, b) == 0) {
        isBreak = true;
        i += 2;
      }
    }
    if (!isBreak) {
      words.back().push_back(text[i]);
    } else if (!words.back().empty()) {
      words.emplace_back();
    }
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

std::vector<std::string> splitOutsideBrackets(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  std::string closers;
  for (const char c : text) {
    const char closer = closerOf(c);
    if (closer != 0) {
      closers.push_back(closer);
    } else if (!closers.empty() && c == closers.back()) {
      closers.pop_back();
    } else if (c == separator && closers.empty()) {
      parts.emplace_back();
      continue;
    }
    parts.back().push_back(c);
  }
  return parts;
}

std::string removeBracketedSpans(const std::string& text) {
  std::string out;
  std::string closers;  // the closing brackets awaited, innermost last
  for (const char c : text) {
    const char closer = closerOf(c);
    if (closer != 0) {
      if (closers.empty()) out.push_back(' ');
      closers.push_back(closer);
    } else if (!closers.empty()) {
      if (c == closers.back()) closers.pop_back();
    } else if (c != ')' && c != ']' && c != '}' && c != '>') {
      out.push_back(c);
    }
  }
  return out;
}

void cleanTerm(const std::string& raw, bool isVerb, std::vector<std::string>* terms, TermDrops* drops) {
  std::string text = raw;
  replaceAll(&text, kNoBreakSpace, " ");
  for (const char* hyphen : kHyphens) replaceAll(&text, hyphen, "-");
  if (text.find(kEllipsis) != std::string::npos || text.find("...") != std::string::npos) {
    drops->add(TermDrop::Incomplete);
    return;
  }
  const std::vector<std::string> all = splitTokens(removeBracketedSpans(text));
  const std::vector<bool> object = objectTokens(all);
  std::vector<std::string> tokens;
  for (size_t i = 0; i < all.size(); ++i) {
    if (object[i]) continue;
    // A German preposition before an object that a word follows belongs to
    // the object: "mit jdm. sprechen" is "sprechen".  (English objects stand
    // after their verb: "be in sb.'s shoes" keeps its "in".)
    size_t after = i + 1;
    while (after < all.size() && object[after]) ++after;
    if (isPreposition(all[i]) && after > i + 1 && after < all.size() && isGermanObject(all[i + 1])) continue;
    tokens.push_back(all[i]);
  }
  // A conjunction left at the end joined two objects ("compare sth. and sth.").
  static const char* const kConjunctions[] = {"and", "or", "und", "oder"};
  while (tokens.size() > 1 && !object.empty() && object.back() &&
         std::find(std::begin(kConjunctions), std::end(kConjunctions), tokens.back()) != std::end(kConjunctions))
    tokens.pop_back();
  while (!tokens.empty() && !hasLetterOrDigit(tokens.back())) tokens.pop_back();
  while (!tokens.empty() && !hasLetterOrDigit(tokens.front())) tokens.erase(tokens.begin());
  if (tokens.size() > 1 && tokens[0] == "sich") tokens.erase(tokens.begin());
  if (isVerb && tokens.size() > 1 && tokens[0] == "to") tokens.erase(tokens.begin());
  std::string term = trimSeparators(joinTokens(tokens));
  // An interjection of one word ("Hallo!") is typed, and counted in
  // frequency lists, without its exclamation mark.
  if (term.size() > 1 && term.back() == '!' && term.find(' ') == std::string::npos &&
      hasLetterOrDigit(term.substr(0, term.size() - 1)))
    term.pop_back();
  if (term.empty()) {
    drops->add(TermDrop::Empty);
    return;
  }
  if (term.find('/') == std::string::npos) return addWord(term, terms, drops);
  if (term.find(' ') != std::string::npos) {
    drops->add(TermDrop::SlashInPhrase);
    return;
  }
  size_t start = 0;
  for (;;) {
    const size_t slash = term.find('/', start);
    const std::string part = term.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (!part.empty()) addWord(part, terms, drops);
    if (slash == std::string::npos) return;
    start = slash + 1;
  }
}

}  // namespace lexmake
