#include "app_test_support.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "datafile/data_file_writer.h"
#include "integration/registry_key.h"
#include "integration/settings.h"
#include "integration/focus_query.h"
#include "translator/list_file_writer.h"
#include "window_fixture.h"

namespace {

// Reads a value of the settings key; false when there is none.
bool readStored(const wchar_t* name, DWORD* type, std::vector<BYTE>* data) {
  RegistryKey key;
  DWORD bytes = 0;
  if (!key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) ||
      RegQueryValueExW(key, name, nullptr, type, nullptr, &bytes) != ERROR_SUCCESS) {
    return false;
  }
  data->assign(bytes, 0);
  return RegQueryValueExW(key, name, nullptr, type, data->data(), &bytes) == ERROR_SUCCESS;
}

// Another program may hold the clipboard for a moment.
bool openClipboard() {
  return waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000, false);
}

}  // namespace

ScratchFolder::ScratchFolder() {
  wchar_t temp[MAX_PATH];
  EXPECT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  static int counter = 0;
  path_ = std::wstring(temp) + L"lexpad-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter);
  EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr));
}

ScratchFolder::~ScratchFolder() {
  std::wstring from = path_ + L'\0';  // a list of one, ended by a second terminator
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

void deleteSettingsKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brinmoor"); }

bool settingsKeyExists() {
  RegistryKey key;
  return key.open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ);
}

std::wstring storedString(const wchar_t* name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!readStored(name, &type, &data)) return L"<absent>";
  if (type != REG_SZ) return L"<type " + std::to_wstring(type) + L">";
  const std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  if (text.empty() || text.back() != L'\0') return L"<unterminated>";
  return text.substr(0, text.size() - 1);
}

DWORD storedNumber(const wchar_t* name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!readStored(name, &type, &data)) return 12345;
  DWORD value = 54321;
  if (type == REG_DWORD && data.size() == sizeof value) memcpy(&value, data.data(), sizeof value);
  return value;
}

void storeSetting(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
  RegistryKey key;
  ASSERT_TRUE(key.create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE));
  ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
}

LoadedSettings loadedSettings() {
  Application application;
  loadSettings(application);
  EXPECT_EQ(application.dictionaryPathLength, static_cast<int>(wcslen(application.dictionaryPath)));
  return {application.options, application.dictionaryPath, application.langFrom,
          application.langTo,  application.showUI,         application.stdEdit};
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // kept for takeQuitMessage
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs, bool pump) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    if (!pump) {
      Sleep(20);
      continue;
    }
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
  const std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return file.substr(0, file.rfind(L'\\') + 1);
}

void copySampleDictionaries(const std::wstring& folder, const std::vector<std::wstring>& names) {
  const std::wstring samples = programFolder() + L"dictionaries\\";
  std::vector<std::wstring> files = names;
  WIN32_FIND_DATAW found;
  HANDLE search = files.empty() ? FindFirstFileW((samples + L"*.td?").c_str(), &found) : INVALID_HANDLE_VALUE;
  if (search != INVALID_HANDLE_VALUE) {
    do files.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
  }
  ASSERT_FALSE(files.empty()) << "no sample dictionaries beside the test program";
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

void writeBytes(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(file, nullptr) << "cannot create a test file";
  const size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  ASSERT_EQ(written, bytes.size());
}

void writeDataFile(const std::wstring& folder, const std::wstring& dataFile, const std::string& language,
                   std::vector<std::string> words) {
  std::sort(words.begin(), words.end());
  lexcore::DataFileLayout layout;
  std::string error;
  ASSERT_TRUE(lexcore::buildDataFile(words, lexcore::byteCodeTable(), lexcore::planBlocks(words, 8), &layout, &error))
      << error;
  layout.languageName = language;
  writeBytes(folder + L"\\" + dataFile, lexcore::writeDataFile(layout));
}

void writeListFile(const std::wstring& folder, const std::wstring& listFile, const std::string& primaryFile,
                   const std::string& secondaryFile, size_t primaryEntries,
                   std::vector<std::vector<uint16_t>> translations) {
  lexcore::ListFileLayout layout;
  layout.primaryFile = primaryFile;
  layout.secondaryFile = secondaryFile;
  layout.translations = std::move(translations);
  if (layout.translations.empty()) layout.translations.assign(primaryEntries, std::vector<uint16_t>{0});
  writeBytes(folder + L"\\" + listFile, lexcore::writeListFile(layout));
}

void writeDirection(const std::wstring& folder, const std::wstring& listFile, const std::string& from,
                    const std::string& to) {
  static const std::vector<std::string> kWords = {"apple", "house", "tree", "water"};
  std::string files[2];
  for (int i = 0; i < 2; ++i) {
    const std::string& language = i == 0 ? from : to;
    files[i] = language.substr(0, 15) + ".tdd";
    std::replace_if(files[i].begin(), files[i].end() - 4, [](char c) { return !isalnum(c); }, '_');
    const std::wstring name(files[i].begin(), files[i].end());
    if (GetFileAttributesW((folder + L"\\" + name).c_str()) == INVALID_FILE_ATTRIBUTES) {
      writeDataFile(folder, name, language, kWords);
    }
  }
  writeListFile(folder, listFile, files[0], files[1], kWords.size());
}

bool setClipboardText(const std::wstring& text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (!openClipboard()) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool stored = false;
  if (block != nullptr) {
    memcpy(GlobalLock(block), text.c_str(), bytes);
    GlobalUnlock(block);
    stored = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!stored) GlobalFree(block);
  }
  CloseClipboard();
  return stored;
}

bool emptyClipboard() {
  if (!openClipboard()) return false;
  const bool emptied = EmptyClipboard() != FALSE;
  CloseClipboard();
  return emptied;
}

std::wstring clipboardText() {
  if (!openClipboard()) return L"<not opened>";
  std::wstring text = L"<no text>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* block = static_cast<const wchar_t*>(GlobalLock(data))) {
      text.assign(block, wcsnlen(block, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

ClipboardHeldElsewhere::ClipboardHeldElsewhere() {
  holder_ = std::thread([this] {
    held_ = openClipboard();
    SetEvent(opened_);
    WaitForSingleObject(release_, INFINITE);
    if (held_) CloseClipboard();
  });
  WaitForSingleObject(opened_, INFINITE);
}

ClipboardHeldElsewhere::~ClipboardHeldElsewhere() {
  SetEvent(release_);
  holder_.join();
  CloseHandle(opened_);
  CloseHandle(release_);
}

std::atomic<int> TargetWindow::queriesSeenByOwnProcedure{0};

namespace {

// The target's own procedure: passes the focus on to its control.
LRESULT CALLBACK targetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == QUERY_FOCUS_MESSAGE) ++TargetWindow::queriesSeenByOwnProcedure;
  if (message == WM_SETFOCUS) {
    if (HWND control = GetWindow(window, GW_CHILD)) SetFocus(control);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

TargetWindow::TargetWindow(const wchar_t* controlClass, const wchar_t* text) {
  static const ATOM registered = [] {
    LoadLibraryW(L"riched20.dll");
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = targetProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"LexpadTestTarget";
    return RegisterClassW(&windowClass);
  }();
  EXPECT_NE(registered, 0);
  WNDCLASSW edit{};
  if (!GetClassInfoW(nullptr, controlClass, &edit) && !GetClassInfoW(GetModuleHandleW(nullptr), controlClass, &edit)) {
    EXPECT_TRUE(GetClassInfoW(nullptr, L"Edit", &edit));
    edit.hInstance = GetModuleHandleW(nullptr);
    edit.lpszClassName = controlClass;
    EXPECT_NE(RegisterClassW(&edit), 0);
  }
  top = CreateWindowW(L"LexpadTestTarget", L"target", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                      nullptr, nullptr);
  control = CreateWindowW(controlClass, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 250, 24, top, nullptr,
                          nullptr, nullptr);
  SendMessageW(control, EM_SETSEL, 0, -1);
  SetForegroundWindow(top);
  SetFocus(control);
  pumpMessages();
  ownProcedure = GetWindowLongPtrW(top, GWLP_WNDPROC);
  queriesSeenByOwnProcedure = 0;
}

void TargetWindow::select(const std::wstring& text, const std::wstring& selection) const {
  SetWindowTextW(control, text.c_str());
  const size_t start = text.find(selection);
  SendMessageW(control, EM_SETSEL, start, start + selection.size());
  SetForegroundWindow(top);
  SetFocus(control);
  pumpMessages();
}
