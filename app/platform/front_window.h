// The window in front as the capture sees it: whether it is the desktop, and
// how the focus query comes to run on the thread that owns it.
#ifndef LEXPAD_PLATFORM_FRONT_WINDOW_H
#define LEXPAD_PLATFORM_FRONT_WINDOW_H

#include <windows.h>

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
// `front` reach a query handler on the thread that owns `front`.
//
// A window of this process gets `ownProcessHook` as its window procedure,
// and nothing else reaches its own procedure meanwhile.  The procedure of
// another process's window cannot be replaced on desktop Windows; there a
// message hook of lexfocus.dll (which must sit beside the program) runs on
// that thread, answers the query with answerFocusQuery, and hides the query
// from the window's own procedure.
class FocusQueryHook {
 public:
  FocusQueryHook(HWND front, WNDPROC ownProcessHook);
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
