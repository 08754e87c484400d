// The program's run: settings, the single-instance rule, the main window and
// its message loop.
#include "integration/resource_text.h"
#include "integration/settings.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {
constexpr int kTitleCapacity = 40;
}  // namespace

int Application::runApplication(HINSTANCE programInstance) {
  loadSettings(*this);
  createBoldFont();
  instance = programInstance;

  // One instance at a time: a second start shows the running window.
  wchar_t title[kTitleCapacity];
  loadText(instance, IDS_APP_TITLE, title, kTitleCapacity);
  HWND running = FindWindowW(dialogWindowClass(), title);
  if (running != nullptr) {
    ShowWindow(running, SW_SHOWNORMAL);
    SetForegroundWindow(running);
    return 0;
  }

  if (!createMainWindow()) {
    messageBoxById(nullptr, IDS_NO_RESOURCES, MB_ICONHAND);
    return 0;
  }

  HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAIN));
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) routeMessage(message, accelerators);

  for (auto& tooltip : tooltips_) tooltip.reset();
  saveSettings(*this);
  return message.message == WM_QUIT ? static_cast<int>(message.wParam) : 0;
}

void Application::routeMessage(MSG& message, HACCEL accelerators) {
  if (accelerators != nullptr && TranslateAcceleratorW(mainWindow, accelerators, &message)) return;
  if (IsDialogMessageW(mainWindow, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}
