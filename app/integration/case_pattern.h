// The letter-case shape of a word, and giving another text that shape: the
// translation put back by Replace takes the case of the word it replaces.
//
// Letters are those of the dictionaries' character set (Windows-1252 seen
// as UTF-16): A-Z and a-z, the Latin-1 letters from U+00C0 to U+00FE
// without the signs U+00D7 and U+00F7, and the pairs S/s with caron,
// OE/oe, Z/z with caron and Y/y with diaeresis.  The sharp s has no single
// upper-case letter there and counts as neither case.  Any other character
// is no letter and is never changed.
#ifndef LEXPAD_INTEGRATION_CASE_PATTERN_H
#define LEXPAD_INTEGRATION_CASE_PATTERN_H

enum CasePattern {
  CaseAsIs = 0,     // leave the other text unchanged
  CaseInitial = 1,  // make the first character upper case
  CaseAll = 2,      // make every lower-case character upper case
};

bool isLowerCaseLetter(wchar_t character);
bool isUpperCaseLetter(wchar_t character);

// The upper-case letter of a lower-case one; any other character unchanged.
wchar_t toUpperCaseLetter(wchar_t character);

// The shape of the zero-terminated `text`: CaseInitial for 'Haus' and 'H',
// CaseAll for 'EU', 'B2B' and '1A', CaseAsIs for 'haus', 'McDonald', 'eBay'
// and a text without upper-case letters.
CasePattern casePattern(const wchar_t* text);

// Gives the zero-terminated `text` the shape `pattern`, in place.
void applyCasePattern(wchar_t* text, CasePattern pattern);

#endif  // LEXPAD_INTEGRATION_CASE_PATTERN_H
