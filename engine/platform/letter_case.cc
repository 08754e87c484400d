#include "platform/letter_case.h"

namespace lexcore {
namespace {

// Letters of the character set beyond Latin-1, as upper/lower pairs.
struct LetterPair {
  char16_t upper;
  char16_t lower;
};
constexpr LetterPair kWideLetters[] = {
    {0x0160, 0x0161},  // S with caron
    {0x0152, 0x0153},  // OE
    {0x017D, 0x017E},  // Z with caron
    {0x0178, 0x00FF},  // Y with diaeresis
};

constexpr char16_t kMultiplicationSign = 0x00D7;
constexpr char16_t kDivisionSign = 0x00F7;
constexpr char16_t kSharpS = 0x00DF;
constexpr char16_t kLowerYWithDiaeresis = 0x00FF;
constexpr char16_t kCaseDistance = 0x20;  // between the ASCII and the Latin-1 pairs

}  // namespace

uint8_t foldChar(uint8_t c) {
  if ((c >= 0x41 && c <= 0x5A) || (c >= 0xC0 && c <= 0xDF)) return static_cast<uint8_t>(c | 0x20);
  return c;
}

bool isLowerCaseLetter(char16_t character) {
  if (character >= u'a' && character <= u'z') return true;
  if (character >= 0x00E0 && character <= 0x00FE) return character != kDivisionSign;
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.lower) return true;
  }
  return false;
}

bool isUpperCaseLetter(char16_t character) {
  if (character >= u'A' && character <= u'Z') return true;
  if (character >= 0x00C0 && character < kSharpS) return character != kMultiplicationSign;
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.upper) return true;
  }
  return false;
}

char16_t toUpperCaseLetter(char16_t character) {
  if (!isLowerCaseLetter(character)) return character;
  if (character < kLowerYWithDiaeresis) return static_cast<char16_t>(character - kCaseDistance);
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.lower) return pair.upper;
  }
  return character;
}

char16_t toLowerCaseLetter(char16_t character) {
  if (!isUpperCaseLetter(character)) return character;
  if (character < kSharpS) return static_cast<char16_t>(character + kCaseDistance);
  for (const LetterPair& pair : kWideLetters) {
    if (character == pair.upper) return pair.lower;
  }
  return character;
}

}  // namespace lexcore
