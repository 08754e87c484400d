// Clipboard helpers of the application tests and the end-to-end tests.
#ifndef LEXPAD_TESTS_APP_CLIPBOARD_SUPPORT_H
#define LEXPAD_TESTS_APP_CLIPBOARD_SUPPORT_H

#include <windows.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Replaces the clipboard's content by `text` as CF_UNICODETEXT, `bytes`
// bytes of it (by default the text with its terminator).
bool setClipboardText(const std::wstring& text, size_t bytes = 0);

// Empties the clipboard: it then holds no text.
bool emptyClipboard();

// The clipboard's CF_UNICODETEXT, or "<no text>".
std::wstring clipboardText();

// Keeps the clipboard open from another thread, so that nobody else can
// open it, until the object is destroyed.
class ClipboardHeldElsewhere {
 public:
  ClipboardHeldElsewhere();
  ~ClipboardHeldElsewhere();
  ClipboardHeldElsewhere(const ClipboardHeldElsewhere&) = delete;
  ClipboardHeldElsewhere& operator=(const ClipboardHeldElsewhere&) = delete;
  bool held() const { return held_; }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool held_ = false;
  bool opened_ = false;
  bool release_ = false;
  std::thread holder_;
};

#endif  // LEXPAD_TESTS_APP_CLIPBOARD_SUPPORT_H
