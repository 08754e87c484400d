// What the handheld platform provided and desktop Win32 names or does
// differently, for the few places of lexpad that need it.
#ifndef LEXPAD_PLATFORM_HANDHELD_H
#define LEXPAD_PLATFORM_HANDHELD_H

#include <windows.h>
#include <shellapi.h>

// Sent by the power manager when memory runs low; the application ends.
#ifndef WM_HIBERNATE
#define WM_HIBERNATE 0x03FF
#endif

// Class name of the windows that dialog templates create.
inline const wchar_t* dialogWindowClass() { return L"#32770"; }

// cbSize of the NOTIFYICONDATA that Shell_NotifyIcon expects.
inline DWORD notifyIconDataSize() { return sizeof(NOTIFYICONDATAW); }

// The pointer-sized user data slot of a dialog window (DWL_USER).
inline void setDialogUserData(HWND dialog, void* data) {
  SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(data));
}
inline void* dialogUserData(HWND dialog) { return reinterpret_cast<void*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

// The dictionaries folder used when no "Path" is stored, with its trailing
// backslash: the folder "dictionaries" beside the program.  An empty text
// when that path does not fit in `capacity` characters.
void defaultDictionaryFolder(wchar_t* folder, int capacity);

#endif  // LEXPAD_PLATFORM_HANDHELD_H
