// Texts of the string table.
#ifndef LEXPAD_SHELL_RESOURCE_TEXT_H
#define LEXPAD_SHELL_RESOURCE_TEXT_H

#include <windows.h>

// Loads string `id` into `text` (`capacity` characters, terminator
// included), cut to fit.  Returns its length; an empty text and 0 when the
// string does not load.
int loadText(HINSTANCE instance, UINT id, wchar_t* text, int capacity);

// Copies `source` into `target` (`capacity` characters), cut to fit and
// always terminated.
void copyText(wchar_t* target, int capacity, const wchar_t* source);

#endif  // LEXPAD_SHELL_RESOURCE_TEXT_H
