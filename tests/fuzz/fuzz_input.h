// Splits a fuzz input into parts: each part is a 16-bit little-endian length
// followed by that many bytes; a length past the end takes what is left.
#ifndef VOCARO_FUZZ_INPUT_H
#define VOCARO_FUZZ_INPUT_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace fuzzing {

inline std::vector<std::string> splitParts(const uint8_t* data, size_t size, size_t parts) {
  std::vector<std::string> out;
  size_t pos = 0;
  for (size_t i = 0; i < parts; ++i) {
    size_t length = 0;
    if (size - pos >= 2) {
      length = data[pos] | (data[pos + 1] << 8);
      pos += 2;
    } else {
      pos = size;
    }
    if (length > size - pos) length = size - pos;
    out.emplace_back(reinterpret_cast<const char*>(data + pos), length);
    pos += length;
  }
  return out;
}

// Words to look up: the zero-separated pieces of `text`, at most `count`,
// each cut to 300 bytes.
inline std::vector<std::string> wordsOf(const std::string& text, size_t count) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size() && words.size() < count) {
    size_t end = text.find('\0', start);
    if (end == std::string::npos) end = text.size();
    words.push_back(text.substr(start, std::min<size_t>(end - start, 300)));
    start = end + 1;
  }
  return words;
}


}  // namespace fuzzing

#endif  // VOCARO_FUZZ_INPUT_H
