#include "open_translator.h"

#include "host.h"
#include "messages.h"
#include "text.h"

namespace lexdict {
namespace {

// Data file names in a list file hold at most 19 characters.
constexpr int16_t kNameCapacity = 32;

bool fail(std::optional<int32_t> result, const std::string& message, TranslatorHandle* translator,
          OpenFailure* failure) {
  translator->close();
  failure->result = result;
  failure->message = message;
  return false;
}

}  // namespace

std::string failureReason(TD_HANDLE translator) {
  TD_WCHAR reason[1024];
  if (TD_TransGetFile(translator, reason, 1024, TD_FILE_REASON) != TD_OK) return std::string();
  return fromWide(reason);
}

void TranslatorHandle::close() {
  if (handle_ != nullptr) TD_TransClose(&handle_);
  handle_ = nullptr;
}

bool openTranslator(const std::string& listPath, bool withDataFiles, TranslatorHandle* translator,
                    OpenFailure* failure) {
  translator->close();
  WideText wideList;
  if (!toWide(listPath, &wideList))
    return fail(std::nullopt, printable(listPath) + ": the path is not valid UTF-8", translator, failure);

  const int32_t opened = TD_TransOpen(translator->variable(), wideList.c_str(), 0);
  if (opened != TD_OK) return fail(opened, listPath + ": " + listOpenProblem(opened, listPath), translator, failure);
  if (!withDataFiles) return true;

  TD_WCHAR primaryName[kNameCapacity];
  TD_WCHAR secondaryName[kNameCapacity];
  const int32_t named = TD_TransGetTDDFiles(wideList.c_str(), primaryName, secondaryName, kNameCapacity);
  if (named != TD_OK) {
    return fail(named, listPath + ": the names of its data files cannot be read: " + listOpenProblem(named, listPath),
                translator, failure);
  }

  // The data files stand in the list file's folder: its path up to and
  // including the last folder separator, nothing for a bare name.
  const std::string folder = listPath.substr(0, folderPartLength(listPath));
  struct Role {
    const char* name;
    const TD_WCHAR* fileName;
    int32_t (*open)(TD_HANDLE, const TD_WCHAR*);
  };
  const Role roles[] = {{"primary", primaryName, TD_TransOpenPrim}, {"secondary", secondaryName, TD_TransOpenSec}};
  for (const Role& role : roles) {
    const std::string dataPath = folder + fromWide(role.fileName);
    WideText wideData;
    toWide(dataPath, &wideData);  // valid: the folder was valid UTF-8 and the name comes from wide text
    const int32_t result = role.open(translator->get(), wideData.c_str());
    if (result != TD_OK) {
      // The engine's reason names the file and says what is wrong where.
      const std::string reason = failureReason(translator->get());
      return fail(result,
                  (reason.empty() ? dataPath + ": " + dataOpenProblem(result, dataPath) : reason) + " (the " +
                      role.name + " data file named by " + listPath + ")",
                  translator, failure);
    }
  }
  return true;
}

}  // namespace lexdict
