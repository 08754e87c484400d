// Wide text on the clipboard (CF_UNICODETEXT): the clipboard opened for a
// scope, a block of text handed over to it, and a bounded read of its text.
#ifndef LEXPAD_INTEGRATION_CLIPBOARD_TEXT_H
#define LEXPAD_INTEGRATION_CLIPBOARD_TEXT_H

#include <windows.h>

#include <cstddef>

// Opens the clipboard with `owner` as its owner, and closes it again when
// the scope ends.
class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner);
  ~ClipboardScope();
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  bool isOpen() const { return open_; }

 private:
  bool open_;
};

// A block of `capacity` wide characters for the clipboard, zero-filled.  It
// belongs to the clipboard once handOver succeeds; until then, and when the
// clipboard refuses it, the object frees it.
class ClipboardBlock {
 public:
  explicit ClipboardBlock(size_t capacity);
  ~ClipboardBlock();
  ClipboardBlock(const ClipboardBlock&) = delete;
  ClipboardBlock& operator=(const ClipboardBlock&) = delete;

  // The writable text, or null when the block could not be allocated.
  wchar_t* text() const { return text_; }
  size_t capacity() const { return capacity_; }

  // Empties the open clipboard and sets the block as its CF_UNICODETEXT.
  // False when there is no block or the clipboard refuses it.
  bool handOver();

 private:
  HGLOBAL memory_ = nullptr;
  wchar_t* text_ = nullptr;
  size_t capacity_ = 0;
};

// True when the clipboard can be opened by `owner` and holds CF_UNICODETEXT;
// the clipboard is closed again at once.
bool clipboardHoldsText(HWND owner);

// Copies the text of the open clipboard, at most `capacity` - 1 characters,
// into `text` and terminates it; the clipboard's block is never read past
// its size.  `*cut` tells whether the clipboard text goes on beyond what was
// copied.  False, with an empty text, when the clipboard holds no text.
bool readClipboardText(wchar_t* text, size_t capacity, bool* cut);

#endif  // LEXPAD_INTEGRATION_CLIPBOARD_TEXT_H
