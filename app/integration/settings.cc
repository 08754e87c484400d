#include "integration/settings.h"

#include <cwchar>

#include "integration/registry_key.h"
#include "integration/resource_text.h"
#include "platform/handheld.h"

bool readSettingString(const wchar_t* name, wchar_t* text, int* length, const wchar_t* defaultText) {
  const int capacity = *length;
  if (capacity < 1) {
    *length = 0;
    return false;
  }
  bool used = false;
  RegistryKey key;
  if (key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(capacity) * sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes) == ERROR_SUCCESS &&
        type == REG_SZ) {
      // A stored text need not end in a terminator; it is used only when it
      // fits with one.
      const DWORD units = bytes / sizeof(wchar_t);
      if (units < static_cast<DWORD>(capacity)) {
        text[units] = L'\0';
        used = true;
      } else {
        used = text[capacity - 1] == L'\0';
      }
    }
  }
  if (!used) copyText(text, capacity, defaultText != nullptr ? defaultText : L"");
  *length = static_cast<int>(wcsnlen(text, capacity));
  return used;
}

bool readSettingNumber(const wchar_t* name, DWORD* value, DWORD defaultValue) {
  RegistryKey key;
  if (key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) {
    DWORD stored = 0;
    DWORD type = 0;
    DWORD bytes = sizeof stored;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &bytes) == ERROR_SUCCESS &&
        type == REG_DWORD && bytes == sizeof stored) {
      *value = stored;
      return true;
    }
  }
  *value = defaultValue;
  return false;
}

bool writeSettingString(const wchar_t* name, const wchar_t* text, int count) {
  if (count == -1) count = static_cast<int>(std::wcslen(text)) + 1;
  if (count < 1) return false;
  RegistryKey key;
  if (!key.create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE)) return false;
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(count) * sizeof(wchar_t)) == ERROR_SUCCESS;
}

bool writeSettingNumber(const wchar_t* name, DWORD value) {
  RegistryKey key;
  if (!key.create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE)) return false;
  return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
         ERROR_SUCCESS;
}

bool setDictionaryPath(Settings& settings, const wchar_t* folder) {
  const size_t length = wcsnlen(folder, kPathCapacity);
  const bool needsSeparator = length == 0 || folder[length - 1] != L'\\';
  const size_t newLength = length + (needsSeparator ? 1 : 0);
  if (newLength >= static_cast<size_t>(kPathCapacity)) return false;
  std::wmemmove(settings.dictionaryPath, folder, length);
  if (needsSeparator) settings.dictionaryPath[length] = L'\\';
  settings.dictionaryPath[newLength] = L'\0';
  settings.dictionaryPathLength = static_cast<int>(newLength);
  return true;
}

void loadSettings(Settings& settings) {
  readSettingNumber(kOptionsValue, &settings.options, kDefaultOptions);

  // A stored folder too long to take its backslash cannot name any file:
  // the default folder is used instead.
  wchar_t defaultFolder[kPathCapacity];
  defaultDictionaryFolder(defaultFolder, kPathCapacity);
  wchar_t folder[kPathCapacity];
  int length = kPathCapacity;
  readSettingString(kPathValue, folder, &length, defaultFolder);
  if (!setDictionaryPath(settings, folder) && !setDictionaryPath(settings, defaultFolder)) {
    setDictionaryPath(settings, L"");
  }

  length = kLanguageNameCapacity;
  readSettingString(kLangFromValue, settings.langFrom, &length, L"");
  length = kLanguageNameCapacity;
  readSettingString(kLangToValue, settings.langTo, &length, L"");
  readSettingNumber(kShowUIValue, &settings.showUI, kDefaultShowUI);
  readSettingNumber(kStdEditValue, &settings.stdEdit, kDefaultStdEdit);
}

void saveSettings(const Settings& settings) {
  writeSettingNumber(kOptionsValue, settings.options);
  writeSettingNumber(kStdEditValue, settings.stdEdit);
  writeSettingNumber(kShowUIValue, settings.showUI);
  writeSettingString(kPathValue, settings.dictionaryPath, -1);
}
