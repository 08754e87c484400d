#include "integration/case_pattern.h"

#include "platform/letter_case.h"

using lexcore::isLowerCaseLetter;
using lexcore::isUpperCaseLetter;
using lexcore::toUpperCaseLetter;

CasePattern casePattern(const wchar_t* text) {
  if (isLowerCaseLetter(text[0])) return CaseAsIs;
  const bool initialUpper = isUpperCaseLetter(text[0]);
  int upper = 0;
  int lower = 0;
  for (const wchar_t* character = text; *character != L'\0'; ++character) {
    if (isUpperCaseLetter(*character)) ++upper;
    if (isLowerCaseLetter(*character)) ++lower;
  }
  if (upper == 0) return CaseAsIs;
  if (initialUpper && upper == 1) return CaseInitial;
  if (lower == 0) return CaseAll;
  return CaseAsIs;
}

void applyCasePattern(wchar_t* text, CasePattern pattern) {
  switch (pattern) {
    case CaseInitial:
      text[0] = toUpperCaseLetter(text[0]);
      break;
    case CaseAll:
      for (wchar_t* character = text; *character != L'\0'; ++character) *character = toUpperCaseLetter(*character);
      break;
    case CaseAsIs:
      break;
  }
}
