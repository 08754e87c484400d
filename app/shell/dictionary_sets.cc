// Dictionary sets and languages: the set table built from the list files of
// the dictionaries folder, the From and To language boxes, and the two
// translator handles of the selected pair.
#include <cwchar>

#include "integration/resource_text.h"
#include "resource.h"
#include "shell/application.h"
#include "translator_client.h"

namespace {

// `folder` followed by `name`; false when that does not fit in a path.
bool joinPath(wchar_t (&path)[kPathCapacity], const wchar_t* folder, const wchar_t* name) {
  const size_t folderLength = wcsnlen(folder, kPathCapacity);
  const size_t nameLength = wcsnlen(name, kPathCapacity);
  if (folderLength + nameLength >= static_cast<size_t>(kPathCapacity)) return false;
  std::wmemcpy(path, folder, folderLength);
  std::wmemcpy(path + folderLength, name, nameLength);
  path[folderLength + nameLength] = L'\0';
  return true;
}

// The language name of a data file; empty when it cannot be read.
bool readLanguage(const wchar_t* folder, const wchar_t* dataFile, wchar_t (&language)[kPathCapacity]) {
  wchar_t path[kPathCapacity];
  if (!joinPath(path, folder, dataFile)) return false;
  if (TD_TransGetTDDLanguage(path, language, kPathCapacity) != TD_OK) language[0] = L'\0';
  return true;
}

// Fills `set` from list file `listFile` of `folder`.  False when the list
// file is rejected or a path of the set does not fit.
bool readDictionarySet(const wchar_t* folder, const wchar_t* listFile, DictionarySet& set) {
  if (wcsnlen(listFile, kPathCapacity) >= static_cast<size_t>(kPathCapacity)) return false;
  std::wcscpy(set.listFile, listFile);
  wchar_t path[kPathCapacity];
  if (!joinPath(path, folder, set.listFile)) return false;
  if (TD_TransGetTDDFiles(path, set.primaryFile, set.secondaryFile, kPathCapacity) != TD_OK) return false;
  return readLanguage(folder, set.primaryFile, set.fromLanguage) &&
         readLanguage(folder, set.secondaryFile, set.toLanguage);
}

// The selected item's text of a language box; false with none, or when it
// does not fit.
bool selectedText(HWND box, wchar_t (&text)[kPathCapacity]) {
  const LRESULT selection = SendMessageW(box, CB_GETCURSEL, 0, 0);
  if (selection == CB_ERR) return false;
  const LRESULT length = SendMessageW(box, CB_GETLBTEXTLEN, selection, 0);
  if (length < 0 || length >= kPathCapacity) return false;
  return SendMessageW(box, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text)) != CB_ERR;
}

// Index of the item `name` (letter case ignored), or of the first item when
// `name` is empty or not in the box.
LRESULT indexOrFirst(HWND box, const wchar_t* name) {
  if (name[0] == L'\0') return 0;
  const LRESULT index = SendMessageW(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  return index == CB_ERR ? 0 : index;
}

}  // namespace

void Application::closeTranslators() {
  forward_.close();
  reverse_.close();
  // A pair that did not open is closed too: the status line stops saying why.
  if (openFailure_[0] == L'\0') return;
  wchar_t shown[kFieldCapacity];
  if (mainWindow != nullptr && GetDlgItemTextW(mainWindow, IDT_STATUS, shown, kFieldCapacity) > 0 &&
      std::wcscmp(shown, openFailure_) == 0) {
    SetDlgItemTextW(mainWindow, IDT_STATUS, L"");
  }
  openFailure_[0] = L'\0';
}

void Application::listDictionarySets(HWND window) {
  closeTranslators();
  HWND fromBox = GetDlgItem(window, IDC_FROM_LANGUAGE);
  HWND toBox = GetDlgItem(window, IDC_TO_LANGUAGE);
  SendMessageW(fromBox, CB_RESETCONTENT, 0, 0);
  SendMessageW(toBox, CB_RESETCONTENT, 0, 0);

  dictionaryPathLength = static_cast<int>(wcsnlen(dictionaryPath, kPathCapacity));
  setCount = 0;
  wchar_t unlisted[kPathCapacity] = L"";  // the first list file that could not be read
  wchar_t pattern[kPathCapacity];
  if (joinPath(pattern, dictionaryPath, L"*.tdl")) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
      // The table has room for kMaxDictionarySets; list files beyond that
      // are not listed.
      do {
        DictionarySet& set = sets[setCount];
        if (!readDictionarySet(dictionaryPath, found.cFileName, set)) {
          if (unlisted[0] == L'\0') copyText(unlisted, kPathCapacity, found.cFileName);
          continue;
        }
        if (SendMessageW(fromBox, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(set.fromLanguage)) == CB_ERR) {
          SendMessageW(fromBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(set.fromLanguage));
        }
        ++setCount;
      } while (setCount < kMaxDictionarySets && FindNextFileW(search, &found));
      FindClose(search);
    }
  }

  // A set left out says so, unless the pair chosen next has more to say.
  if (unlisted[0] != L'\0') {
    wchar_t text[kFieldCapacity];
    readFailureText(text, unlisted, L"");
    SetDlgItemTextW(window, IDT_STATUS, text);
  }

  if (SendMessageW(fromBox, CB_GETCOUNT, 0, 0) <= 0) return;
  SendMessageW(fromBox, CB_SETCURSEL, indexOrFirst(fromBox, langFrom), 0);
  onFromLanguageChanged();
  if (langTo[0] != L'\0') {
    const LRESULT index = indexOrFirst(toBox, langTo);
    if (index != SendMessageW(toBox, CB_GETCURSEL, 0, 0)) {
      SendMessageW(toBox, CB_SETCURSEL, index, 0);
      onToLanguageChanged();
    }
  }
}

void Application::onFromLanguageChanged() {
  HWND fromBox = GetDlgItem(mainWindow, IDC_FROM_LANGUAGE);
  HWND toBox = GetDlgItem(mainWindow, IDC_TO_LANGUAGE);
  SendMessageW(toBox, CB_RESETCONTENT, 0, 0);
  closeTranslators();
  if (!selectedText(fromBox, currentFrom)) return;

  for (int i = 0; i < setCount; ++i) {
    if (std::wcscmp(sets[i].fromLanguage, currentFrom) == 0) {
      SendMessageW(toBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sets[i].toLanguage));
    }
  }
  // The To language of the previous pair stays when the new From offers it.
  const LRESULT index = indexOrFirst(toBox, currentTo);
  if (SendMessageW(toBox, CB_GETCOUNT, 0, 0) > 0) {
    SendMessageW(toBox, CB_SETCURSEL, index, 0);
    onToLanguageChanged();
  }
}

void Application::onToLanguageChanged() {
  closeTranslators();
  if (!selectedText(GetDlgItem(mainWindow, IDC_TO_LANGUAGE), currentTo)) return;
  forward_ = openLanguagePair(currentFrom, currentTo, openFailure_);
  if (!forward_.isOpen()) {
    if (openFailure_[0] != L'\0') SetDlgItemTextW(mainWindow, IDT_STATUS, openFailure_);
    return;
  }
  reverse_ = openLanguagePair(currentTo, currentFrom);
  EnableWindow(GetDlgItem(mainWindow, IDC_REVERSE), reverse_.isOpen());
  // A word already typed is translated again with the new pair.
  if (GetWindowTextLengthW(GetDlgItem(mainWindow, IDE_FROM_WORD)) > 0) translateWord(false);
}

const DictionarySet* Application::findSet(const wchar_t* from, const wchar_t* to) const {
  for (int i = 0; i < setCount; ++i) {
    if (std::wcscmp(sets[i].fromLanguage, from) == 0 && std::wcscmp(sets[i].toLanguage, to) == 0) return &sets[i];
  }
  return nullptr;
}

vocaro::Translator Application::openLanguagePair(const wchar_t* from, const wchar_t* to, wchar_t* failure) {
  if (failure != nullptr) failure[0] = L'\0';
  const DictionarySet* set = findSet(from, to);
  if (set == nullptr) return {};

  // The list file, then the two data files it names; a path that does not
  // fit names no file that could be read.
  vocaro::Translator translator;
  vocaro::OpenOutcome outcome;
  outcome.result = TD_ERR_READ;
  wchar_t path[kPathCapacity];
  if (joinPath(path, dictionaryPath, set->listFile)) {
    outcome = translator.open(path);
    if (outcome.ok()) return translator;
  }
  if (failure != nullptr && (outcome.result == TD_ERR_READ || outcome.result == TD_ERR_FILE)) {
    const wchar_t* file = outcome.failedStep == vocaro::OpenStep::kPrimary     ? set->primaryFile
                          : outcome.failedStep == vocaro::OpenStep::kSecondary ? set->secondaryFile
                                                                                : set->listFile;
    readFailureText(failure, file, outcome.reason.c_str());
  }
  return {};
}
