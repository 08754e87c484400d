// The main window: a modeless dialog from template 101, its initialisation,
// its window messages, and the way out of the program.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>

#include "integration/resource_text.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {
constexpr int kTitleCapacity = 40;
constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

HICON loadIcon(HINSTANCE instance, int size) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, size, size, LR_SHARED));
}
}  // namespace

bool Application::createMainWindow() {
  HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(IDD_MAIN), RT_DIALOG);
  HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
  const DLGTEMPLATE* layout = loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
  if (layout == nullptr) return false;
  // WM_INITDIALOG (initMainWindow) runs inside this call.
  HWND window = mainDialog_.createModeless(layout);
  if (window == nullptr) return false;

  mainWindow = window;
  SetWindowLongW(window, GWL_EXSTYLE, GetWindowLongW(window, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  wchar_t title[kTitleCapacity];
  loadText(instance, IDS_APP_TITLE, title, kTitleCapacity);
  SetWindowTextW(window, title);

  InitCommonControls();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_DATE_CLASSES | ICC_COOL_CLASSES};
  InitCommonControlsEx(&controls);

  if (HICON small = loadIcon(instance, kSmallIconSize)) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  }
  if (HICON large = loadIcon(instance, kLargeIconSize)) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  }

  // Without showUI only the notification icon shows until the first tap.
  if (showUI != 0) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
  }
  return true;
}

void Application::initMainWindow(HWND window) {
  // The dialog base has put this object in the window's user data and the
  // bold font on its buttons.
  mainWindow = window;
  // Without a command bar the window comes up bare: no menu, no
  // notification icon, no character conversion, no dictionary sets.
  if (createCommandBar(window)) {
    centreWindow(window);
    trayIcon_ = loadIcon(instance, kSmallIconSize);
    addNotifyIcon();
    installConversion(GetDlgItem(window, IDE_FROM_WORD));
    installConversion(GetDlgItem(window, IDE_TO_WORD));
    listDictionarySets(window);
  }
  updateCommandStates();
  SetFocus(GetDlgItem(window, IDE_FROM_WORD));
}

INT_PTR Application::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A shell that starts (again) has no notification icons.
  if (message == taskbarCreatedMessage()) {
    addNotifyIcon();
    return TRUE;
  }
  switch (message) {
    case WM_PAINT:
      paintSeparator();
      return TRUE;
    case WM_SYSCOLORCHANGE:
      for (HWND child = GetWindow(mainWindow, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SYSCOLORCHANGE, wParam, lParam);
      }
      return FALSE;
    case WM_HELP:
      showHelp(kMainHelpTopic);
      return TRUE;
    case WM_COMMAND:
      dispatchCommand(wParam, lParam);
      return TRUE;
    case WM_INITMENUPOPUP:
      updateCommandStates();
      return TRUE;
    case WM_HIBERNATE:
      closeApplication(kExitCodeClosed);
      return FALSE;
    case NOTIFY_ICON_MESSAGE:
      onNotifyIconMessage(lParam);
      return TRUE;
    case WM_TIMER:
      if (wParam != kNotifyIconTimer) return FALSE;
      retryNotifyIcon();
      return TRUE;
    case WM_QUERYENDSESSION:
      // Nothing keeps the session from ending.
      SetWindowLongPtrW(mainWindow, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_ENDSESSION:
      endSession(wParam != FALSE);
      return TRUE;
    default:
      return FALSE;
  }
}

// A white line under the command bar sets it off from the window.
void Application::paintSeparator() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(mainWindow, &paint);
  if (dc != nullptr) {
    RECT client;
    GetClientRect(mainWindow, &client);
    const POINT line[2] = {{client.left, commandBarHeight + 2}, {client.right, commandBarHeight + 2}};
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(WHITE_PEN));
    Polyline(dc, line, 2);
    SelectObject(dc, previousPen);
  }
  EndPaint(mainWindow, &paint);
}

void Application::hideMainWindow() {
  replaceTarget = nullptr;
  ShowWindow(mainWindow, SW_HIDE);
}

// The selected language of a box becomes `name` and is written at once.  A
// name too long for `name` cannot be remembered whole, and a cut one would
// match no language: it is forgotten (written empty) instead.
void Application::rememberLanguage(int boxId, wchar_t* name, const wchar_t* valueName) {
  HWND box = GetDlgItem(mainWindow, boxId);
  const LRESULT selection = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (selection == CB_ERR) return;
  const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, selection, 0);
  wchar_t text[kPathCapacity] = L"";
  const bool fits = length >= 0 && length < kLanguageNameCapacity &&
                    SendMessageW(box, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text)) != CB_ERR;
  copyText(name, kLanguageNameCapacity, fits ? text : L"");
  writeSettingString(valueName, name, -1);
}

void Application::rememberLanguages() {
  rememberLanguage(IDC_FROM_LANGUAGE, langFrom, kLangFromValue);
  rememberLanguage(IDC_TO_LANGUAGE, langTo, kLangToValue);
}

// The process ends soon after a session that ends has told its windows so,
// without leaving the message loop: what Exit and the end of the loop write
// is written here.
void Application::endSession(bool ending) {
  if (!ending) return;
  rememberLanguages();
  saveSettings(*this);
}

void Application::closeApplication(int exitCode) {
  rememberLanguages();
  DestroyWindow(mainWindow);
  notifyIcon(NIM_DELETE);
  mainWindow = nullptr;
  commandBar = nullptr;
  PostQuitMessage(exitCode);
}
