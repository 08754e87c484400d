#include "translator_session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lexcore_test {
namespace {

constexpr size_t kGuardSize = 64;
constexpr char kGuardByte = static_cast<char>(0xA5);

// The packed strings of an area; adds a failure when they do not fill
// exactly `used` bytes or when the engine wrote past `size` bytes.
std::vector<std::string> checkedStrings(const std::vector<char>& area, size_t size, int16_t count, int16_t used,
                                        const char* what) {
  std::vector<std::string> strings = vocaro::unpackStrings(area.data(), size, count);
  size_t packed = 0;
  for (const std::string& s : strings) packed += s.size() + 1;
  EXPECT_EQ(static_cast<size_t>(std::max<int>(count, 0)), strings.size()) << what << ": strings not terminated";
  EXPECT_EQ(static_cast<size_t>(used), packed) << what << ": used size disagrees with the packed strings";
  EXPECT_TRUE(std::all_of(area.begin() + size, area.end(), [](char c) { return c == kGuardByte; }))
      << what << ": written past the area of " << size << " bytes";
  return strings;
}

}  // namespace

Translation translate(TD_HANDLE handle, const std::string& word, int32_t options, int16_t transSize,
                      int16_t suggestSize) {
  const size_t transBytes = static_cast<size_t>(std::max<int>(transSize, 0));
  const size_t suggestBytes = static_cast<size_t>(std::max<int>(suggestSize, 0));
  std::vector<char> transArea(transBytes + kGuardSize, kGuardByte);
  std::vector<char> suggestArea(suggestBytes + kGuardSize, kGuardByte);
  TRANSLATE request = {word.c_str(), transSize, suggestSize, 0, transArea.data(), suggestArea.data(), 0, 0, 0, 0, -1};

  Translation out;
  EXPECT_EQ(TD_OK, TD_TransOptions(handle, options));
  out.result = TD_Translate(handle, &request);
  out.status = request.status;
  EXPECT_TRUE(out.result == TD_OK || out.status == TD_FAILED) << "result " << out.result;
  // A refused request leaves the counts as the caller set them (zero).
  out.translations = checkedStrings(transArea, transBytes, request.transCount, request.transUsed, "transList");
  out.suggestions = checkedStrings(suggestArea, suggestBytes, request.suggestCount, request.suggestUsed, "suggestList");
  EXPECT_FALSE(out.status == TD_SUGGESTED && out.suggestions.empty()) << "status 5 without a suggestion";
  if (handle != nullptr) {
    for (TD_WCHAR c : vocaro::failureReason(handle)) out.reason.push_back(c < 128 ? static_cast<char>(c) : '?');
    EXPECT_FALSE(out.result == TD_OK && !out.reason.empty()) << word << ": " << out.reason;
    EXPECT_FALSE(out.result == TD_ERR_FILE && out.reason.empty()) << word;
  }
  return out;
}

TranslatorSession::TranslatorSession(const vocaro_test::TempFolder& folder, const std::string& listName) {
  const vocaro::OpenOutcome outcome = translator_.open(folder.widePath(listName));
  EXPECT_TRUE(outcome.ok()) << listName << ": step " << static_cast<int>(outcome.failedStep) << " gave "
                            << outcome.result;
}

}  // namespace lexcore_test
