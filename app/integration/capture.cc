#include "integration/capture.h"

#include <cwchar>

#include "integration/clipboard_text.h"

namespace {

constexpr int kClassNameCapacity = 256;

// Edit-control classes that a capture takes text from, lower-cased.
struct CaptureSource {
  const wchar_t* className;
  size_t comparedLength;  // characters compared; 0: the whole name
  bool replaceable;       // remembered as the target of Replace
};
constexpr CaptureSource kCaptureSources[] = {
    {L"richedit", 8, true}, {L"edit", 0, false}, {L"labeledit", 0, true},
    {L"capedit", 0, true},  {L"richink", 7, true},
};

const CaptureSource* captureSourceOf(HWND control) {
  wchar_t className[kClassNameCapacity];
  const int length = GetClassNameW(control, className, kClassNameCapacity);
  if (length == 0) return nullptr;
  // Class names are ASCII; the user's locale must not change them.
  for (int i = 0; i < length; ++i) {
    if (className[i] >= L'A' && className[i] <= L'Z') className[i] = static_cast<wchar_t>(className[i] + (L'a' - L'A'));
  }
  for (const CaptureSource& source : kCaptureSources) {
    const bool matches = source.comparedLength == 0
                             ? wcscmp(className, source.className) == 0
                             : wcsncmp(className, source.className, source.comparedLength) == 0;
    if (matches) return &source;
  }
  return nullptr;
}

}  // namespace

bool captureSelection(HWND mainWindow, CaptureState& state) {
  state.replaceTarget = nullptr;
  HWND control = findFrontFocus(mainWindow);
  if (control == nullptr) return false;
  const CaptureSource* source = captureSourceOf(control);
  if (source == nullptr) return false;
  if (!IsWindowVisible(control) || !IsWindowEnabled(control)) return false;

  // The control's thread answered the query a moment ago, but a program
  // that stops answering now must not stop lexpad with it.
  DWORD_PTR ignored = 0;
  if (SendMessageTimeoutW(control, WM_COPY, 0, 0, SMTO_ABORTIFHUNG, kCopyTimeoutMs, &ignored) == 0) return false;
  Sleep(kCopyPauseMs);
  if (!clipboardHoldsText(mainWindow)) return false;

  if (source->replaceable) state.replaceTarget = control;
  return pasteIntoFromWord(mainWindow, state);
}
