// The processes of the end-to-end tests: the real lexpad.exe and the target
// program, both beside the test driver, in the driver's Wine prefix and on
// its display.  The driver sees them only as windows of other processes.
#ifndef LEXPAD_TESTS_E2E_E2E_SUPPORT_H
#define LEXPAD_TESTS_E2E_E2E_SUPPORT_H

#include <windows.h>

#include <string>

#include "app_test_support.h"

constexpr DWORD kE2ETimeoutMs = 10000;

// The text of a window of another process; "<no answer>" when it does not
// answer within the timeout.
std::wstring textOf(HWND window);

// A program started from `folder` (ending in a backslash), or from the
// driver's folder when that is empty; ended if still running and closed when
// the object goes.
class ChildProcess {
 public:
  explicit ChildProcess(const std::wstring& program, const std::wstring& arguments = L"",
                        const std::wstring& folder = L"");
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
  // The exit code, or 12345 when the process has not ended in time.
  DWORD exitCode(DWORD timeoutMs = kE2ETimeoutMs) const;
  // Its top-level window of class `windowClass` (and `title`, when given),
  // once it appears; null when the process ends or the timeout passes first.
  HWND window(const wchar_t* windowClass, const wchar_t* title = nullptr) const;

 private:
  PROCESS_INFORMATION process_{};
};

// The real lexpad.exe (from `folder` as for ChildProcess) and its main
// window.
class Lexpad {
 public:
  explicit Lexpad(const std::wstring& folder = L"");
  bool ready() const { return window != nullptr; }

  HWND item(int id) const { return GetDlgItem(window, id); }
  std::wstring text(int id) const { return textOf(item(id)); }
  bool visible() const { return IsWindowVisible(window) != FALSE; }

  // Taps the notification icon as the shell does and waits until the tap
  // was handled: a window of lexpad is the foreground window.  Returns the
  // milliseconds it took, or kE2ETimeoutMs when it was not handled in time.
  DWORD tap();
  void command(UINT id) const { PostMessageW(window, WM_COMMAND, id, 0); }
  // Hides the window with the Hide command and waits for it.
  bool hide();

  ChildProcess process;
  HWND window = nullptr;
};

// The target program with a control of class `controlClass`.
class Target {
 public:
  explicit Target(const std::wstring& controlClass);
  bool ready() const { return control != nullptr; }

  // Brings it to the front with the focus on its control; true once it is
  // the foreground window.
  bool activate() const;
  // Sets the control's text and selects `selection` in it.
  void select(const std::wstring& text, const std::wstring& selection) const;
  std::wstring text() const { return textOf(control); }
  LRESULT ask(UINT message) const;

  ChildProcess process;
  HWND top = nullptr;
  HWND control = nullptr;
};

#endif  // LEXPAD_TESTS_E2E_E2E_SUPPORT_H
