// The automatic character conversion of the two word fields: typing an
// accent key right after a letter turns the letter into the accented one,
// so that "e" then "'" gives "é" on a keyboard without accented letters.
#include <windows.h>

#include <memory>
#include <new>

#include "platform/handheld.h"
#include "shell/application.h"

namespace {

struct ConversionEntry {
  wchar_t typedKey;
  wchar_t previousChar;
  wchar_t replacement;  // a Latin-1 letter
};

// Entries with the same typed key stand together; the first entry whose
// previous character matches wins.
const ConversionEntry conversionTable[] = {
    {L':', L'a', 0xE4}, {L':', L'A', 0xC4}, {L':', L'e', 0xEB}, {L':', L'E', 0xCB},
    {L':', L'i', 0xEF}, {L':', L'I', 0xCF}, {L':', L'o', 0xF6}, {L':', L'O', 0xD6},
    {L':', L'y', 0xFF}, {L':', L'Y', 0xDF}, {L':', L'u', 0xFC}, {L':', L'U', 0xDC},
    {L'~', L'a', 0xE3}, {L'~', L'A', 0xC3}, {L'~', L'n', 0xF1}, {L'~', L'N', 0xD1},
    {L'~', L'o', 0xF5}, {L'~', L'O', 0xD5},
    {L'^', L'a', 0xE2}, {L'^', L'A', 0xC2}, {L'^', L'e', 0xEA}, {L'^', L'E', 0xCA},
    {L'^', L'i', 0xEE}, {L'^', L'I', 0xCE}, {L'^', L'o', 0xF4}, {L'^', L'O', 0xD4},
    {L'^', L'u', 0xFB}, {L'^', L'U', 0xDB},
    {L'`', L'a', 0xE0}, {L'`', L'A', 0xC0}, {L'`', L'e', 0xE8}, {L'`', L'E', 0xC8},
    {L'`', L'o', 0xF2}, {L'`', L'O', 0xD2}, {L'`', L'u', 0xF9}, {L'`', L'U', 0xD9},
    {L'`', L'i', 0xEC}, {L'`', L'I', 0xCC},
    {L'\'', L'a', 0xE1}, {L'\'', L'A', 0xC1}, {L'\'', L'o', 0xF3}, {L'\'', L'O', 0xD3},
    {L'\'', L'e', 0xE9}, {L'\'', L'E', 0xC9}, {L'\'', L'y', 0xFD}, {L'\'', L'Y', 0xDD},
    {L'\'', L'i', 0xED}, {L'\'', L'I', 0xCD}, {L'\'', L'u', 0xFA}, {L'\'', L'U', 0xDA},
    {L',', L'c', 0xE7}, {L',', L'C', 0xC7},
    {L'/', L'o', 0xF8}, {L'/', L'O', 0xD8}, {L'/', L'a', 0xE6}, {L'/', L'A', 0xC6},
    {L'/', L'd', 0xF0}, {L'/', L'D', 0xD0},
    {L'-', L'd', 0xF0}, {L'-', L'D', 0xD0}, {L'-', L'b', 0xDF}, {L'-', L'B', 0xDF},
    {L'.', L'a', 0xE5}, {L'.', L'A', 0xC5},
};
static_assert(ARRAYSIZE(conversionTable) == 64, "the conversion table has 64 entries");

// The replacement of `previous` under `key`, or 0 when none.
wchar_t replacementFor(wchar_t key, wchar_t previous) {
  const ConversionEntry* const end = conversionTable + ARRAYSIZE(conversionTable);
  const ConversionEntry* entry = conversionTable;
  while (entry != end && entry->typedKey != key) ++entry;
  for (; entry != end && entry->typedKey == key; ++entry) {
    if (entry->previousChar == previous) return entry->replacement;
  }
  return 0;
}

}  // namespace

bool Application::installConversion(HWND field) {
  // Both word fields are edit controls and share the one standard procedure.
  if (standardEditProc_ == nullptr) {
    standardEditProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_WNDPROC));
    if (standardEditProc_ == nullptr) return false;
  }
  SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(conversionEditProc));
  return true;
}

// Converts the character before the caret when `key` follows it in the
// table.  True when it did; the key itself is then not inserted.
bool Application::convertTypedKey(HWND field, wchar_t key) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (start == 0 || start != end) return false;

  // Only the text up to the caret is read, however long the field, and only
  // the one character before the caret is replaced, so nothing behind it is
  // ever cut.
  std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[start + 1]);
  if (!text) return false;
  const int read = GetWindowTextW(field, text.get(), static_cast<int>(start + 1));
  if (read < 0 || static_cast<DWORD>(read) < start) return false;
  const wchar_t replacement = replacementFor(key, text[start - 1]);
  if (replacement == 0) return false;

  const wchar_t replacementText[2] = {replacement, L'\0'};
  SendMessageW(field, EM_SETSEL, start - 1, start);
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacementText));
  SendMessageW(field, EM_SETSEL, start, end);
  return true;
}

LRESULT CALLBACK Application::conversionEditProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  // The word fields are the main window's.
  auto* window = static_cast<MainDialog*>(Dialog::of(GetParent(field)));
  Application* application = window != nullptr ? &window->application() : nullptr;
  if (application == nullptr || application->standardEditProc_ == nullptr) {
    return DefWindowProcW(field, message, wParam, lParam);
  }
  if (message == WM_CHAR && application->stdEdit == 0 &&
      application->convertTypedKey(field, static_cast<wchar_t>(LOWORD(wParam)))) {
    return 0;
  }
  return CallWindowProcW(application->standardEditProc_, field, message, wParam, lParam);
}
