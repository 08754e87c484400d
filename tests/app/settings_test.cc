// The settings lexpad reads at start from the real registry of a fresh Wine
// prefix (what it writes is seen where it ends: main window and end-to-end
// tests).
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "window_fixture.h"

namespace {

void storeSetting(const wchar_t* name, DWORD type, const void* data, size_t bytes) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name, type, data, static_cast<DWORD>(bytes)), ERROR_SUCCESS);
}
void storeText(const wchar_t* name, const std::wstring& text, bool terminated = true) {
  storeSetting(name, REG_SZ, text.c_str(), (text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t));
}
void storeNumber(const wchar_t* name, DWORD value) { storeSetting(name, REG_DWORD, &value, sizeof value); }

TEST(Settings, StoredValuesAreUsedAndWhatCannotBeUsedTakesItsDefault) {
  const std::wstring beside = programFolder() + L"dictionaries\\";
  const std::wstring longFolder = L"C:\\" + std::wstring(255, L'd');  // 258 characters
  const struct {
    const char* name;
    void (*store)();
    LoadedSettings expected;
  } cases[] = {
      {"no key", [] {}, {15, beside, L"", L"", 1, 0}},
      {"all stored",
       [] {
         storeNumber(kOptionsValue, 6), storeText(kPathValue, L"C:\\Dict\\"), storeText(kLangFromValue, L"English");
         storeText(kLangToValue, L"German"), storeNumber(kShowUIValue, 0), storeNumber(kStdEditValue, 1);
       },
       {6, L"C:\\Dict\\", L"English", L"German", 0, 1}},
      {"option bits beyond the four", [] { storeNumber(kOptionsValue, 0x8000000Fu); }, {0x8000000Fu, beside, L"", L"", 1, 0}},
      {"path without backslash", [] { storeText(kPathValue, L"\\Storage\\Dict"); }, {15, L"\\Storage\\Dict\\", L"", L"", 1, 0}},
      {"258 characters", [] { storeText(kPathValue, L"C:\\" + std::wstring(255, L'd')); }, {15, longFolder + L"\\", L"", L"", 1, 0}},
      // 259 characters fit the buffer, but not with the backslash; a cut
      // folder would name another one.
      {"no room for the backslash", [] { storeText(kPathValue, L"C:\\" + std::wstring(256, L'd')); }, {15, beside, L"", L"", 1, 0}},
      {"longer than the buffer", [] { storeText(kPathValue, L"C:\\" + std::wstring(400, L'd')); }, {15, beside, L"", L"", 1, 0}},
      {"wrong types and sizes",
       [] {
         const DWORD binary = 0;
         storeText(kOptionsValue, L"7"), storeNumber(kLangFromValue, 3);
         storeSetting(kShowUIValue, REG_BINARY, &binary, sizeof(WORD)), storeSetting(kStdEditValue, REG_BINARY, &binary, sizeof binary);
       },
       {15, beside, L"", L"", 1, 0}},
      // 19 characters and the terminator fit a language name.
      {"language names too long", [] { storeText(kLangFromValue, std::wstring(20, L'x')), storeText(kLangToValue, std::wstring(19, L'y')); },
       {15, beside, L"", std::wstring(19, L'y'), 1, 0}},
      // The second has no room for a terminator.
      {"texts without terminator", [] { storeText(kLangFromValue, L"Danish", false), storeText(kLangToValue, std::wstring(20, L'z'), false); },
       {15, beside, L"Danish", L"", 1, 0}},
  };
  for (const auto& entry : cases) {
    SCOPED_TRACE(entry.name);
    deleteSettingsKey();
    entry.store();
    const bool stored = settingsKeyExists();
    const LoadedSettings loaded = loadedSettings();
    EXPECT_EQ(std::tie(loaded.options, loaded.path, loaded.langFrom, loaded.langTo, loaded.showUI, loaded.stdEdit),
              std::tie(entry.expected.options, entry.expected.path, entry.expected.langFrom, entry.expected.langTo,
                       entry.expected.showUI, entry.expected.stdEdit));
    EXPECT_EQ(settingsKeyExists(), stored) << "reading never creates the key";
  }
  deleteSettingsKey();
}

}  // namespace
