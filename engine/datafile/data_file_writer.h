// Lays out dictionary data files (see datafile/format.h).  A DataFileLayout
// is the file field by field; the tests change single fields of it to make
// deliberately odd or broken files, and buildDataFile() fills it from a
// sorted word list for the dictionary compiler.
#ifndef LEXCORE_WRITER_DATA_FILE_WRITER_H
#define LEXCORE_WRITER_DATA_FILE_WRITER_H

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datafile/block_partition.h"

namespace lexcore {

// Groups of strings: an ending table (each group's first string is the base
// ending, the others map to it) or a variant table.
using StringGroups = std::vector<std::vector<std::string>>;

struct OptionalRecord {
  uint8_t type = 0;
  uint8_t groupCount = 0;
  std::string body;  // as stored: group bytes already complemented
};

struct DataBlock {
  std::string key;                       // 0..15 bytes
  std::vector<std::string> entryCodes;   // each entry's code bytes, 0..15 of them
};

struct DataFileLayout {
  std::string magic = std::string("TRD\0", 4);
  uint32_t headerSize = 76;  // bytes past 76 are written as zeros
  uint32_t languageId = 0;
  std::string languageName;  // at most 49 bytes
  std::array<std::string, 256> codes;  // expansion of each code, 0..15 bytes
  std::vector<DataBlock> blocks;
  std::vector<OptionalRecord> records;
  // Stored values that normally follow from the blocks.
  std::optional<int16_t> blockCountField;
  std::optional<uint32_t> entryCountField;
  std::optional<std::vector<uint16_t>> blockSizeFields;
  std::optional<std::vector<uint16_t>> entryCountFields;
};

// A code table in which code c expands to the single byte c, and code 0 to
// nothing.
std::array<std::string, 256> byteCodeTable();

// Encodes `text` with the fewest codes of `codes` (see CodeParser); false
// when it cannot be encoded in at most 15 codes.
bool encodeText(const std::array<std::string, 256>& codes, const std::string& text, std::string* codeBytes);

// A record of groups, complemented as stored; false when a group is longer
// than 255 bytes or there are more than 255 groups.
bool makeTableRecord(uint8_t type, const StringGroups& groups, OptionalRecord* record);

// The bytes of the file.
std::string writeDataFile(const DataFileLayout& layout);

// Fills `layout` from sorted, distinct words (unsigned byte order) with the
// given codes and partition.  False with a reason when a word does not start
// with its block's key, its suffix cannot be encoded, or a limit is passed.
bool buildDataFile(const std::vector<std::string>& words, const std::array<std::string, 256>& codes,
                   const std::vector<BlockPlan>& plan, DataFileLayout* layout, std::string* error);

}  // namespace lexcore

#endif  // LEXCORE_WRITER_DATA_FILE_WRITER_H
