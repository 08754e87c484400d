#include "integration/about_box.h"

#include "resource.h"
#include "shell/application.h"
#include "shell/resource_text.h"

namespace {
constexpr int kPatternCapacity = 64;

void initAboutBox(HWND dialog, Application& application) {
  application.centreWindow(dialog);
  application.setBoldFonts(dialog);
  setDialogUserData(dialog, &application);
  // Without the figures the two default lines read as one sentence.
  StoreInformation store;
  if (getStoreInformation(application.dictionaryPath, &store)) {
    showStoreFigures(dialog, application.instance, store);
  }
}
}  // namespace

void showAboutBox(Application& application, HWND owner) {
  DialogBoxParamW(application.instance, MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutDialogProc,
                  reinterpret_cast<LPARAM>(&application));
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_INITDIALOG) {
      initAboutBox(dialog, *reinterpret_cast<Application*>(lParam));
      return TRUE;
    }
    Application* application = static_cast<Application*>(dialogUserData(dialog));
    if (application == nullptr) return FALSE;
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        EndDialog(dialog, IDOK);
        return TRUE;
      case WM_HELP:
        application->showHelp(kMainHelpTopic);
        return TRUE;
      default:
        return FALSE;
    }
  } catch (...) {
    // Memory ran out while the figures were formatted: the box keeps its
    // default lines.
    return TRUE;
  }
}

std::wstring formatKilobytes(const std::wstring& pattern, uint64_t bytes) {
  // The count is put in as text: a volume of more than 2 TB has more
  // kilobytes than a 32-bit long holds.
  static const wchar_t kPlaceholder[] = L"%ld";
  std::wstring text = pattern;
  const size_t at = text.find(kPlaceholder);
  if (at != std::wstring::npos) text.replace(at, ARRAYSIZE(kPlaceholder) - 1, std::to_wstring(bytes >> 10));
  return text;
}

void showStoreFigures(HWND dialog, HINSTANCE instance, const StoreInformation& store) {
  wchar_t pattern[kPatternCapacity];
  loadText(instance, IDS_AVAILABLE_MEMORY, pattern, kPatternCapacity);
  SetDlgItemTextW(dialog, IDT_AVAILABLE_MEMORY, formatKilobytes(pattern, store.storeSize).c_str());
  loadText(instance, IDS_FREE_MEMORY, pattern, kPatternCapacity);
  SetDlgItemTextW(dialog, IDT_FREE_MEMORY, formatKilobytes(pattern, store.freeSize).c_str());
}
