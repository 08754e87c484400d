// The options dialog: the four search options, the automatic character
// conversion and the dictionaries folder.  It works on an OptionsRecord, a
// copy of the settings that the caller takes over only after OK.
#ifndef LEXPAD_INTEGRATION_OPTIONS_DIALOG_H
#define LEXPAD_INTEGRATION_OPTIONS_DIALOG_H

#include <windows.h>

#include "integration/dialog.h"
#include "integration/resource_text.h"
#include "lexcore.h"

class OptionsRecord {
 public:
  OptionsRecord() = default;
  OptionsRecord(const OptionsRecord&) = delete;
  OptionsRecord& operator=(const OptionsRecord&) = delete;
  virtual ~OptionsRecord() = default;

  DWORD optionBits = 0;          // the search option bits
  TD_HANDLE translator = nullptr;  // asked which search features exist; may be null
  wchar_t path[kPathCapacity] = {};  // the dictionaries folder
  DWORD disableConversion = 0;   // nonzero: no automatic character conversion
};

// Shows the dialog modally over `owner` and returns how it ended: IDOK, when
// `record` holds the confirmed values, or IDCANCEL (also when the dialog
// cannot be shown).
INT_PTR runOptionsDialog(const DialogLook& look, OptionsRecord& record, HWND owner);

// The ".&.." button: lets the user pick a dictionary list file and puts its
// folder into the folder field.
void chooseDictionaryFolder(OptionsRecord& record, HWND dialog, HINSTANCE instance);

#endif  // LEXPAD_INTEGRATION_OPTIONS_DIALOG_H
