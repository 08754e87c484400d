// Dictionary list file (magic "TDL"): names the two data files of one
// translation direction and links every entry of the primary data file to up
// to 15 entries of the secondary one.  All numbers are little-endian.
//
//   OFFSET               SIZE       FIELD
//   0                    4          magic "TDL\0"
//   8                    4          headerSize: 128
//   76                   4          entryCount N (signed)
//   88                   20         primary data file name, zero-terminated
//   108                  20         secondary data file name, zero-terminated
//   128                  (N+1)/2    translation counts: nibble table of N items
//   128 + (N+1)/2        2*T        translation indexes (u16), T = sum of counts
//
// The translations of primary entry i are count[i] indexes starting at item
// count[0] + ... + count[i-1] of the index table.
#ifndef LEXCORE_TRANSLATOR_LIST_FILE_H
#define LEXCORE_TRANSLATOR_LIST_FILE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/file.h"

namespace lexcore {

constexpr size_t kListHeaderSize = 128;
constexpr size_t kListHeaderSizeOffset = 8;
constexpr size_t kListEntryCountOffset = 76;
constexpr size_t kPrimaryNameOffset = 88;
constexpr size_t kSecondaryNameOffset = 108;
constexpr size_t kFileNameSize = 20;
constexpr uint8_t kListMagic[4] = {'T', 'D', 'L', 0};
constexpr int kMaxTranslations = 15;

// Reads the header of an open list file: TD_OK, TD_ERR_READ when fewer than
// 128 bytes came, TD_ERR_FILE for a wrong magic or header size.
int32_t readListHeader(File& file, uint8_t header[kListHeaderSize]);

// Reads and checks an open list file: its header as readListHeader does,
// then that the file holds the whole translation count table and every
// translation index the counts call for.  TD_OK with `header` filled and
// `size` the file's size; otherwise TD_ERR_READ or TD_ERR_FILE with `reason`
// saying what is wrong and where.  Reads the count table once and keeps
// nothing of it.
int32_t loadListFile(File& file, uint8_t header[kListHeaderSize], int64_t* size, std::string* reason);

// Widens a file name field of the header into `out` (capacity in units).
size_t listFileName(const uint8_t header[kListHeaderSize], bool primary, TD_WCHAR* out, ptrdiff_t capacity);

// The number of primary entries the list file covers (0 when negative).
uint32_t listEntryCount(const uint8_t header[kListHeaderSize]);

// Reads the translation indexes of primary entry `index` from an open list
// file into `out` (cleared first).  With `wanted` false only their number is
// learnt and `out` gets that many zeros.  An entry beyond the covered count
// has none.  False when a read fails or comes up short.
bool readTranslationIndexes(File& file, uint32_t entryCount, uint32_t index, bool wanted,
                            std::vector<uint16_t>* out);

}  // namespace lexcore

#endif  // LEXCORE_TRANSLATOR_LIST_FILE_H
