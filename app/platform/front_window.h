// The window in front as the capture sees it: whether it is the desktop, and
// how a question posted to it is answered on the thread that owns it.
#ifndef LEXPAD_PLATFORM_FRONT_WINDOW_H
#define LEXPAD_PLATFORM_FRONT_WINDOW_H

#include <windows.h>

// Posted to the window in front; wParam: the window that wants the answer.
constexpr UINT QUERY_FOCUS_MESSAGE = 0x0852;
// Posted back; wParam: the focus window found, or null.
constexpr UINT FOCUS_REPLY_MESSAGE = 0x0853;

// Runs on the thread that owns the window in front: posts
// FOCUS_REPLY_MESSAGE to `replyWindow` with the thread's focus window, or
// its active window when nothing has the focus.
inline void answerFocusQuery(HWND replyWindow) {
  HWND focus = GetFocus();
  if (focus == nullptr) focus = GetActiveWindow();
  PostMessageW(replyWindow, FOCUS_REPLY_MESSAGE, reinterpret_cast<WPARAM>(focus), 0);
}

// The window of the application in front: the foreground window, unless
// that is the taskbar or its notification area.  On the handheld a tap on
// the notification icon left the application in front; on desktop Windows
// and under Wine the tap activates the notification area, and the
// application the user worked in is the highest other window that the user
// can work in (visible, not minimised, enabled, activatable).  That window
// is brought back to the foreground, so that its thread gives the keyboard
// focus back to the control that had it.  Null when there is none.
HWND applicationInFront();

// True when `window` is the desktop: "DesktopExplorerWindow" on the
// handheld, "Progman" or "WorkerW" on desktop Windows, the desktop window
// "#32769" under Wine.
bool isDesktopWindow(HWND window);

// For as long as it is installed, makes QUERY_FOCUS_MESSAGE posted to
// `front` answered by answerFocusQuery on the thread that owns `front`.
//
// A window of this process gets a window procedure that answers the query
// and hands every message to DefWindowProcW; nothing else reaches its own
// procedure meanwhile.  The procedure of
// another process's window cannot be replaced on desktop Windows; there a
// message hook of lexfocus.dll (which must sit beside the program) runs on
// that thread, answers the query with answerFocusQuery, and hides the query
// from the window's own procedure.
class FocusQueryHook {
 public:
  explicit FocusQueryHook(HWND front);
  // Removes the hook if it is still installed.
  ~FocusQueryHook();
  FocusQueryHook(const FocusQueryHook&) = delete;
  FocusQueryHook& operator=(const FocusQueryHook&) = delete;

  bool installed() const { return savedProcedure_ != 0 || messageHook_ != nullptr; }
  // Puts the window's own procedure back, or removes the message hook.
  void remove();

 private:
  HWND front_;
  LONG_PTR savedProcedure_ = 0;
  HMODULE hookLibrary_ = nullptr;
  HHOOK messageHook_ = nullptr;
};

#endif  // LEXPAD_PLATFORM_FRONT_WINDOW_H
