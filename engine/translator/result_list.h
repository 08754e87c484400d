// Appending to the packed string lists of a TRANSLATE record.
#ifndef LEXCORE_TRANSLATOR_RESULT_LIST_H
#define LEXCORE_TRANSLATOR_RESULT_LIST_H

#include <cstring>

#include "translator/lexcore.h"

namespace lexcore {

// Copies `text` with its terminator behind the `used` bytes of `area`, which
// holds `size` bytes, and counts it.  False, with nothing written, when it
// does not fit.
inline bool appendToList(char* area, int16_t size, int16_t& used, int16_t& count, const char* text) {
  const size_t length = std::strlen(text) + 1;
  if (area == nullptr || used < 0 || size < used || length > static_cast<size_t>(size - used)) return false;
  std::memcpy(area + used, text, length);
  used = static_cast<int16_t>(used + length);
  ++count;
  return true;
}

inline bool appendTranslation(TRANSLATE& request, const char* text) {
  return appendToList(request.transList, request.transSize, request.transUsed, request.transCount, text);
}

inline bool appendSuggestion(TRANSLATE& request, const char* text) {
  return appendToList(request.suggestList, request.suggestSize, request.suggestUsed, request.suggestCount, text);
}

}  // namespace lexcore

#endif  // LEXCORE_TRANSLATOR_RESULT_LIST_H
