// The target program of the end-to-end tests (see capture_target.h).
#include "capture_target.h"

#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT kLexpadFocusQuery = 0x0852;
HWND control = nullptr;
LONG queriesSeen = 0;
WNDPROC controlProcedure = nullptr;

LRESULT CALLBACK slowCopyProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPY) Sleep(kSlowCopyMs);
  return CallWindowProcW(controlProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK targetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kLexpadFocusQuery:
      ++queriesSeen;
      return 0;
    case WM_SETFOCUS:
      SetFocus(control);
      return 0;
    case WM_SIZE:
      MoveWindow(control, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case TARGET_ACTIVATE:
      SetForegroundWindow(window);
      SetFocus(control);
      return 1;
    case TARGET_STOP_ANSWERING:
      Sleep(static_cast<DWORD>(lParam));
      return 0;
    case TARGET_QUERIES_SEEN:
      return queriesSeen;
    case TARGET_PING:
      return kTargetAlive;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count < 3) return 2;
  LoadLibraryW(L"riched20.dll");

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = targetProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"VocaroCaptureTarget";
  if (!RegisterClassW(&windowClass)) return 3;
  HWND top = CreateWindowW(windowClass.lpszClassName, arguments[2], WS_OVERLAPPEDWINDOW, 20, 20, 300, 80, nullptr,
                           nullptr, instance, nullptr);
  if (top == nullptr) return 4;
  control = CreateWindowW(arguments[1], L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_NOHIDESEL, 0,
                          0, 10, 10, top, nullptr, instance, nullptr);
  if (control == nullptr) return 5;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  if (count > 3 && wcscmp(arguments[3], L"--slow-copy") == 0) {
    controlProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(slowCopyProcedure)));
  }
  LocalFree(arguments);
  ShowWindow(top, SW_SHOW);
  SendMessageW(top, TARGET_ACTIVATE, 0, 0);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
