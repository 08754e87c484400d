#include "dictionary_text.h"

#include <cstdio>

#include "diagnostics.h"
#include "platform/charset.h"

namespace lexmake {
namespace {

std::string codePointName(uint32_t codePoint) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
  return name;
}

bool isControl(uint32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F); }

}  // namespace

bool toDictionaryText(const std::string& utf8, std::string* text, std::string* problem) {
  std::u16string wide;
  if (!lexcore::utf8ToUtf16(utf8, &wide)) {
    *problem = "not valid UTF-8";
    return false;
  }
  text->clear();
  size_t i = 0;
  while (i < wide.size()) {
    const size_t start = i;
    uint32_t codePoint = wide[i++];
    // utf8ToUtf16 only makes well-formed surrogate pairs.
    if (codePoint >= 0xD800 && codePoint <= 0xDBFF)
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (wide[i++] - 0xDC00);
    if (isControl(codePoint)) {
      *problem = "control character " + codePointName(codePoint);
      return false;
    }
    uint8_t byte = 0;
    if (!lexcore::narrowCodePoint(codePoint, &byte)) {
      *problem = "\"" + lexcore::utf16ToUtf8(wide.substr(start, i - start)) + "\" (" + codePointName(codePoint) +
                 ") has no Windows-1252 character";
      return false;
    }
    text->push_back(static_cast<char>(byte));
  }
  return true;
}

std::string quoted(const std::string& text) { return quotedUtf8(lexcore::dictionaryToUtf8(text)); }

}  // namespace lexmake
