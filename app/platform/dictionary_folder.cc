#include <cwchar>

#include "platform/handheld.h"

void defaultDictionaryFolder(wchar_t* folder, int capacity) {
  if (capacity < 1) return;
  folder[0] = L'\0';
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  // A length of MAX_PATH means the name was cut.
  if (length == 0 || length >= MAX_PATH) return;
  wchar_t* lastSeparator = std::wcsrchr(program, L'\\');
  if (lastSeparator == nullptr) return;
  lastSeparator[1] = L'\0';
  static const wchar_t kSubfolder[] = L"dictionaries\\";
  const size_t needed = std::wcslen(program) + std::wcslen(kSubfolder) + 1;
  if (needed > static_cast<size_t>(capacity)) return;
  std::wcscpy(folder, program);
  std::wcscat(folder, kSubfolder);
}
