// The about box: the version, our notice, and how large the storage that
// holds the dictionaries is and how much of it is free.
#ifndef LEXPAD_INTEGRATION_ABOUT_BOX_H
#define LEXPAD_INTEGRATION_ABOUT_BOX_H

#include <windows.h>

#include <string>

#include "integration/dialog.h"
#include "platform/handheld.h"

// Shows the about box modally over `owner`, with the figures of the storage
// that holds `dictionaryFolder`.
void showAboutBox(const DialogLook& look, const wchar_t* dictionaryFolder, HWND owner);

// Puts the two storage lines into the about box: the size and the free
// space, each in whole kilobytes.
void showStoreFigures(HWND dialog, HINSTANCE instance, const StoreInformation& store);

// `pattern` with its "%ld" replaced by the whole kilobytes of `bytes`.
std::wstring formatKilobytes(const std::wstring& pattern, uint64_t bytes);

#endif  // LEXPAD_INTEGRATION_ABOUT_BOX_H
