#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>

#include "host.h"
#include "platform/charset.h"

namespace lexdict {
namespace {

std::string toUtf8(const wchar_t* text) {
  std::u16string wide;
  for (const wchar_t* p = text; *p != 0; ++p) wide.push_back(static_cast<char16_t>(*p));
  return lexcore::utf16ToUtf8(wide);
}

bool isSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

const char kFolderSeparator = '\\';

// main() receives its arguments in the ANSI code page, which cannot hold
// every word; the wide command line can.
std::vector<std::string> utf8Arguments(int /*argc*/, char** /*argv*/) {
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(toUtf8(wide[i]));
  LocalFree(wide);
  return args;
}

namespace {

UINT consoleCodePage = 0;

void restoreConsoleCodePage() { SetConsoleOutputCP(consoleCodePage); }

}  // namespace

// The console keeps its code page after the program ends, so the one found
// is put back on the way out.
void prepareStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  consoleCodePage = GetConsoleOutputCP();
  if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
    std::atexit(restoreConsoleCodePage);
}

std::string executableFolder() {
  wchar_t buffer[32768];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, sizeof buffer / sizeof buffer[0]);
  if (n == 0 || n >= sizeof buffer / sizeof buffer[0]) return std::string();
  const std::string path = toUtf8(buffer);
  const size_t length = folderPartLength(path);
  return length == 0 ? std::string() : path.substr(0, length - 1);
}

// getenv() answers in the ANSI code page; the wide environment holds every
// character.
std::string environmentVariable(const char* name) {
  std::wstring wideName;
  for (const char* p = name; *p != 0; ++p) wideName.push_back(static_cast<wchar_t>(*p));
  const wchar_t* value = _wgetenv(wideName.c_str());
  return value == nullptr ? std::string() : toUtf8(value);
}

// "C:name.tdl" names a file in the current folder of drive C:, so the drive
// counts as the folder part when no separator follows it.
size_t folderPartLength(const std::string& path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (isSeparator(path[i - 1])) return i;
  }
  return path.size() >= 2 && path[1] == ':' ? 2 : 0;
}

bool findListFiles(const std::string& folder, std::vector<std::string>* names) {
  std::u16string pattern;
  if (!lexcore::utf8ToUtf16(folder + (folderPartLength(folder) == folder.size() ? "" : "\\") + "*.tdl", &pattern))
    return false;
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW(std::wstring(pattern.begin(), pattern.end()).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) {
    // A folder without list files answers "not found"; a missing one "path not found".
    return GetLastError() == ERROR_FILE_NOT_FOUND;
  }
  do {
    names->push_back(toUtf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

}  // namespace lexdict
