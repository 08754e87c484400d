// The options dialog opened with Ctrl+O from the main window, filled in and
// confirmed or cancelled as a user does, with the real file chooser.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_dictionaries.h"
#include "window_fixture.h"

namespace {

using Words = std::vector<std::wstring>;

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

class OptionsDialogTest : public WindowTest {
 protected:
  // Opens the options with Ctrl+O; `handler` sees the dialog and ends it.
  void withOptions(const DialogHandler& handler, std::vector<DialogHandler> more = {}) {
    more.insert(more.begin(), handler);
    const size_t expected = more.size();
    EXPECT_EQ(runWithDialogs(window, [&] { driver->press('O', true); }, std::move(more)),
              static_cast<int>(expected));
  }
  std::vector<std::wstring> fromLanguages() const {
    std::vector<std::wstring> texts;
    const LRESULT count = SendDlgItemMessageW(window, IDC_FROM_LANGUAGE, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[kPathCapacity];
      SendDlgItemMessageW(window, IDC_FROM_LANGUAGE, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      texts.push_back(text);
    }
    return texts;
  }
};

struct ControlLayout {
  int id;
  const wchar_t* className;
  DWORD type;  // button type, or 0
  RECT dialogUnits;  // x, y, width, height
  const wchar_t* text;
  bool bold;
};

const ControlLayout kOptionsControls[] = {
    {IDX_CASE_INSENSITIVE, L"Button", BS_AUTOCHECKBOX, {12, 17, 75, 10}, L"&Case Insensitive", false},
    {IDX_SMART_SEARCH, L"Button", BS_AUTOCHECKBOX, {105, 17, 67, 10}, L"S&mart Search", false},
    {IDX_USER_DICTIONARY, L"Button", BS_AUTOCHECKBOX, {12, 30, 88, 10}, L"Look in &User Dictionary", false},
    {IDX_SPELL_CHECKER, L"Button", BS_AUTOCHECKBOX, {105, 30, 69, 10}, L"Use &Spell Checker", false},
    {IDX_DISABLE_CONVERSION, L"Button", BS_AUTOCHECKBOX, {12, 43, 162, 10}, L"Disable &Automatic Character Conversion",
     false},
    {IDE_DICTIONARY_PATH, L"Edit", 0, {12, 74, 148, 14}, nullptr, false},
    {IDC_CHOOSE_FOLDER, L"Button", BS_PUSHBUTTON, {162, 74, 15, 14}, L".&..", true},
    {-1, L"Button", BS_GROUPBOX, {5, 62, 177, 32}, L"Dictionaries Path", true},
    {-1, L"Button", BS_GROUPBOX, {5, 5, 177, 53}, L"Translator", true},
    {IDOK, L"Button", BS_DEFPUSHBUTTON, {76, 99, 50, 14}, L"OK", true},
    {IDCANCEL, L"Button", BS_PUSHBUTTON, {132, 99, 50, 14}, L"Cancel", true},
};

TEST_F(OptionsDialogTest, ShowsTheControlsOfItsTemplateCentredWithOKAndCancel) {
  open(folder.path());
  withOptions([&](HWND dialog) {
    EXPECT_EQ(windowText(dialog), L"Options");
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) << "a help button in the caption";
    RECT size{0, 0, 187, 118};
    MapDialogRect(dialog, &size);
    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    RECT bounds;
    GetWindowRect(dialog, &bounds);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);

    const HFONT bold = application->boldFont;
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ControlLayout& expected : kOptionsControls) {
      SCOPED_TRACE(testing::Message() << "control " << expected.id << " " << testing::PrintToString(expected.text));
      ASSERT_NE(control, nullptr);
      wchar_t name[32];
      GetClassNameW(control, name, 32);
      EXPECT_EQ(_wcsicmp(name, expected.className), 0);
      EXPECT_EQ(static_cast<int>(static_cast<WORD>(GetDlgCtrlID(control))), static_cast<int>(static_cast<WORD>(expected.id)));
      if (expected.type != 0) {
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, expected.type);
      }
      if (expected.text != nullptr) {
        EXPECT_EQ(windowText(control), expected.text);
      }
      EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) == bold, expected.bold);
      RECT units = expected.dialogUnits;
      MapDialogRect(dialog, &units);
      RECT actual;
      GetWindowRect(control, &actual);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
      EXPECT_EQ(actual.left, units.left);
      EXPECT_EQ(actual.top, units.top);
      EXPECT_EQ(actual.right - actual.left, units.right);
      EXPECT_EQ(actual.bottom - actual.top, units.bottom);
      control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "no further controls";
    EXPECT_EQ(itemText(dialog, IDE_DICTIONARY_PATH), folder.path() + L"\\");
    answer(dialog, IDCANCEL);
  });
}

TEST_F(OptionsDialogTest, WithBothFeaturesEveryBoxOfTheOptionBitsIsCheckedAndOffered) {
  openSamples(L"English", L"German");
  ASSERT_EQ(application->options, 15u);
  withOptions([&](HWND dialog) {
    for (int id : {IDX_CASE_INSENSITIVE, IDX_USER_DICTIONARY, IDX_SMART_SEARCH, IDX_SPELL_CHECKER}) {
      EXPECT_TRUE(checked(dialog, id)) << id;
      EXPECT_TRUE(enabled(dialog, id)) << id;
    }
    EXPECT_FALSE(checked(dialog, IDX_DISABLE_CONVERSION));
    answer(dialog, IDCANCEL);
  });
  EXPECT_EQ(application->options, 15u);
}

TEST_F(OptionsDialogTest, WithoutADictionaryTheFeaturesAreNotOfferedAndOKClearsTheirBits) {
  open(folder.path());
  ASSERT_EQ(application->forwardTranslator(), nullptr);
  withOptions([&](HWND dialog) {
    for (int id : {IDX_SMART_SEARCH, IDX_SPELL_CHECKER}) {
      EXPECT_FALSE(enabled(dialog, id)) << id;
      EXPECT_FALSE(checked(dialog, id)) << id;
    }
    EXPECT_TRUE(checked(dialog, IDX_CASE_INSENSITIVE));
    answer(dialog, IDOK);
  });
  EXPECT_EQ(application->options, static_cast<DWORD>(TD_OPT_CASE_INSENSITIVE | TD_OPT_USER_DICTIONARY));
}

TEST_F(OptionsDialogTest, ADictionaryWithoutFormsAndSpellingsOffersNeitherFeature) {
  writeDirection(folder.path(), L"it_nl.tdl", "Italian", "Dutch");
  open(folder.path());
  ASSERT_NE(application->forwardTranslator(), nullptr);
  withOptions([&](HWND dialog) {
    EXPECT_FALSE(enabled(dialog, IDX_SMART_SEARCH));
    EXPECT_FALSE(enabled(dialog, IDX_SPELL_CHECKER));
    answer(dialog, IDCANCEL);
  });
  EXPECT_EQ(application->options, 15u) << "cancelled";
  withOptions([&](HWND dialog) { answer(dialog, IDOK); });
  EXPECT_EQ(application->options, 3u) << "confirmed";
}

TEST_F(OptionsDialogTest, OKTakesOverTheBoxesAndOtherBitsAreDropped) {
  openSamples(L"English", L"German");
  application->options = 0x10F;
  withOptions([&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDX_CASE_INSENSITIVE, BM_CLICK, 0, 0);
    SendDlgItemMessageW(dialog, IDX_DISABLE_CONVERSION, BM_CLICK, 0, 0);
    answer(dialog, IDOK);
  });
  EXPECT_EQ(application->options, 14u);
  EXPECT_EQ(application->stdEdit, 1u);
  driver->type(IDE_FROM_WORD, L"e'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"e'") << "no conversion any more";

  withOptions([&](HWND dialog) {
    EXPECT_TRUE(checked(dialog, IDX_DISABLE_CONVERSION));
    SendDlgItemMessageW(dialog, IDX_DISABLE_CONVERSION, BM_CLICK, 0, 0);
    answer(dialog, IDOK);
  });
  EXPECT_EQ(application->stdEdit, 0u);
}

TEST_F(OptionsDialogTest, CancelAndEscapeLeaveEverythingAsItWas) {
  openSamples(L"English", L"German");
  const std::wstring before = application->dictionaryPath;
  withOptions([&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDX_USER_DICTIONARY, BM_CLICK, 0, 0);
    SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, L"C:\\elsewhere");
    answer(dialog, IDCANCEL);
  });
  withOptions([&](HWND dialog) {
    SendDlgItemMessageW(dialog, IDX_SMART_SEARCH, BM_CLICK, 0, 0);
    SetFocus(GetDlgItem(dialog, IDX_SMART_SEARCH));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
  });
  EXPECT_EQ(application->options, 15u);
  EXPECT_EQ(application->dictionaryPath, before);
}

TEST_F(OptionsDialogTest, ATypedFolderGetsItsBackslashAndItsSetsAreListed) {
  openSamples(L"English", L"German");
  ScratchFolder other;
  writeDirection(other.path(), L"it_nl.tdl", "Italian", "Dutch");
  withOptions([&](HWND dialog) {
    SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, other.path().c_str());
    answer(dialog, IDOK);
  });
  EXPECT_EQ(application->dictionaryPath, other.path() + L"\\");
  EXPECT_EQ(fromLanguages(), (Words{L"Italian"}));
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"Dutch");
}

TEST_F(OptionsDialogTest, AFolderWithNoRoomForItsBackslashKeepsTheCurrentFolder) {
  openSamples(L"English", L"German");
  const std::wstring before = application->dictionaryPath;
  std::wstring typed;
  withOptions([&](HWND dialog) {
    // The field takes no more than a path holds; typing stops there.
    SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, L"");
    SetFocus(GetDlgItem(dialog, IDE_DICTIONARY_PATH));
    for (int i = 0; i < kPathCapacity + 5; ++i) SendDlgItemMessageW(dialog, IDE_DICTIONARY_PATH, WM_CHAR, L'x', 1);
    typed = itemText(dialog, IDE_DICTIONARY_PATH);
    SendDlgItemMessageW(dialog, IDX_USER_DICTIONARY, BM_CLICK, 0, 0);
    answer(dialog, IDOK);
  });
  EXPECT_EQ(typed.size(), static_cast<size_t>(kPathCapacity - 1));
  EXPECT_EQ(application->dictionaryPath, before);
  EXPECT_EQ(application->options, 13u) << "the other options are taken over";
  EXPECT_EQ(fromLanguages(), (Words{L"English", L"French", L"German"}));
}

TEST_F(OptionsDialogTest, OKWithoutAnyChangeStillListsTheSetsAgain) {
  openSamples(L"English", L"German");
  const LRESULT french = SendDlgItemMessageW(window, IDC_TO_LANGUAGE, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                             reinterpret_cast<LPARAM>(L"French"));
  SendDlgItemMessageW(window, IDC_TO_LANGUAGE, CB_SETCURSEL, french, 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_TO_LANGUAGE, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(item(IDC_TO_LANGUAGE)));
  ASSERT_EQ(itemText(window, IDC_TO_LANGUAGE), L"French");
  withOptions([&](HWND dialog) { answer(dialog, IDOK); });
  // A new listing selects the languages remembered at start.
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"German");
  EXPECT_EQ(application->busy, 0);
}

// What the file chooser showed when it opened.
struct ChooserSeen {
  std::wstring folder;
  std::wstring title;
  std::wstring fileType;
};

// Answers the file chooser: notes what it shows, then chooses `file` (or
// cancels when it is empty).
DialogHandler chooseFile(const std::wstring& file, ChooserSeen* seen) {
  return [=](HWND chooser) {
    wchar_t text[MAX_PATH] = L"";
    SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(text));
    seen->folder = text;
    seen->title = windowText(chooser);
    text[0] = L'\0';
    SendDlgItemMessageW(chooser, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    seen->fileType = text;
    if (file.empty()) {
      answer(chooser, IDCANCEL);
      return;
    }
    // The file name box is a combo box in newer choosers, an edit in older.
    SetDlgItemTextW(chooser, cmb13, file.c_str());
    SetDlgItemTextW(chooser, edt1, file.c_str());
    answer(chooser, IDOK);
  };
}

TEST_F(OptionsDialogTest, TheChosenListFileGivesTheFolderWhichGetsItsBackslashAfterOK) {
  ScratchFolder other;
  copySampleDictionaries(other.path(), {L"en_fr.tdl", L"enfr_en.tdd", L"enfr_fr.tdd"});
  open(folder.path());
  wchar_t currentBefore[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, currentBefore);
  ChooserSeen seen;
  std::wstring shown;
  withOptions(
      [&](HWND dialog) {
        SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, other.path().c_str());
        SendMessageW(dialog, WM_COMMAND, IDC_CHOOSE_FOLDER, 0);  // returns when the chooser has closed
        shown = itemText(dialog, IDE_DICTIONARY_PATH);
        answer(dialog, IDOK);
      },
      {chooseFile(other.path() + L"\\en_fr.tdl", &seen)});
  wchar_t currentAfter[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, currentAfter);
  EXPECT_STREQ(currentAfter, currentBefore) << "the chooser leaves the current folder alone";
  EXPECT_EQ(seen.title, L"Open Dictionary");
  EXPECT_EQ(seen.fileType, L"Dictionary (*.tdl)");
  EXPECT_EQ(_wcsicmp(seen.folder.c_str(), other.path().c_str()), 0) << "the chooser opens in the folder of the field";
  EXPECT_EQ(shown, other.path()) << "the folder without its backslash";
  EXPECT_EQ(application->dictionaryPath, other.path() + L"\\");
  EXPECT_EQ(fromLanguages(), (Words{L"English"}));
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"French");
}

TEST_F(OptionsDialogTest, AFileInTheRootFolderGivesTheDrive) {
  const std::wstring rootFile = L"C:\\vocaro-root.tdl";
  writeBytes(rootFile, "TDL");
  open(folder.path());
  ChooserSeen seen;
  std::wstring shown;
  withOptions(
      [&](HWND dialog) {
        SendMessageW(dialog, WM_COMMAND, IDC_CHOOSE_FOLDER, 0);
        shown = itemText(dialog, IDE_DICTIONARY_PATH);
        answer(dialog, IDOK);
      },
      {chooseFile(rootFile, &seen)});
  DeleteFileW(rootFile.c_str());
  EXPECT_EQ(shown, L"C:");
  EXPECT_EQ(std::wstring(application->dictionaryPath), L"C:\\") << "the root folder of the drive";
}

TEST_F(OptionsDialogTest, ACancelledChooserLeavesTheFolderField) {
  open(folder.path());
  ChooserSeen seen;
  std::wstring shown;
  withOptions(
      [&](HWND dialog) {
        SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, L"typed by hand");
        SendMessageW(dialog, WM_COMMAND, IDC_CHOOSE_FOLDER, 0);
        shown = itemText(dialog, IDE_DICTIONARY_PATH);
        answer(dialog, IDCANCEL);
      },
      {chooseFile(L"", &seen)});
  EXPECT_EQ(shown, L"typed by hand");
}

}  // namespace
