// Shared helpers of the application tests: a scratch folder, a clean
// settings key, the main window created from the real template, and
// message pumping.
#ifndef LEXPAD_TESTS_APP_TEST_SUPPORT_H
#define LEXPAD_TESTS_APP_TEST_SUPPORT_H

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/application.h"

// A new empty folder under the temporary folder, deleted with its files.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Deletes HKCU\Software\Brinmoor and everything below it.
void deleteSettingsKey();

// Runs the messages waiting for this thread.
void pumpMessages();

// Runs the messages of this thread until `condition` holds; false when it
// still does not after `timeoutMs`.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

// Removes a WM_QUIT waiting for this thread; its exit code, or -1 without one.
int takeQuitMessage();

std::wstring windowText(HWND window);
std::wstring itemText(HWND dialog, int id);

// Creates the main window as runApplication does after reading the settings
// from the registry, but with the dictionaries folder `folder`.
std::unique_ptr<Application> openMainWindow(const std::wstring& folder);

// The folder of the running test program, with a trailing backslash.
std::wstring programFolder();

// Copies the sample dictionaries that the build put beside the test program
// (English-German and English-French, both directions) into `folder`: the
// files named, or all of them.
void copySampleDictionaries(const std::wstring& folder, const std::vector<std::wstring>& names = {});

// The bytes of a file; empty when it cannot be read.
std::string fileBytes(const std::wstring& path);

#endif  // LEXPAD_TESTS_APP_TEST_SUPPORT_H
