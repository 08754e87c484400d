// The about box: the version, our notice, and how large the storage that
// holds the dictionaries is and how much of it is free.
#ifndef LEXPAD_INTEGRATION_ABOUT_BOX_H
#define LEXPAD_INTEGRATION_ABOUT_BOX_H

#include <windows.h>

#include <string>

#include "platform/handheld.h"

class Application;

// Shows the about box modally over `owner`.
void showAboutBox(Application& application, HWND owner);

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the two storage lines into the about box: the size and the free
// space, each in whole kilobytes.
void showStoreFigures(HWND dialog, HINSTANCE instance, const StoreInformation& store);

// `pattern` with its "%ld" replaced by the whole kilobytes of `bytes`.
std::wstring formatKilobytes(const std::wstring& pattern, uint64_t bytes);

#endif  // LEXPAD_INTEGRATION_ABOUT_BOX_H
