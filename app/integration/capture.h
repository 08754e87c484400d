// The capture, started by a tap on the notification icon: the edit control
// that has the keyboard focus in the application in front copies its
// selection to the clipboard, the first word of that text goes into the From
// word field, and the control is remembered for Replace.
#ifndef LEXPAD_INTEGRATION_CAPTURE_H
#define LEXPAD_INTEGRATION_CAPTURE_H

#include <windows.h>

#include "integration/clipboard.h"
#include "integration/focus_query.h"

// Longest wait for the control to copy its selection.
constexpr UINT kCopyTimeoutMs = 1000;
// Pause that lets the copied text reach the clipboard.
constexpr DWORD kCopyPauseMs = 100;

// Takes the first word of the selection of the focused edit control of the
// application in front into the From word field of `mainWindow`.  False when
// the desktop is in front, no answer came within 1000 ms, the control is no
// accepted edit control or is hidden or disabled, it did not answer WM_COPY,
// or the clipboard holds no text.  `state.replaceTarget` is null afterwards unless
// the capture succeeded from a control that Replace can use.
bool captureSelection(HWND mainWindow, CaptureState& state);

#endif  // LEXPAD_INTEGRATION_CAPTURE_H
