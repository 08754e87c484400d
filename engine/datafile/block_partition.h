// Splits the sorted words of a data file into blocks and chooses each
// block's key, for the smallest file.
//
// A file stays searchable when every block's key (0 to 15 bytes) is a prefix
// of each of its words and no prefix of any word of an earlier block.  With
// sorted words the second rule reads: a block that starts at word i has a key
// longer than what words i-1 and i share.  So a block cannot start where a
// word shares 15 bytes or more with the word before it, and a run of such
// words always stays in one block.
//
// The search scans every block for a word that starts with block 0's key,
// so block 0's key is the first word itself (or its first 15 bytes): the
// fewest words start with it.
//
// What a block costs in the file, in bytes: its entry count and stored size
// (2 + 2), its key length nibble (1/2), its key, the nibble table of its
// entries' code lengths (1/2 an entry, rounded up), and the code bytes of the
// entries' text after the key.  The partition with the least total cost is
// found exactly, by dynamic programming over the block ends.
#ifndef LEXCORE_WRITER_BLOCK_PARTITION_H
#define LEXCORE_WRITER_BLOCK_PARTITION_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lexcore {

// One block: its key, and how many of the sorted words it takes.
struct BlockPlan {
  std::string key;
  size_t count = 0;
};

// The code counts of one word's text after each possible key length:
// codes[L] for L = 0 .. 15 (those beyond the word's length are not used).
// A count above 15 means the text after L bytes cannot be stored.
struct SuffixCodes {
  uint8_t codes[16];
};

// How many leading bytes `a` and `b` share.
size_t commonPrefix(const std::string& a, const std::string& b);

// The best partition of `words` (sorted, distinct, unsigned byte order) for
// the given code counts (one per word).  A block takes at most `maxEntries`
// words, unless a run of words that cannot be split is longer, and at most
// 65535 bytes.  Words whose text cannot be stored are avoided where a
// partition allows it and count very high where none does.  Empty when no
// partition keeps every block within 65535 bytes.
std::vector<BlockPlan> partitionBlocks(const std::vector<std::string>& words, const std::vector<SuffixCodes>& codes,
                                       size_t maxEntries);

// The best partition when every byte is a code of its own (text after the
// key of more than 15 bytes counts as not storable), with at most `perBlock`
// words a block.
std::vector<BlockPlan> planBlocks(const std::vector<std::string>& words, size_t perBlock);

}  // namespace lexcore

#endif  // LEXCORE_WRITER_BLOCK_PARTITION_H
