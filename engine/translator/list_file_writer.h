// Lays out dictionary list files (see translator/list_file.h).
#ifndef LEXCORE_WRITER_LIST_FILE_WRITER_H
#define LEXCORE_WRITER_LIST_FILE_WRITER_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lexcore {

struct ListFileLayout {
  std::string magic = std::string("TDL\0", 4);
  uint32_t headerSize = 128;
  std::string primaryFile;    // at most 19 bytes
  std::string secondaryFile;  // at most 19 bytes
  // The secondary entry indexes of every primary entry, at most 15 each.
  std::vector<std::vector<uint16_t>> translations;
  std::optional<int32_t> entryCountField;  // normally translations.size()
};

std::string writeListFile(const ListFileLayout& layout);

}  // namespace lexcore

#endif  // LEXCORE_WRITER_LIST_FILE_WRITER_H
