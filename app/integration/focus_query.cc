#include "integration/focus_query.h"

void answerFocusQuery(HWND replyWindow) {
  HWND focus = GetFocus();
  if (focus == nullptr) focus = GetActiveWindow();
  PostMessageW(replyWindow, FOCUS_REPLY_MESSAGE, reinterpret_cast<WPARAM>(focus), 0);
}
