#include "integration/resource_text.h"

int loadText(HINSTANCE instance, UINT id, wchar_t* text, int capacity) {
  if (capacity < 1) return 0;
  // LoadStringW cuts and terminates; on failure it may leave the buffer as
  // it was, so the text is emptied here.
  const int length = LoadStringW(instance, id, text, capacity);
  if (length <= 0) {
    text[0] = L'\0';
    return 0;
  }
  return length;
}

void copyText(wchar_t* target, int capacity, const wchar_t* source) {
  if (capacity < 1) return;
  int i = 0;
  for (; i < capacity - 1 && source[i] != L'\0'; ++i) target[i] = source[i];
  target[i] = L'\0';
}
