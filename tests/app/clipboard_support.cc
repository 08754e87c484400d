#include "clipboard_support.h"

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment.
bool openClipboard() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

bool setClipboardText(const std::wstring& text, size_t bytes) {
  if (bytes == 0) bytes = (text.size() + 1) * sizeof(wchar_t);
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
    const wchar_t* block = static_cast<const wchar_t*>(GlobalLock(data));
    if (block != nullptr) {
      text.assign(block, wcsnlen(block, GlobalSize(data) / sizeof(wchar_t)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

ClipboardHeldElsewhere::ClipboardHeldElsewhere() {
  holder_ = std::thread([this] {
    const bool opened = openClipboard();
    std::unique_lock<std::mutex> lock(mutex_);
    held_ = opened;
    opened_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return release_; });
    if (opened) CloseClipboard();
  });
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return opened_; });
}

ClipboardHeldElsewhere::~ClipboardHeldElsewhere() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    release_ = true;
  }
  changed_.notify_all();
  holder_.join();
}
