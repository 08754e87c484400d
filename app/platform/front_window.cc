#include "platform/front_window.h"

#include <cwchar>

#include "platform/handheld.h"

namespace {

constexpr int kClassNameCapacity = 256;
constexpr wchar_t kHookLibrary[] = L"lexfocus.dll";
constexpr char kHookProcedure[] = "focusQueryMessageHook";
constexpr const wchar_t* kDesktopClasses[] = {L"DesktopExplorerWindow", L"Progman", L"WorkerW", L"#32769"};
// The taskbar and the notification area of desktop Windows, and Wine's own
// notification area when it runs without a desktop shell.
constexpr const wchar_t* kNotificationAreaClasses[] = {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd",
                                                       L"NotifyIconOverflowWindow", L"__winex11_standalone_tray"};

template <size_t count>
bool hasClassOf(HWND window, const wchar_t* const (&classNames)[count]) {
  wchar_t className[kClassNameCapacity];
  if (GetClassNameW(window, className, kClassNameCapacity) == 0) return false;
  for (const wchar_t* candidate : classNames) {
    if (wcscmp(className, candidate) == 0) return true;
  }
  return false;
}

bool userCanWorkIn(HWND window) {
  return IsWindowVisible(window) && !IsIconic(window) && IsWindowEnabled(window) &&
         !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE) && !hasClassOf(window, kNotificationAreaClasses);
}

// The window procedure of a window of this process in front while the query
// runs.
LRESULT CALLBACK answerOnOwnWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == QUERY_FOCUS_MESSAGE) answerFocusQuery(reinterpret_cast<HWND>(wParam));
  return DefWindowProcW(window, message, wParam, lParam);
}

// lexfocus.dll beside the running program, loaded by its full path so that
// no other file of that name is taken.
HMODULE loadHookLibrary() {
  wchar_t path[MAX_PATH];
  return besideProgram(kHookLibrary, path, MAX_PATH) ? LoadLibraryW(path) : nullptr;
}

// Brings `window` back to the foreground and waits until it stays there.
// Under Wine the click's activation of the notification area arrives late
// at times, after the window below was brought back; the window's thread
// would then have no focus window to tell.
void activateUntilSettled(HWND window) {
  constexpr DWORD kSettledMs = 100;
  constexpr DWORD kLimitMs = 600;
  constexpr DWORD kPollMs = 10;
  const DWORD start = GetTickCount();
  DWORD inFrontSince = start;
  SetForegroundWindow(window);
  while (GetTickCount() - start < kLimitMs) {
    Sleep(kPollMs);
    if (GetForegroundWindow() != window) {
      SetForegroundWindow(window);
      inFrontSince = GetTickCount();
    } else if (GetTickCount() - inFrontSince >= kSettledMs) {
      return;
    }
  }
}

}  // namespace

HWND applicationInFront() {
  HWND front = GetForegroundWindow();
  if (front == nullptr || !hasClassOf(front, kNotificationAreaClasses)) return front;
  // The notification area need not be the highest window (under Wine it
  // keeps its place), so the search starts at the top.
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    if (!userCanWorkIn(window)) continue;
    // While inactive, its thread has no focus window to tell.
    activateUntilSettled(window);
    return window;
  }
  return nullptr;
}

bool isDesktopWindow(HWND window) { return window == GetDesktopWindow() || hasClassOf(window, kDesktopClasses); }

FocusQueryHook::FocusQueryHook(HWND front) : front_(front) {
  DWORD process = 0;
  const DWORD thread = GetWindowThreadProcessId(front, &process);
  if (thread == 0) return;
  if (process == GetCurrentProcessId()) {
    savedProcedure_ = SetWindowLongPtrW(front, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answerOnOwnWindow));
    return;
  }
  hookLibrary_ = loadHookLibrary();
  if (hookLibrary_ == nullptr) return;
  auto hook = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hookLibrary_, kHookProcedure)));
  if (hook != nullptr) messageHook_ = SetWindowsHookExW(WH_GETMESSAGE, hook, hookLibrary_, thread);
}

FocusQueryHook::~FocusQueryHook() {
  remove();
  if (hookLibrary_ != nullptr) FreeLibrary(hookLibrary_);
}

void FocusQueryHook::remove() {
  if (savedProcedure_ != 0) {
    SetWindowLongPtrW(front_, GWLP_WNDPROC, savedProcedure_);
    savedProcedure_ = 0;
  }
  if (messageHook_ != nullptr) {
    UnhookWindowsHookEx(messageHook_);
    messageHook_ = nullptr;
  }
}
