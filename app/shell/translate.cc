// Translating a word field in either direction, taking a listed word into
// its field, and adding a word pair to the user dictionary.
#include <windows.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "integration/resource_text.h"
#include "resource.h"
#include "shell/application.h"
#include "shell/word_text.h"
#include "translator_client.h"

namespace {

// The controls one direction of translation reads and fills.
struct Direction {
  int sourceField;     // the word looked up
  int resultList;      // its translations
  int oppositeField;   // emptied first; takes the first translation
  int suggestionList;  // other forms and spellings of the word
};
constexpr Direction kForward{IDE_FROM_WORD, IDC_TO_LIST, IDE_TO_WORD, IDC_FROM_LIST};
constexpr Direction kReverse{IDE_TO_WORD, IDC_FROM_LIST, IDE_FROM_WORD, IDC_TO_LIST};

// Adds the engine's 8-bit `texts` to `list`, in order.
void addStrings(HWND list, const std::vector<std::string>& texts) {
  wchar_t wide[kFieldCapacity];
  for (const std::string& text : texts) {
    toWide(wide, kFieldCapacity, text.c_str());
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
  }
}

// The trimmed text of a word field in the dictionaries' 8-bit set: its
// length, 0 when the field is empty or blank, -1 when a character has no
// byte in the set.
int readWord(HWND window, int fieldId, char (&word)[kWordCapacity]) {
  wchar_t text[kFieldCapacity];
  GetDlgItemTextW(window, fieldId, text, kFieldCapacity);
  trimBlanks(text);
  return toNarrow(word, kWordCapacity, text);
}

// The engine reports a word whose translations did not all fit as a full
// list; those that fit are there, so the word counts as found.
bool isFound(int status) { return status == TD_FOUND || status == TD_LIST_FULL; }

// A lookup that failed because a file of the set could not be read, which is
// no word missing from the dictionary.
bool isReadFailure(int32_t result, int status) {
  return result == TD_ERR_FILE || result == TD_ERR_READ || (result == TD_OK && status == TD_FAILED);
}

}  // namespace

void Application::showStatusText(UINT stringId) {
  wchar_t text[kFieldCapacity];
  loadText(instance, stringId, text, kFieldCapacity);
  SetDlgItemTextW(mainWindow, IDT_STATUS, text);
}

void Application::showStatus(int32_t result, int status) {
  if (result != TD_OK) {
    showStatusText(IDS_ERROR);
  } else if (isFound(status)) {
    showStatusText(IDS_WORD_FOUND);
  } else if (status == TD_SUGGESTED) {
    showStatusText(IDS_SPELLINGS_RETURNED);
  } else {
    showStatusText(IDS_WORD_NOT_FOUND);
  }
}

void Application::readFailureText(wchar_t* text, const wchar_t* file, const wchar_t* engineReason) {
  int length = loadText(instance, IDS_DICTIONARY_UNREADABLE, text, kFieldCapacity);
  if (length > 0 && length < kFieldCapacity - 1) text[length++] = L' ';
  // The status line takes no more of the reason than a field holds.
  wchar_t reason[kFieldCapacity];
  copyText(reason, kFieldCapacity, engineReason);
  // The engine's reason starts with the whole path of the file it is about;
  // the status line has room for that file's name and what is wrong with it.
  const wchar_t* shown = file;
  if (reason[0] != L'\0') {
    shown = reason;
    for (const wchar_t* p = reason; *p != L'\0' && !(p[0] == L':' && p[1] == L' '); ++p) {
      if (*p == L'\\' || *p == L'/') shown = p + 1;
    }
  }
  copyText(text + length, kFieldCapacity - length, shown);
}

void Application::translateWord(bool reverse) {
  const TD_HANDLE translator = reverse ? reverse_.get() : forward_.get();
  if (!forward_.isOpen() && openFailure_[0] != L'\0') {
    SetDlgItemTextW(mainWindow, IDT_STATUS, openFailure_);
    return;
  }
  if (!forward_.isOpen() || translator == nullptr) {
    showStatusText(IDS_DICTIONARY_NOT_OPEN);
    return;
  }
  const Direction& direction = reverse ? kReverse : kForward;
  TD_TransOptions(translator, static_cast<int32_t>(options));

  char word[kWordCapacity];
  const int length = readWord(mainWindow, direction.sourceField, word);
  if (length == 0) return;

  HWND resultList = GetDlgItem(mainWindow, direction.resultList);
  SendMessageW(resultList, LB_RESETCONTENT, 0, 0);
  SetDlgItemTextW(mainWindow, direction.oppositeField, L"");
  // A word with a character that no dictionary can hold is in none.
  if (length < 0) {
    showStatus(TD_OK, TD_NOT_FOUND);
    return;
  }

  const vocaro::Translation translation = vocaro::translateWord(translator, word, kWordCapacity, kWordCapacity);
  const int32_t result = translation.result;
  const int status = translation.status;

  if (result == TD_OK && (isFound(status) || status == TD_SUGGESTED)) {
    if (status == TD_SUGGESTED) {
      // The first suggestion takes the place of the word that was not found.
      HWND suggestionList = GetDlgItem(mainWindow, direction.suggestionList);
      SendMessageW(suggestionList, LB_RESETCONTENT, 0, 0);
      addStrings(suggestionList, translation.suggestions);
      if (SendMessageW(suggestionList, LB_GETCOUNT, 0, 0) > 0) {
        SendMessageW(suggestionList, LB_SETCURSEL, 0, 0);
        const LRESULT suggestionLength = SendMessageW(suggestionList, LB_GETTEXTLEN, 0, 0);
        wchar_t suggestion[kFieldCapacity];
        if (suggestionLength >= 1 && suggestionLength < kFieldCapacity &&
            SendMessageW(suggestionList, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(suggestion)) != LB_ERR) {
          SetDlgItemTextW(mainWindow, direction.sourceField, suggestion);
        }
      }
    }
    addStrings(resultList, translation.translations);
  }

  // The selection change, handled like a tap, copies the first translation
  // into the field above the list.
  if (SendMessageW(resultList, LB_GETCOUNT, 0, 0) > 0) {
    SendMessageW(resultList, LB_SETCURSEL, 0, 0);
    PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(direction.resultList, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(resultList));
  }
  const DictionarySet* set = reverse ? findSet(currentTo, currentFrom) : findSet(currentFrom, currentTo);
  if (isReadFailure(result, status) && set != nullptr) {
    wchar_t text[kFieldCapacity];
    readFailureText(text, set->listFile, vocaro::failureReason(translator).c_str());
    SetDlgItemTextW(mainWindow, IDT_STATUS, text);
  } else {
    showStatus(result, status);
  }
}

void Application::takeListSelection(int listId, bool doubleTap) {
  HWND list = GetDlgItem(mainWindow, listId);
  const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (index == LB_ERR) return;
  const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
  if (length < 1) return;
  std::unique_ptr<wchar_t[]> text(new (std::nothrow) wchar_t[length + 1]);
  if (!text) return;
  if (SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.get())) == LB_ERR) return;

  // A translation in the To list goes into the To word field, and a double
  // tap translates it back; likewise for the From side.
  const bool toSide = listId == IDC_TO_LIST;
  SetDlgItemTextW(mainWindow, toSide ? IDE_TO_WORD : IDE_FROM_WORD, text.get());
  if (doubleTap) translateWord(toSide);
}

void Application::addWordPair() {
  if (!forward_.isOpen()) {
    messageBoxById(mainWindow, IDS_ADD_NEEDS_LANGUAGE, MB_ICONEXCLAMATION);
    return;
  }
  // The pair always goes to the forward direction's user dictionary, the
  // From word field as the word, whichever direction filled the fields.
  char word[kWordCapacity];
  char translation[kWordCapacity];
  const int wordLength = readWord(mainWindow, IDE_FROM_WORD, word);
  if (wordLength == 0) {
    messageBoxById(mainWindow, IDS_ADD_NEEDS_WORDS, MB_ICONEXCLAMATION);
    return;
  }
  const int translationLength = readWord(mainWindow, IDE_TO_WORD, translation);
  if (translationLength == 0) {
    messageBoxById(mainWindow, IDS_ADD_NEEDS_WORDS, MB_ICONEXCLAMATION);
    return;
  }
  if (wordLength < 0 || translationLength < 0) {
    messageBoxById(mainWindow, IDS_ADD_UNSUPPORTED_CHARACTER, MB_ICONEXCLAMATION);
    return;
  }
  // Only a Yes adds: a box that could not be shown asked nothing.
  if (messageBoxById(mainWindow, IDS_CONFIRM_ADD, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  const bool added = TD_TransAddUdr(forward_.get(), word, translation) == 1;
  messageBoxById(mainWindow, added ? IDS_WORD_ADDED : IDS_ADD_FAILED, MB_ICONEXCLAMATION);
}
