#include "e2e_support.h"

#include "capture_target.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {

constexpr UINT kAnswerTimeoutMs = 5000;

}  // namespace

std::wstring textOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length)) {
    return L"<no answer>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &copied)) {
    return L"<no answer>";
  }
  text.resize(copied);
  return text;
}

ChildProcess::ChildProcess(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder) {
  std::wstring commandLine = L"\"" + (folder.empty() ? programFolder() : folder) + program + L"\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process_)) {
    process_ = PROCESS_INFORMATION{};
    return;
  }
  WaitForInputIdle(process_.hProcess, kE2ETimeoutMs);
}

ChildProcess::~ChildProcess() {
  if (!started()) return;
  if (running()) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, kE2ETimeoutMs);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

bool ChildProcess::running() const { return started() && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

DWORD ChildProcess::exitCode(DWORD timeoutMs) const {
  if (!started() || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return 12345;
  DWORD code = 12345;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

Lexpad::Lexpad(const std::wstring& folder) : process(L"lexpad.exe", L"", folder) {
  if (!process.started()) return;
  waitUntil([this] {
    HWND found = FindWindowW(dialogWindowClass(), L"Vocaro");
    DWORD owner = 0;
    if (found != nullptr) GetWindowThreadProcessId(found, &owner);
    if (owner == process.id()) window = found;
    return window != nullptr || !process.running();
  });
}

std::vector<std::wstring> Lexpad::comboItems(int id) const {
  std::vector<std::wstring> items;
  for (LRESULT index = 0; index < SendMessageW(item(id), CB_GETCOUNT, 0, 0); ++index) {
    std::wstring text(SendMessageW(item(id), CB_GETLBTEXTLEN, index, 0) + 1, L'\0');
    text.resize(SendMessageW(item(id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0])));
    items.push_back(text);
  }
  return items;
}

DWORD Lexpad::tap() {
  const DWORD start = GetTickCount();
  PostMessageW(window, NOTIFY_ICON_MESSAGE, IDI_APP, WM_LBUTTONDOWN);
  // lexpad brings its window to the front (or, with a message box open,
  // the box).
  auto lexpadInFront = [this] {
    DWORD owner = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &owner);
    return owner == process.id() && visible();
  };
  if (!waitUntil(lexpadInFront)) return kE2ETimeoutMs;
  return GetTickCount() - start;
}

void Lexpad::command(UINT id) const { PostMessageW(window, WM_COMMAND, id, 0); }

bool Lexpad::settle() const {
  const std::wstring before = text(IDE_TO_WORD);
  HWND field = item(IDE_TO_WORD);
  SendMessageW(field, EM_SETSEL, before.size(), before.size());
  PostMessageW(field, WM_CHAR, L'#', 0);
  const bool arrived = waitUntil([&] { return text(IDE_TO_WORD) == before + L"#"; });
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
  return arrived;
}

bool Lexpad::hide() {
  command(IDM_HIDE);
  return waitUntil([this] { return !visible(); });
}

HWND Lexpad::ownedWindow() const {
  struct Search {
    HWND owner;
    HWND found;
  } search{window, nullptr};
  EnumThreadWindows(
      GetWindowThreadProcessId(window, nullptr),
      [](HWND candidate, LPARAM data) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(data);
        if (GetWindow(candidate, GW_OWNER) != wanted->owner || !IsWindowVisible(candidate)) return TRUE;
        wanted->found = candidate;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Target::Target(const std::wstring& controlClass, bool slowCopy)
    : process(L"capture_target.exe", controlClass + L" \"Capture target\"" + (slowCopy ? L" --slow-copy" : L"")) {
  if (!process.started()) return;
  waitUntil([this] {
    HWND found = FindWindowW(L"VocaroCaptureTarget", nullptr);
    DWORD owner = 0;
    if (found != nullptr) GetWindowThreadProcessId(found, &owner);
    if (owner == process.id()) top = found;
    return top != nullptr || !process.running();
  });
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
  if (!SendMessageTimeoutW(top, message, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)) return -1;
  return static_cast<LRESULT>(answer);
}

bool Target::settle() const {
  const LRESULT marks = ask(TARGET_MARKS_SEEN);
  PostMessageW(top, TARGET_MARK, 0, 0);
  return waitUntil([&] { return ask(TARGET_MARKS_SEEN) > marks; });
}
