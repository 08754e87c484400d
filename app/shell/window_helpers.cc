// Helpers shared by the main window and the dialogs: message boxes from the
// string table, centring, and the bold font of buttons and group boxes.
#include <cwchar>

#include "resource.h"
#include "shell/application.h"
#include "shell/resource_text.h"

namespace {

constexpr int kMessageCapacity = 260;
constexpr int kClassNameCapacity = 40;
constexpr int kBoldFontControlId = -2;

bool takesBoldFont(HWND control) {
  wchar_t className[kClassNameCapacity];
  if (GetClassNameW(control, className, kClassNameCapacity) == 0) className[0] = L'\0';
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  const bool boldButton =
      _wcsicmp(className, L"button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX);
  return boldButton || static_cast<WORD>(GetDlgCtrlID(control)) == static_cast<WORD>(kBoldFontControlId);
}

}  // namespace

int Application::messageBoxById(HWND owner, UINT stringId, UINT style) {
  wchar_t text[kMessageCapacity];
  wchar_t title[kFieldCapacity];
  loadText(instance, stringId, text, kMessageCapacity);
  loadText(instance, IDS_APP_TITLE, title, kFieldCapacity);
  return MessageBoxW(owner != nullptr ? owner : mainWindow, text, title, style);
}

void Application::centreWindow(HWND window) {
  RECT bounds;
  if (!GetWindowRect(window, &bounds)) return;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU) - height) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Application::setBoldFonts(HWND window) {
  if (boldFont == nullptr) return;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (takesBoldFont(child)) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont), TRUE);
  }
}

void Application::createBoldFont() {
  if (boldFont != nullptr) return;
  HGDIOBJ systemFont = GetStockObject(SYSTEM_FONT);
  LOGFONTW font;
  if (systemFont == nullptr || GetObjectW(systemFont, sizeof font, &font) != sizeof font) return;
  font.lfWeight = FW_BOLD;
  boldFont = CreateFontIndirectW(&font);
}
