// The target program of the end-to-end tests: a window of another process
// with one edit control, which lexpad captures from and replaces into.  The
// test driver steers it with these messages, sent to its top-level window.
#ifndef LEXPAD_TESTS_E2E_CAPTURE_TARGET_H
#define LEXPAD_TESTS_E2E_CAPTURE_TARGET_H

#include <windows.h>

// Command line: capture_target.exe CONTROL_CLASS WINDOW_TITLE [OPTION]
//   --demo TEXT WORD     for pictures: the window shows TEXT with WORD
//                        selected at the bottom left of the screen, starts
//                        lexpad.exe from its own folder and taps its
//                        notification icon

// Makes the window the foreground window with the focus on its control;
// returns 1.
constexpr UINT TARGET_ACTIVATE = WM_APP + 1;
// Posted: the program stops answering messages for lParam milliseconds.
constexpr UINT TARGET_STOP_ANSWERING = WM_APP + 2;
// Returns how many lexpad focus queries (0x0852) reached the window's own
// procedure.
constexpr UINT TARGET_QUERIES_SEEN = WM_APP + 3;
#endif  // LEXPAD_TESTS_E2E_CAPTURE_TARGET_H
