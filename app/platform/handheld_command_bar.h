// The handheld's command bar on desktop Win32: a tool bar along the top of a
// window that carries the window's menu bar as drop-down buttons, tool
// buttons with tooltips, and adornments in place of a caption bar.
//
// The command bar is a tool bar control, so TB_ messages such as
// TB_ADDBUTTONSW and TB_ENABLEBUTTON go to it directly.  Its menus, tool
// buttons and adornments send their WM_COMMAND, WM_INITMENUPOPUP, WM_CLOSE
// and WM_HELP to the window that owns the bar.
//
// The menus open from the keyboard as a menu bar's do: F10, or Alt pressed
// and released alone, opens the first; Alt with a menu's mnemonic letter
// opens that menu, before the dialog manager can take the letter for a
// control of the owner.
#ifndef LEXPAD_PLATFORM_HANDHELD_COMMAND_BAR_H
#define LEXPAD_PLATFORM_HANDHELD_COMMAND_BAR_H

#include <windows.h>

// Adornment flags of CommandBar_AddAdornments.  The close button is always
// added; it asks the window to close (WM_CLOSE).
#define CMDBAR_HELP 0x0001  // a help button: WM_HELP to the window

// Creates an empty command bar with control id `id` at the top of `parent`.
// Null on failure.
HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id);

// Inserts menu `menuId` of `instance` as the menu bar, its pull-down menus
// as buttons from position `button` on.  FALSE when the menu cannot be
// loaded or the bar already has one.
BOOL CommandBar_InsertMenubar(HWND commandBar, HINSTANCE instance, WORD menuId, WORD button);

// Adds `imageCount` images of `width` x `height` from bitmap `bitmapId` of
// `instance` (HINST_COMMCTRL for the standard images) and returns the index
// of the first, or -1.
int CommandBar_AddBitmap(HWND commandBar, HINSTANCE instance, int bitmapId, int imageCount, int width,
                         int height);

// The tooltip texts: the first for the menu bar, the others for the tool
// buttons in order, separators not counted.  The bar keeps the pointers; the
// caller keeps the texts alive as long as the bar.
BOOL CommandBar_AddToolTips(HWND commandBar, UINT count, wchar_t* const* toolTips);

// Adds the adornments once, at the right end of the bar.
BOOL CommandBar_AddAdornments(HWND commandBar, DWORD flags, DWORD reserved);

// Height of the bar in pixels.
int CommandBar_Height(HWND commandBar);

// The menu inserted at `button`, or null when the bar has none.
HMENU CommandBar_GetMenu(HWND commandBar, WORD button);

#endif  // LEXPAD_PLATFORM_HANDHELD_COMMAND_BAR_H
