// Resource ids of lexpad.  Prefixes: IDD_ dialog, IDR_ menu and accelerators,
// IDI_ icon, IDB_ bitmap, IDS_ string, IDM_ command, IDC_ control, IDE_ edit,
// IDX_ check box, IDT_ static text.
#ifndef LEXPAD_RESOURCE_H
#define LEXPAD_RESOURCE_H

#define IDD_MAIN 101
#define IDD_OPTIONS 111
#define IDD_ABOUT 143
#define IDR_MAIN 112
#define IDI_APP 112
#define IDB_REPLACE 116

// Controls of the main window.
#define IDC_FROM_LANGUAGE 1000
#define IDC_TO_LANGUAGE 1001
#define IDE_FROM_WORD 1002
#define IDE_TO_WORD 1003
#define IDC_TO_LIST 1004
#define IDC_FORWARD 1005
#define IDC_REVERSE 1007
#define IDC_ADD 1008
#define IDC_FROM_LIST 1009
#define IDT_STATUS 1013

// Controls of the options dialog.
#define IDX_CASE_INSENSITIVE 1006
#define IDX_SMART_SEARCH 1010
#define IDX_USER_DICTIONARY 1011
#define IDX_SPELL_CHECKER 1012
#define IDE_DICTIONARY_PATH 1014
#define IDC_CHOOSE_FOLDER 1015
#define IDX_DISABLE_CONVERSION 1016

// Controls of the about box.
#define IDT_AVAILABLE_MEMORY 1001
#define IDT_FREE_MEMORY 1004

// Commands of the menu, the accelerators and the tool buttons.
#define IDM_OPTIONS 40001
#define IDM_ABOUT 40003
#define IDM_EXIT 40005
#define IDM_COPY 40006
#define IDM_PASTE 40007
#define IDM_HIDE 40008
#define IDM_COPY_ALL 40009
#define IDM_ADD_WORD 40010
#define IDM_TRANSLATE_REVERSE 40011
#define IDM_TRANSLATE_FORWARD 40013
#define IDM_SHOW_UI 40017
#define IDM_REPLACE 40018
#define IDM_CLEAR_ALL 40020

// String table.
#define IDS_ERROR 2
#define IDS_WORD_FOUND 3
#define IDS_WORD_NOT_FOUND 4
#define IDS_SPELLINGS_RETURNED 5
#define IDS_DICTIONARY_NOT_OPEN 6
#define IDS_APP_TITLE 8
#define IDS_NO_RESOURCES 9
#define IDS_CLIPBOARD_FAILED 10
#define IDS_ADD_NEEDS_WORDS 11
#define IDS_WORD_ADDED 12
#define IDS_ADD_NEEDS_LANGUAGE 13
#define IDS_DICTIONARY_FILTER 14
#define IDS_OPEN_DICTIONARY 15
#define IDS_TIP_MENU 16
#define IDS_TIP_COPY 17
#define IDS_TIP_PASTE 18
#define IDS_TIP_CLEAR_ALL 19
#define IDS_TIP_REPLACE 20
#define IDS_TIP_OPTIONS 21
#define IDS_CONFIRM_ADD 26
#define IDS_ADD_UNSUPPORTED_CHARACTER 27
#define IDS_ADD_FAILED 28
#define IDS_DICTIONARY_UNREADABLE 29
#define IDS_AVAILABLE_MEMORY 38
#define IDS_FREE_MEMORY 39

#endif  // LEXPAD_RESOURCE_H
