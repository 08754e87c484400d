#include "integration/capture.h"

#include <cwchar>

#include "integration/clipboard.h"
#include "integration/clipboard_text.h"
#include "integration/focus_query.h"
#include "platform/front_window.h"
#include "shell/application.h"

namespace {

constexpr int kClassNameCapacity = 256;

// Edit-control classes that a capture takes text from, lower-cased.
struct CaptureSource {
  const wchar_t* className;
  size_t comparedLength;  // characters compared; 0: the whole name
  bool replaceable;       // remembered as the target of Replace
};
constexpr CaptureSource kCaptureSources[] = {
    {L"richedit", 8, true}, {L"edit", 0, false}, {L"labeledit", 0, true},
    {L"capedit", 0, true},  {L"richink", 7, true},
};

const CaptureSource* captureSourceOf(HWND control) {
  wchar_t className[kClassNameCapacity];
  const int length = GetClassNameW(control, className, kClassNameCapacity);
  if (length == 0) return nullptr;
  // Class names are ASCII; the user's locale must not change them.
  for (int i = 0; i < length; ++i) {
    if (className[i] >= L'A' && className[i] <= L'Z') className[i] = static_cast<wchar_t>(className[i] + (L'a' - L'A'));
  }
  for (const CaptureSource& source : kCaptureSources) {
    const bool matches = source.comparedLength == 0
                             ? wcscmp(className, source.className) == 0
                             : wcsncmp(className, source.className, source.comparedLength) == 0;
    if (matches) return &source;
  }
  return nullptr;
}

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

LRESULT CALLBACK frontFocusHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == QUERY_FOCUS_MESSAGE) answerFocusQuery(reinterpret_cast<HWND>(wParam));
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND findFrontFocus(HWND mainWindow) {
  HWND front = applicationInFront();
  if (front == nullptr || !IsWindow(front) || isDesktopWindow(front)) return nullptr;

  FocusQueryHook hook(front, frontFocusHook);
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

bool captureSelection(Application& application) {
  application.replaceTarget = nullptr;
  HWND control = findFrontFocus(application.mainWindow);
  if (control == nullptr) return false;
  const CaptureSource* source = captureSourceOf(control);
  if (source == nullptr) return false;
  if (!IsWindowVisible(control) || !IsWindowEnabled(control)) return false;

  // The control's thread answered the query a moment ago, but a program
  // that stops answering now must not stop lexpad with it.
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(control, WM_COPY, 0, 0, SMTO_ABORTIFHUNG, kCopyTimeoutMs, &ignored) == 0) return false;
  Sleep(kCopyPauseMs);
  if (!clipboardHoldsText(application.mainWindow)) return false;

  if (source->replaceable) application.replaceTarget = control;
  return pasteIntoFromWord(application);
}
