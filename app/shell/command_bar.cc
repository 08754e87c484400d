// The command bar of the main window: the menu bar, five tool buttons with
// their tooltips, and the adornments.
#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <new>

#include "integration/resource_text.h"
#include "platform/handheld_command_bar.h"
#include "resource.h"
#include "shell/application.h"

namespace {

constexpr int kCommandBarId = 1;
constexpr int kToolTipCapacity = 40;
constexpr int kImageSize = 16;
constexpr int kStandardImageCount = 12;

// Image 0 is the Replace bitmap; images 1 to 12 the standard small ones, so
// 2 is copy, 3 paste, 6 delete and 11 properties.
const TBBUTTON kToolButtons[] = {
    {0, 0, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0},
    {2, IDM_COPY, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {3, IDM_PASTE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {6, IDM_CLEAR_ALL, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {0, 0, TBSTATE_ENABLED, BTNS_SEP, {0}, 0, 0},
    {0, IDM_REPLACE, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
    {11, IDM_OPTIONS, TBSTATE_ENABLED, BTNS_BUTTON, {0}, 0, 0},
};

// An owned copy of a tooltip string; null when it does not load.
std::unique_ptr<wchar_t[]> loadToolTip(HINSTANCE instance, UINT id) {
  wchar_t text[kToolTipCapacity];
  const int length = loadText(instance, id, text, kToolTipCapacity);
  if (length == 0) return nullptr;
  std::unique_ptr<wchar_t[]> copy(new (std::nothrow) wchar_t[length + 1]);
  if (copy) std::wmemcpy(copy.get(), text, length + 1);
  return copy;
}

}  // namespace

bool Application::createCommandBar(HWND window) {
  commandBar = CommandBar_Create(instance, window, kCommandBarId);
  if (commandBar == nullptr) return false;

  wchar_t* toolTipTexts[kToolTipCount];
  for (int i = 0; i < kToolTipCount; ++i) {
    tooltips_[i] = loadToolTip(instance, IDS_TIP_MENU + i);
    toolTipTexts[i] = tooltips_[i].get();
  }
  CommandBar_InsertMenubar(commandBar, instance, IDR_MAIN, 0);
  CommandBar_AddToolTips(commandBar, kToolTipCount, toolTipTexts);
  CommandBar_AddBitmap(commandBar, instance, IDB_REPLACE, 1, kImageSize, kImageSize);
  CommandBar_AddBitmap(commandBar, HINST_COMMCTRL, IDB_STD_SMALL_COLOR, kStandardImageCount, kImageSize, kImageSize);
  SendMessageW(commandBar, TB_ADDBUTTONSW, ARRAYSIZE(kToolButtons), reinterpret_cast<LPARAM>(kToolButtons));
  // The close adornment hides the window (the cancel command); the help
  // adornment asks for help (WM_HELP).  No OK adornment: no command of the
  // window answers it.
  CommandBar_AddAdornments(commandBar, CMDBAR_HELP, 0);
  // Taken once the bar is filled: its buttons decide its height.
  commandBarHeight = CommandBar_Height(commandBar);
  return true;
}
