#include "app_test_support.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "datafile/data_file_writer.h"
#include "integration/focus_query.h"
#include "integration/settings.h"
#include "translator/list_file_writer.h"
#include "window_fixture.h"

namespace {

// Runs one file operation of the shell without asking the user; `from`
// may name several files, each ended by a terminator.
int shellFileOperation(UINT operation, std::wstring from, std::wstring to = L"") {
  from += L'\0';  // the list ends with a second terminator
  to += L'\0';
  SHFILEOPSTRUCTW files{};
  files.wFunc = operation;
  files.pFrom = from.c_str();
  files.pTo = to.c_str();
  files.fFlags = FOF_NO_UI;
  return SHFileOperationW(&files);
}

// The type of a stored setting, REG_NONE without one, and its bytes.
DWORD readStored(const wchar_t* name, std::vector<BYTE>* data) {
  HKEY key;
  DWORD type = REG_NONE;
  DWORD bytes = 2048;
  data->assign(bytes, 0);
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return REG_NONE;
  if (RegQueryValueExW(key, name, nullptr, &type, data->data(), &bytes) != ERROR_SUCCESS) type = REG_NONE;
  RegCloseKey(key);
  data->resize(bytes);
  return type;
}

// Another program may hold the clipboard for a moment.
bool openClipboard() {
  return waitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 1000, false);
}

}  // namespace

std::wstring windowsPath(const vocaro_test::TempFolder& folder) {
  const vocaro_test::WidePath wide = vocaro_test::widen(folder.root());
  std::wstring path(wide.begin(), wide.end());
  std::replace(path.begin(), path.end(), L'/', L'\\');
  return path;
}

void deleteSettingsKey() { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brinmoor"); }

bool settingsKeyExists() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::wstring storedString(const wchar_t* name) {
  std::vector<BYTE> data;
  const DWORD type = readStored(name, &data);
  if (type != REG_SZ) return type == REG_NONE ? L"<absent>" : L"<type " + std::to_wstring(type) + L">";
  const std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  if (text.empty() || text.back() != L'\0') return L"<unterminated>";
  return text.substr(0, text.size() - 1);
}

DWORD storedNumber(const wchar_t* name) {
  std::vector<BYTE> data;
  const DWORD type = readStored(name, &data);
  DWORD value = type == REG_NONE ? 12345 : 54321;
  if (type == REG_DWORD && data.size() == sizeof value) memcpy(&value, data.data(), sizeof value);
  return value;
}

int takeQuitMessage(const std::function<void(MSG&)>& route) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    if (route) {
      route(message);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return -1;
}

void pumpMessages(const std::function<void(MSG&)>& route) {
  const int quit = takeQuitMessage(route);
  if (quit >= 0) PostQuitMessage(quit);  // kept for the program's loop
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs, bool pump) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    if (!pump) Sleep(20);
    if (pump) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    if (pump) pumpMessages();
  }
  return true;
}

std::wstring windowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, &text[0], static_cast<int>(text.size())));
  return text;
}

std::wstring itemText(HWND dialog, int id) { return windowText(GetDlgItem(dialog, id)); }

std::vector<std::wstring> comboTexts(HWND box) {
  std::vector<std::wstring> texts;
  for (LRESULT i = 0; i < SendMessageW(box, CB_GETCOUNT, 0, 0); ++i) {
    wchar_t text[MAX_PATH] = L"";
    SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    texts.push_back(text);
  }
  return texts;
}

bool chooseLanguage(HWND window, int boxId, const wchar_t* language) {
  HWND box = GetDlgItem(window, boxId);
  const LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(language));
  if (index == CB_ERR) return false;
  SendMessageW(box, CB_SETCURSEL, index, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}

std::wstring programFolder() {
  wchar_t path[MAX_PATH];
  const std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return file.substr(0, file.rfind(L'\\') + 1);
}

void copySampleDictionaries(const std::wstring& folder, const std::vector<std::wstring>& names) {
  std::wstring from;
  for (const std::wstring& name : names.empty() ? std::vector<std::wstring>{L"*.td?"} : names) {
    from += programFolder() + L"dictionaries\\" + name + L'\0';
  }
  from.pop_back();
  ASSERT_EQ(shellFileOperation(FO_COPY, from, folder), 0) << "cannot copy the sample dictionaries";
}

std::string fileBytes(const std::wstring& path) {
  std::string bytes;
  FILE* file = _wfopen(path.c_str(), L"rb");
  if (file == nullptr) return bytes;
  for (int c; (c = std::fgetc(file)) != EOF;) bytes += static_cast<char>(c);
  std::fclose(file);
  return bytes;
}

void writeBytes(const std::wstring& path, const std::string& bytes) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  ASSERT_NE(file, nullptr) << "cannot create a test file";
  EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
  std::fclose(file);
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

bool setClipboardText(const wchar_t* text) {
  if (!openClipboard()) return false;
  bool stored = EmptyClipboard() != FALSE;
  if (text != nullptr) {
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    stored = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  }
  CloseClipboard();
  return stored;
}

std::wstring clipboardText() {
  if (!openClipboard()) return L"<not opened>";
  std::wstring text = L"<no text>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text.assign(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
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
  if (message != WM_SETFOCUS) return DefWindowProcW(window, message, wParam, lParam);
  if (HWND control = GetWindow(window, GW_CHILD)) SetFocus(control);
  return 0;
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
    GetClassInfoW(nullptr, L"Edit", &edit);
    edit.hInstance = GetModuleHandleW(nullptr);
    edit.lpszClassName = controlClass;
    EXPECT_NE(RegisterClassW(&edit), 0);
  }
  top = CreateWindowW(L"LexpadTestTarget", L"target", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100, nullptr, nullptr,
                      nullptr, nullptr);
  control = CreateWindowW(controlClass, L"", WS_CHILD | WS_VISIBLE, 10, 10, 250, 24, top, nullptr, nullptr, nullptr);
  select(text, text);
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
