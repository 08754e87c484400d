// The capture, started by a tap on the notification icon: the edit control
// that has the keyboard focus in the application in front copies its
// selection to the clipboard, the first word of that text goes into the From
// word field, and the control is remembered for Replace.
#ifndef LEXPAD_INTEGRATION_CAPTURE_H
#define LEXPAD_INTEGRATION_CAPTURE_H

#include <windows.h>

class Application;

// Timer of the main window that ends an unanswered focus query.
constexpr UINT_PTR kFocusQueryTimer = 1;
constexpr UINT kFocusQueryTimeoutMs = 1000;

// Longest wait for the control to copy its selection.
constexpr UINT kCopyTimeoutMs = 1000;
// Pause that lets the copied text reach the clipboard.
constexpr DWORD kCopyPauseMs = 100;

// Takes the first word of the selection of the focused edit control of the
// application in front into the From word field.  False when the desktop is
// in front, no answer came within 1000 ms, the control is no accepted edit
// control or is hidden or disabled, it did not answer WM_COPY, or the
// clipboard holds no text.  `replaceTarget` is null afterwards unless the
// capture succeeded from a control that Replace can use.
bool captureSelection(Application& application);

// The focus window of the application in front (applicationInFront: the
// foreground window, or the application behind the notification area that
// the tap activated), asked on the thread that owns it while a nested message loop
// runs here.  Null when the desktop is in front, when no answer comes
// within 1000 ms, or when the loop ends with WM_QUIT (which is posted again
// for the program's own loop).  The window's own procedure is back in place
// on every way out.
HWND findFrontFocus(HWND mainWindow);

// Window procedure installed for a moment on a window of this process in
// front: answers QUERY_FOCUS_MESSAGE, and hands every message to
// DefWindowProcW.
LRESULT CALLBACK frontFocusHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif  // LEXPAD_INTEGRATION_CAPTURE_H
