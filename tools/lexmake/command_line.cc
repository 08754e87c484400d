#include "command_line.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>

#include "datafile/format.h"
#include "diagnostics.h"
#include "dictionary_text.h"

namespace lexmake {
namespace {

// Language codes make up the file names: <a><b>_<a>.tdd must stay within the
// 19 characters a list file can name.
constexpr size_t kMaxCodeLength = 4;

bool parseCode(const std::string& text, std::string* code, std::string* error) {
  bool ok = !text.empty() && text.size() <= kMaxCodeLength;
  for (const char c : text)
    ok = ok && std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
  if (!ok) {
    *error = "a language code is 1 to 4 ASCII letters or digits, not " + quotedUtf8(text);
    return false;
  }
  *code = text;
  return true;
}

bool parseName(const std::string& text, std::string* name, std::string* error) {
  std::string problem;
  if (text.empty() || !toDictionaryText(text, name, &problem)) {
    *error = "language name " + quotedUtf8(text) + ": " + (text.empty() ? "empty" : problem);
    return false;
  }
  if (name->size() > lexcore::kLanguageNameSize - 1) {
    *error = "language name " + quotedUtf8(text) + " is longer than 49 characters";
    return false;
  }
  return true;
}

// A decimal number, or a hexadecimal one after "0x".
bool parseId(const std::string& text, uint32_t* id, std::string* error) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  const uint64_t base = hex ? 16 : 10;
  uint64_t value = 0;
  bool ok = !digits.empty();
  for (size_t i = 0; ok && i < digits.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(digits[i]);
    int digit = -1;
    if (std::isdigit(c)) {
      digit = c - '0';
    } else if (hex && std::isxdigit(c)) {
      digit = std::tolower(c) - 'a' + 10;
    }
    value = value * base + static_cast<uint64_t>(digit);
    ok = digit >= 0 && value <= UINT32_MAX;
  }
  if (!ok) {
    *error = "a language id is a number from 0 to 4294967295, not " + quotedUtf8(text);
    return false;
  }
  *id = static_cast<uint32_t>(value);
  return true;
}

}  // namespace

bool parseCommandLine(const std::vector<std::string>& args, Options* options, std::string* error) {
  bool seen[6] = {};  // the six required options, in the order below
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options->help = true;
      return true;
    }
    if (arg == "--version") {
      options->version = true;
      return true;
    }
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      options->inputs.push_back({arg, Side::A});
      continue;
    }
    static const char* const kOptions[] = {"--lang-a",  "--lang-b",  "--name-a", "--name-b", "--id-a",
                                           "--id-b",    "--tables-a", "--tables-b", "--rank-a", "--rank-b",
                                           "--frequency-a", "--frequency-b", "--word-classes-a", "--word-classes-b",
                                           "--from-b",  "--left-out", "--output"};
    if (std::find(std::begin(kOptions), std::end(kOptions), arg) == std::end(kOptions)) {
      *error = "unknown option " + arg;
      return false;
    }
    if (i + 1 == args.size()) {
      *error = arg + " needs a value";
      return false;
    }
    const std::string& value = args[++i];
    bool ok = true;
    if (arg == "--lang-a") {
      ok = seen[0] = parseCode(value, &options->a.language.code, error);
    } else if (arg == "--lang-b") {
      ok = seen[1] = parseCode(value, &options->b.language.code, error);
    } else if (arg == "--name-a") {
      ok = seen[2] = parseName(value, &options->a.language.name, error);
    } else if (arg == "--name-b") {
      ok = seen[3] = parseName(value, &options->b.language.name, error);
    } else if (arg == "--id-a") {
      ok = seen[4] = parseId(value, &options->a.language.id, error);
    } else if (arg == "--id-b") {
      ok = seen[5] = parseId(value, &options->b.language.id, error);
    } else if (arg == "--tables-a") {
      options->a.tablesPath = value;
    } else if (arg == "--tables-b") {
      options->b.tablesPath = value;
    } else if (arg == "--rank-a") {
      options->a.rankPath = value;
    } else if (arg == "--rank-b") {
      options->b.rankPath = value;
    } else if (arg == "--frequency-a") {
      options->a.frequencyPaths.push_back(value);
    } else if (arg == "--frequency-b") {
      options->b.frequencyPaths.push_back(value);
    } else if (arg == "--word-classes-a") {
      options->a.wordClassesPath = value;
    } else if (arg == "--word-classes-b") {
      options->b.wordClassesPath = value;
    } else if (arg == "--from-b") {
      options->inputs.push_back({value, Side::B});
    } else if (arg == "--left-out") {
      options->leftOutPath = value;
    } else {
      options->outputFolder = value;
    }
    if (!ok) return false;
  }
  static const char* const kRequired[6] = {"--lang-a", "--lang-b", "--name-a", "--name-b", "--id-a", "--id-b"};
  for (int i = 0; i < 6; ++i) {
    if (!seen[i]) {
      *error = std::string("missing ") + kRequired[i];
      return false;
    }
  }
  if (options->inputs.empty()) {
    *error = "missing an input file";
    return false;
  }
  // File names must differ on file systems that ignore letter case, too.
  const auto lower = [](std::string code) {
    for (char& c : code) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return code;
  };
  if (lower(options->a.language.code) == lower(options->b.language.code)) {
    *error = "the two languages need different codes";
    return false;
  }
  return true;
}

std::string helpText() {
  return R"(Usage: lexmake [OPTION]... INPUT... [--from-b INPUT]...
  or:  lexmake -h | --help | --version

Compiles the word pairs of two languages A and B into the four dictionary
files of the pair, in the output folder:
  <a>_<b>.tdl      list file: A words to their B translations
  <b>_<a>.tdl      list file: B words to their A translations
  <a><b>_<a>.tdd   data file of the A words
  <a><b>_<b>.tdd   data file of the B words
and then reads them back through the engine to check them.

Required options, with at least one INPUT:
  --lang-a CODE    code of language A, 1 to 4 ASCII letters or digits (such
                   as en); it makes up the file names
  --lang-b CODE    code of language B (such as de)
  --name-a NAME    name of language A as the application shows it (such as
                   English)
  --name-b NAME    name of language B (such as German)
  --id-a ID        language id of A, decimal or 0x hexadecimal (such as 1033,
                   a Windows language identifier)
  --id-b ID        language id of B (such as 1031)

Other options:
  --tables-a FILE  ending and variant tables of language A (default: none)
  --tables-b FILE  ending and variant tables of language B (default: none)
  --rank-a FILE    the user's word list of language A, most useful first:
                   listed words are kept before all others (default: none)
  --rank-b FILE    the same for language B
  --frequency-a FILE  a frequency list of language A: one word (or phrase)
                   a line, most common first; text after a tab, and a
                   number after the last blank, are ignored.  Ranks the
                   words kept and each word's translations; repeatable
  --frequency-b FILE  the same for language B
  --word-classes-a FILE  how often each sense of each word of language A
                   is used, in WordNet's cntlist.rev format (Debian's
                   wordnet-base: /usr/share/wordnet/cntlist.rev).  A sense
                   of a word class the word is seldom used in ranks lower
                   among the translations (default: none)
  --word-classes-b FILE  the same for language B
  --from-b INPUT   an input whose headwords are language B (inputs named
                   without an option have language A headwords)
  --left-out FILE  writes every word and translation left out, with the
                   reason, one a line (UTF-8) (default: not written)
  --output FOLDER  where the files go (default: the current folder)
  -h, --help       show this text
  --version        show the version

Inputs, in any number and mix; pairs from all of them are merged:
  word pair file   UTF-8 text, one pair a line: "word<TAB>translation".
                   Several lines with the same word give it several
                   translations, in line order.  Blank lines and lines
                   starting with '#' are skipped; a byte order mark and
                   CR LF line ends are accepted; blanks around the two
                   fields are dropped.  Every character must exist in
                   Windows-1252.
  FreeDict files   Debian's dict-freedict-*: name NAME.index, NAME.dict.dz
                   or NAME.dict; both files are read.  Each entry gives its
                   headword and translations; notes, examples, synonyms and
                   references are left out.
  Ding file        Debian's trans-de-en: "LEFT :: RIGHT" lines, parts split
                   by " | " and synonyms by "; "; each left term pairs with
                   each right term of the same part.
From dictionaries, grammar marks ({m} <n>), labels ([Br.]), notes in
parentheses, placeholders (sb. sth. jdn. etw.), a leading reflexive "sich"
and the "to" of English verbs are dropped; "colour/color" gives both words.
Phrases with a slash, incomplete phrases ("..."), and terms with characters
outside Windows-1252 are left out and counted.

Limits: a word takes at most 127 bytes, a language at most 65535 words,
a word at most 15 translations.  When the input holds more, the most
useful words are kept: the user's word list first, then the most common
words of the frequency lists (a phrase ranks by its words; a word the
lists lack by the common words it translates), then single words,
two-word phrases, inflected forms that smart search reaches from their
base, and longer phrases; within each, words with more translations.
Each word's translations are ranked by evidence: senses with usage
examples first, labelled and annotated senses later, pairs that both
directions give, common words.  The summary counts what was left out.

Table file (UTF-8), one group a line; items are separated by blanks, ""
is the empty string, and '#' starts a comment:
  ending           "ending BASE <- ENDING...": a word that is not found and
                   ends in ENDING is tried with ENDING replaced by BASE
                   (smart search), as in 'ending y <- ies' (cities -> city)
                   and 'ending "" <- s es' (boxes -> box)
  variant          "variant TEXT TEXT...": inside a word each TEXT may stand
                   for every other one (spell checking), as in
                   'variant ss ß' (Strasse -> Straße)

Exit status: 0 done, 1 bad input or a failed check, 2 bad usage.
)";
}

}  // namespace lexmake
