// The target program of the end-to-end tests (see capture_target.h).
#include "capture_target.h"

#include <shellapi.h>

#include <cwchar>
#include <string>

namespace {

constexpr UINT kLexpadFocusQuery = 0x0852;
constexpr UINT kLexpadNotifyIconMessage = WM_USER + 102;
constexpr WPARAM kLexpadIconId = 112;
HWND control = nullptr;
LONG queriesSeen = 0;

// Starts lexpad.exe from this program's folder, comes to the front again,
// and taps lexpad's notification icon as the shell does.
void tapLexpad(HWND top) {
  wchar_t path[MAX_PATH];
  std::wstring commandLine(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  commandLine = L"\"" + commandLine.substr(0, commandLine.rfind(L'\\') + 1) + L"lexpad.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return;
  }
  WaitForInputIdle(process.hProcess, 10000);
  HWND lexpad = nullptr;
  for (int waited = 0; lexpad == nullptr && waited < 10000; waited += 50) {
    Sleep(50);
    lexpad = FindWindowW(L"#32770", L"Vocaro");
  }
  Sleep(500);  // lexpad shows its window at start
  SendMessageW(top, TARGET_ACTIVATE, 0, 0);
  PostMessageW(lexpad, kLexpadNotifyIconMessage, kLexpadIconId, WM_LBUTTONDOWN);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
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
  const bool demo = count > 5 && wcscmp(arguments[3], L"--demo") == 0;
  if (demo) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(top, nullptr, work.left + 10, work.bottom - 90, 300, 80, SWP_NOZORDER);
    const std::wstring text = arguments[4];
    const size_t start = text.find(arguments[5]);
    SetWindowTextW(control, text.c_str());
    if (start != std::wstring::npos) SendMessageW(control, EM_SETSEL, start, start + wcslen(arguments[5]));
  }
  LocalFree(arguments);
  ShowWindow(top, SW_SHOW);
  SendMessageW(top, TARGET_ACTIVATE, 0, 0);
  if (demo) tapLexpad(top);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
