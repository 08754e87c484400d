// What the handheld platform provided and desktop Win32 names or does
// differently, for the few places of lexpad that need it.
#ifndef LEXPAD_PLATFORM_HANDHELD_H
#define LEXPAD_PLATFORM_HANDHELD_H

#include <windows.h>
#include <shellapi.h>

#include <cstdint>

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

// The path of file `name` in the program's folder, into `path` (`capacity`
// characters).  False, and an empty path, when it does not fit.
bool besideProgram(const wchar_t* name, wchar_t* path, int capacity);

// The dictionaries folder used when no "Path" is stored, with its trailing
// backslash: the folder "dictionaries" beside the program.  An empty text
// when that path does not fit in `capacity` characters.
void defaultDictionaryFolder(wchar_t* folder, int capacity);

// The size and free space of the handheld's object store.  On the desktop
// that is the volume holding `folder`, and the free space is what this user
// may use of it.  False when the volume cannot be asked.
struct StoreInformation {
  uint64_t storeSize = 0;
  uint64_t freeSize = 0;
};
bool getStoreInformation(const wchar_t* folder, StoreInformation* store);

// Starts the help viewer `viewer` with a topic of the help file (such as
// "vocaro.htm#options") as its command line.  Where no such viewer can be
// started, as on the desktop, the help file beside the program opens at the
// topic with the program that shows HTML files.  A failure passes silently.
void startHelpViewer(const wchar_t* viewer, const wchar_t* topic);

#endif  // LEXPAD_PLATFORM_HANDHELD_H
