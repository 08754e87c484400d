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

bool readListFile(const std::string& path, ListFileHeader* header, std::string* problem) {
  problem->clear();
  lexcore::File file = openForReading(path);
  uint8_t bytes[lexcore::kListHeaderSize];
  int64_t size = 0;
  std::string reason;
  const int32_t result = lexcore::loadListFile(file, bytes, &size, &reason);
  if (result != TD_OK) {
    if (result == TD_ERR_FILE && std::memcmp(bytes, lexcore::kListMagic, sizeof lexcore::kListMagic) == 0)
      *problem = "is a damaged dictionary list file: " + reason;
    return false;
  }
  header->primaryFile = nameField(bytes, true);
  header->secondaryFile = nameField(bytes, false);
  header->entryCount = lexcore::listEntryCount(bytes);
  return true;
}

std::string damagedListFileProblem(const std::string& path) {
  ListFileHeader header;
  std::string problem;
  readListFile(path, &header, &problem);
  return problem;
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

namespace {

// The engine's reason for refusing the data file at `path`.
std::string dataFileReason(const std::string& path) {
  WideText wide;
  if (!toWide(path, &wide)) return "the path is not valid UTF-8";
  return lexcore::DictionaryFile(wide.c_str()).reason();
}

}  // namespace

std::string unreadableFileProblem(const std::string& path) {
  const std::string missing = missingFileProblem(path);
  if (!missing.empty()) return missing;
  lexcore::File file = openForReading(path);
  if (!file.isOpen()) return "cannot be opened (no permission, or another program holds it)";
  uint8_t magic[4];
  if (file.read(magic, sizeof magic) != static_cast<int64_t>(sizeof magic))
    return "is too short to be a dictionary file";
  file.close();  // every open is exclusive: the engine's readers open it again
  if (std::memcmp(magic, lexcore::kDataMagic, sizeof magic) == 0)
    return "is a damaged dictionary data file: " + dataFileReason(path);
  if (std::memcmp(magic, lexcore::kListMagic, sizeof magic) == 0) {
    file = openForReading(path);
    uint8_t header[lexcore::kListHeaderSize];
    int64_t size = 0;
    std::string reason;
    lexcore::loadListFile(file, header, &size, &reason);
    return "is a damaged dictionary list file: " + reason;
  }
  return "is not a dictionary file (it begins neither with \"TRD\" nor with \"TDL\")";
}

}  // namespace lexdict
