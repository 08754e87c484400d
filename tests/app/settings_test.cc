// The settings store against the real registry of a fresh Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app_test_support.h"
#include "integration/registry_key.h"
#include "integration/settings.h"

namespace {

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override { deleteSettingsKey(); }

  static void store(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    RegistryKey key;
    ASSERT_TRUE(key.create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE));
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
  }
  static void storeText(const wchar_t* name, const std::wstring& text) {
    store(name, REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  static void storeNumber(const wchar_t* name, DWORD value) { store(name, REG_DWORD, &value, sizeof value); }

  struct Stored {
    bool present = false;
    DWORD type = 0;
    std::wstring text;
    DWORD number = 0;
    DWORD bytes = 0;
  };
  static Stored stored(const wchar_t* name) {
    Stored value;
    RegistryKey key;
    if (!key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) return value;
    BYTE data[1024];
    value.bytes = sizeof data;
    if (RegQueryValueExW(key, name, nullptr, &value.type, data, &value.bytes) != ERROR_SUCCESS) return value;
    value.present = true;
    if (value.type == REG_SZ) value.text = reinterpret_cast<const wchar_t*>(data);
    if (value.type == REG_DWORD) memcpy(&value.number, data, sizeof value.number);
    return value;
  }
  static bool keyExists() {
    RegistryKey key;
    return key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ);
  }
  static std::wstring defaultFolder() { return programFolder() + L"dictionaries\\"; }

  Application application;
};

TEST_F(SettingsTest, WithoutTheKeyEverySettingTakesItsDefaultAndNothingIsCreated) {
  loadSettings(application);
  EXPECT_EQ(application.options, 15u);
  EXPECT_EQ(application.dictionaryPath, defaultFolder()) << "the folder beside the program";
  EXPECT_EQ(application.dictionaryPathLength, static_cast<int>(defaultFolder().size()));
  EXPECT_STREQ(application.langFrom, L"");
  EXPECT_STREQ(application.langTo, L"");
  EXPECT_EQ(application.showUI, 1u);
  EXPECT_EQ(application.stdEdit, 0u);
  EXPECT_FALSE(keyExists()) << "reading never creates the key";
}

TEST_F(SettingsTest, StoredValuesAreUsed) {
  storeNumber(kOptionsValue, 6);
  storeText(kPathValue, L"C:\\Dict\\");
  storeText(kLangFromValue, L"English");
  storeText(kLangToValue, L"German");
  storeNumber(kShowUIValue, 0);
  storeNumber(kStdEditValue, 1);
  loadSettings(application);
  EXPECT_EQ(application.options, 6u);
  EXPECT_STREQ(application.dictionaryPath, L"C:\\Dict\\") << "a trailing backslash is kept as it is";
  EXPECT_EQ(application.dictionaryPathLength, 8);
  EXPECT_STREQ(application.langFrom, L"English");
  EXPECT_STREQ(application.langTo, L"German");
  EXPECT_EQ(application.showUI, 0u);
  EXPECT_EQ(application.stdEdit, 1u);
}

TEST_F(SettingsTest, OptionBitsBeyondTheFourAreKept) {
  storeNumber(kOptionsValue, 0x8000000Fu);
  loadSettings(application);
  EXPECT_EQ(application.options, 0x8000000Fu);
}

TEST_F(SettingsTest, StoredPathGetsItsTrailingBackslash) {
  storeText(kPathValue, L"\\Storage\\Dict");
  loadSettings(application);
  EXPECT_STREQ(application.dictionaryPath, L"\\Storage\\Dict\\");
  EXPECT_EQ(application.dictionaryPathLength, 14);
}

TEST_F(SettingsTest, EmptyStoredPathIsTheRootFolder) {
  storeText(kPathValue, L"");
  loadSettings(application);
  EXPECT_STREQ(application.dictionaryPath, L"\\");
  EXPECT_EQ(application.dictionaryPathLength, 1);
}

TEST_F(SettingsTest, PathOf258CharactersTakesItsBackslash) {
  const std::wstring folder = L"C:\\" + std::wstring(255, L'd');
  ASSERT_EQ(folder.size(), 258u);
  storeText(kPathValue, folder);
  loadSettings(application);
  EXPECT_EQ(application.dictionaryPath, folder + L"\\");
  EXPECT_EQ(application.dictionaryPathLength, 259);
}

TEST_F(SettingsTest, PathWithNoRoomForItsBackslashIsRefusedForTheDefaultFolder) {
  // 259 characters fit the buffer, but not with the backslash; a cut folder
  // would name another one.
  storeText(kPathValue, L"C:\\" + std::wstring(256, L'd'));
  loadSettings(application);
  EXPECT_EQ(application.dictionaryPath, defaultFolder());
}

TEST_F(SettingsTest, PathLongerThanTheBufferCountsAsAbsent) {
  storeText(kPathValue, L"C:\\" + std::wstring(400, L'd'));
  loadSettings(application);
  EXPECT_EQ(application.dictionaryPath, defaultFolder());
}

TEST_F(SettingsTest, ValuesOfTheWrongTypeOrSizeGiveTheDefault) {
  storeText(kOptionsValue, L"7");
  const WORD shortShowUI = 0;
  store(kShowUIValue, REG_BINARY, &shortShowUI, sizeof shortShowUI);
  const DWORD fourBinaryBytes = 0;
  store(kStdEditValue, REG_BINARY, &fourBinaryBytes, sizeof fourBinaryBytes);
  storeNumber(kLangFromValue, 3);
  loadSettings(application);
  EXPECT_EQ(application.options, 15u);
  EXPECT_EQ(application.showUI, 1u);
  EXPECT_EQ(application.stdEdit, 0u);
  EXPECT_STREQ(application.langFrom, L"");
}

TEST_F(SettingsTest, LanguageNameTooLongForItsBufferIsEmpty) {
  storeText(kLangFromValue, std::wstring(25, L'x'));
  storeText(kLangToValue, std::wstring(19, L'y'));
  loadSettings(application);
  EXPECT_STREQ(application.langFrom, L"");
  EXPECT_EQ(std::wstring(application.langTo), std::wstring(19, L'y')) << "19 characters and the terminator fit";
}

TEST_F(SettingsTest, StoredTextWithoutTerminatorIsUsedOnlyWhenOneFits) {
  const std::wstring name = L"Danish";
  store(kLangFromValue, REG_SZ, name.data(), static_cast<DWORD>(name.size() * sizeof(wchar_t)));
  const std::wstring full(20, L'z');  // fills the buffer with no room left
  store(kLangToValue, REG_SZ, full.data(), static_cast<DWORD>(full.size() * sizeof(wchar_t)));
  loadSettings(application);
  EXPECT_STREQ(application.langFrom, L"Danish");
  EXPECT_STREQ(application.langTo, L"");
}

TEST_F(SettingsTest, ReadersReportWhetherTheStoredValueWasUsed) {
  wchar_t text[8];
  int length = 8;
  EXPECT_FALSE(readSettingString(L"Missing", text, &length, L"fallback text"));
  EXPECT_STREQ(text, L"fallbac") << "a default is cut to fit";
  EXPECT_EQ(length, 7);

  storeText(L"Present", L"abc");
  length = 8;
  EXPECT_TRUE(readSettingString(L"Present", text, &length, L"x"));
  EXPECT_STREQ(text, L"abc");
  EXPECT_EQ(length, 3);

  DWORD number = 0;
  EXPECT_FALSE(readSettingNumber(L"Missing", &number, 42));
  EXPECT_EQ(number, 42u);
  storeNumber(L"Number", 7);
  EXPECT_TRUE(readSettingNumber(L"Number", &number, 42));
  EXPECT_EQ(number, 7u);
}

TEST_F(SettingsTest, WritersCreateTheKeyAndStoreTheTerminator) {
  EXPECT_TRUE(writeSettingString(kLangFromValue, L"French", -1));
  Stored value = stored(kLangFromValue);
  ASSERT_TRUE(value.present);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value.text, L"French");
  EXPECT_EQ(value.bytes, 7u * sizeof(wchar_t));

  EXPECT_TRUE(writeSettingString(kLangToValue, L"Spanish", 4));
  value = stored(kLangToValue);
  EXPECT_EQ(value.bytes, 4u * sizeof(wchar_t)) << "the count includes the terminator";

  EXPECT_TRUE(writeSettingNumber(kShowUIValue, 9));
  value = stored(kShowUIValue);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value.bytes, 4u);
  EXPECT_EQ(value.number, 9u);
}

TEST_F(SettingsTest, SaveWritesOptionsStdEditShowUIAndPathButNoLanguage) {
  application.options = 5;
  application.stdEdit = 1;
  application.showUI = 0;
  ASSERT_TRUE(setDictionaryPath(application, L"D:\\Words"));
  saveSettings(application);
  EXPECT_EQ(stored(kOptionsValue).number, 5u);
  EXPECT_EQ(stored(kStdEditValue).number, 1u);
  EXPECT_EQ(stored(kShowUIValue).number, 0u);
  EXPECT_EQ(stored(kShowUIValue).type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(stored(kPathValue).text, L"D:\\Words\\");
  EXPECT_FALSE(stored(kLangFromValue).present);
  EXPECT_FALSE(stored(kLangToValue).present);
}

TEST_F(SettingsTest, ShowUIOfFiveCountsAsSetAndOneToggleWritesZero) {
  storeNumber(kShowUIValue, 5);
  loadSettings(application);
  EXPECT_NE(application.showUI, 0u);
  application.showUI = application.showUI == 0 ? 1 : 0;
  saveSettings(application);
  EXPECT_EQ(stored(kShowUIValue).number, 0u);
}

TEST_F(SettingsTest, SetDictionaryPathRefusesAFolderWithoutRoomForItsBackslash) {
  ASSERT_TRUE(setDictionaryPath(application, L"C:\\Old\\"));
  EXPECT_FALSE(setDictionaryPath(application, (L"C:\\" + std::wstring(256, L'x')).c_str()));
  EXPECT_STREQ(application.dictionaryPath, L"C:\\Old\\") << "unchanged";
  EXPECT_TRUE(setDictionaryPath(application, (L"C:\\" + std::wstring(255, L'x') + L"\\").c_str()))
      << "259 characters that end in a backslash fit";
}

}  // namespace
