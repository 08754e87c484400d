#include "inspect_file.h"

#include <cstring>

#include "datafile/format.h"
#include "messages.h"
#include "platform/file.h"
#include "text.h"
#include "translator/list_file.h"

namespace lexdict {
namespace {

lexcore::File openForReading(const std::string& path) {
  WideText wide;
  if (!toWide(path, &wide)) return lexcore::File();
  return lexcore::File::open(wide.c_str(), lexcore::OpenMode::Read);
}

std::string nameField(const uint8_t header[lexcore::kListHeaderSize], bool primary) {
  TD_WCHAR name[lexcore::kFileNameSize];
  lexcore::listFileName(header, primary, name, lexcore::kFileNameSize);
  return fromWide(name);
}

}  // namespace

bool readListFile(const std::string& path, ListFileHeader* header) {
  lexcore::File file = openForReading(path);
  uint8_t bytes[lexcore::kListHeaderSize];
  if (lexcore::readListHeader(file, bytes) != TD_OK) return false;
  header->primaryFile = nameField(bytes, true);
  header->secondaryFile = nameField(bytes, false);
  header->entryCount = lexcore::listEntryCount(bytes);
  return true;
}

std::unique_ptr<lexcore::DictionaryFile> loadDataFile(const std::string& path, std::string* problem) {
  WideText wide;
  if (!toWide(path, &wide)) {
    *problem = "the path is not valid UTF-8";
    return nullptr;
  }
  std::unique_ptr<lexcore::DictionaryFile> file(new lexcore::DictionaryFile(wide.c_str()));
  if (file->isOpen()) return file;
  *problem = unreadableFileProblem(path);
  return nullptr;
}

std::string unreadableFileProblem(const std::string& path) {
  const std::string missing = missingFileProblem(path);
  if (!missing.empty()) return missing;
  lexcore::File file = openForReading(path);
  if (!file.isOpen()) return "cannot be opened (no permission, or another program holds it)";
  uint8_t magic[4];
  if (file.read(magic, sizeof magic) != static_cast<int64_t>(sizeof magic))
    return "is too short to be a dictionary file";
  if (std::memcmp(magic, lexcore::kDataMagic, sizeof magic) == 0)
    return "is a damaged dictionary data file: its header or tables do not fit the file";
  if (std::memcmp(magic, lexcore::kListMagic, sizeof magic) == 0)
    return "is a damaged dictionary list file: its header is short or has the wrong size";
  return "is not a dictionary file (it begins neither with \"TRD\" nor with \"TDL\")";
}

}  // namespace lexdict
