// The icon in the taskbar's notification area: it stays while the window is
// hidden, and a tap on it brings the window back.
#include "integration/capture.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"
#include "shell/resource_text.h"

void Application::notifyIcon(DWORD action) {
  NOTIFYICONDATAW data{};
  data.cbSize = notifyIconDataSize();
  data.hWnd = mainWindow;
  data.uID = IDI_APP;
  data.uCallbackMessage = NOTIFY_ICON_MESSAGE;
  data.hIcon = trayIcon;
  loadText(instance, IDS_APP_TITLE, data.szTip, ARRAYSIZE(data.szTip));
  data.uFlags = action == NIM_ADD ? NIF_MESSAGE | NIF_ICON | NIF_TIP : 0;
  Shell_NotifyIconW(action, &data);
}

void Application::onNotifyIconMessage(LPARAM mouseMessage) {
  if (mouseMessage != WM_LBUTTONDOWN) return;
  // No capture while a command handler runs its own message loop.
  if (busy == 0) {
    busy = 1;
    if (captureSelection(*this)) PostMessageW(mainWindow, WM_COMMAND, IDM_TRANSLATE_FORWARD, 0);
    busy = 0;
  }
  if (mainWindow == nullptr) return;  // Exit ran while the capture waited
  ShowWindow(mainWindow, SW_SHOW);
  SetForegroundWindow(mainWindow);
}
