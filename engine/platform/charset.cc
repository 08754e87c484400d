#include "platform/charset.h"

namespace lexcore {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the set equals Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Appends one code point as UTF-8.
void appendUtf8(uint32_t cp, std::string* out) {
  if (cp < 0x80) {
    out->push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes the code point at `*pos`, advancing it; false on malformed input.
bool nextUtf8(const std::string& s, size_t* pos, uint32_t* cp) {
  const auto byte = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = byte(*pos);
  size_t extra;
  uint32_t value;
  if (lead < 0x80) {
    extra = 0;
    value = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    value = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    value = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    value = lead & 0x07;
  } else {
    return false;
  }
  if (s.size() - *pos <= extra) return false;
  for (size_t i = 1; i <= extra; ++i) {
    const uint8_t b = byte(*pos + i);
    if ((b & 0xC0) != 0x80) return false;
    value = (value << 6) | (b & 0x3F);
  }
  static constexpr uint32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
  if (value < kMinimum[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return false;
  *pos += extra + 1;
  *cp = value;
  return true;
}

}  // namespace

char16_t widenByte(uint8_t byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

bool narrowCodePoint(uint32_t codePoint, uint8_t* byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    *byte = static_cast<uint8_t>(codePoint);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == codePoint) {
      *byte = static_cast<uint8_t>(0x80 + i);
      return true;
    }
  }
  return false;
}

bool utf8ToDictionary(const std::string& utf8, std::string* out) {
  out->clear();
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t cp;
    uint8_t b;
    if (!nextUtf8(utf8, &pos, &cp) || !narrowCodePoint(cp, &b)) return false;
    out->push_back(static_cast<char>(b));
  }
  return true;
}

std::string dictionaryToUtf8(const std::string& text) {
  std::string out;
  for (char c : text) appendUtf8(widenByte(static_cast<uint8_t>(c)), &out);
  return out;
}

bool utf8ToUtf16(const std::string& utf8, std::u16string* out) {
  out->clear();
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t cp;
    if (!nextUtf8(utf8, &pos, &cp)) return false;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out->push_back(static_cast<char16_t>(cp));
    }
  }
  return true;
}

std::string utf16ToUtf8(const std::u16string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    appendUtf8(cp, &out);
  }
  return out;
}

}  // namespace lexcore
