// The command dispatcher of the main window and the availability of its
// commands.
#include <windows.h>

#include <commctrl.h>

#include "integration/clipboard.h"
#include "integration/clipboard_text.h"
#include "integration/replace.h"
#include "platform/command_bar.h"
#include "resource.h"
#include "shell/application.h"

namespace {

// Marks a command handler as running for as long as it lives, so that a tap
// on the notification icon starts no capture meanwhile.
class BusyScope {
 public:
  explicit BusyScope(int& busy) : busy_(busy), previous_(busy) { busy_ = 1; }
  ~BusyScope() { busy_ = previous_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int& busy_;
  int previous_;
};

bool fieldHasText(HWND window, int fieldId) {
  return SendDlgItemMessageW(window, fieldId, WM_GETTEXTLENGTH, 0, 0) > 0;
}

}  // namespace

void Application::dispatchCommand(WPARAM wParam, LPARAM) {
  const UINT id = LOWORD(wParam);
  const UINT code = HIWORD(wParam);
  switch (id) {
    case IDCANCEL:  // Escape, the close button and the close request
    case IDM_HIDE:
      hideMainWindow();
      break;
    case IDM_EXIT:
      closeApplication(kExitCodeClosed);
      return;
    case IDM_SHOW_UI:
      showUI = showUI == 0 ? 1 : 0;
      break;
    case IDM_COPY:
    case IDM_COPY_ALL: {
      BusyScope running(busy);
      const bool copied = id == IDM_COPY ? copyTranslation(*this) : copyAllTranslations(*this);
      if (!copied) messageBoxById(mainWindow, IDS_CLIPBOARD_FAILED, MB_ICONEXCLAMATION);
      break;
    }
    case IDM_PASTE: {
      BusyScope running(busy);
      pasteIntoFromWord(*this);
      break;
    }
    case IDM_REPLACE: {
      BusyScope running(busy);
      replaceInTarget(*this);
      break;
    }
    case IDC_FROM_LANGUAGE: {
      BusyScope running(busy);
      if (code == CBN_SELCHANGE) onFromLanguageChanged();
      break;
    }
    case IDC_TO_LANGUAGE: {
      BusyScope running(busy);
      if (code == CBN_SELCHANGE) onToLanguageChanged();
      break;
    }
    case IDE_FROM_WORD:
    case IDE_TO_WORD:
      if (code != EN_CHANGE) return;
      break;
    default:
      return;
  }
  updateCommandStates();
}

void Application::updateCommandStates() {
  HMENU menu = CommandBar_GetMenu(commandBar, 0);
  if (menu == nullptr) return;

  const bool from = fieldHasText(mainWindow, IDE_FROM_WORD);
  const bool to = fieldHasText(mainWindow, IDE_TO_WORD);
  const bool targetAlive = replaceTarget != nullptr && IsWindow(replaceTarget);
  const bool hasTranslations = SendDlgItemMessageW(mainWindow, IDC_TO_LIST, LB_GETCOUNT, 0, 0) > 0;

  struct Availability {
    UINT command;
    bool enabled;
    bool toolButton;   // the command has a tool button
    int windowButton;  // the window's button for it, or 0
  };
  const Availability availability[] = {
      {IDM_PASTE, clipboardHoldsText(mainWindow), true, 0},
      {IDM_TRANSLATE_FORWARD, from, false, IDC_FORWARD},
      {IDM_TRANSLATE_REVERSE, to, false, IDC_REVERSE},
      {IDM_COPY, to, true, 0},
      {IDM_ADD_WORD, from && to, false, IDC_ADD},
      {IDM_REPLACE, to && targetAlive, true, 0},
      {IDM_COPY_ALL, hasTranslations, false, 0},
  };
  for (const Availability& entry : availability) {
    EnableMenuItem(menu, entry.command, MF_BYCOMMAND | (entry.enabled ? MF_ENABLED : MF_GRAYED));
    if (entry.toolButton) SendMessageW(commandBar, TB_ENABLEBUTTON, entry.command, MAKELONG(entry.enabled, 0));
    if (entry.windowButton != 0) EnableWindow(GetDlgItem(mainWindow, entry.windowButton), entry.enabled);
  }
  EnableMenuItem(menu, IDM_SHOW_UI, MF_BYCOMMAND | MF_ENABLED);
  CheckMenuItem(menu, IDM_SHOW_UI, MF_BYCOMMAND | (showUI != 0 ? MF_CHECKED : MF_UNCHECKED));
}
