#include "translator_client.h"

#include <cstring>
#include <utility>

namespace vocaro {
namespace {

// Data file names in a list file hold at most 19 characters.
constexpr int16_t kNameCapacity = 32;
// A reason is the file's path and about 110 characters besides.
constexpr int16_t kReasonCapacity = 1024;

// The list file's folder: its path up to and including the last separator.
WidePath folderOf(const WidePath& path) {
  const size_t separator = path.find_last_of(WidePath{TD_WCHAR('/'), TD_WCHAR('\\')});
  return separator == WidePath::npos ? WidePath() : path.substr(0, separator + 1);
}

}  // namespace

std::vector<std::string> unpackStrings(const char* area, size_t areaSize, int count) {
  std::vector<std::string> texts;
  size_t pos = 0;
  for (int i = 0; i < count && pos < areaSize; ++i) {
    const void* zero = std::memchr(area + pos, 0, areaSize - pos);
    if (zero == nullptr) break;
    const size_t length = static_cast<const char*>(zero) - (area + pos);
    texts.emplace_back(area + pos, length);
    pos += length + 1;
  }
  return texts;
}

Translation translateWord(TD_HANDLE translator, const std::string& word, int16_t transSize, int16_t suggestSize) {
  std::vector<char> transArea(transSize > 0 ? static_cast<size_t>(transSize) : 0);
  std::vector<char> suggestArea(suggestSize > 0 ? static_cast<size_t>(suggestSize) : 0);
  TRANSLATE request = {};
  request.word = word.c_str();
  request.transSize = transSize;
  request.suggestSize = suggestSize;
  request.transList = transArea.data();
  request.suggestList = suggestArea.data();
  request.status = TD_FAILED;  // in case the engine refuses before setting it
  Translation outcome;
  outcome.result = TD_Translate(translator, &request);
  outcome.status = request.status;
  outcome.translations = unpackStrings(transArea.data(), transArea.size(), request.transCount);
  outcome.suggestions = unpackStrings(suggestArea.data(), suggestArea.size(), request.suggestCount);
  return outcome;
}

WidePath failureReason(TD_HANDLE translator) {
  TD_WCHAR reason[kReasonCapacity];
  if (TD_TransGetFile(translator, reason, kReasonCapacity, TD_FILE_REASON) != TD_OK) return WidePath();
  return WidePath(reason);
}

Translator& Translator::operator=(Translator&& other) noexcept {
  if (this != &other) {
    close();
    std::swap(handle_, other.handle_);
  }
  return *this;
}

void Translator::close() {
  if (handle_ != nullptr) TD_TransClose(&handle_);
  handle_ = nullptr;
}

OpenOutcome Translator::open(const WidePath& listPath, bool withDataFiles) {
  return openWithDataFolder(listPath, folderOf(listPath), withDataFiles);
}

OpenOutcome Translator::openWithDataFolder(const WidePath& listPath, const WidePath& dataFolder, bool withDataFiles) {
  close();
  OpenOutcome outcome;
  auto fail = [&](OpenStep step, int32_t result) {
    close();
    outcome.failedStep = step;
    outcome.result = result;
    return outcome;
  };
  const int32_t opened = TD_TransOpen(&handle_, listPath.c_str(), 0);
  if (opened != TD_OK) return fail(OpenStep::kList, opened);
  if (!withDataFiles) return outcome;

  TD_WCHAR primaryName[kNameCapacity];
  TD_WCHAR secondaryName[kNameCapacity];
  const int32_t named = TD_TransGetTDDFiles(listPath.c_str(), primaryName, secondaryName, kNameCapacity);
  if (named != TD_OK) return fail(OpenStep::kDataFileNames, named);

  struct Role {
    OpenStep step;
    const TD_WCHAR* name;
    int32_t (*open)(TD_HANDLE, const TD_WCHAR*);
  };
  const Role roles[] = {{OpenStep::kPrimary, primaryName, TD_TransOpenPrim},
                        {OpenStep::kSecondary, secondaryName, TD_TransOpenSec}};
  for (const Role& role : roles) {
    const WidePath dataPath = dataFolder + role.name;
    const int32_t result = role.open(handle_, dataPath.c_str());
    if (result != TD_OK) {
      outcome.dataPath = dataPath;
      outcome.reason = failureReason(handle_);
      return fail(role.step, result);
    }
  }
  return outcome;
}

}  // namespace vocaro
