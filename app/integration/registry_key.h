// A registry key handle that closes itself.
#ifndef LEXPAD_INTEGRATION_REGISTRY_KEY_H
#define LEXPAD_INTEGRATION_REGISTRY_KEY_H

#include <windows.h>

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }

  // Opens an existing key; false when it is missing or cannot be opened.
  bool open(HKEY parent, const wchar_t* path, REGSAM access) {
    return RegOpenKeyExW(parent, path, 0, access, &key_) == ERROR_SUCCESS;
  }
  // Opens the key, creating it when it is missing.
  bool create(HKEY parent, const wchar_t* path, REGSAM access) {
    return RegCreateKeyExW(parent, path, 0, nullptr, 0, access, nullptr, &key_, nullptr) == ERROR_SUCCESS;
  }

  operator HKEY() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

#endif  // LEXPAD_INTEGRATION_REGISTRY_KEY_H
