// Texts of the string table, and the capacities of the texts lexpad keeps.
#ifndef LEXPAD_INTEGRATION_RESOURCE_TEXT_H
#define LEXPAD_INTEGRATION_RESOURCE_TEXT_H

#include <windows.h>

// Capacities, terminator included.
constexpr int kPathCapacity = MAX_PATH;       // paths, file names, language names
constexpr int kLanguageNameCapacity = 20;     // remembered language names
constexpr int kFieldCapacity = 256;           // word fields and status texts

// Loads string `id` into `text` (`capacity` characters, terminator
// included), cut to fit.  Returns its length; an empty text and 0 when the
// string does not load.
int loadText(HINSTANCE instance, UINT id, wchar_t* text, int capacity);

// Copies `source` into `target` (`capacity` characters), cut to fit and
// always terminated.
void copyText(wchar_t* target, int capacity, const wchar_t* source);

#endif  // LEXPAD_INTEGRATION_RESOURCE_TEXT_H
