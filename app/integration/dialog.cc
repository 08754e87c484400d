#include "integration/dialog.h"

#include <cwchar>

#include "platform/handheld.h"

namespace {

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

void centreWindow(HWND window) {
  RECT bounds;
  if (!GetWindowRect(window, &bounds)) return;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYMENU) - height) / 2;
  SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void setBoldFonts(HWND window, HFONT boldFont) {
  if (boldFont == nullptr) return;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (takesBoldFont(child)) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(boldFont), TRUE);
  }
}

INT_PTR Dialog::runModal(int templateId, HWND owner) {
  return DialogBoxParamW(look_.instance, MAKEINTRESOURCEW(templateId), owner, procedure,
                         reinterpret_cast<LPARAM>(this));
}

HWND Dialog::createModeless(const DLGTEMPLATE* layout) {
  return CreateDialogIndirectParamW(look_.instance, layout, nullptr, procedure, reinterpret_cast<LPARAM>(this));
}

Dialog* Dialog::of(HWND dialog) { return static_cast<Dialog*>(dialogUserData(dialog)); }

void Dialog::showHelp(const wchar_t* topic) const { startHelpViewer(look_.helpViewer, topic); }

INT_PTR CALLBACK Dialog::procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : of(dialog);
  // Messages that come before WM_INITDIALOG go to the dialog manager.
  if (self == nullptr) return FALSE;
  try {
    if (message == WM_INITDIALOG) {
      setDialogUserData(dialog, self);
      setBoldFonts(dialog, self->look_.boldFont);
      return self->onInit(dialog);
    }
    return self->onMessage(dialog, message, wParam, lParam);
  } catch (...) {
    // Memory ran out: the dialog stays as far as it got, and the dialog
    // manager does the rest (a dialog that did not finish opening lets it
    // set the focus).
    return message == WM_INITDIALOG ? TRUE : FALSE;
  }
}
