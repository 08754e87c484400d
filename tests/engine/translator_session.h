// A translator for the engine tests, on the client library, and TD_Translate
// with its result record checked for the record's own rules.
#ifndef VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H
#define VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H

#include <cstdint>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "translator_client.h"

namespace lexcore_test {

struct Translation : vocaro::Translation {
  std::string reason;  // the failure reason right after the call, as ASCII
};

// Runs TD_Translate with areas of the given sizes and unpacks the lists.
// Adds a test failure when the engine writes past an area, when the counts
// and used sizes disagree with the packed strings, when status TD_SUGGESTED
// comes without a suggestion, or when a failed read (TD_ERR_FILE) comes
// without a reason or a success with one.
Translation translate(TD_HANDLE handle, const std::string& word, int32_t options, int16_t transSize = 256,
                      int16_t suggestSize = 256);

// A translator on the list file and the two data files of `folder`; the
// test fails when one of them does not open.
class TranslatorSession {
 public:
  // By default the list file SampleDictionary writes.
  explicit TranslatorSession(const vocaro_test::TempFolder& folder, const std::string& listName = "aa_bb.tdl");

  TD_HANDLE handle() const { return translator_.get(); }
  Translation translate(const std::string& word, int32_t options = 0, int16_t transSize = 256,
                        int16_t suggestSize = 256) const {
    return lexcore_test::translate(handle(), word, options, transSize, suggestSize);
  }

 private:
  vocaro::Translator translator_;
};

}  // namespace lexcore_test

#endif  // VOCARO_TESTS_ENGINE_TRANSLATOR_SESSION_H
