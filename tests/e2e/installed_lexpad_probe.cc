// Starts lexpad.exe from the folder given on the command line, as a user of
// an installed copy would, prints the languages of its From list one per
// line (UTF-8), and ends lexpad with its Exit command.  Exit code 0 when
// lexpad showed its main window and ended, 1 when it did not, 2 for a usage
// error.  The package test runs it against the installed folder.
#include <windows.h>

#include <cstdio>
#include <string>

#include "e2e_support.h"
#include "resource.h"

namespace {

void printLine(const std::wstring& text) {
  const std::wstring line = text + L"\n";
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0,
                                        nullptr, nullptr);
  std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &utf8[0], bytes, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: installed_lexpad_probe FOLDER\n", stderr);
    return 2;
  }
  std::wstring folder = argv[1];
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  Lexpad lexpad(folder);
  if (!lexpad.ready()) {
    std::fputs("installed_lexpad_probe: lexpad.exe did not show its main window\n", stderr);
    return 1;
  }
  for (const std::wstring& language : comboTexts(lexpad.item(IDC_FROM_LANGUAGE))) printLine(language);
  std::fflush(stdout);
  lexpad.command(IDM_EXIT);
  if (lexpad.process.exitCode() == 12345) {
    std::fputs("installed_lexpad_probe: lexpad.exe did not end after its Exit command\n", stderr);
    return 1;
  }
  return 0;
}
