// Stands in for the help viewer and for the program that shows HTML files in
// the help tests: writes its command line, as UTF-8, to the file that the
// environment variable VOCARO_PROBE_OUTPUT names.
#include <windows.h>

#include <cstdio>

int main() {
  wchar_t output[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"VOCARO_PROBE_OUTPUT", output, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  const wchar_t* commandLine = GetCommandLineW();
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return 1;
  char* text = new char[bytes];
  WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, text, bytes, nullptr, nullptr);
  // Written under another name first, so that a reader never sees half.
  wchar_t partial[MAX_PATH + 8];
  swprintf(partial, MAX_PATH + 8, L"%ls.part", output);
  FILE* file = _wfopen(partial, L"wb");
  if (file == nullptr) return 1;
  std::fwrite(text, 1, bytes - 1, file);
  std::fclose(file);
  delete[] text;
  return MoveFileW(partial, output) ? 0 : 1;
}
