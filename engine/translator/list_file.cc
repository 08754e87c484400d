#include "translator/list_file.h"

#include <cstring>

#include "datafile/format.h"
#include "platform/charset.h"
#include "platform/coding.h"

namespace lexcore {
namespace {

// The sum of items 0..count-1 of a nibble length table.  Eight bytes are
// added at a time, each byte's two nibbles side by side in 8-bit lanes; the
// lanes are folded into the total before they can overflow.  Only the sum of
// all bytes matters, so the host's byte order does not.
uint64_t sumNibbles(const uint8_t* table, uint32_t count) {
  constexpr uint64_t kLowNibbles = 0x0F0F0F0F0F0F0F0Full;
  constexpr uint64_t kLowBytes = 0x00FF00FF00FF00FFull;
  constexpr int kStepsPerFold = 8;  // 8 steps of at most 30 per lane stay below 256
  const size_t wholeBytes = count / 2;
  uint64_t total = 0;
  size_t i = 0;
  while (wholeBytes - i >= 8) {
    uint64_t lanes = 0;
    for (int step = 0; step < kStepsPerFold && wholeBytes - i >= 8; ++step, i += 8) {
      uint64_t word;
      std::memcpy(&word, table + i, sizeof word);
      lanes += (word & kLowNibbles) + ((word >> 4) & kLowNibbles);
    }
    const uint64_t pairs = (lanes & kLowBytes) + ((lanes >> 8) & kLowBytes);  // four 16-bit lanes
    total += (pairs * 0x0001000100010001ull) >> 48;
  }
  for (; i < wholeBytes; ++i) total += (table[i] & 0x0F) + (table[i] >> 4);
  if (count % 2 != 0) total += table[wholeBytes] & 0x0F;
  return total;
}

}  // namespace

int32_t readListHeader(File& file, uint8_t header[kListHeaderSize]) {
  if (!file.isOpen() || file.read(header, kListHeaderSize) != static_cast<int64_t>(kListHeaderSize))
    return TD_ERR_READ;
  if (decodeU32(header + kListHeaderSizeOffset) != kListHeaderSize || std::memcmp(header, kListMagic, 4) != 0)
    return TD_ERR_FILE;
  return TD_OK;
}

int32_t loadListFile(File& file, uint8_t header[kListHeaderSize], int64_t* size, std::string* reason) {
  if (!file.isOpen()) {
    *reason = "the file cannot be opened (missing, no permission, or another program holds it)";
    return TD_ERR_READ;
  }
  *size = file.size();
  const int32_t result = readListHeader(file, header);
  if (result == TD_ERR_READ) {
    *reason = "the file has " + groupedNumber(*size < 0 ? 0 : static_cast<uint64_t>(*size)) +
              " bytes, fewer than the 128-byte header of a dictionary list file";
    return result;
  }
  if (result != TD_OK && std::memcmp(header, kListMagic, 4) != 0) {
    *reason = "not a dictionary list file: it does not begin with \"TDL\" and a zero byte";
    return result;
  }
  if (result != TD_OK) {
    *reason = "the header size field (byte 8) is " + groupedNumber(decodeU32(header + kListHeaderSizeOffset)) +
              ", not 128";
    return result;
  }
  const uint64_t fileSize = *size < 0 ? 0 : static_cast<uint64_t>(*size);
  const uint32_t entries = listEntryCount(header);
  const uint64_t countsEnd = kListHeaderSize + nibbleTableSize(entries);
  const auto cut = [&](const char* what, uint64_t end) {
    *reason = std::string(what) + " ends at byte " + groupedNumber(end) + " but the file has " +
              groupedNumber(fileSize) + " bytes";
    return static_cast<int32_t>(TD_ERR_FILE);
  };
  if (countsEnd > fileSize) return cut("the translation count table", countsEnd);
  std::vector<uint8_t> counts(nibbleTableSize(entries));
  if (!file.seek(kListHeaderSize) || !file.readExact(counts.data(), counts.size())) {
    *reason = "the translation count table cannot be read";
    return TD_ERR_FILE;
  }
  const uint64_t indexesEnd = countsEnd + 2 * sumNibbles(counts.data(), entries);
  if (indexesEnd > fileSize) return cut("the translation index table", indexesEnd);
  reason->clear();
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
  const uint64_t first = sumNibbles(counts.data(), index);
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
