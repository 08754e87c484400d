// Byte layout of a dictionary data file (magic "TRD").  All numbers are
// little-endian; B is the block count, S the code text length, K the key text
// length.
//
//   POSITION     LENGTH        CONTENT
//   0            headerSize    header (76 bytes are interpreted, below)
//   headerSize   128           code length table: nibble lengths of codes 0..255
//   next         S             code text: the expansions of codes 0..255
//   next         ceil(B/2)     key length table: nibble lengths of keys 0..B-1
//   next         K             key text: keys 0..B-1, back to back
//   next         2*B           entry count per block (u16, at least 1)
//   next         2*B           stored size per block (u16)
//   P0           sum of sizes  blocks 0..B-1
//   then         to the end    optional records
//
// Header:
//   OFFSET  SIZE  FIELD
//   0       4     magic "TRD\0"
//   8       4     headerSize (at least 76)
//   16      4     languageId
//   20      50    languageName, zero-terminated 8-bit text
//   70      2     blockCount (signed, 1..32767)
//   72      4     entryCount (informative; the reader sums the count table)
//
// A block of n entries: the nibble lengths of its n code strings (ceil(n/2)
// bytes), then the code bytes of its entries back to back.  An entry's text is
// its block key followed by the expansions of its code bytes.
//
// Optional record: type (u8: 200 ending table, 201 variant table, others are
// skipped), group count (u8), body size (u16), body.  A body is a run of
// groups; a group is its length byte L (counting itself) and L-1 bytes stored
// complemented (XOR 0xFF) that hold zero-terminated strings.
//
// Nibble length table of N items: ceil(N/2) bytes; byte j holds item 2j in
// its low four bits and item 2j+1 in its high four bits.
#ifndef LEXCORE_DATAFILE_FORMAT_H
#define LEXCORE_DATAFILE_FORMAT_H

#include <cstddef>
#include <cstdint>

namespace lexcore {

constexpr size_t kDataHeaderSize = 76;
constexpr size_t kDataHeaderSizeOffset = 8;
constexpr size_t kLanguageIdOffset = 16;
constexpr size_t kLanguageNameOffset = 20;
constexpr size_t kLanguageNameSize = 50;
constexpr size_t kBlockCountOffset = 70;
constexpr size_t kEntryCountOffset = 72;
constexpr uint8_t kDataMagic[4] = {'T', 'R', 'D', 0};

constexpr int kCodeCount = 256;
constexpr size_t kCodeLengthTableSize = kCodeCount / 2;
constexpr int kMaxNibble = 15;
constexpr int kMaxBlockCount = 32767;
constexpr uint32_t kMaxEntryCount = 65535;

// Entry texts, candidates and decoded translations live in buffers of this
// size: at most 127 bytes of text and a terminator.
constexpr size_t kWordBufferSize = 128;
constexpr size_t kMaxWordLength = kWordBufferSize - 1;

constexpr uint8_t kRecordEndings = 200;
constexpr uint8_t kRecordVariants = 201;
constexpr size_t kRecordHeaderSize = 4;

constexpr size_t nibbleTableSize(size_t items) { return (items + 1) / 2; }

inline int nibbleAt(const uint8_t* table, size_t item) {
  const uint8_t b = table[item / 2];
  return (item % 2 == 0) ? (b & 0x0F) : (b >> 4);
}

}  // namespace lexcore

#endif  // LEXCORE_DATAFILE_FORMAT_H
