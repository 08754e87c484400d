// The focus query: lexpad asks the thread that owns the window in front
// which window has its keyboard focus, and that thread answers with one
// posted message.
#ifndef LEXPAD_INTEGRATION_FOCUS_QUERY_H
#define LEXPAD_INTEGRATION_FOCUS_QUERY_H

#include <windows.h>

// Posted to the window in front; wParam: the window that wants the answer.
constexpr UINT QUERY_FOCUS_MESSAGE = 0x0852;
// Posted back; wParam: the focus window found, or null.
constexpr UINT FOCUS_REPLY_MESSAGE = 0x0853;

// Runs on the thread that owns the window in front: posts
// FOCUS_REPLY_MESSAGE to `replyWindow` with the thread's focus window, or
// its active window when nothing has the focus.
void answerFocusQuery(HWND replyWindow);

#endif  // LEXPAD_INTEGRATION_FOCUS_QUERY_H
