// The focus query: which window of the application in front has the
// keyboard focus, asked on the thread that owns it (platform/front_window.h
// finds that window and gets the question answered there).
#ifndef LEXPAD_INTEGRATION_FOCUS_QUERY_H
#define LEXPAD_INTEGRATION_FOCUS_QUERY_H

#include <windows.h>

#include "platform/front_window.h"

// Timer of the main window that ends an unanswered focus query.
constexpr UINT_PTR kFocusQueryTimer = 1;
constexpr UINT kFocusQueryTimeoutMs = 1000;

// The focus window of the application in front (applicationInFront: the
// foreground window, or the application behind the notification area that
// the tap activated), asked on the thread that owns it while a nested message
// loop runs here.  Null when the desktop is in front, when no answer comes
// within 1000 ms, or when the loop ends with WM_QUIT (which is posted again
// for the program's own loop).  The window's own procedure is back in place
// on every way out.
HWND findFrontFocus(HWND mainWindow);

#endif  // LEXPAD_INTEGRATION_FOCUS_QUERY_H
