#include "datafile/collation.h"

#include <climits>

namespace lexcore {

int compareFoldedN(const char* a, const char* b, int n) {
  for (int i = 0; i < n; ++i) {
    const uint8_t ca = static_cast<uint8_t>(a[i]);
    const uint8_t cb = static_cast<uint8_t>(b[i]);
    const uint8_t fa = foldChar(ca);
    const uint8_t fb = foldChar(cb);
    if (fa > fb) return 1;
    if (fa < fb) return -1;
    if (ca == 0 || cb == 0) return 0;
  }
  return 0;
}

int compareFolded(const char* a, const char* b) { return compareFoldedN(a, b, INT_MAX); }

}  // namespace lexcore
