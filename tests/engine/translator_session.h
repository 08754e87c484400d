// A translator handle for a test, and TD_Translate with its result record
// unpacked and checked for the record's own rules.
#ifndef VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H
#define VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H

#include <cstdint>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "translator/lexcore.h"

namespace lexcore_test {

struct Translation {
  int32_t result = 0;
  int16_t status = -1;
  std::vector<std::string> translations;
  std::vector<std::string> suggestions;
  std::string reason;  // TD_TransGetFile(TD_FILE_REASON) right after the call
};

// Runs TD_Translate with areas of the given sizes and unpacks the lists.
// Adds a test failure when the engine writes past an area, when the counts
// and used sizes disagree with the packed strings, or when status
// TD_SUGGESTED comes with an empty suggestion list, or when a failed read
// (TD_ERR_FILE) comes without a reason or a success with one.
Translation translate(TD_HANDLE handle, const std::string& word, int32_t options, int16_t transSize = 256,
                      int16_t suggestSize = 256);

// Owns a translator handle and closes it at the end.
class TranslatorSession {
 public:
  // Opens the list file and the two data files of `folder`; the test fails
  // when one of them does not open.
  TranslatorSession(const vocaro_test::TempFolder& folder, const std::string& listName, const std::string& primaryName,
                    const std::string& secondaryName);
  // The files SampleDictionary writes.
  explicit TranslatorSession(const vocaro_test::TempFolder& folder);
  ~TranslatorSession();
  TranslatorSession(const TranslatorSession&) = delete;
  TranslatorSession& operator=(const TranslatorSession&) = delete;

  TD_HANDLE handle() const { return handle_; }
  Translation translate(const std::string& word, int32_t options = 0, int16_t transSize = 256,
                        int16_t suggestSize = 256) const {
    return lexcore_test::translate(handle_, word, options, transSize, suggestSize);
  }

 private:
  TD_HANDLE handle_ = nullptr;
};

}  // namespace lexcore_test

#endif  // VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H
