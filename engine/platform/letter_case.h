// Upper and lower case in the dictionaries' character set, in one place for
// the engine, the tools and lexpad.
//
// Two rules live here.  The data files are sorted, and words compared, by
// a byte folding fixed by the file format: the ASCII capitals and every
// byte from 0xC0 to 0xDF get bit 0x20 (so the signs 0xD7 and 0xDF fold too).
// For text that people see, the letters are those of the character set seen
// as UTF-16: A-Z and a-z, the Latin-1 letters from U+00C0 to U+00FE without
// the signs U+00D7 and U+00F7, and the pairs S/s with caron, OE/oe, Z/z
// with caron and Y/y with diaeresis.  The sharp s has no single upper-case
// letter there and counts as neither case; any other character is no letter
// and never changes.
#ifndef LEXCORE_PLATFORM_LETTER_CASE_H
#define LEXCORE_PLATFORM_LETTER_CASE_H

#include <cstdint>

namespace lexcore {

// The byte the collation compares in place of `c`.
uint8_t foldChar(uint8_t c);

bool isLowerCaseLetter(char16_t character);
bool isUpperCaseLetter(char16_t character);

// The other case of a letter; any other character unchanged.
char16_t toUpperCaseLetter(char16_t character);
char16_t toLowerCaseLetter(char16_t character);

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_LETTER_CASE_H
