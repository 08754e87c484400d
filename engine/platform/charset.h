// The dictionaries' 8-bit character set and its wide (UTF-16) form.
//
// Dictionary text is Windows-1252; the five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the code points of the
// same value.  Every conversion in the engine and the tools uses this one
// mapping, never the process locale.
#ifndef LEXCORE_PLATFORM_CHARSET_H
#define LEXCORE_PLATFORM_CHARSET_H

#include <cstddef>
#include <cstdint>
#include <string>

namespace lexcore {

// The UTF-16 code unit of one dictionary byte.
char16_t widenByte(uint8_t byte);

// The dictionary byte of a code point; false when the set has none.
bool narrowCodePoint(uint32_t codePoint, uint8_t* byte);

// Widens at most `length` bytes of `text` (stopping at a zero byte) into
// `out`, which holds `capacity` units; the result is cut to capacity - 1 units
// and terminated.  Returns the units written, terminator excluded.  A
// capacity below 1 writes nothing.
template <typename WideChar>
size_t widenText(const char* text, size_t length, WideChar* out, ptrdiff_t capacity) {
  if (capacity < 1) return 0;
  size_t n = 0;
  while (n < length && text[n] != 0 && static_cast<ptrdiff_t>(n) < capacity - 1) {
    out[n] = static_cast<WideChar>(widenByte(static_cast<uint8_t>(text[n])));
    ++n;
  }
  out[n] = 0;
  return n;
}

// UTF-8 to dictionary text; false when a character has no byte in the set or
// the input is not valid UTF-8.
bool utf8ToDictionary(const std::string& utf8, std::string* out);
// Dictionary text to UTF-8.
std::string dictionaryToUtf8(const std::string& text);
// UTF-8 to UTF-16 (for paths); false when the input is not valid UTF-8.
bool utf8ToUtf16(const std::string& utf8, std::u16string* out);
std::string utf16ToUtf8(const std::u16string& text);

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_CHARSET_H
