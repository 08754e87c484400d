#include "translator/list_file.h"

#include <cstring>

#include "datafile/format.h"
#include "platform/charset.h"
#include "platform/coding.h"

namespace lexcore {

int32_t readListHeader(File& file, uint8_t header[kListHeaderSize]) {
  if (!file.isOpen() || file.read(header, kListHeaderSize) != static_cast<int64_t>(kListHeaderSize))
    return TD_ERR_READ;
  if (decodeU32(header + kListHeaderSizeOffset) != kListHeaderSize || std::memcmp(header, kListMagic, 4) != 0)
    return TD_ERR_FILE;
  return TD_OK;
}

size_t listFileName(const uint8_t header[kListHeaderSize], bool primary, TD_WCHAR* out, ptrdiff_t capacity) {
  const size_t offset = primary ? kPrimaryNameOffset : kSecondaryNameOffset;
  return widenText(reinterpret_cast<const char*>(header + offset), kFileNameSize - 1, out, capacity);
}

uint32_t listEntryCount(const uint8_t header[kListHeaderSize]) {
  const int32_t n = static_cast<int32_t>(decodeU32(header + kListEntryCountOffset));
  return n < 0 ? 0 : static_cast<uint32_t>(n);
}

bool readTranslationIndexes(File& file, uint32_t entryCount, uint32_t index, bool wanted,
                            std::vector<uint16_t>* out) {
  out->clear();
  if (index >= entryCount) return true;
  // The counts of items 0..index: index / 2 + 1 bytes.
  std::vector<uint8_t> counts(index / 2 + 1);
  if (!file.seek(kListHeaderSize) || !file.readExact(counts.data(), counts.size())) return false;
  uint64_t first = 0;
  for (uint32_t i = 0; i < index; ++i) first += nibbleAt(counts.data(), i);
  const int n = nibbleAt(counts.data(), index);
  if (!wanted || n == 0) {
    out->assign(n, 0);
    return true;
  }
  uint8_t bytes[2 * kMaxTranslations];
  const uint64_t offset = kListHeaderSize + nibbleTableSize(entryCount) + 2 * first;
  if (!file.seek(offset) || !file.readExact(bytes, 2 * static_cast<size_t>(n))) return false;
  for (int i = 0; i < n; ++i) out->push_back(decodeU16(bytes + 2 * i));
  return true;
}

}  // namespace lexcore
