// The command dispatcher of the main window and the availability of its
// commands.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <new>

#include "integration/about_box.h"
#include "integration/clipboard.h"
#include "integration/clipboard_text.h"
#include "integration/options_dialog.h"
#include "integration/replace.h"
#include "integration/resource_text.h"
#include "integration/settings.h"
#include "platform/handheld_command_bar.h"
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
    case IDM_OPTIONS: {
      BusyScope running(busy);
      changeOptions();
      break;
    }
    case IDM_SHOW_UI:
      showUI = showUI == 0 ? 1 : 0;
      break;
    case IDM_COPY:
    case IDM_COPY_ALL: {
      BusyScope running(busy);
      const bool copied = id == IDM_COPY ? copyTranslation(mainWindow) : copyAllTranslations(mainWindow);
      if (!copied) messageBoxById(mainWindow, IDS_CLIPBOARD_FAILED, MB_ICONEXCLAMATION);
      break;
    }
    case IDM_PASTE: {
      BusyScope running(busy);
      pasteIntoFromWord(mainWindow, *this);
      break;
    }
    case IDM_REPLACE: {
      BusyScope running(busy);
      replaceInTarget(mainWindow, *this);
      break;
    }
    case IDM_ABOUT: {
      BusyScope running(busy);
      showAboutBox(*this, dictionaryPath, mainWindow);
      return;
    }
    case IDM_CLEAR_ALL:
      clearAll();
      break;
    case IDM_ADD_WORD:
    case IDC_ADD: {
      BusyScope running(busy);
      addWordPair();
      break;
    }
    case IDM_TRANSLATE_FORWARD:
    case IDC_FORWARD: {
      BusyScope running(busy);
      translateWord(false);
      break;
    }
    case IDM_TRANSLATE_REVERSE:
    case IDC_REVERSE: {
      BusyScope running(busy);
      translateWord(true);
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
    case IDC_TO_LIST:
    case IDC_FROM_LIST:
      if (code == LBN_SELCHANGE || code == LBN_DBLCLK) takeListSelection(id, code == LBN_DBLCLK);
      break;
    default:
      return;
  }
  updateCommandStates();
}

// Works on a copy of the settings; only OK takes them over, and then the
// sets are listed again from the (perhaps new) folder.
void Application::changeOptions() {
  std::unique_ptr<OptionsRecord> record(new (std::nothrow) OptionsRecord);
  if (!record) return;
  record->optionBits = options;
  record->translator = forward_.get();
  record->disableConversion = stdEdit;
  copyText(record->path, kPathCapacity, dictionaryPath);
  if (runOptionsDialog(*this, *record, mainWindow) != IDOK) return;

  options = record->optionBits;
  stdEdit = record->disableConversion;
  // A folder too long to take its trailing backslash could name no file:
  // the current folder stays.
  setDictionaryPath(*this, record->path);
  listDictionarySets(mainWindow);
}

// Empties both sides; the status line keeps its text.
void Application::clearAll() {
  SetDlgItemTextW(mainWindow, IDE_FROM_WORD, L"");
  SetDlgItemTextW(mainWindow, IDE_TO_WORD, L"");
  SendDlgItemMessageW(mainWindow, IDC_FROM_LIST, LB_RESETCONTENT, 0, 0);
  SendDlgItemMessageW(mainWindow, IDC_TO_LIST, LB_RESETCONTENT, 0, 0);
  SetFocus(GetDlgItem(mainWindow, IDE_FROM_WORD));
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
