// Shared helpers of the application and end-to-end tests: folder paths,
// the settings in the registry, waiting, the clipboard, dictionary files, and
// the language boxes.
#ifndef LEXPAD_TESTS_APP_TEST_SUPPORT_H
#define LEXPAD_TESTS_APP_TEST_SUPPORT_H

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "temp_folder.h"

// The path of `folder` in the form a user types it: wide, with backslashes.
std::wstring windowsPath(const vocaro_test::TempFolder& folder);

// Deletes HKCU\Software\Brinmoor and everything below it.
void deleteSettingsKey();
bool settingsKeyExists();
// A stored setting as the registry holds it; "<absent>" or 12345 without
// one, "<type N>" or 54321 for a value of another type or size, and
// "<unterminated>" for a text stored without its terminator.
std::wstring storedString(const wchar_t* name);
DWORD storedNumber(const wchar_t* name);

// Runs the messages waiting for this thread through `route` (by default
// translated and dispatched) and returns the exit code of a WM_QUIT among
// them, which it takes, or -1.
int takeQuitMessage(const std::function<void(MSG&)>& route = nullptr);
// The same, leaving a WM_QUIT for the program's loop.
void pumpMessages(const std::function<void(MSG&)>& route = nullptr);
// Checks `condition` every 20 ms, running the messages of this thread
// meanwhile when `pump` is set, until it holds; false when it still does not
// after `timeoutMs`.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000, bool pump = true);

std::wstring windowText(HWND window);
std::wstring itemText(HWND dialog, int id);
// The texts of a combo box, and a choice of one in a box of `window` as a
// user makes it (false when it is not listed).
std::vector<std::wstring> comboTexts(HWND box);
bool chooseLanguage(HWND window, int boxId, const wchar_t* language);

// The folder of the running test program, with a trailing backslash.
std::wstring programFolder();

// Copies the sample dictionaries beside the test program (English, German
// and French, both directions) into `folder`: the files named, or all.
void copySampleDictionaries(const std::wstring& folder, const std::vector<std::wstring>& names = {});

std::string fileBytes(const std::wstring& path);
void writeBytes(const std::wstring& path, const std::string& bytes);

// Writes data file `folder\dataFile` of `language` holding `words`.
void writeDataFile(const std::wstring& folder, const std::wstring& dataFile, const std::string& language,
                   std::vector<std::string> words);
// Writes list file `folder\listFile`; primary entry i is translated by the
// secondary entries translations[i] (by default entry 0 for every one of
// `primaryEntries`).
void writeListFile(const std::wstring& folder, const std::wstring& listFile, const std::string& primaryFile,
                   const std::string& secondaryFile, size_t primaryEntries,
                   std::vector<std::vector<uint16_t>> translations = {});
// Writes the data files of both languages (when missing) and list file
// `listFile` for the direction from -> to.
void writeDirection(const std::wstring& folder, const std::wstring& listFile, const std::string& from,
                    const std::string& to);

// The clipboard: CF_UNICODETEXT replaced (emptied when `text` is null), or
// read ("<no text>").
bool setClipboardText(const wchar_t* text);
std::wstring clipboardText();

// Keeps the clipboard open from another thread until destroyed.
class ClipboardHeldElsewhere {
 public:
  ClipboardHeldElsewhere();
  ~ClipboardHeldElsewhere();
  bool held() const { return held_; }

 private:
  bool held_ = false;
  HANDLE opened_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread holder_;
};

#endif  // LEXPAD_TESTS_APP_TEST_SUPPORT_H
