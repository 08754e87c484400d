// Drives lexpad's main window as a user does: keys and characters go through
// the program's own message loop (Application::routeMessage), so that the
// accelerators and the dialog manager see them; buttons are clicked, list
// items tapped, and the modal dialogs and message boxes that open are read
// and answered.
#ifndef LEXPAD_TESTS_UI_DRIVER_H
#define LEXPAD_TESTS_UI_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/application.h"

class UserDriver {
 public:
  explicit UserDriver(Application& application);
  ~UserDriver();
  UserDriver(const UserDriver&) = delete;
  UserDriver& operator=(const UserDriver&) = delete;

  // Runs the waiting messages through the program's loop.
  void pump();

  // Puts the focus into a control of the main window.
  void focus(int controlId);
  // Types `text` into a word field, one WM_CHAR each, after giving it the
  // focus; the caret stays where it is.
  void type(int fieldId, const std::wstring& text);
  // Presses and releases a key in the window that has the focus, with the
  // Ctrl key held when `control` is set.
  void press(UINT virtualKey, bool control = false);
  // Presses and releases a key that goes to the system: F10 alone, Alt
  // alone (VK_MENU), or a letter key with the Alt key held.
  void pressSystemKey(UINT virtualKey);
  // Clicks a button of the main window.
  void click(int buttonId);
  // Taps (or double-taps) item `index` of a list of the main window.
  void tap(int listId, int index, bool twice = false);

  std::wstring text(int controlId) const;
  std::vector<std::wstring> items(int listId) const;
  int selection(int listId) const;

 private:
  Application& application_;
  HACCEL accelerators_;
};

// What a handler of a dialog gets: the dialog, to read and change its
// controls; the handler must end it, for example by posting a command.
using DialogHandler = std::function<void(HWND dialog)>;

// Runs `action`, answering the modal dialogs and message boxes of this
// thread that open meanwhile with `handlers`, one each, in order.  A dialog
// beyond the handlers is cancelled.  Returns how many dialogs opened.
int runWithDialogs(HWND mainWindow, const std::function<void()>& action, std::vector<DialogHandler> handlers);

// The texts of a dialog's static controls, in window order, joined by "|".
std::wstring staticTexts(HWND dialog);

// Ends a dialog or message box as its button `id` would.
void answer(HWND dialog, int id);

#endif  // LEXPAD_TESTS_UI_DRIVER_H
