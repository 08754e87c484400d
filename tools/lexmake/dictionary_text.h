// Turns UTF-8 input text into the dictionaries' 8-bit character set
// (Windows-1252), naming the first character that has no byte there.
#ifndef LEXMAKE_DICTIONARY_TEXT_H
#define LEXMAKE_DICTIONARY_TEXT_H

#include <string>

namespace lexmake {

// False with a reason in `problem` when `utf8` is not valid UTF-8, holds a
// control character, or holds a character the set cannot represent.
bool toDictionaryText(const std::string& utf8, std::string* text, std::string* problem);

// Dictionary text as UTF-8 in double quotes, for messages.
std::string quoted(const std::string& text);

}  // namespace lexmake

#endif  // LEXMAKE_DICTIONARY_TEXT_H
