// What every dialog of lexpad shares: the same setup when it opens (its
// object in the window's user data, the bold font on its buttons), help from
// the help viewer, and one guard that keeps an exception from crossing the
// dialog manager.
#ifndef LEXPAD_INTEGRATION_DIALOG_H
#define LEXPAD_INTEGRATION_DIALOG_H

#include <windows.h>

// Topics of the help file: the main window and the about box, and the
// options dialog.
constexpr wchar_t kMainHelpTopic[] = L"vocaro.htm#vocaro_help";
constexpr wchar_t kOptionsHelpTopic[] = L"vocaro.htm#options";

// What the dialogs take from the application.
struct DialogLook {
  HINSTANCE instance = nullptr;
  // Font of push buttons, group boxes and controls with id -2; null keeps
  // the template's font.
  HFONT boldFont = nullptr;
  const wchar_t* helpViewer = L"PegHelp.exe";  // the program that shows help
};

// Moves `window` to the middle of the screen above the menu bar's height.
void centreWindow(HWND window);

// Gives the push buttons, group boxes and controls with id -2 of `window`
// the font `boldFont`; nothing when it is null.
void setBoldFonts(HWND window, HFONT boldFont);

class Dialog {
 public:
  explicit Dialog(const DialogLook& look) : look_(look) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Shows template `templateId` of the application modally over `owner`:
  // what EndDialog was given, or 0 or -1 when the dialog cannot be shown.
  INT_PTR runModal(int templateId, HWND owner);
  // Creates the dialog from `layout` without an owner and returns at once;
  // WM_INITDIALOG runs inside the call.  Null on failure.
  HWND createModeless(const DLGTEMPLATE* layout);

  // The object of dialog window `dialog`; null before its WM_INITDIALOG.
  static Dialog* of(HWND dialog);

 protected:
  const DialogLook& look() const { return look_; }
  void showHelp(const wchar_t* topic) const;

  // WM_INITDIALOG after the common setup; returns what the dialog manager
  // expects (TRUE: give the focus to the first control).
  virtual INT_PTR onInit(HWND dialog) = 0;
  // Every later message; TRUE when handled.
  virtual INT_PTR onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) = 0;

 private:
  static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

  const DialogLook& look_;
};

#endif  // LEXPAD_INTEGRATION_DIALOG_H
