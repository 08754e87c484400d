#include "translator/list_file_writer.h"

#include "platform/coding.h"
#include "translator/list_file.h"

namespace lexcore {

std::string writeListFile(const ListFileLayout& layout) {
  std::string out = layout.magic.substr(0, 4);
  out.resize(4, 0);
  putU32(&out, 0);
  putU32(&out, layout.headerSize);
  out.resize(kListEntryCountOffset, 0);
  const int32_t n = layout.entryCountField.value_or(static_cast<int32_t>(layout.translations.size()));
  putU32(&out, static_cast<uint32_t>(n));
  out.resize(kPrimaryNameOffset, 0);
  std::string name = layout.primaryFile.substr(0, kFileNameSize - 1);
  name.resize(kFileNameSize, 0);
  out += name;
  name = layout.secondaryFile.substr(0, kFileNameSize - 1);
  name.resize(kFileNameSize, 0);
  out += name;

  const auto& t = layout.translations;
  for (size_t i = 0; i < t.size(); i += 2) {
    const size_t low = t[i].size() & 0x0F;
    const size_t high = i + 1 < t.size() ? (t[i + 1].size() & 0x0F) : 0;
    out.push_back(static_cast<char>(low | (high << 4)));
  }
  for (const auto& indexes : t) {
    for (uint16_t index : indexes) putU16(&out, index);
  }
  return out;
}

}  // namespace lexcore
