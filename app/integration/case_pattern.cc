#include "integration/case_pattern.h"

namespace {

// Letters of the character set beyond Latin-1, as upper/lower pairs.
struct LetterPair {
  wchar_t upper;
  wchar_t lower;
};
constexpr LetterPair kWideLetters[] = {
    {0x0160, 0x0161},  // S with caron
    {0x0152, 0x0153},  // OE
    {0x017D, 0x017E},  // Z with caron
    {0x0178, 0x00FF},  // Y with diaeresis
};

constexpr wchar_t kMultiplicationSign = 0x00D7;
constexpr wchar_t kDivisionSign = 0x00F7;
constexpr wchar_t kSharpS = 0x00DF;
constexpr wchar_t kLowerYWithDiaeresis = 0x00FF;
constexpr wchar_t kCaseDistance = 0x20;  // between the Latin-1 pairs

}  // namespace

bool isLowerCaseLetter(wchar_t character) {
  if (character >= L'a' && character <= L'z') return true;
  if (character >= 0x00E0 && character <= 0x00FE) return character != kDivisionSign;
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.lower) return true;
  }
  return false;
}

bool isUpperCaseLetter(wchar_t character) {
  if (character >= L'A' && character <= L'Z') return true;
  if (character >= 0x00C0 && character < kSharpS) return character != kMultiplicationSign;
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.upper) return true;
  }
  return false;
}

wchar_t toUpperCaseLetter(wchar_t character) {
  if (!isLowerCaseLetter(character)) return character;
  if (character < kLowerYWithDiaeresis) return character - kCaseDistance;
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.lower) return pair.upper;
  }
  return character;
}

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
