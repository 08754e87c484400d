#include "messages.h"

#include <exception>
#include <filesystem>
#include <system_error>

#include "lexcore.h"

namespace lexdict {
namespace {

std::string unexpected(int32_t result) {
  return "the engine failed in an unexpected way (result code " + std::to_string(result) + ")";
}

}  // namespace

const char* statusText(bool dictionaryOpen, int32_t result, int16_t status) {
  if (!dictionaryOpen) return "Dictionary is not open.";
  if (result != TD_OK) return "Error";
  switch (status) {
    case TD_FOUND:
    case TD_LIST_FULL:
      return "Word found";
    case TD_SUGGESTED:
      return "Word not found. Possible spellings returned.";
    default:
      return "Word not found";
  }
}

PathKind pathKind(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  fs::file_status state;
  try {
    state = fs::status(fs::u8path(path), error);
  } catch (const std::exception&) {
    return PathKind::Other;  // a path without a native form: nothing more to say
  }
  if (state.type() == fs::file_type::not_found) return PathKind::Missing;
  if (state.type() == fs::file_type::directory) return PathKind::Folder;
  return PathKind::Other;
}

std::string missingFileProblem(const std::string& path) {
  switch (pathKind(path)) {
    case PathKind::Missing: return "no such file";
    case PathKind::Folder: return "is a folder, not a file";
    default: return std::string();
  }
}

std::string listOpenProblem(int32_t result, const std::string& path) {
  switch (result) {
    case TD_ERR_READ: {
      const std::string missing = missingFileProblem(path);
      if (!missing.empty()) return missing;
      return "cannot be opened or read, or is shorter than the 128-byte header of a dictionary list file";
    }
    case TD_ERR_FILE: {
      const std::string damaged = damagedListFileProblem(path);
      if (!damaged.empty()) return damaged;
      return "is not a dictionary list file (it does not begin with \"TDL\" and a header size of 128)";
    }
    case TD_ERR_MEMORY:
      return "cannot be opened: out of memory";
    default:
      return unexpected(result);
  }
}

std::string dataOpenProblem(int32_t result, const std::string& path) {
  switch (result) {
    case TD_ERR_FILE: {
      const std::string missing = missingFileProblem(path);
      if (!missing.empty()) return missing;
      return "cannot be read or is not a valid dictionary data file (wrong magic, or tables that do not fit "
             "the file)";
    }
    case TD_ERR_MEMORY:
      return "cannot be loaded: out of memory";
    default:
      return unexpected(result);
  }
}

std::string translateProblem(int32_t result) {
  switch (result) {
    case TD_ERR_FILE:
      return "a dictionary file could not be read; it may have changed or been damaged since it was opened";
    case TD_ERR_NOT_OPEN:
    case TD_ERR_NO_PRIMARY:
    case TD_ERR_NO_SECONDARY:
      return "the dictionary is not open";
    case TD_ERR_MEMORY:
      return "out of memory";
    default:
      return unexpected(result);
  }
}

}  // namespace lexdict
