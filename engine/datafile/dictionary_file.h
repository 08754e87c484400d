// One loaded dictionary data file: its header, the code table, the block keys
// and the per-block tables stay in memory; entry text is read from the file
// one block at a time when a word is searched or an entry decoded.
#ifndef LEXCORE_DATAFILE_DICTIONARY_FILE_H
#define LEXCORE_DATAFILE_DICTIONARY_FILE_H

#include <cstdint>
#include <string>
#include <vector>

#include "datafile/format.h"
#include "platform/file.h"

namespace lexcore {

// Global entry indexes run from 0 to entryCount() - 1 (at most 65534).
constexpr int32_t kNoEntry = -1;

// An ending table or a variant table, as restored at load: `groups` holds
// groupCount groups, each the strings of one group in stored order.
struct WordTable {
  bool present = false;
  uint8_t groupCount = 0;
  std::vector<std::vector<std::string>> groups;
};

class DictionaryFile {
 public:
  // Loads the file; isOpen() tells whether it worked.
  explicit DictionaryFile(const TD_WCHAR* path);

  bool isOpen() const { return isOpen_; }
  // 0, or TD_ERR_FILE once a read of the file failed.
  int32_t errorCode() const { return errorCode_; }
  // What is wrong with the file, and where: why it did not load, or why the
  // read that failed last failed.  Empty while nothing went wrong.
  const std::string& reason() const { return reason_; }
  // True when a block read of the current session failed, or the file
  // changed since it was loaded; searches then answer kNoEntry and
  // decodeEntry false, which callers must not take for "not there".
  bool readFailed() const { return readFailed_; }

  uint32_t languageId() const { return languageId_; }
  // Zero-terminated within kLanguageNameSize bytes.
  const char* languageName() const { return languageName_; }
  uint32_t entryCount() const { return entryEnds_.empty() ? 0 : entryEnds_.back(); }
  int blockCount() const { return static_cast<int>(entryEnds_.size()); }
  const WordTable& endingTable() const { return endings_; }
  const WordTable& variantTable() const { return variants_; }

  // The entry whose text equals `word` byte for byte, or kNoEntry.
  int32_t findExact(const char* word);
  // The next entry after `previous` (kNoEntry to start) whose text equals
  // `word` under case folding, or kNoEntry.  Each block yields at most its
  // first folded-equal entry; the next call continues with the next block.
  int32_t findNextFolded(const char* word, int32_t previous);
  // Writes the zero-terminated text of entry `index` to `out`.  False, with
  // `out` untouched, when there is no such entry, its block cannot be read,
  // or its text does not fit kWordBufferSize bytes.
  bool decodeEntry(int32_t index, char out[kWordBufferSize]);

  // During a session blocks are read through `held` (this file, opened by
  // the caller, or null) and the blocks read last are kept (up to
  // kSessionBlocks of them), so that the many lookups of one translation
  // read each block once.  Ending the session frees them.  Outside a session
  // every block read opens and closes the file.  Beginning a session clears
  // readFailed(); it is set when the file's size in the session is no longer
  // the size it had when it was loaded (another program replaced or cut it)
  // or a block read fails.
  void beginSession(File* held);
  void endSession();
  const WideString& path() const { return path_; }

 private:
  bool load();
  bool loadRecords(File& file, uint64_t fileSize);
  bool refuse(const std::string& reason);
  bool checkSize(File& file);
  bool failRead(const std::string& reason);
  void indexKeysByFoldedStart();
  bool readBlock(int block);
  bool useSessionBlock(int block);
  int keyLength(int block) const { return static_cast<int>(keyEnds_[block] - keyStart(block)); }
  uint32_t keyStart(int block) const { return block == 0 ? 0 : keyEnds_[block - 1]; }
  const char* key(int block) const { return keyText_.data() + keyStart(block); }
  uint32_t firstEntry(int block) const { return block == 0 ? 0 : entryEnds_[block - 1]; }
  int matchKey(const char* word, int block) const;
  int findBlock(const char* word) const;
  int findBlockFolded(const char* word, int start) const;
  int blockOfEntry(uint32_t index) const;
  bool expandEntry(int entry, char out[kWordBufferSize]) const;
  int compareWithEntry(const char* suffix, int entry) const;
  bool entryEqualsFolded(int entry, const char* suffix) const;
  int findInBlockExact(const char* suffix) const;
  int findInBlockFolded(const char* suffix) const;

  WideString path_;
  bool isOpen_ = false;
  int32_t errorCode_ = 0;
  std::string reason_;
  bool readFailed_ = false;
  uint64_t loadedSize_ = 0;
  uint32_t languageId_ = 0;
  char languageName_[kLanguageNameSize] = {};
  uint16_t codeEnds_[kCodeCount] = {};
  std::vector<char> codeText_;
  std::vector<uint32_t> keyEnds_;
  std::vector<char> keyText_;
  std::vector<uint64_t> blockOffsets_;  // blockCount + 1 offsets
  std::vector<uint32_t> entryEnds_;     // running entry totals
  // The blocks by how their key starts, folded, so that a folded search
  // tries only keys that can match the word: the blocks with an empty key,
  // those with a key of one byte as (folded byte << 32 | block), and those
  // with a longer key as (folded first two bytes << 32 | block), each list
  // in ascending order.
  std::vector<int> emptyKeyBlocks_;
  std::vector<uint64_t> oneByteKeys_;
  std::vector<uint64_t> longerKeys_;
  WordTable endings_;
  WordTable variants_;

  // The block read last.
  int loadedBlock_ = -1;
  std::vector<uint16_t> blockEntryEnds_;
  std::vector<uint8_t> blockCodes_;

  bool inSession_ = false;
  bool sizeChecked_ = false;  // the session has seen the file at its loaded size
  File* sessionFile_ = nullptr;
  // Blocks read earlier in the session, besides the block read last.
  static constexpr size_t kSessionBlocks = 32;
  struct SessionBlock {
    int block = -1;
    std::vector<uint16_t> entryEnds;
    std::vector<uint8_t> codes;
    uint64_t lastUse = 0;
  };
  std::vector<SessionBlock> sessionBlocks_;
  uint64_t sessionUses_ = 0;
};

}  // namespace lexcore

#endif  // LEXCORE_DATAFILE_DICTIONARY_FILE_H
