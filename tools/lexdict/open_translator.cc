#include "open_translator.h"

#include "host.h"
#include "messages.h"
#include "text.h"

namespace lexdict {

std::string failureReason(TD_HANDLE translator) { return fromWide(vocaro::failureReason(translator).c_str()); }

bool openTranslator(const std::string& listPath, bool withDataFiles, vocaro::Translator* translator,
                    OpenFailure* failure) {
  translator->close();
  WideText wideList;
  if (!toWide(listPath, &wideList)) {
    failure->result = std::nullopt;
    failure->message = printable(listPath) + ": the path is not valid UTF-8";
    return false;
  }
  // The data files stand in the list file's folder: its path up to and
  // including the last folder separator (on Windows also a bare drive),
  // nothing for a bare name.
  WideText folder;
  toWide(listPath.substr(0, folderPartLength(listPath)), &folder);  // valid: a prefix of valid UTF-8 at a separator

  const vocaro::OpenOutcome outcome = translator->openWithDataFolder(wideList, folder, withDataFiles);
  if (outcome.ok()) return true;
  failure->result = outcome.result;
  switch (outcome.failedStep) {
    case vocaro::OpenStep::kNone:
    case vocaro::OpenStep::kList:
      failure->message = listPath + ": " + listOpenProblem(outcome.result, listPath);
      return false;
    case vocaro::OpenStep::kDataFileNames:
      failure->message =
          listPath + ": the names of its data files cannot be read: " + listOpenProblem(outcome.result, listPath);
      return false;
    case vocaro::OpenStep::kPrimary:
    case vocaro::OpenStep::kSecondary: {
      // The engine's reason names the file and says what is wrong where.
      const std::string dataPath = fromWide(outcome.dataPath.c_str());
      const std::string reason = fromWide(outcome.reason.c_str());
      const char* role = outcome.failedStep == vocaro::OpenStep::kPrimary ? "primary" : "secondary";
      failure->message = (reason.empty() ? dataPath + ": " + dataOpenProblem(outcome.result, dataPath) : reason) +
                         " (the " + role + " data file named by " + listPath + ")";
      return false;
    }
  }
  return false;
}

}  // namespace lexdict
