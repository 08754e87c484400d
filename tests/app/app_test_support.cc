#include "app_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "integration/settings.h"

namespace {

void deleteTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        deleteTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  const DWORD length = GetTempPathW(MAX_PATH, temp);
  EXPECT_GT(length, 0u);
  static int counter = 0;
  path_ = std::wstring(temp) + L"lexpad-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr));
}

ScratchFolder::~ScratchFolder() { deleteTree(path_); }

void deleteSettingsKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brinmoor"); }

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Put it back for takeQuitMessage.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    pumpMessages();
  }
  return true;
}

int takeQuitMessage() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return -1;
}

std::wstring windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(length + 1, L'\0');
  text.resize(GetWindowTextW(window, &text[0], length + 1));
  return text;
}

std::wstring itemText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

std::unique_ptr<Application> openMainWindow(const std::wstring& folder) {
  std::unique_ptr<Application> application(new Application);
  application->instance = GetModuleHandleW(nullptr);
  loadSettings(*application);
  EXPECT_TRUE(setDictionaryPath(*application, folder.c_str()));
  application->createBoldFont();
  EXPECT_TRUE(application->createMainWindow());
  pumpMessages();
  return application;
}

std::wstring programFolder() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

void copySampleDictionaries(const std::wstring& folder, const std::vector<std::wstring>& names) {
  const std::wstring samples = programFolder() + L"dictionaries\\";
  std::vector<std::wstring> files = names;
  if (files.empty()) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((samples + L"*.td?").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE) << "no sample dictionaries beside the test program";
    do {
      files.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  for (const std::wstring& name : files) {
    ASSERT_TRUE(CopyFileW((samples + name).c_str(), (folder + L"\\" + name).c_str(), FALSE)) << "cannot copy a sample";
  }
}

std::string fileBytes(const std::wstring& path) {
  std::string bytes;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return bytes;
  char buffer[4096];
  size_t read;
  while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, read);
  std::fclose(file);
  return bytes;
}
