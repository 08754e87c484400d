// Opening a translator on a dictionary list file the way the application
// does: TD_TransOpen with the path as given, then the two data files that
// the list file names, from the list file's folder.  What failed is said in
// lexdict's words.
#ifndef LEXDICT_OPEN_TRANSLATOR_H
#define LEXDICT_OPEN_TRANSLATOR_H

#include <cstdint>
#include <optional>
#include <string>

#include "translator_client.h"

namespace lexdict {

// Why no translator could be opened.
struct OpenFailure {
  // The result code of the open call that failed; none when the engine was
  // not asked (a path that is not valid UTF-8, no dictionary set for a pair).
  std::optional<int32_t> result;
  // For people: the file's path and what is wrong with it.
  std::string message;
};

// The engine's reason for the translator's latest failure (TD_FILE_REASON)
// as UTF-8; empty when there is none.
std::string failureReason(TD_HANDLE translator);

// Opens `translator` on the list file `listPath` (UTF-8), and with
// `withDataFiles` also its primary and secondary data files.  False, with
// nothing held open, when a step fails.
bool openTranslator(const std::string& listPath, bool withDataFiles, vocaro::Translator* translator,
                    OpenFailure* failure);

}  // namespace lexdict

#endif  // LEXDICT_OPEN_TRANSLATOR_H
