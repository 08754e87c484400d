#include <cwchar>

#include "platform/handheld.h"

bool besideProgram(const wchar_t* name, wchar_t* path, int capacity) {
  if (capacity < 1) return false;
  path[0] = L'\0';
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  // A length of MAX_PATH means the name was cut.
  if (length == 0 || length >= MAX_PATH) return false;
  wchar_t* lastSeparator = std::wcsrchr(program, L'\\');
  if (lastSeparator == nullptr) return false;
  lastSeparator[1] = L'\0';
  const size_t needed = std::wcslen(program) + std::wcslen(name) + 1;
  if (needed > static_cast<size_t>(capacity)) return false;
  std::wcscpy(path, program);
  std::wcscat(path, name);
  return true;
}

void defaultDictionaryFolder(wchar_t* folder, int capacity) { besideProgram(L"dictionaries\\", folder, capacity); }
