// Sets up the scenes of the documentation's pictures in a running lexpad:
// starts lexpad.exe from its own folder, then, one scene after another, puts
// the window into that state, prints "ready NAME" and waits for a line on
// standard input (the picture is taken meanwhile).  Scenes: translate (the
// word "lives" translated from English to German, with suggestions),
// options (the options dialog), about (the about box).  Ends lexpad with
// Exit at the end.  Used by scripts/screenshot.
#include <cstdio>

#include "e2e_support.h"
#include "resource.h"

namespace {

// Tells the script that a scene stands and waits until it is done with it.
void showScene(const char* name) {
  std::printf("ready %s\n", name);
  std::fflush(stdout);
  char line[64];
  if (std::fgets(line, sizeof line, stdin) == nullptr) return;
}

// Opens a dialog with a command, shows it, and closes it again.
bool dialogScene(const Lexpad& lexpad, UINT command, const char* name) {
  lexpad.command(command);
  HWND dialog = nullptr;
  if (!waitUntil([&] { return (dialog = GetLastActivePopup(lexpad.window)) != lexpad.window; })) return false;
  Sleep(500);  // painted
  showScene(name);
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return waitUntil([&] { return !IsWindow(dialog); });
}

}  // namespace

int main() {
  Lexpad lexpad;
  if (!lexpad.ready() || !waitUntil([&] { return lexpad.visible(); })) {
    std::fprintf(stderr, "lexpad_scenes: the main window did not appear\n");
    return 1;
  }
  if (!chooseLanguage(lexpad.window, IDC_FROM_LANGUAGE, L"English") ||
      !chooseLanguage(lexpad.window, IDC_TO_LANGUAGE, L"German")) {
    std::fprintf(stderr, "lexpad_scenes: the sample dictionaries are missing\n");
    return 1;
  }
  for (const wchar_t* c = L"lives"; *c != L'\0'; ++c) SendMessageW(lexpad.item(IDE_FROM_WORD), WM_CHAR, *c, 1);
  SendMessageW(lexpad.window, WM_COMMAND, IDM_TRANSLATE_FORWARD, 0);
  Sleep(500);  // painted
  showScene("translate");
  const bool shown = dialogScene(lexpad, IDM_OPTIONS, "options") && dialogScene(lexpad, IDM_ABOUT, "about");
  if (!shown) std::fprintf(stderr, "lexpad_scenes: a dialog did not appear\n");
  lexpad.command(IDM_EXIT);
  lexpad.process.exitCode();
  return shown ? 0 : 1;
}
