#include "datafile/data_file_writer.h"

#include "datafile/code_parser.h"
#include "datafile/format.h"
#include "platform/coding.h"

namespace lexcore {
namespace {

// Appends a nibble length table of `lengths` (each 0..15).
void putNibbles(std::string* out, const std::vector<size_t>& lengths) {
  for (size_t i = 0; i < lengths.size(); i += 2) {
    const size_t low = lengths[i] & 0x0F;
    const size_t high = i + 1 < lengths.size() ? (lengths[i + 1] & 0x0F) : 0;
    out->push_back(static_cast<char>(low | (high << 4)));
  }
}

std::string blockBytes(const DataBlock& block) {
  std::string out;
  std::vector<size_t> lengths;
  for (const std::string& codes : block.entryCodes) lengths.push_back(codes.size());
  putNibbles(&out, lengths);
  for (const std::string& codes : block.entryCodes) out += codes;
  return out;
}

}  // namespace

std::array<std::string, 256> byteCodeTable() {
  std::array<std::string, 256> codes;
  for (int c = 1; c < 256; ++c) codes[c] = std::string(1, static_cast<char>(c));
  return codes;
}

bool encodeText(const std::array<std::string, 256>& codes, const std::string& text, std::string* codeBytes) {
  return CodeParser(codes).encode(text, 0, kMaxNibble, codeBytes);
}

bool makeTableRecord(uint8_t type, const StringGroups& groups, OptionalRecord* record) {
  if (groups.size() > 255) return false;
  record->type = type;
  record->groupCount = static_cast<uint8_t>(groups.size());
  record->body.clear();
  for (const auto& group : groups) {
    std::string bytes;
    for (const std::string& s : group) {
      bytes += s;
      bytes.push_back(0);
    }
    if (bytes.size() + 1 > 255) return false;
    record->body.push_back(static_cast<char>(bytes.size() + 1));
    for (char c : bytes) record->body.push_back(static_cast<char>(~c));
  }
  return record->body.size() <= 0xFFFF;
}

std::string writeDataFile(const DataFileLayout& layout) {
  std::string out = layout.magic.substr(0, 4);
  out.resize(4, 0);
  putU32(&out, 0);
  putU32(&out, layout.headerSize);
  putU32(&out, 0);
  putU32(&out, layout.languageId);
  std::string name = layout.languageName.substr(0, kLanguageNameSize - 1);
  name.resize(kLanguageNameSize, 0);
  out += name;
  putU16(&out, static_cast<uint16_t>(layout.blockCountField.value_or(static_cast<int16_t>(layout.blocks.size()))));
  uint32_t entries = 0;
  for (const DataBlock& b : layout.blocks) entries += static_cast<uint32_t>(b.entryCodes.size());
  putU32(&out, layout.entryCountField.value_or(entries));
  if (layout.headerSize > out.size()) out.resize(layout.headerSize, 0);

  std::vector<size_t> lengths;
  for (const std::string& e : layout.codes) lengths.push_back(e.size());
  putNibbles(&out, lengths);
  for (const std::string& e : layout.codes) out += e;

  lengths.clear();
  for (const DataBlock& b : layout.blocks) lengths.push_back(b.key.size());
  putNibbles(&out, lengths);
  for (const DataBlock& b : layout.blocks) out += b.key;

  std::vector<std::string> stored;
  for (const DataBlock& b : layout.blocks) stored.push_back(blockBytes(b));
  for (size_t k = 0; k < layout.blocks.size(); ++k) {
    const uint16_t count = static_cast<uint16_t>(layout.blocks[k].entryCodes.size());
    putU16(&out, layout.entryCountFields ? (*layout.entryCountFields)[k] : count);
  }
  for (size_t k = 0; k < layout.blocks.size(); ++k) {
    putU16(&out, layout.blockSizeFields ? (*layout.blockSizeFields)[k] : static_cast<uint16_t>(stored[k].size()));
  }
  for (const std::string& s : stored) out += s;

  for (const OptionalRecord& r : layout.records) {
    out.push_back(static_cast<char>(r.type));
    out.push_back(static_cast<char>(r.groupCount));
    putU16(&out, static_cast<uint16_t>(r.body.size()));
    out += r.body;
  }
  return out;
}

bool buildDataFile(const std::vector<std::string>& words, const std::array<std::string, 256>& codes,
                   const std::vector<BlockPlan>& plan, DataFileLayout* layout, std::string* error) {
  if (words.size() > kMaxEntryCount) {
    *error = "more than 65535 words";
    return false;
  }
  if (plan.empty() || plan.size() > static_cast<size_t>(kMaxBlockCount)) {
    *error = "the block count must be 1 to 32767";
    return false;
  }
  layout->codes = codes;
  layout->blocks.clear();
  const CodeParser parser(codes);
  size_t next = 0;
  for (const BlockPlan& p : plan) {
    if (p.key.size() > static_cast<size_t>(kMaxNibble) || p.count == 0 || p.count > words.size() - next) {
      *error = "bad block plan";
      return false;
    }
    DataBlock block;
    block.key = p.key;
    size_t bytes = nibbleTableSize(p.count);
    for (size_t i = next; i < next + p.count; ++i) {
      const std::string& w = words[i];
      if (w.size() > kMaxWordLength || w.compare(0, p.key.size(), p.key) != 0) {
        *error = "word \"" + w + "\" is too long or does not start with its block key";
        return false;
      }
      std::string codeBytes;
      if (!parser.encode(w, p.key.size(), kMaxNibble, &codeBytes)) {
        *error = "word \"" + w + "\" needs more than 15 codes";
        return false;
      }
      bytes += codeBytes.size();
      block.entryCodes.push_back(std::move(codeBytes));
    }
    if (bytes > 0xFFFF) {
      *error = "a block passes 65535 bytes";
      return false;
    }
    layout->blocks.push_back(std::move(block));
    next += p.count;
  }
  if (next != words.size()) {
    *error = "the block plan does not cover every word";
    return false;
  }
  return true;
}

}  // namespace lexcore
