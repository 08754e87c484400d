// The clipboard commands of the Edit menu: Copy, Copy All and Paste, and
// the taking of the first word of the clipboard text that Paste and the
// capture share.  All take the clipboard with the main window as its owner
// and close it again before they return.
#ifndef LEXPAD_INTEGRATION_CLIPBOARD_H
#define LEXPAD_INTEGRATION_CLIPBOARD_H

#include <windows.h>

#include "integration/resource_text.h"

// What a capture leaves for Replace: the text that followed the captured
// word, and the control the word came from.
struct CaptureState {
  wchar_t trailingText[kFieldCapacity] = {};
  bool trailingTextCut = false;  // the captured text went on beyond trailingText
  HWND replaceTarget = nullptr;  // null: nothing to replace
};

// `mainWindow` is the main window with the word fields and lists.

// Copy: the text of the To word field onto the clipboard.  True when it is
// there, and when the field is empty (then the clipboard is not touched).
bool copyTranslation(HWND mainWindow);

// Copy All: every item of the To list in list order, each followed by one
// space, onto the clipboard.  True when it is there, and when the list is
// empty (then the clipboard is not touched).
bool copyAllTranslations(HWND mainWindow);

// Empties `field` and fills it with the first word of the clipboard text:
// leading characters up to U+0040 (controls, blanks, digits, punctuation)
// are skipped and the word runs to the next such character.  Only the first
// 255 characters of the clipboard are examined.  What follows the word
// becomes `state.trailingText` (`trailingTextCut` when the clipboard held
// more).
// True once the clipboard text was read, even when it holds no word.
bool pasteFirstWord(HWND mainWindow, HWND field, CaptureState& state);

// The Paste command, also the end of a capture: empties the From list and
// the From word field, then takes the first word of the clipboard into it.
bool pasteIntoFromWord(HWND mainWindow, CaptureState& state);

#endif  // LEXPAD_INTEGRATION_CLIPBOARD_H
