#include "e2e_support.h"

#include "capture_target.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

std::wstring textOf(HWND window) {
  wchar_t text[1024];
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                           &copied)) {
    return L"<no answer>";
  }
  return std::wstring(text, copied);
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder) {
  std::wstring commandLine = L"\"" + (folder.empty() ? programFolder() : folder) + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    process_ = PROCESS_INFORMATION{};
    return;
  }
  WaitForInputIdle(process_.hProcess, kE2ETimeoutMs);
}

ChildProcess::~ChildProcess() {
  if (process_.hProcess == nullptr) return;
  if (running()) TerminateProcess(process_.hProcess, 99);
  WaitForSingleObject(process_.hProcess, kE2ETimeoutMs);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

DWORD ChildProcess::exitCode(DWORD timeoutMs) const {
  DWORD code = 12345;
  if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND ChildProcess::window(const wchar_t* windowClass, const wchar_t* title) const {
  HWND found = nullptr;
  waitUntil([&] {
    DWORD owner = 0;
    for (HWND w = FindWindowExW(nullptr, nullptr, windowClass, title); w != nullptr && found == nullptr;
         w = FindWindowExW(nullptr, w, windowClass, title)) {
      if (GetWindowThreadProcessId(w, &owner) && owner == process_.dwProcessId) found = w;
    }
    return found != nullptr || !running();
  });
  return found;
}

Lexpad::Lexpad(const std::wstring& folder) : process(L"lexpad.exe", L"", folder) {
  window = process.window(dialogWindowClass(), L"Vocaro");
}

DWORD Lexpad::tap() {
  const DWORD start = GetTickCount();
  PostMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  // lexpad brings its window to the front (or, with a message box open,
  // the box).
  const bool handled = waitUntil([this] {
    DWORD owner = 0, lexpadProcess = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    GetWindowThreadProcessId(window, &lexpadProcess);
    return owner == lexpadProcess && visible();
  });
  return handled ? GetTickCount() - start : kE2ETimeoutMs;
}

bool Lexpad::hide() {
  command(IDM_HIDE);
  return waitUntil([this] { return !visible(); });
}

Target::Target(const std::wstring& controlClass)
    : process(L"capture_target.exe", controlClass + L" \"Capture target\"") {
  top = process.window(L"VocaroCaptureTarget");
  if (top != nullptr) control = GetWindow(top, GW_CHILD);
}

bool Target::activate() const {
  ask(TARGET_ACTIVATE);
  return waitUntil([this] { return GetForegroundWindow() == top; });
}

void Target::select(const std::wstring& text, const std::wstring& selection) const {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  const size_t start = text.find(selection);
  SendMessageW(control, EM_SETSEL, start, start + selection.size());
}

LRESULT Target::ask(UINT message) const {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(top, message, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) return -1;
  return static_cast<LRESULT>(answer);
}
