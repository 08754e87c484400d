#include "shell/word_text.h"

#include <cstdint>
#include <cstring>
#include <cwchar>

#include "platform/charset.h"

namespace {
bool isBlank(wchar_t c) { return c <= 0x20; }
}  // namespace

int trimBlanks(wchar_t* text) {
  size_t length = std::wcslen(text);
  while (length > 0 && isBlank(text[length - 1])) text[--length] = L'\0';
  size_t start = 0;
  while (start < length && isBlank(text[start])) ++start;
  if (start > 0) std::wmemmove(text, text + start, length - start + 1);
  return static_cast<int>(length - start);
}

int toNarrow(char* word, int capacity, const wchar_t* text) {
  if (capacity < 1) return -1;
  int length = 0;
  for (; text[length] != L'\0'; ++length) {
    uint8_t byte = 0;
    // A UTF-16 surrogate is no code point of its own, so it has no byte.
    if (length == capacity - 1 || !lexcore::narrowCodePoint(static_cast<uint16_t>(text[length]), &byte)) {
      word[0] = '\0';
      return -1;
    }
    word[length] = static_cast<char>(byte);
  }
  word[length] = '\0';
  return length;
}

int toWide(wchar_t* wide, int capacity, const char* text) {
  return static_cast<int>(lexcore::widenText(text, std::strlen(text), wide, capacity));
}
