// Text at lexdict's edges: UTF-8 from the command line and standard input,
// 8-bit dictionary text (Windows-1252) for words, and wide text for the paths
// the engine takes.
#ifndef LEXDICT_TEXT_H
#define LEXDICT_TEXT_H

#include <cstddef>
#include <string>

#include "lexcore.h"

namespace lexdict {

using WideText = std::basic_string<TD_WCHAR>;

// Words the engine takes hold at most this many bytes of dictionary text.
constexpr size_t kMaxWordBytes = 255;

// UTF-8 to the engine's wide text; false when `utf8` is not valid UTF-8.
bool toWide(const std::string& utf8, WideText* wide);
// Zero-terminated wide text to UTF-8.
std::string fromWide(const TD_WCHAR* wide);

// Converts a word to dictionary text.  False with `problem` saying why when
// it is not valid UTF-8, holds a zero byte, has a character the dictionaries'
// character set lacks, or takes more than kMaxWordBytes bytes.
bool toDictionaryWord(const std::string& utf8, std::string* word, std::string* problem);

// `text` with every byte that is not part of valid UTF-8 replaced by U+FFFD,
// for echoing input that may be malformed.
std::string printable(const std::string& text);

// `text` as a JSON string literal, quotes included; malformed UTF-8 is
// replaced as by printable().
std::string jsonString(const std::string& text);

// Messages quote at most this many characters of a word or value.
constexpr size_t kQuotedCharacters = 60;

// `text` quoted for a message: as jsonString() gives it when it has at most
// kQuotedCharacters characters; otherwise its first kQuotedCharacters
// characters, "...", and how many characters it has in all.
std::string quoted(const std::string& text);

}  // namespace lexdict

#endif  // LEXDICT_TEXT_H
