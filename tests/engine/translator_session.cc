#include "translator_session.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sample_dictionary.h"

namespace lexcore_test {
namespace {

constexpr size_t kGuardSize = 64;
constexpr char kGuardByte = static_cast<char>(0xA5);

// Walks `count` packed strings of an area holding `used` bytes; adds a
// failure when they do not fill exactly `used` bytes.
std::vector<std::string> unpack(const std::vector<char>& area, int16_t count, int16_t used, const char* what) {
  std::vector<std::string> strings;
  size_t position = 0;
  for (int i = 0; i < count; ++i) {
    const void* end = position < area.size() ? std::memchr(area.data() + position, 0, area.size() - position) : nullptr;
    if (end == nullptr) {
      ADD_FAILURE() << what << ": string " << i << " of " << count << " is not terminated inside the area";
      return strings;
    }
    const size_t length = static_cast<const char*>(end) - (area.data() + position);
    strings.emplace_back(area.data() + position, length);
    position += length + 1;
  }
  EXPECT_EQ(static_cast<size_t>(used), position) << what << ": used size disagrees with the packed strings";
  return strings;
}

void expectGuardIntact(const std::vector<char>& area, size_t size, const char* what) {
  for (size_t i = size; i < area.size(); ++i) {
    if (area[i] != kGuardByte) {
      ADD_FAILURE() << what << ": byte " << i << " past the area of " << size << " bytes was written";
      return;
    }
  }
}

}  // namespace

Translation translate(TD_HANDLE handle, const std::string& word, int32_t options, int16_t transSize,
                      int16_t suggestSize) {
  std::vector<char> transArea(static_cast<size_t>(transSize < 0 ? 0 : transSize) + kGuardSize, kGuardByte);
  std::vector<char> suggestArea(static_cast<size_t>(suggestSize < 0 ? 0 : suggestSize) + kGuardSize, kGuardByte);
  TRANSLATE request = {};
  request.word = word.c_str();
  request.transSize = transSize;
  request.suggestSize = suggestSize;
  request.transList = transArea.data();
  request.suggestList = suggestArea.data();
  request.status = -1;

  Translation out;
  EXPECT_EQ(TD_OK, TD_TransOptions(handle, options));
  out.result = TD_Translate(handle, &request);
  out.status = request.status;
  expectGuardIntact(transArea, transArea.size() - kGuardSize, "transList");
  expectGuardIntact(suggestArea, suggestArea.size() - kGuardSize, "suggestList");
  if (out.result != TD_OK) {
    EXPECT_EQ(TD_FAILED, out.status) << "result " << out.result;
  }
  // A refused request leaves the counts as the caller set them (zero).
  out.translations = unpack(transArea, request.transCount, request.transUsed, "transList");
  out.suggestions = unpack(suggestArea, request.suggestCount, request.suggestUsed, "suggestList");
  EXPECT_LE(request.transUsed, transSize);
  EXPECT_LE(request.suggestUsed, suggestSize);
  if (out.status == TD_SUGGESTED) {
    EXPECT_FALSE(out.suggestions.empty()) << "status 5 without a suggestion";
  }
  TD_WCHAR reason[1024];
  if (handle != nullptr && TD_TransGetFile(handle, reason, 1024, TD_FILE_REASON) == TD_OK) {
    for (const TD_WCHAR* c = reason; *c != 0; ++c) out.reason.push_back(*c < 128 ? static_cast<char>(*c) : '?');
    if (out.result == TD_OK) {
      EXPECT_EQ("", out.reason) << word;
    }
    if (out.result == TD_ERR_FILE) {
      EXPECT_NE("", out.reason) << word;
    }
  }
  return out;
}

TranslatorSession::TranslatorSession(const vocaro_test::TempFolder& folder, const std::string& listName,
                                     const std::string& primaryName, const std::string& secondaryName) {
  EXPECT_EQ(TD_OK, TD_TransOpen(&handle_, folder.widePath(listName).c_str(), 0));
  EXPECT_EQ(TD_OK, TD_TransOpenPrim(handle_, folder.widePath(primaryName).c_str()));
  EXPECT_EQ(TD_OK, TD_TransOpenSec(handle_, folder.widePath(secondaryName).c_str()));
}

TranslatorSession::TranslatorSession(const vocaro_test::TempFolder& folder)
    : TranslatorSession(folder, SampleDictionary::kListName, SampleDictionary::kPrimaryName,
                        SampleDictionary::kSecondaryName) {}

TranslatorSession::~TranslatorSession() {
  if (handle_ != nullptr) TD_TransClose(&handle_);
}

}  // namespace lexcore_test
