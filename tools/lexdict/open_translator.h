// Opening a translator on a dictionary list file the way the application
// does: TD_TransOpen with the path as given, then the two data files that
// the list file names, from the list file's folder.
#ifndef LEXDICT_OPEN_TRANSLATOR_H
#define LEXDICT_OPEN_TRANSLATOR_H

#include <cstdint>
#include <optional>
#include <string>

#include "lexcore.h"

namespace lexdict {

// A translator handle that is closed when it goes away.
class TranslatorHandle {
 public:
  TranslatorHandle() = default;
  ~TranslatorHandle() { close(); }
  TranslatorHandle(const TranslatorHandle&) = delete;
  TranslatorHandle& operator=(const TranslatorHandle&) = delete;

  TD_HANDLE get() const { return handle_; }
  bool isOpen() const { return handle_ != nullptr; }
  // The variable TD_TransOpen fills.
  TD_HANDLE* variable() { return &handle_; }
  // Closes the translator (saving its user dictionary); nothing when none is open.
  void close();

 private:
  TD_HANDLE handle_ = nullptr;
};

// Why no translator could be opened.
struct OpenFailure {
  // The result code of the open call that failed; none when the engine was
  // not asked (a path that is not valid UTF-8, no dictionary set for a pair).
  std::optional<int32_t> result;
  // For people: the file's path and what is wrong with it.
  std::string message;
};

// The engine's reason for the translator's latest failure (TD_FILE_REASON);
// empty when there is none.
std::string failureReason(TD_HANDLE translator);

// Opens `translator` on the list file `listPath` (UTF-8), and with
// `withDataFiles` also its primary and secondary data files.  False, with
// nothing held open, when a step fails.
bool openTranslator(const std::string& listPath, bool withDataFiles, TranslatorHandle* translator,
                    OpenFailure* failure);

}  // namespace lexdict

#endif  // LEXDICT_OPEN_TRANSLATOR_H
