// Word search and entry decoding on a loaded DictionaryFile.
//
// A search first picks the one block whose key can start the word, using the
// keys held in memory, then reads that block and searches its entries.
#include <algorithm>
#include <cstring>

#include "datafile/bisection.h"
#include "datafile/collation.h"
#include "datafile/dictionary_file.h"

namespace lexcore {

// Compares `word` with the key of `block` over the key's length: negative
// when the word sorts lower, 0 when the key is a prefix of the word.  A word
// that ends inside the key sorts lower.
int DictionaryFile::matchKey(const char* word, int block) const {
  const char* k = key(block);
  const int length = keyLength(block);
  for (int i = 0; i < length; ++i) {
    const uint8_t w = static_cast<uint8_t>(word[i]);
    const uint8_t c = static_cast<uint8_t>(k[i]);
    if (w == 0) return -1;
    if (w != c) return w < c ? -1 : 1;
  }
  return 0;
}

// The last block whose key is a prefix of the word, or -1.
int DictionaryFile::findBlock(const char* word) const {
  using Place = Bisection<int>::Place;
  const Bisection<int> found = bisect(blockCount(), [&](int k) { return matchKey(word, k); });
  switch (found.place) {
    case Place::kBeforeFirst:
    case Place::kAfterLast:
      return -1;
    case Place::kEqual: {
      // A later key that is a longer prefix of the word wins.
      int result = found.index;
      for (int k = found.index + 1; k <= found.upper; ++k) {
        if (matchKey(word, k) == 0) result = k;
      }
      return result;
    }
    case Place::kBetween:
      break;
  }
  // The word lies between two keys: a shorter key before it may still be a
  // prefix.  An empty key is a prefix of every word.
  for (int k = found.index - 1; k >= 1; --k) {
    if (keyLength(k) == 0) return k;
    if (key(k)[0] != word[0]) return -1;
    if (matchKey(word, k) == 0) return k;
  }
  return -1;
}

// The first block from `start` on whose key equals the word's start under
// folding.  An empty key matches every word; a key of one byte every word
// whose first byte folds as the key's does; a longer key only words whose
// first two bytes fold as its own do, so only those keys are compared.
int DictionaryFile::findBlockFolded(const char* word, int start) const {
  start = start < 0 ? 0 : start;
  const size_t wordLength = std::strlen(word);
  const auto firstEmpty = std::lower_bound(emptyKeyBlocks_.begin(), emptyKeyBlocks_.end(), start);
  int best = firstEmpty == emptyKeyBlocks_.end() ? -1 : *firstEmpty;
  const auto earlier = [&best](int k) { return best < 0 || k < best; };
  if (wordLength == 0) return best;
  const uint64_t first = foldChar(static_cast<uint8_t>(word[0]));
  const uint64_t from = static_cast<uint32_t>(start);
  const auto oneByte = std::lower_bound(oneByteKeys_.begin(), oneByteKeys_.end(), first << 32 | from);
  if (oneByte != oneByteKeys_.end() && (*oneByte >> 32) == first && earlier(static_cast<int>(*oneByte & 0xFFFFFFFFu)))
    best = static_cast<int>(*oneByte & 0xFFFFFFFFu);
  if (wordLength == 1) return best;
  const uint64_t group = first << 8 | foldChar(static_cast<uint8_t>(word[1]));
  for (auto it = std::lower_bound(longerKeys_.begin(), longerKeys_.end(), group << 32 | from);
       it != longerKeys_.end() && (*it >> 32) == group; ++it) {
    const int k = static_cast<int>(*it & 0xFFFFFFFFu);
    if (!earlier(k)) break;
    const int length = keyLength(k);
    if (wordLength >= static_cast<size_t>(length) && compareFoldedN(word, key(k), length) == 0) return k;
  }
  return best;
}

// The first block whose running total passes `index`, or -1.
int DictionaryFile::blockOfEntry(uint32_t index) const {
  const auto it = std::upper_bound(entryEnds_.begin(), entryEnds_.end(), index);
  return it == entryEnds_.end() ? -1 : static_cast<int>(it - entryEnds_.begin());
}

// Expands the code bytes of entry `entry` of the block read last into `out`.
// False when the expansion does not fit; `out` then holds its first
// kMaxWordLength bytes, terminated.
bool DictionaryFile::expandEntry(int entry, char out[kWordBufferSize]) const {
  const size_t begin = entry == 0 ? 0 : blockEntryEnds_[entry - 1];
  const size_t end = blockEntryEnds_[entry];
  size_t used = 0;
  for (size_t i = begin; i < end; ++i) {
    const uint8_t code = blockCodes_[i];
    const size_t from = code == 0 ? 0 : codeEnds_[code - 1];
    const size_t length = codeEnds_[code] - from;
    if (length == 0) continue;
    if (used + length > kMaxWordLength) {
      std::memcpy(out + used, codeText_.data() + from, kMaxWordLength - used);
      out[kMaxWordLength] = 0;
      return false;
    }
    std::memcpy(out + used, codeText_.data() + from, length);
    used += length;
  }
  out[used] = 0;
  return true;
}

// Unsigned byte comparison of `suffix` with the text after the key of entry
// `entry`.  A text too long for the buffer sorts after its cut form.
int DictionaryFile::compareWithEntry(const char* suffix, int entry) const {
  char text[kWordBufferSize];
  const bool whole = expandEntry(entry, text);
  const int c = std::strcmp(suffix, text);  // strcmp compares as unsigned char
  if (c == 0 && !whole) return -1;
  return c;
}

int DictionaryFile::findInBlockExact(const char* suffix) const {
  const Bisection<int> found = bisect(static_cast<int>(blockEntryEnds_.size()),
                                      [&](int entry) { return compareWithEntry(suffix, entry); });
  return found.place == Bisection<int>::Place::kEqual ? found.index : -1;
}

// Whether the text after the key of entry `entry` of the block read last
// equals `suffix` under folding, as compareFolded would find it once the
// entry were expanded (a text longer than kMaxWordLength equals nothing; a
// zero byte ends it).  Compares while expanding and stops at the first
// difference, which for most entries is their first byte.
bool DictionaryFile::entryEqualsFolded(int entry, const char* suffix) const {
  const size_t begin = entry == 0 ? 0 : blockEntryEnds_[entry - 1];
  const size_t end = blockEntryEnds_[entry];
  size_t length = 0;
  for (size_t i = begin; i < end; ++i) {
    const uint8_t code = blockCodes_[i];
    length += codeEnds_[code] - (code == 0 ? 0 : codeEnds_[code - 1]);
  }
  if (length > kMaxWordLength) return false;
  size_t at = 0;
  for (size_t i = begin; i < end; ++i) {
    const uint8_t code = blockCodes_[i];
    for (size_t t = code == 0 ? 0 : codeEnds_[code - 1]; t < codeEnds_[code]; ++t, ++at) {
      const uint8_t byte = static_cast<uint8_t>(codeText_[t]);
      const uint8_t wanted = static_cast<uint8_t>(suffix[at]);
      if (foldChar(wanted) != foldChar(byte)) return false;
      if (byte == 0) return true;  // both texts end here
    }
  }
  return suffix[at] == 0;
}

int DictionaryFile::findInBlockFolded(const char* suffix) const {
  const int n = static_cast<int>(blockEntryEnds_.size());
  for (int j = 0; j < n; ++j) {
    if (entryEqualsFolded(j, suffix)) return j;
  }
  return -1;
}

namespace {

// An entry's whole text takes at most kMaxWordLength bytes, so a longer word
// equals no entry, not even one whose text is too long to decode.
bool fitsAnEntry(const char* word) { return word != nullptr && std::strlen(word) <= kMaxWordLength; }

}  // namespace

int32_t DictionaryFile::findExact(const char* word) {
  if (!isOpen_ || !fitsAnEntry(word)) return kNoEntry;
  const int k = findBlock(word);
  if (k < 0 || !readBlock(k)) return kNoEntry;
  const int j = findInBlockExact(word + keyLength(k));
  if (j < 0) return kNoEntry;
  return static_cast<int32_t>(firstEntry(k)) + j;
}

int32_t DictionaryFile::findNextFolded(const char* word, int32_t previous) {
  if (!isOpen_ || !fitsAnEntry(word)) return kNoEntry;
  int start = 0;
  if (previous != kNoEntry) {
    if (previous < 0 || static_cast<uint32_t>(previous) >= entryCount()) return kNoEntry;
    start = blockOfEntry(static_cast<uint32_t>(previous)) + 1;
  }
  for (;;) {
    const int k = findBlockFolded(word, start);
    if (k < 0) return kNoEntry;
    if (readBlock(k)) {
      const int j = findInBlockFolded(word + keyLength(k));
      if (j >= 0) return static_cast<int32_t>(firstEntry(k)) + j;
    }
    start = k + 1;
  }
}

bool DictionaryFile::decodeEntry(int32_t index, char out[kWordBufferSize]) {
  if (!isOpen_ || index < 0 || static_cast<uint32_t>(index) >= entryCount()) return false;
  const int k = blockOfEntry(static_cast<uint32_t>(index));
  if (!readBlock(k)) return false;
  const int length = keyLength(k);
  char suffix[kWordBufferSize];
  if (!expandEntry(static_cast<int>(index - firstEntry(k)), suffix)) return false;
  const size_t suffixLength = std::strlen(suffix);
  if (length + suffixLength > kMaxWordLength) return false;
  if (length > 0) std::memcpy(out, key(k), length);
  std::memcpy(out + length, suffix, suffixLength + 1);
  return true;
}

}  // namespace lexcore
