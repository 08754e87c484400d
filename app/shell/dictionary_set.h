// One installed translation direction: a dictionary list file of the
// dictionaries folder and what it names.
#ifndef LEXPAD_SHELL_DICTIONARY_SET_H
#define LEXPAD_SHELL_DICTIONARY_SET_H

#include <windows.h>

#include "integration/resource_text.h"

// Room in the set table; further list files of the folder are not listed.
constexpr int kMaxDictionarySets = 20;

struct DictionarySet {
  wchar_t listFile[kPathCapacity];       // list file name, without folder
  wchar_t primaryFile[kPathCapacity];    // data file looked up
  wchar_t secondaryFile[kPathCapacity];  // data file of the translations
  wchar_t fromLanguage[kPathCapacity];   // language of the primary file
  wchar_t toLanguage[kPathCapacity];     // language of the secondary file
};

#endif  // LEXPAD_SHELL_DICTIONARY_SET_H
