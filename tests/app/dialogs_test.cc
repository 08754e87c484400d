// The options dialog (Ctrl+O) with the real file chooser, and the about box,
// filled in and answered as a user does.  What the options change is read
// where the user meets it: the registry at the end of the session, the
// language boxes and the typing in the word fields.
#include "window_fixture.h"

#include <commdlg.h>
#include <dlgs.h>


namespace {

bool checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
void click(HWND dialog, int id) { SendDlgItemMessageW(dialog, id, BM_CLICK, 0, 0); }

class DialogsTest : public WindowTest {
 protected:
  // Opens the options with Ctrl+O; `handler` sees the dialog and ends it.
  void withOptions(const DialogHandler& handler, std::vector<DialogHandler> more = {}) {
    more.insert(more.begin(), handler);
    const int expected = static_cast<int>(more.size());
    EXPECT_EQ(runWithDialogs(window, [&] { driver->press('O', true); }, std::move(more)), expected);
  }
  // The settings written when the session ends.
  DWORD savedOptions() {
    SendMessageW(window, WM_ENDSESSION, TRUE, 0);
    return storedNumber(kOptionsValue);
  }
};

TEST_F(DialogsTest, TheOptionBitsCheckTheBoxesAndFeaturesTheDictionaryLacksAreNotOffered) {
  const int kFeatures[] = {IDX_SMART_SEARCH, IDX_SPELL_CHECKER};
  // Samples with forms and spellings, none, and a pair without them.
  for (int dictionaries = 0; dictionaries < 3; ++dictionaries) {
    SCOPED_TRACE(dictionaries);
    vocaro_test::TempFolder other;
    if (dictionaries == 0) copySampleDictionaries(windowsPath(other));
    if (dictionaries == 2) writeDirection(windowsPath(other), L"it_nl.tdl", "Italian", "Dutch");
    open(windowsPath(other));
    withOptions([&](HWND dialog) {
      EXPECT_EQ(windowText(dialog), L"Options");
      EXPECT_EQ(GetWindow(dialog, GW_OWNER), window);
      EXPECT_EQ(itemText(dialog, IDE_DICTIONARY_PATH), windowsPath(other) + L"\\");
      for (int id : {IDX_CASE_INSENSITIVE, IDX_USER_DICTIONARY}) EXPECT_TRUE(checked(dialog, id) && enabled(dialog, id));
      for (int id : kFeatures) {
        EXPECT_EQ(checked(dialog, id), dictionaries == 0) << id;
        EXPECT_EQ(enabled(dialog, id), dictionaries == 0) << id;
      }
      EXPECT_FALSE(checked(dialog, IDX_DISABLE_CONVERSION));
      click(dialog, IDX_USER_DICTIONARY);
      SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, L"C:\\elsewhere");
      SetFocus(GetDlgItem(dialog, IDX_USER_DICTIONARY));
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);  // Escape cancels: nothing is taken over
    });
    withOptions([&](HWND dialog) { answer(dialog, IDOK); });
    EXPECT_EQ(savedOptions(), dictionaries == 0 ? 15u : 3u) << "OK clears the bits of what is not offered";
    EXPECT_EQ(storedString(kPathValue), windowsPath(other) + L"\\");
    close();
  }
}

TEST_F(DialogsTest, OKTakesOverTheBoxesAndDropsOtherBits) {
  writeSettingNumber(kOptionsValue, 0x10F);
  openSamples();
  withOptions([&](HWND dialog) {
    click(dialog, IDX_CASE_INSENSITIVE);
    click(dialog, IDX_DISABLE_CONVERSION);
    answer(dialog, IDOK);
  });
  driver->type(IDE_FROM_WORD, L"e'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"e'") << "no conversion any more";
  withOptions([&](HWND dialog) {
    EXPECT_TRUE(checked(dialog, IDX_DISABLE_CONVERSION));
    click(dialog, IDX_DISABLE_CONVERSION);
    answer(dialog, IDOK);
  });
  SetDlgItemTextW(window, IDE_FROM_WORD, L"");
  driver->type(IDE_FROM_WORD, L"e'");
  EXPECT_EQ(driver->text(IDE_FROM_WORD), L"\u00E9") << "the conversion is back";
  EXPECT_EQ(savedOptions(), 14u);
  EXPECT_EQ(storedNumber(kStdEditValue), 0u);
}

TEST_F(DialogsTest, ATypedFolderGetsItsBackslashAndItsSetsAreListedOneTooLongIsRefused) {
  openSamples();
  choose(IDC_TO_LANGUAGE, L"French");
  withOptions([&](HWND dialog) {
    // The field takes no more than a path holds; typing stops there.
    SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, L"");
    for (int i = 0; i < kPathCapacity + 5; ++i) SendDlgItemMessageW(dialog, IDE_DICTIONARY_PATH, WM_CHAR, L'x', 1);
    EXPECT_EQ(itemText(dialog, IDE_DICTIONARY_PATH).size(), static_cast<size_t>(kPathCapacity - 1));
    click(dialog, IDX_USER_DICTIONARY);
    answer(dialog, IDOK);
  });
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), (Words{L"English", L"French", L"German"})) << "the folder is kept";
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"German") << "listed again: the remembered language";

  vocaro_test::TempFolder other;
  writeDirection(windowsPath(other), L"it_nl.tdl", "Italian", "Dutch");
  withOptions([&](HWND dialog) {
    SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, windowsPath(other).c_str());
    answer(dialog, IDOK);
  });
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), Words{L"Italian"});
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"Dutch");
  EXPECT_EQ(savedOptions(), 13u) << "the other options were taken over";
  EXPECT_EQ(storedString(kPathValue), windowsPath(other) + L"\\");
}

// Answers the file chooser: checks what it shows, then chooses `file` (or
// cancels when it is empty).
DialogHandler chooseFile(const std::wstring& file, const std::wstring& folder) {
  return [=](HWND chooser) {
    wchar_t text[MAX_PATH] = L"";
    SendMessageW(chooser, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(text));
    EXPECT_TRUE(folder.empty() || _wcsicmp(text, folder.c_str()) == 0) << "opens in the folder of the field";
    EXPECT_EQ(windowText(chooser), L"Open Dictionary");
    SendDlgItemMessageW(chooser, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Dictionary (*.tdl)");
    // The file name box is a combo box in newer choosers, an edit in older.
    SetDlgItemTextW(chooser, cmb13, file.c_str());
    SetDlgItemTextW(chooser, edt1, file.c_str());
    answer(chooser, file.empty() ? IDCANCEL : IDOK);
  };
}

TEST_F(DialogsTest, TheChosenListFileGivesTheFolderARootFileTheDriveACancelledChooserNothing) {
  vocaro_test::TempFolder other;
  copySampleDictionaries(windowsPath(other), {L"en_fr.tdl", L"enfr_en.tdd", L"enfr_fr.tdd"});
  const std::wstring rootFile = L"C:\\vocaro-root.tdl";
  writeBytes(rootFile, "TDL");
  open();
  wchar_t currentBefore[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, currentBefore);
  const struct {
    std::wstring typed;
    std::wstring chosen;
    std::wstring shown;
  } cases[] = {
      {L"typed by hand", L"", L"typed by hand"},
      {L"", rootFile, L"C:"},
      {windowsPath(other), windowsPath(other) + L"\\en_fr.tdl", windowsPath(other)},
  };
  for (const auto& entry : cases) {
    withOptions(
        [&](HWND dialog) {
          SetDlgItemTextW(dialog, IDE_DICTIONARY_PATH, entry.typed.c_str());
          SendMessageW(dialog, WM_COMMAND, IDC_CHOOSE_FOLDER, 0);  // returns when the chooser has closed
          EXPECT_EQ(itemText(dialog, IDE_DICTIONARY_PATH), entry.shown);
          answer(dialog, entry.chosen == rootFile ? IDCANCEL : IDOK);
        },
        {chooseFile(entry.chosen, entry.typed == windowsPath(other) ? windowsPath(other) : L"")});
  }
  DeleteFileW(rootFile.c_str());
  wchar_t currentAfter[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, currentAfter);
  EXPECT_STREQ(currentAfter, currentBefore) << "the chooser leaves the current folder alone";
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), Words{L"English"});
  EXPECT_EQ(itemText(window, IDC_TO_LANGUAGE), L"French");
}

TEST_F(DialogsTest, TheAboutBoxNamesTheVersionAndTheFiguresOfTheDictionariesVolume) {
  open();
  std::wstring available;
  std::wstring free;
  const auto readBox = [&](HWND box) {
    EXPECT_EQ(windowText(box), L"About Vocaro");
    EXPECT_EQ(GetWindow(box, GW_OWNER), window);
    available = itemText(box, IDT_AVAILABLE_MEMORY);
    free = itemText(box, IDT_FREE_MEMORY);
    SetFocus(GetDlgItem(box, IDOK));
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);  // Escape closes it
  };
  EXPECT_EQ(runWithDialogs(window, [&] { command(IDM_ABOUT); }, {readBox}), 1);
  EXPECT_TRUE(IsWindowEnabled(window)) << "the main window takes input again";
  // The figures in kilobytes against the bytes the system reports; other
  // programs write to the volume meanwhile.
  ULARGE_INTEGER freeToUser;
  ULARGE_INTEGER total;
  ASSERT_TRUE(GetDiskFreeSpaceExW(windowsPath(folder).c_str(), &freeToUser, &total, nullptr));
  auto kilobytesIn = [](const std::wstring& line, const std::wstring& label) {
    EXPECT_EQ(line.substr(0, label.size()), label);
    EXPECT_EQ(line.substr(line.size() - 2), L"KB");
    return static_cast<double>(std::stoull(line.substr(label.size()))) * 1024;
  };
  EXPECT_NEAR(kilobytesIn(available, L"Available Memory: "), static_cast<double>(total.QuadPart), 1023.0);
  EXPECT_NEAR(kilobytesIn(free, L"Free Memory: "), static_cast<double>(freeToUser.QuadPart), 256.0 * 1024 * 1024);
}

}  // namespace
