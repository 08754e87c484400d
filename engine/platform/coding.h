// Little-endian numbers in file bytes.  These helpers do no bounds checking:
// callers check that the bytes are there before they decode them.
#ifndef LEXCORE_PLATFORM_CODING_H
#define LEXCORE_PLATFORM_CODING_H

#include <cstdint>
#include <string>

namespace lexcore {

inline uint16_t decodeU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

inline uint32_t decodeU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}

// A count for messages, its digits grouped by thousands: 5120 -> "5,120".
inline std::string groupedNumber(uint64_t n) {
  std::string digits = std::to_string(n);
  for (size_t i = digits.size(); i > 3; i -= 3) digits.insert(i - 3, ",");
  return digits;
}

inline void putU16(std::string* out, uint16_t v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>(v >> 8));
}

inline void putU32(std::string* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace lexcore

#endif  // LEXCORE_PLATFORM_CODING_H
