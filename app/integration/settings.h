// The six settings of lexpad, kept in the registry between runs under
// HKEY_CURRENT_USER\Software\Brinmoor\Vocaro\1.0\Settings.  Read once at
// start and written at the end; every registry failure is silent and gives
// the default.
#ifndef LEXPAD_INTEGRATION_SETTINGS_H
#define LEXPAD_INTEGRATION_SETTINGS_H

#include <windows.h>

#include "integration/resource_text.h"

constexpr wchar_t kSettingsKey[] = L"Software\\Brinmoor\\Vocaro\\1.0\\Settings";
constexpr wchar_t kOptionsValue[] = L"Options";
constexpr wchar_t kPathValue[] = L"Path";
constexpr wchar_t kLangFromValue[] = L"LangFrom";
constexpr wchar_t kLangToValue[] = L"LangTo";
constexpr wchar_t kShowUIValue[] = L"ShowUI";
constexpr wchar_t kStdEditValue[] = L"StdEdit";

constexpr DWORD kDefaultOptions = 15;  // all four search options
constexpr DWORD kDefaultShowUI = 1;
constexpr DWORD kDefaultStdEdit = 0;

// The settings as lexpad holds them while it runs.
struct Settings {
  DWORD options = 0;  // the search option bits
  wchar_t dictionaryPath[kPathCapacity] = {};  // with its trailing backslash
  int dictionaryPathLength = 0;
  wchar_t langFrom[kLanguageNameCapacity] = {};
  wchar_t langTo[kLanguageNameCapacity] = {};
  DWORD showUI = 0;   // nonzero: the window shows at start
  DWORD stdEdit = 0;  // nonzero: no automatic character conversion
};

// Reads a REG_SZ value into `text`.  `length` holds the capacity in
// characters on entry (terminator included) and the text's length on
// return.  A missing value, another type, or a text that does not fit counts
// as absent: then `defaultText` is copied in (cut to fit), or without one the
// text is empty.  True when the stored value was used.
bool readSettingString(const wchar_t* name, wchar_t* text, int* length, const wchar_t* defaultText);

// Reads a REG_DWORD value of exactly 4 bytes; otherwise `*value` becomes
// `defaultValue`.  True when the stored value was used.
bool readSettingNumber(const wchar_t* name, DWORD* value, DWORD defaultValue);

// Writes `count` characters of `text` as REG_SZ, the terminator included;
// -1 writes the text's length plus one.  Creates the key when missing.
bool writeSettingString(const wchar_t* name, const wchar_t* text, int count);
bool writeSettingNumber(const wchar_t* name, DWORD value);

// Reads all six settings into `settings`, in the order Options, Path,
// LangFrom, LangTo, ShowUI, StdEdit.
void loadSettings(Settings& settings);

// Writes Options, StdEdit and ShowUI, then Path.  The language names are
// written when the application closes.
void saveSettings(const Settings& settings);

// Makes `folder` the dictionaries folder, with a trailing backslash added
// when it has none.  False, and nothing changed, when the folder with its
// backslash does not fit in the path buffer.
bool setDictionaryPath(Settings& settings, const wchar_t* folder);

#endif  // LEXPAD_INTEGRATION_SETTINGS_H
