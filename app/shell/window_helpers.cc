// Helpers of the main window: message boxes from the string table, the bold
// font of buttons and group boxes, and help.
#include "integration/resource_text.h"
#include "platform/handheld.h"
#include "resource.h"
#include "shell/application.h"

namespace {
constexpr int kMessageCapacity = 260;
}  // namespace

int Application::messageBoxById(HWND owner, UINT stringId, UINT style) {
  wchar_t text[kMessageCapacity];
  wchar_t title[kFieldCapacity];
  loadText(instance, stringId, text, kMessageCapacity);
  loadText(instance, IDS_APP_TITLE, title, kFieldCapacity);
  return MessageBoxW(owner != nullptr ? owner : mainWindow, text, title, style);
}

void Application::createBoldFont() {
  if (boldFont != nullptr) return;
  HGDIOBJ systemFont = GetStockObject(SYSTEM_FONT);
  LOGFONTW font;
  if (systemFont == nullptr || GetObjectW(systemFont, sizeof font, &font) != sizeof font) return;
  font.lfWeight = FW_BOLD;
  boldFont = CreateFontIndirectW(&font);
}

// Help: the help viewer shows a topic of the help file vocaro.htm.
void Application::showHelp(const wchar_t* topic) { startHelpViewer(helpViewer, topic); }
