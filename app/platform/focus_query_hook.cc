// lexfocus.dll: the message hook that the system loads into the thread of
// another application's window in front, so that lexpad's focus query is
// answered on that thread (see FocusQueryHook).
#include <windows.h>

#include "platform/front_window.h"

extern "C" __declspec(dllexport) LRESULT CALLBACK focusQueryMessageHook(int code, WPARAM removal, LPARAM lParam) {
  if (code == HC_ACTION && removal == PM_REMOVE) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (message->message == QUERY_FOCUS_MESSAGE) {
      answerFocusQuery(reinterpret_cast<HWND>(message->wParam));
      // The query is lexpad's own business; the window never sees it.
      message->message = WM_NULL;
    }
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}
