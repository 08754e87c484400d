#include "shell/application.h"

#include "platform/handheld.h"

Application::Application() = default;

Application::~Application() {
  // A run ends with the window already destroyed; an object that still has
  // one (a run cut short) takes it down before the font it uses.
  if (mainWindow != nullptr && IsWindow(mainWindow)) {
    notifyIcon(NIM_DELETE);
    DestroyWindow(mainWindow);
  }
  if (boldFont != nullptr) DeleteObject(boldFont);
  closeTranslators();
}
