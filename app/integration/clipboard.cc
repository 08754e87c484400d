#include "integration/clipboard.h"

#include "integration/clipboard_text.h"
#include "integration/resource_text.h"
#include "resource.h"

namespace {

// Characters up to '@' end a word: controls, blanks, digits, punctuation.
bool endsWord(wchar_t character) { return character <= L'@'; }

}  // namespace

bool copyTranslation(HWND mainWindow) {
  HWND field = GetDlgItem(mainWindow, IDE_TO_WORD);
  const LRESULT length = SendMessageW(field, WM_GETTEXTLENGTH, 0, 0);
  if (length < 1) return true;

  ClipboardScope clipboard(mainWindow);
  if (!clipboard.isOpen()) return false;
  ClipboardBlock block(static_cast<size_t>(length) + 2);
  if (block.text() == nullptr) return false;
  GetWindowTextW(field, block.text(), static_cast<int>(length) + 1);
  return block.handOver();
}

bool copyAllTranslations(HWND mainWindow) {
  HWND list = GetDlgItem(mainWindow, IDC_TO_LIST);
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (count < 1) return true;

  ClipboardScope clipboard(mainWindow);
  if (!clipboard.isOpen()) return false;
  size_t size = 1;
  for (LRESULT item = 0; item < count; ++item) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, item, 0);
    if (length > 0) size += static_cast<size_t>(length);
    size += 2;
  }
  ClipboardBlock block(size + 2);
  if (block.text() == nullptr) return false;

  size_t position = 0;
  for (LRESULT item = 0; item < count; ++item) {
    // LB_GETTEXT has no bound: the item must fit with its space and the
    // final terminator.
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, item, 0);
    if (length < 1 || position + static_cast<size_t>(length) + 2 > block.capacity()) break;
    const LRESULT written = SendMessageW(list, LB_GETTEXT, item, reinterpret_cast<LPARAM>(block.text() + position));
    if (written < 1) break;
    position += static_cast<size_t>(written);
    block.text()[position++] = L' ';
  }
  block.text()[position] = L'\0';
  return block.handOver();
}

bool pasteFirstWord(HWND mainWindow, HWND field, CaptureState& state) {
  SetWindowTextW(field, L"");

  wchar_t text[kFieldCapacity];
  bool cut = false;
  {
    ClipboardScope clipboard(mainWindow);
    if (!clipboard.isOpen() || !readClipboardText(text, kFieldCapacity, &cut)) return false;
  }

  // What is skipped before the word is dropped; the rest keeps the
  // character that ends the word.
  wchar_t* word = text;
  while (*word != L'\0' && endsWord(*word)) ++word;
  wchar_t* rest = word;
  while (*rest != L'\0' && !endsWord(*rest)) ++rest;

  copyText(state.trailingText, kFieldCapacity, rest);
  state.trailingTextCut = cut;
  *rest = L'\0';
  SetWindowTextW(field, word);
  return true;
}

bool pasteIntoFromWord(HWND mainWindow, CaptureState& state) {
  HWND window = mainWindow;
  SendDlgItemMessageW(window, IDC_FROM_LIST, LB_RESETCONTENT, 0, 0);
  SendDlgItemMessageW(window, IDE_FROM_WORD, EM_SETSEL, 0, -1);
  SendDlgItemMessageW(window, IDE_FROM_WORD, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
  return pasteFirstWord(window, GetDlgItem(window, IDE_FROM_WORD), state);
}
