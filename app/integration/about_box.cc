#include "integration/about_box.h"

#include "integration/resource_text.h"
#include "resource.h"

namespace {
constexpr int kPatternCapacity = 64;

class AboutBox : public Dialog {
 public:
  AboutBox(const DialogLook& look, const wchar_t* dictionaryFolder) : Dialog(look), folder_(dictionaryFolder) {}

 protected:
  INT_PTR onInit(HWND dialog) override {
    centreWindow(dialog);
    // Without the figures the two default lines read as one sentence.  When
    // memory runs out while they are formatted, the box keeps those lines.
    StoreInformation store;
    if (getStoreInformation(folder_, &store)) showStoreFigures(dialog, look().instance, store);
    return TRUE;
  }

  INT_PTR onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) override {
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) != IDOK && LOWORD(wParam) != IDCANCEL) return FALSE;
        EndDialog(dialog, IDOK);
        return TRUE;
      case WM_HELP:
        showHelp(kMainHelpTopic);
        return TRUE;
      default:
        return FALSE;
    }
  }

 private:
  const wchar_t* folder_;
};
}  // namespace

void showAboutBox(const DialogLook& look, const wchar_t* dictionaryFolder, HWND owner) {
  AboutBox box(look, dictionaryFolder);
  box.runModal(IDD_ABOUT, owner);
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
