// The letter-case shape of a word, and giving another text that shape: the
// translation put back by Replace takes the case of the word it replaces.
//
// Letters and their cases are those of the dictionaries' character set
// (platform/letter_case.h).
#ifndef LEXPAD_INTEGRATION_CASE_PATTERN_H
#define LEXPAD_INTEGRATION_CASE_PATTERN_H

enum CasePattern {
  CaseAsIs = 0,     // leave the other text unchanged
  CaseInitial = 1,  // make the first character upper case
  CaseAll = 2,      // make every lower-case character upper case
};

// The shape of the zero-terminated `text`: CaseInitial for 'Haus' and 'H',
// CaseAll for 'EU', 'B2B' and '1A', CaseAsIs for 'haus', 'McDonald', 'eBay'
// and a text without upper-case letters.
CasePattern casePattern(const wchar_t* text);

// Gives the zero-terminated `text` the shape `pattern`, in place.
void applyCasePattern(wchar_t* text, CasePattern pattern);

#endif  // LEXPAD_INTEGRATION_CASE_PATTERN_H
