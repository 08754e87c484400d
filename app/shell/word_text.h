// Word text between the window's wide fields and the engine's 8-bit words.
// The 8-bit side is the dictionaries' character set (Windows-1252), never
// the process locale, so a result does not depend on the machine's language
// settings.
#ifndef LEXPAD_SHELL_WORD_TEXT_H
#define LEXPAD_SHELL_WORD_TEXT_H

// Capacity of an 8-bit word and of each result area, terminator included.
constexpr int kWordCapacity = 256;

// Removes the characters with codes up to 0x20 (the space and the control
// characters) from both ends of `text`, in place.  Returns the new length.
int trimBlanks(wchar_t* text);

// Converts `text` into `word` (`capacity` bytes, terminator included).
// Returns the word's length, or -1 when a character of `text` has no byte in
// the dictionaries' set or the word does not fit; `word` is then empty.
int toNarrow(char* word, int capacity, const wchar_t* text);

// Widens 8-bit `text` into `wide` (`capacity` characters, terminator
// included), cut to fit.  Returns the length written.
int toWide(wchar_t* wide, int capacity, const char* text);

#endif  // LEXPAD_SHELL_WORD_TEXT_H
