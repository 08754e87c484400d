#include "integration/replace.h"

#include <cwchar>

#include "integration/case_pattern.h"
#include "integration/clipboard_text.h"
#include "resource.h"

namespace {

bool putTextOnClipboard(HWND owner, const wchar_t* text, size_t length) {
  ClipboardScope clipboard(owner);
  if (!clipboard.isOpen()) return false;
  ClipboardBlock block(length + 2);
  if (block.text() == nullptr) return false;
  wmemcpy(block.text(), text, length + 1);
  return block.handOver();
}

bool refuse() {
  MessageBeep(MB_ICONHAND);
  return false;
}

}  // namespace

bool replaceInTarget(HWND mainWindow, CaptureState& state) {
  HWND target = state.replaceTarget;
  if (target == nullptr || !IsWindow(target)) return false;
  HWND window = mainWindow;

  wchar_t text[kReplaceCapacity];
  if (GetDlgItemTextW(window, IDE_FROM_WORD, text, kReplaceCapacity) < 1) return false;
  const CasePattern pattern = casePattern(text);

  HWND toField = GetDlgItem(window, IDE_TO_WORD);
  const int length = GetWindowTextW(toField, text, kReplaceCapacity);
  if (length < 1) return false;
  // A cut text would be pasted over the whole selection and lose the rest.
  const bool toWordCut = GetWindowTextLengthW(toField) >= kReplaceCapacity;
  const size_t trailingLength = wcslen(state.trailingText);
  if (toWordCut || state.trailingTextCut || length + trailingLength >= kReplaceCapacity) return refuse();
  applyCasePattern(text, pattern);
  wmemcpy(text + length, state.trailingText, trailingLength + 1);

  if (!putTextOnClipboard(window, text, length + trailingLength)) return refuse();
  Sleep(kPastePauseMs);
  PostMessageW(target, WM_PASTE, 0, 0);
  state.replaceTarget = nullptr;
  ShowWindow(window, SW_HIDE);
  return true;
}
