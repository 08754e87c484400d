#include "integration/clipboard_text.h"

ClipboardScope::ClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}

ClipboardScope::~ClipboardScope() {
  if (open_) CloseClipboard();
}

// Desktop Windows takes only movable global memory as clipboard data.
ClipboardBlock::ClipboardBlock(size_t capacity) {
  if (capacity == 0 || capacity > SIZE_MAX / sizeof(wchar_t)) return;
  memory_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, capacity * sizeof(wchar_t));
  if (memory_ == nullptr) return;
  text_ = static_cast<wchar_t*>(GlobalLock(memory_));
  if (text_ == nullptr) {
    GlobalFree(memory_);
    memory_ = nullptr;
    return;
  }
  capacity_ = capacity;
}

ClipboardBlock::~ClipboardBlock() {
  if (memory_ == nullptr) return;
  if (text_ != nullptr) GlobalUnlock(memory_);
  GlobalFree(memory_);
}

bool ClipboardBlock::handOver() {
  if (text_ == nullptr) return false;
  GlobalUnlock(memory_);
  text_ = nullptr;
  EmptyClipboard();
  if (SetClipboardData(CF_UNICODETEXT, memory_) == nullptr) return false;  // the destructor frees it
  memory_ = nullptr;
  return true;
}

bool clipboardHoldsText(HWND owner) {
  ClipboardScope clipboard(owner);
  return clipboard.isOpen() && IsClipboardFormatAvailable(CF_UNICODETEXT);
}

bool readClipboardText(wchar_t* text, size_t capacity, bool* cut) {
  text[0] = L'\0';
  *cut = false;
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return false;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return false;
  const wchar_t* source = static_cast<const wchar_t*>(GlobalLock(data));
  if (source == nullptr) return false;
  // Another program wrote the block: its terminator is not relied on.
  const size_t available = GlobalSize(data) / sizeof(wchar_t);
  size_t length = 0;
  while (length < available && length + 1 < capacity && source[length] != L'\0') {
    text[length] = source[length];
    ++length;
  }
  text[length] = L'\0';
  *cut = length < available && source[length] != L'\0';
  GlobalUnlock(data);
  return true;
}
