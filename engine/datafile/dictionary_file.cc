#include "datafile/dictionary_file.h"

#include <algorithm>
#include <cstring>

#include "datafile/collation.h"
#include "platform/coding.h"
#include "translator/lexcore.h"

namespace lexcore {
namespace {

// Turns a nibble length table of `items` items into running end offsets.
// False when a total passes `limit`.
template <typename T>
bool buildEnds(const uint8_t* table, size_t items, uint64_t limit, std::vector<T>* ends) {
  ends->resize(items);
  uint64_t sum = 0;
  for (size_t i = 0; i < items; ++i) {
    sum += nibbleAt(table, i);
    if (sum > limit) return false;
    (*ends)[i] = static_cast<T>(sum);
  }
  return true;
}

// Restores a record body (complemented group bytes) and splits it into
// groups of strings.  False when a group runs past the body.
bool restoreTable(std::vector<uint8_t>& body, uint8_t groupCount, WordTable* table) {
  std::vector<std::vector<std::string>> groups(groupCount);
  size_t cursor = 0;
  for (auto& group : groups) {
    if (cursor >= body.size()) continue;  // no bytes left: an empty group
    const size_t length = body[cursor];
    if (length > body.size() - cursor) return false;
    for (size_t i = cursor + 1; i < cursor + length; ++i) body[i] = static_cast<uint8_t>(0xFF - body[i]);
    // Strings stand back to back from position 1 of the group; a last string
    // without its zero byte ends with the group.
    size_t pos = 1;
    while (pos < length) {
      const uint8_t* start = body.data() + cursor + pos;
      const void* zero = std::memchr(start, 0, length - pos);
      const size_t stringLength = zero ? static_cast<const uint8_t*>(zero) - start : length - pos;
      group.emplace_back(reinterpret_cast<const char*>(start), stringLength);
      pos += stringLength + 1;
    }
    cursor += length;  // a length of 0 leaves the cursor where it is
  }
  table->present = true;
  table->groupCount = groupCount;
  table->groups = std::move(groups);
  return true;
}

}  // namespace

DictionaryFile::DictionaryFile(const TD_WCHAR* path) {
  if (path != nullptr) {
    for (const TD_WCHAR* p = path; *p != 0; ++p) path_.push_back(*p);
  }
  isOpen_ = load();
  if (!isOpen_) errorCode_ = TD_ERR_FILE;
}

bool DictionaryFile::refuse(const std::string& reason) {
  reason_ = reason;
  return false;
}

bool DictionaryFile::failRead(const std::string& reason) {
  errorCode_ = TD_ERR_FILE;
  readFailed_ = true;
  reason_ = reason;
  return false;
}

bool DictionaryFile::load() {
  File file = File::open(path_.c_str(), OpenMode::Read);
  if (!file.isOpen()) {
    return refuse(fileExists(path_.c_str()) ? "the file cannot be opened (no permission, or another program holds it)"
                                            : "no such file");
  }
  const int64_t size = file.size();
  if (size < 0) return refuse("the size of the file cannot be read");
  const uint64_t fileSize = static_cast<uint64_t>(size);
  // Each table must end within the file; the reason says where it would end.
  const auto fits = [&](const char* what, uint64_t end) {
    if (end <= fileSize) return true;
    return refuse(std::string(what) + " ends at byte " + groupedNumber(end) + " but the file has " +
                  groupedNumber(fileSize) + " bytes");
  };
  const auto unreadable = [&](const char* what) { return refuse(std::string("the ") + what + " cannot be read"); };
  if (!fits("the header", kDataHeaderSize)) return false;

  uint8_t header[kDataHeaderSize];
  if (!file.readExact(header, sizeof header)) return unreadable("header");
  if (std::memcmp(header, kDataMagic, 4) != 0)
    return refuse("not a dictionary data file: it does not begin with \"TRD\" and a zero byte");
  const uint32_t headerSize = decodeU32(header + kDataHeaderSizeOffset);
  if (headerSize < kDataHeaderSize) {
    return refuse("the header size field (byte 8) is " + groupedNumber(headerSize) + ", below " +
                  std::to_string(kDataHeaderSize));
  }
  if (!fits("the header", headerSize)) return false;
  languageId_ = decodeU32(header + kLanguageIdOffset);
  std::memcpy(languageName_, header + kLanguageNameOffset, kLanguageNameSize);
  languageName_[kLanguageNameSize - 1] = 0;
  const int blocks = static_cast<int16_t>(decodeU16(header + kBlockCountOffset));
  if (blocks < 1) return refuse("the block count field (byte 70) is " + std::to_string(blocks) + ", below 1");

  // Code table.
  uint8_t codeLengths[kCodeLengthTableSize];
  uint64_t end = static_cast<uint64_t>(headerSize) + kCodeLengthTableSize;
  if (!fits("the code length table", end)) return false;
  if (!file.seek(headerSize) || !file.readExact(codeLengths, sizeof codeLengths))
    return unreadable("code length table");
  std::vector<uint16_t> codeEnds;
  buildEnds(codeLengths, kCodeCount, UINT16_MAX, &codeEnds);
  std::memcpy(codeEnds_, codeEnds.data(), sizeof codeEnds_);
  codeText_.resize(codeEnds_[kCodeCount - 1]);
  end += codeText_.size();
  if (!fits("the code text", end)) return false;
  if (!file.readExact(codeText_.data(), codeText_.size())) return unreadable("code text");

  // Block keys.
  std::vector<uint8_t> table(nibbleTableSize(blocks));
  end += table.size();
  if (!fits("the key length table", end)) return false;
  if (!file.readExact(table.data(), table.size())) return unreadable("key length table");
  buildEnds(table.data(), blocks, UINT32_MAX, &keyEnds_);
  keyText_.resize(keyEnds_.back());
  end += keyText_.size();
  if (!fits("the key text", end)) return false;
  if (!file.readExact(keyText_.data(), keyText_.size())) return unreadable("key text");

  // Entry counts and block sizes.
  table.resize(4 * static_cast<size_t>(blocks));
  end += table.size();
  if (!fits("the block count and size tables", end)) return false;
  if (!file.readExact(table.data(), table.size())) return unreadable("block count and size tables");
  entryEnds_.resize(blocks);
  blockOffsets_.resize(blocks + 1);
  uint32_t entries = 0;
  uint64_t offset = end;
  for (int k = 0; k < blocks; ++k) {
    const uint16_t count = decodeU16(table.data() + 2 * k);
    const uint16_t stored = decodeU16(table.data() + 2 * (blocks + k));
    entries += count;
    if (count == 0) return refuse("block " + std::to_string(k) + " has an entry count of 0");
    if (entries > kMaxEntryCount)
      return refuse("the blocks hold more than " + groupedNumber(kMaxEntryCount) + " entries");
    entryEnds_[k] = entries;
    blockOffsets_[k] = offset;
    offset += stored;
  }
  blockOffsets_[blocks] = offset;
  if (!fits("the last block", offset)) return false;

  if (!loadRecords(file, fileSize)) return false;
  indexKeysByFoldedStart();
  loadedSize_ = fileSize;
  return true;
}

void DictionaryFile::indexKeysByFoldedStart() {
  longerKeys_.reserve(blockCount());
  for (int k = 0; k < blockCount(); ++k) {
    const int length = keyLength(k);
    if (length == 0) {
      emptyKeyBlocks_.push_back(k);
      continue;
    }
    const uint64_t first = foldChar(static_cast<uint8_t>(key(k)[0]));
    if (length == 1) {
      oneByteKeys_.push_back(first << 32 | static_cast<uint32_t>(k));
    } else {
      const uint64_t second = foldChar(static_cast<uint8_t>(key(k)[1]));
      longerKeys_.push_back((first << 8 | second) << 32 | static_cast<uint32_t>(k));
    }
  }
  std::sort(oneByteKeys_.begin(), oneByteKeys_.end());
  std::sort(longerKeys_.begin(), longerKeys_.end());
}

// Reads the optional records after the last block.  A record cut short
// (even its header) makes loading fail: the tables it would have given are
// part of what the file promises.  A record whose groups run past its body
// is not used.
bool DictionaryFile::loadRecords(File& file, uint64_t fileSize) {
  uint64_t position = blockOffsets_.back();
  if (position == fileSize) return true;
  if (!file.seek(position)) return refuse("the records after the last block cannot be read");
  while (position < fileSize) {
    uint8_t head[kRecordHeaderSize];
    const auto cut = [&](const std::string& what, uint64_t end) {
      return refuse(what + " at byte " + groupedNumber(position) + " ends at byte " + groupedNumber(end) +
                    " but the file has " + groupedNumber(fileSize) + " bytes");
    };
    if (fileSize - position < kRecordHeaderSize) return cut("the record header", position + kRecordHeaderSize);
    if (!file.readExact(head, sizeof head)) return refuse("the record at byte " + groupedNumber(position) + " cannot be read");
    const uint8_t type = head[0];
    const uint8_t groupCount = head[1];
    const uint16_t bodySize = decodeU16(head + 2);
    const std::string name = type == kRecordEndings    ? std::string("the ending table record")
                             : type == kRecordVariants ? std::string("the variant table record")
                                                       : "the record of type " + std::to_string(type);
    if (fileSize - position - kRecordHeaderSize < bodySize) return cut(name, position + kRecordHeaderSize + bodySize);
    std::vector<uint8_t> body(bodySize);
    if (!file.readExact(body.data(), body.size())) return refuse(name + " cannot be read");
    position += kRecordHeaderSize + bodySize;
    if (type == kRecordEndings || type == kRecordVariants) {
      WordTable restored;
      if (restoreTable(body, groupCount, &restored)) (type == kRecordEndings ? endings_ : variants_) = std::move(restored);
    }
  }
  return true;
}

void DictionaryFile::beginSession(File* held) {
  inSession_ = true;
  sessionFile_ = held;
  loadedBlock_ = -1;
  sessionBlocks_.clear();
  readFailed_ = false;
  // Without a held file (another process held it a little too long), the
  // first block read opens the file itself and checks its size then.
  sizeChecked_ = held == nullptr || !held->isOpen() ? false : checkSize(*held);
}

bool DictionaryFile::checkSize(File& file) {
  const int64_t size = file.size();
  if (size == static_cast<int64_t>(loadedSize_)) return true;
  return failRead("the file has " + (size < 0 ? std::string("an unknown number of") : groupedNumber(size)) +
                  " bytes now but had " + groupedNumber(loadedSize_) + " when it was loaded: another program changed it");
}

void DictionaryFile::endSession() {
  inSession_ = false;
  sessionFile_ = nullptr;
  loadedBlock_ = -1;
  sessionBlocks_.clear();
}

// During a session, makes `block` the block read last if one of the blocks
// read before holds it, and keeps the block read last among those.  True
// when `block` was there.
bool DictionaryFile::useSessionBlock(int block) {
  SessionBlock* slot = nullptr;
  for (SessionBlock& b : sessionBlocks_) {
    if (b.block == block) {
      slot = &b;
      break;
    }
  }
  const bool hit = slot != nullptr;
  if (!hit && loadedBlock_ < 0) return false;
  if (!hit) {
    if (sessionBlocks_.size() < kSessionBlocks) {
      sessionBlocks_.emplace_back();
      slot = &sessionBlocks_.back();
    } else {
      slot = &*std::min_element(sessionBlocks_.begin(), sessionBlocks_.end(),
                                [](const SessionBlock& x, const SessionBlock& y) { return x.lastUse < y.lastUse; });
    }
  }
  std::swap(slot->entryEnds, blockEntryEnds_);
  std::swap(slot->codes, blockCodes_);
  std::swap(slot->block, loadedBlock_);
  slot->lastUse = ++sessionUses_;
  return hit;
}

// Reads block `block` into the block buffers.  Its entry lengths and code
// bytes must lie within the block's stored size.
bool DictionaryFile::readBlock(int block) {
  if (inSession_ && (loadedBlock_ == block || useSessionBlock(block))) return true;
  loadedBlock_ = -1;
  // Within a session one failed read fails the rest; outside one each read
  // stands alone.
  if (inSession_ && readFailed_) return false;
  readFailed_ = false;
  File ownFile;
  File* file = sessionFile_;
  if (file == nullptr || !file->isOpen()) {
    ownFile = File::open(path_.c_str(), OpenMode::Read);
    file = &ownFile;
  }
  if (!file->isOpen())
    return failRead("the file cannot be opened any more (gone, no permission, or another program holds it)");
  if (inSession_ && !sizeChecked_) {
    if (!checkSize(*file)) return false;
    sizeChecked_ = true;
  }
  const uint32_t count = entryEnds_[block] - firstEntry(block);
  const uint64_t stored = blockOffsets_[block + 1] - blockOffsets_[block];
  const size_t tableSize = nibbleTableSize(count);
  std::vector<uint8_t> bytes(stored);
  const auto where = [&] {
    return "block " + std::to_string(block) + " (bytes " + groupedNumber(blockOffsets_[block]) + " to " +
           groupedNumber(blockOffsets_[block + 1]) + ")";
  };
  if (!file->seek(blockOffsets_[block]) || !file->readExact(bytes.data(), bytes.size()))
    return failRead(where() + " cannot be read: the file is shorter than when it was loaded, or a read failed");
  if (stored < tableSize || !buildEnds(bytes.data(), count, stored - tableSize, &blockEntryEnds_))
    return failRead(where() + " is damaged: its entry lengths run past its stored size");
  blockCodes_.assign(bytes.begin() + tableSize, bytes.begin() + tableSize + blockEntryEnds_.back());
  loadedBlock_ = block;
  return true;
}

}  // namespace lexcore
