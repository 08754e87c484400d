// The icon in the taskbar's notification area: it stays while the window is
// hidden, and a tap on it brings the window back.
#include "integration/capture.h"
#include "integration/resource_text.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

UINT taskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

bool Application::notifyIcon(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = notifyIconDataSize();
  data.hWnd = mainWindow;
  data.uID = IDI_APP;
  data.uCallbackMessage = NOTIFY_ICON_MESSAGE;
  data.hIcon = trayIcon_;
  loadText(instance, IDS_APP_TITLE, data.szTip, ARRAYSIZE(data.szTip));
  data.uFlags = action == NIM_DELETE ? 0 : NIF_MESSAGE | NIF_ICON | NIF_TIP;
  return Shell_NotifyIconW(action, &data) != FALSE;
}

void Application::addNotifyIcon() {
  KillTimer(mainWindow, kNotifyIconTimer);
  notifyIconAttempts_ = 0;
  retryNotifyIcon();
}

// A shell that is starting or busy may refuse an icon for a while.  An add
// refused because the shell still shows the icon (a TaskbarCreated that was
// not a restart) is no failure: then the icon takes the new data instead.
void Application::retryNotifyIcon() {
  ++notifyIconAttempts_;
  if (notifyIcon(NIM_ADD) || notifyIcon(NIM_MODIFY) || notifyIconAttempts_ >= kNotifyIconAttempts) {
    KillTimer(mainWindow, kNotifyIconTimer);
  } else if (notifyIconAttempts_ == 1) {
    SetTimer(mainWindow, kNotifyIconTimer, kNotifyIconRetryMs, nullptr);
  }
}

void Application::onNotifyIconMessage(LPARAM mouseMessage) {
  if (mouseMessage != WM_LBUTTONDOWN) return;
  // No capture while a command handler runs its own message loop.
  if (busy == 0) {
    busy = 1;
    if (captureSelection(mainWindow, *this)) PostMessageW(mainWindow, WM_COMMAND, IDM_TRANSLATE_FORWARD, 0);
    busy = 0;
  }
  if (mainWindow == nullptr) return;  // Exit ran while the capture waited
  ShowWindow(mainWindow, SW_SHOW);
  SetForegroundWindow(mainWindow);
}
