// Replace: the translation goes back into the remembered edit control of the
// application the word was captured from, in the letter case of that word.
#ifndef LEXPAD_INTEGRATION_REPLACE_H
#define LEXPAD_INTEGRATION_REPLACE_H

#include <windows.h>

#include "integration/clipboard.h"

// Capacity of the text put back, terminator included.
constexpr int kReplaceCapacity = 512;
// Pause that lets the text reach the clipboard before the control pastes.
constexpr DWORD kPastePauseMs = 200;

// Puts the To word of `mainWindow`, given the case pattern of the From word
// and followed by `state.trailingText`, on the clipboard, makes `replaceTarget` paste it over the
// selection the capture copied, forgets the target and hides the main
// window.  Without a target, with the target gone or a word field empty,
// nothing happens.  The text must be put back whole: when it would not fit
// in 511 characters, or the captured text went on beyond `trailingText`,
// Replace is refused like a clipboard that cannot be used: a beep, the
// target kept, the window left as it is.
bool replaceInTarget(HWND mainWindow, CaptureState& state);

#endif  // LEXPAD_INTEGRATION_REPLACE_H
