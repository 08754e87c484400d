#include "integration/focus_query.h"

namespace {

// The nested loop of the focus query: runs this thread's messages until the
// reply, the timer or WM_QUIT.
HWND waitForFocusReply(HWND mainWindow) {
  MSG message;
  for (;;) {
    const BOOL received = GetMessageW(&message, nullptr, 0, 0);
    if (received == 0) {
      // The program's own loop must still see the quit.
      PostQuitMessage(static_cast<int>(message.wParam));
      return nullptr;
    }
    if (received < 0) return nullptr;
    if (message.hwnd == mainWindow) {
      if (message.message == FOCUS_REPLY_MESSAGE) return reinterpret_cast<HWND>(message.wParam);
      if (message.message == WM_TIMER && message.wParam == kFocusQueryTimer) return nullptr;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

HWND findFrontFocus(HWND mainWindow) {
  HWND front = applicationInFront();
  if (front == nullptr || !IsWindow(front) || isDesktopWindow(front)) return nullptr;

  FocusQueryHook hook(front);
  if (!hook.installed()) return nullptr;
  // Without the timer an unanswered query would never end.
  if (SetTimer(mainWindow, kFocusQueryTimer, kFocusQueryTimeoutMs, nullptr) == 0) return nullptr;
  if (!PostMessageW(front, QUERY_FOCUS_MESSAGE, reinterpret_cast<WPARAM>(mainWindow), 0)) {
    KillTimer(mainWindow, kFocusQueryTimer);
    return nullptr;
  }
  HWND focus = waitForFocusReply(mainWindow);
  hook.remove();
  KillTimer(mainWindow, kFocusQueryTimer);
  return focus;
}
