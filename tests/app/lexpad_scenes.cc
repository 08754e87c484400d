// Sets up the scenes of the documentation's pictures in a running lexpad:
// starts lexpad.exe from its own folder, then, one scene after another, puts
// the window into that state, prints "ready NAME" and waits for a line on
// standard input (the picture is taken meanwhile).  Scenes: translate (the
// word "lives" translated from English to German, with suggestions),
// options (the options dialog), about (the about box).  Ends lexpad with
// Exit at the end.  Used by scripts/screenshot.
#include <windows.h>

#include <cstdio>
#include <string>

#include "resource.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;

HWND waitForWindow(const wchar_t* title, HANDLE process) {
  for (DWORD waited = 0; waited < kTimeoutMs; waited += 50) {
    HWND window = FindWindowW(L"#32770", title);
    if (window != nullptr && IsWindowVisible(window)) return window;
    if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

// Tells the script that a scene stands and waits until it is done with it.
void showScene(const char* name) {
  std::printf("ready %s\n", name);
  std::fflush(stdout);
  char line[64];
  if (std::fgets(line, sizeof line, stdin) == nullptr) return;
}

bool selectLanguage(HWND window, int boxId, const wchar_t* language) {
  HWND box = GetDlgItem(window, boxId);
  const LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(language));
  if (index == CB_ERR) return false;
  SendMessageW(box, CB_SETCURSEL, index, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
  return true;
}

bool translateScene(HWND window) {
  if (!selectLanguage(window, IDC_FROM_LANGUAGE, L"English") || !selectLanguage(window, IDC_TO_LANGUAGE, L"German")) {
    return false;
  }
  HWND field = GetDlgItem(window, IDE_FROM_WORD);
  for (const wchar_t* c = L"lives"; *c != L'\0'; ++c) SendMessageW(field, WM_CHAR, *c, 1);
  SendMessageW(window, WM_COMMAND, IDM_TRANSLATE_FORWARD, 0);
  return true;
}

// Opens a dialog with a command, shows it, and closes it again.
bool dialogScene(HWND window, UINT command, const wchar_t* title, const char* name, HANDLE process) {
  PostMessageW(window, WM_COMMAND, command, 0);
  HWND dialog = waitForWindow(title, process);
  if (dialog == nullptr) return false;
  Sleep(500);
  showScene(name);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  for (DWORD waited = 0; IsWindow(dialog) && waited < kTimeoutMs; waited += 50) Sleep(50);
  return true;
}

}  // namespace

int main() {
  wchar_t program[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  std::wstring commandLine(program, length);
  commandLine = L"\"" + commandLine.substr(0, commandLine.rfind(L'\\') + 1) + L"lexpad.exe\"";

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION lexpad{};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &lexpad)) {
    std::fprintf(stderr, "lexpad_scenes: cannot start lexpad.exe\n");
    return 1;
  }
  int status = 1;
  HWND window = waitForWindow(L"Vocaro", lexpad.hProcess);
  if (window == nullptr) {
    std::fprintf(stderr, "lexpad_scenes: the main window did not appear\n");
  } else if (!translateScene(window)) {
    std::fprintf(stderr, "lexpad_scenes: the sample dictionaries are missing\n");
  } else {
    Sleep(500);
    showScene("translate");
    if (dialogScene(window, IDM_OPTIONS, L"Options", "options", lexpad.hProcess) &&
        dialogScene(window, IDM_ABOUT, L"About Vocaro", "about", lexpad.hProcess)) {
      status = 0;
    } else {
      std::fprintf(stderr, "lexpad_scenes: a dialog did not appear\n");
    }
    PostMessageW(window, WM_COMMAND, IDM_EXIT, 0);
  }
  if (WaitForSingleObject(lexpad.hProcess, kTimeoutMs) != WAIT_OBJECT_0) TerminateProcess(lexpad.hProcess, 1);
  CloseHandle(lexpad.hThread);
  CloseHandle(lexpad.hProcess);
  return status;
}
