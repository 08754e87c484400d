#include "integration/options_dialog.h"

#include <commdlg.h>

#include <cwchar>

#include "integration/dialog.h"
#include "integration/resource_text.h"
#include "resource.h"

namespace {

constexpr int kTitleCapacity = 40;
constexpr int kFilterCapacity = 260;

struct OptionBox {
  int id;
  DWORD bit;
};
const OptionBox kOptionBoxes[] = {
    {IDX_CASE_INSENSITIVE, TD_OPT_CASE_INSENSITIVE},
    {IDX_USER_DICTIONARY, TD_OPT_USER_DICTIONARY},
    {IDX_SMART_SEARCH, TD_OPT_SMART_SEARCH},
    {IDX_SPELL_CHECKER, TD_OPT_SPELLING},
};

// The boxes of the search features that a dictionary may lack.
struct FeatureBox {
  int id;
  int16_t extension;
};
const FeatureBox kFeatureBoxes[] = {
    {IDX_SMART_SEARCH, TD_EXT_ENDINGS},
    {IDX_SPELL_CHECKER, TD_EXT_VARIANTS},
};

bool isChecked(HWND dialog, int id) { return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) > 0; }
void check(HWND dialog, int id, bool checked) {
  CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// One run of the dialog on `record`.
class OptionsDialog : public Dialog {
 public:
  OptionsDialog(const DialogLook& look, OptionsRecord& record) : Dialog(look), record_(record) {}

 protected:
  INT_PTR onInit(HWND dialog) override;
  INT_PTR onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  OptionsRecord& record_;
};

void initOptionsDialog(HWND dialog, const OptionsRecord& record) {
  for (const OptionBox& box : kOptionBoxes) check(dialog, box.id, (record.optionBits & box.bit) != 0);
  check(dialog, IDX_DISABLE_CONVERSION, record.disableConversion != 0);
  // The field holds no more than the record can take back.
  SendDlgItemMessageW(dialog, IDE_DICTIONARY_PATH, EM_LIMITTEXT, kPathCapacity - 1, 0);
  SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, record.path);

  // Only the features that the open dictionary has are offered.
  for (const FeatureBox& box : kFeatureBoxes) {
    const bool supported = TD_TransExtensionSupported(record.translator, box.extension) != 0;
    EnableWindow(GetDlgItem(dialog, box.id), supported);
    if (!supported) check(dialog, box.id, false);
  }
}

void confirmOptions(HWND dialog, OptionsRecord& record) {
  record.optionBits = 0;
  for (const OptionBox& box : kOptionBoxes) {
    if (isChecked(dialog, box.id)) record.optionBits |= box.bit;
  }
  record.disableConversion = isChecked(dialog, IDX_DISABLE_CONVERSION) ? 1 : 0;
  GetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, record.path, kPathCapacity);
  EndDialog(dialog, IDOK);
}

INT_PTR OptionsDialog::onInit(HWND dialog) {
  centreWindow(dialog);
  initOptionsDialog(dialog, record_);
  return TRUE;
}

INT_PTR OptionsDialog::onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          confirmOptions(dialog, record_);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case IDC_CHOOSE_FOLDER:
          chooseDictionaryFolder(record_, dialog, look().instance);
          return TRUE;
      }
      return FALSE;
    case WM_HELP:
      showHelp(kOptionsHelpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR runOptionsDialog(const DialogLook& look, OptionsRecord& record, HWND owner) {
  OptionsDialog dialog(look, record);
  return dialog.runModal(IDD_OPTIONS, owner) == IDOK ? IDOK : IDCANCEL;
}

void chooseDictionaryFolder(OptionsRecord& record, HWND dialog, HINSTANCE instance) {
  wchar_t title[kTitleCapacity];
  loadText(instance, IDS_OPEN_DICTIONARY, title, kTitleCapacity);
  // "Description|pattern||": each bar becomes the zero that ends a part.
  wchar_t filter[kFilterCapacity + 1] = {};
  loadText(instance, IDS_DICTIONARY_FILTER, filter, kFilterCapacity);
  for (wchar_t& c : filter) {
    if (c == L'|') c = L'\0';
  }

  // The chooser opens in the folder of the field, with no file chosen yet.
  wchar_t folder[kPathCapacity];
  GetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, folder, kPathCapacity);
  record.path[0] = L'\0';

  OPENFILENAMEW chooser{};
  chooser.lStructSize = sizeof chooser;
  chooser.hwndOwner = dialog;
  chooser.hInstance = instance;
  chooser.lpstrFilter = filter;
  chooser.lpstrFile = record.path;
  chooser.nMaxFile = kPathCapacity;
  chooser.lpstrInitialDir = folder[0] != L'\0' ? folder : nullptr;
  chooser.lpstrTitle = title;
  chooser.Flags = OFN_PATHMUSTEXIST | OFN_EXTENSIONDIFFERENT | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&chooser)) return;

  // The folder is the chosen name up to its last backslash, which goes too;
  // a name with none, or only a leading one, leaves no folder.
  wchar_t* lastSeparator = std::wcsrchr(record.path, L'\\');
  if (lastSeparator == nullptr || lastSeparator == record.path) {
    record.path[0] = L'\0';
  } else {
    *lastSeparator = L'\0';
  }
  SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, record.path);
}
