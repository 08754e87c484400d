#include "text.h"

#include <cstdio>

#include "platform/charset.h"

namespace lexdict {
namespace {

// The length of the valid UTF-8 character at `pos`, or 0.
size_t validCharacterLength(const std::string& text, size_t pos) {
  std::u16string ignored;
  for (size_t length = 1; length <= 4 && pos + length <= text.size(); ++length) {
    if (lexcore::utf8ToUtf16(text.substr(pos, length), &ignored)) return length;
  }
  return 0;
}

}  // namespace

bool toWide(const std::string& utf8, WideText* wide) {
  std::u16string units;
  if (!lexcore::utf8ToUtf16(utf8, &units)) return false;
  wide->assign(units.begin(), units.end());
  return true;
}

std::string fromWide(const TD_WCHAR* wide) {
  std::u16string units;
  for (const TD_WCHAR* p = wide; *p != 0; ++p) units.push_back(static_cast<char16_t>(*p));
  return lexcore::utf16ToUtf8(units);
}

bool toDictionaryWord(const std::string& utf8, std::string* word, std::string* problem) {
  std::u16string units;
  if (!lexcore::utf8ToUtf16(utf8, &units)) {
    *problem = "is not valid UTF-8";
    return false;
  }
  if (utf8.find('\0') != std::string::npos) {
    *problem = "holds a zero byte";
    return false;
  }
  if (!lexcore::utf8ToDictionary(utf8, word)) {
    *problem = "has a character that the dictionaries' character set (Windows-1252) cannot represent";
    return false;
  }
  if (word->size() > kMaxWordBytes) {
    *problem = "is longer than " + std::to_string(kMaxWordBytes) + " bytes in the dictionaries' character set";
    return false;
  }
  return true;
}

std::string printable(const std::string& text) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t length = validCharacterLength(text, pos);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++pos;
    } else {
      out.append(text, pos, length);
      pos += length;
    }
  }
  return out;
}

std::string quoted(const std::string& text) {
  const std::string clean = printable(text);
  size_t pos = 0;
  size_t characters = 0;
  size_t cut = 0;
  while (pos < clean.size()) {
    pos += validCharacterLength(clean, pos);
    if (++characters == kQuotedCharacters) cut = pos;
  }
  if (characters <= kQuotedCharacters) return jsonString(clean);
  const std::string head = jsonString(clean.substr(0, cut));
  return head.substr(0, head.size() - 1) + "...\" (" + std::to_string(characters) + " characters)";
}

std::string jsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : printable(text)) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out.push_back(c);
        }
    }
  }
  out += "\"";
  return out;
}

}  // namespace lexdict
