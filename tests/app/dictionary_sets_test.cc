// Dictionary sets and the language boxes, with list and data files written
// into a scratch folder and the real main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_test_support.h"
#include "integration/settings.h"
#include "resource.h"
#include "test_dictionaries.h"

namespace {

class DictionarySetsTest : public ::testing::Test {
 protected:
  void SetUp() override { deleteSettingsKey(); }
  void TearDown() override {
    application.reset();
    takeQuitMessage();
    deleteSettingsKey();
  }

  void open(const std::wstring& dictionaries) {
    application = openMainWindow(dictionaries);
    window = application->mainWindow;
    ASSERT_NE(window, nullptr);
  }
  void open() { open(folder.path()); }

  std::vector<std::wstring> items(int boxId) const {
    std::vector<std::wstring> texts;
    const LRESULT count = SendDlgItemMessageW(window, boxId, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[kPathCapacity];
      SendDlgItemMessageW(window, boxId, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      texts.push_back(text);
    }
    return texts;
  }
  std::wstring selected(int boxId) const {
    const LRESULT index = SendDlgItemMessageW(window, boxId, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return L"<none>";
    wchar_t text[kPathCapacity];
    SendDlgItemMessageW(window, boxId, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
  }
  // Selects a language as the user does: the box's selection changes and
  // the window gets CBN_SELCHANGE.
  void choose(int boxId, const wchar_t* language) {
    const LRESULT index = SendDlgItemMessageW(window, boxId, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>(language));
    ASSERT_NE(index, CB_ERR);
    chooseItem(boxId, index);
  }
  void chooseItem(int boxId, LRESULT index) {
    SendDlgItemMessageW(window, boxId, CB_SETCURSEL, index, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, boxId)));
  }
  bool reverseButtonEnabled() const { return IsWindowEnabled(GetDlgItem(window, IDC_REVERSE)) != FALSE; }

  ScratchFolder folder;
  std::unique_ptr<Application> application;
  HWND window = nullptr;
};

using Texts = std::vector<std::wstring>;

TEST_F(DictionarySetsTest, MissingFolderOrNoListFileListsNothing) {
  open(folder.path() + L"\\missing");
  EXPECT_TRUE(items(IDC_FROM_LANGUAGE).empty());
  EXPECT_TRUE(items(IDC_TO_LANGUAGE).empty());
  EXPECT_EQ(application->setCount, 0);
  EXPECT_EQ(application->forwardTranslator(), nullptr);
  EXPECT_EQ(application->reverseTranslator(), nullptr);
  application.reset();

  writeDataFile(folder.path(), L"english.tdd", "English", {"house"});
  open();
  EXPECT_TRUE(items(IDC_FROM_LANGUAGE).empty()) << "data files alone make no set";
  EXPECT_EQ(application->forwardTranslator(), nullptr);
}

TEST_F(DictionarySetsTest, OneDirectionOpensOnlyTheForwardTranslator) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  open();
  EXPECT_EQ(items(IDC_FROM_LANGUAGE), Texts{L"English"});
  EXPECT_EQ(items(IDC_TO_LANGUAGE), Texts{L"German"});
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"English");
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German");
  EXPECT_NE(application->forwardTranslator(), nullptr);
  EXPECT_EQ(application->reverseTranslator(), nullptr);
  application->onToLanguageChanged();
  EXPECT_FALSE(reverseButtonEnabled());

  const DictionarySet& set = application->sets[0];
  EXPECT_STREQ(set.listFile, L"en_de.tdl");
  EXPECT_STREQ(set.primaryFile, L"English.tdd");
  EXPECT_STREQ(set.secondaryFile, L"German.tdd");
  EXPECT_STREQ(set.fromLanguage, L"English");
  EXPECT_STREQ(set.toLanguage, L"German");
}

TEST_F(DictionarySetsTest, BothDirectionsOpenBothTranslatorsAndEnableReverse) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeDirection(folder.path(), L"de_en.tdl", "German", "English");
  open();
  EXPECT_EQ(items(IDC_FROM_LANGUAGE), (Texts{L"English", L"German"}));
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"English");
  EXPECT_EQ(items(IDC_TO_LANGUAGE), Texts{L"German"});
  EXPECT_NE(application->forwardTranslator(), nullptr);
  EXPECT_NE(application->reverseTranslator(), nullptr);

  LANGSTRUCT language{};
  ASSERT_EQ(TD_TransGetLanguage(application->forwardTranslator(), &language, 0), TD_OK);
  EXPECT_STREQ(language.languageName, "English");
  ASSERT_EQ(TD_TransGetLanguage(application->reverseTranslator(), &language, 0), TD_OK);
  EXPECT_STREQ(language.languageName, "German");

  application->onToLanguageChanged();
  EXPECT_TRUE(reverseButtonEnabled());
}

TEST_F(DictionarySetsTest, RememberedPairIsSelectedAgain) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeDirection(folder.path(), L"de_en.tdl", "German", "English");
  writeDirection(folder.path(), L"de_fr.tdl", "German", "French");
  writeSettingString(kLangFromValue, L"german", -1);  // letter case is ignored
  writeSettingString(kLangToValue, L"French", -1);
  open();
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"German");
  EXPECT_EQ(items(IDC_TO_LANGUAGE), (Texts{L"English", L"French"}));
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"French");
  LANGSTRUCT language{};
  ASSERT_EQ(TD_TransGetLanguage(application->forwardTranslator(), &language, 1), TD_OK);
  EXPECT_STREQ(language.languageName, "French");
  EXPECT_EQ(application->reverseTranslator(), nullptr) << "no French -> German set";
}

TEST_F(DictionarySetsTest, ForgottenLanguagesFallBackToTheFirstInSortedOrder) {
  writeDirection(folder.path(), L"sv_en.tdl", "Swedish", "English");
  writeDirection(folder.path(), L"da_no.tdl", "Danish", "Norwegian");
  writeDirection(folder.path(), L"da_en.tdl", "Danish", "English");
  writeSettingString(kLangFromValue, L"Klingon", -1);
  writeSettingString(kLangToValue, L"Vulcan", -1);
  open();
  EXPECT_EQ(items(IDC_FROM_LANGUAGE), (Texts{L"Danish", L"Swedish"}));
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"Danish");
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"English");
  EXPECT_NE(application->forwardTranslator(), nullptr);
}

TEST_F(DictionarySetsTest, NewFromLanguageKeepsTheToLanguageWhenItIsOffered) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeDirection(folder.path(), L"en_it.tdl", "English", "Italian");
  writeDirection(folder.path(), L"fr_de.tdl", "French", "German");
  writeDirection(folder.path(), L"fr_es.tdl", "French", "Spanish");
  open();
  ASSERT_EQ(selected(IDC_FROM_LANGUAGE), L"English");
  choose(IDC_TO_LANGUAGE, L"German");

  choose(IDC_FROM_LANGUAGE, L"French");
  EXPECT_EQ(items(IDC_TO_LANGUAGE), (Texts{L"German", L"Spanish"}));
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German");
  EXPECT_STREQ(application->currentFrom, L"French");
  EXPECT_STREQ(application->currentTo, L"German");
  EXPECT_NE(application->forwardTranslator(), nullptr);

  choose(IDC_TO_LANGUAGE, L"Spanish");
  choose(IDC_FROM_LANGUAGE, L"English");
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German") << "Spanish is not offered: the first To language";
  EXPECT_EQ(application->busy, 0) << "the handler is busy only while it runs";
}

TEST_F(DictionarySetsTest, TwoListFilesForOnePairShowTheToLanguageTwice) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeDirection(folder.path(), L"en_de2.tdl", "English", "German");
  open();
  EXPECT_EQ(items(IDC_TO_LANGUAGE), (Texts{L"German", L"German"}));
  EXPECT_EQ(application->setCount, 2);
  EXPECT_NE(application->forwardTranslator(), nullptr);
}

TEST_F(DictionarySetsTest, RejectedListFileIsNotListedAndUnreadableLanguageIsEmpty) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeBytes(folder.path() + L"\\broken.tdl", "not a list file");
  writeListFile(folder.path(), L"en_xx.tdl", "English.tdd", "missing.tdd", 4);
  open();
  EXPECT_EQ(application->setCount, 2) << "the broken list file is skipped";
  EXPECT_EQ(items(IDC_FROM_LANGUAGE), Texts{L"English"});
  EXPECT_EQ(items(IDC_TO_LANGUAGE), (Texts{L"", L"German"}));

  chooseItem(IDC_TO_LANGUAGE, 0);  // the set without a To language name
  EXPECT_EQ(application->forwardTranslator(), nullptr) << "its secondary data file does not open";
  EXPECT_EQ(application->reverseTranslator(), nullptr);
  EXPECT_EQ(itemText(window, IDT_STATUS), L"The dictionary could not be read: missing.tdd: no such file");

  // With a pair that opens, the status line names the list file left out.
  application.reset();
  ASSERT_TRUE(DeleteFileW((folder.path() + L"\\en_xx.tdl").c_str()));
  open();
  EXPECT_NE(application->forwardTranslator(), nullptr);
  EXPECT_EQ(itemText(window, IDT_STATUS), L"The dictionary could not be read: broken.tdl");
}

TEST_F(DictionarySetsTest, MoreThanTwentyListFilesFillTheTableAndNoMore) {
  writeDataFile(folder.path(), L"english.tdd", "English", {"house"});
  for (int i = 0; i < 23; ++i) {
    const std::string language = "Language " + std::to_string(100 + i);
    const std::wstring dataFile = L"l" + std::to_wstring(100 + i) + L".tdd";
    writeDataFile(folder.path(), dataFile, language, {"word"});
    writeListFile(folder.path(), L"en_" + std::to_wstring(100 + i) + L".tdl", "english.tdd",
                  std::string(dataFile.begin(), dataFile.end()), 1);
  }
  open();
  EXPECT_EQ(application->setCount, kMaxDictionarySets);
  EXPECT_EQ(items(IDC_TO_LANGUAGE).size(), static_cast<size_t>(kMaxDictionarySets));
  EXPECT_NE(application->forwardTranslator(), nullptr);
  for (int i = 0; i < kMaxDictionarySets; ++i) {
    EXPECT_STREQ(application->sets[i].fromLanguage, L"English") << i;
  }
}

TEST_F(DictionarySetsTest, PathsLongerThanAPathBufferAreRefused) {
  // A folder of 245 characters: "x.tdl" fits behind it, a longer list file
  // name or a data file name of 19 characters does not.
  std::wstring deep = folder.path() + L"\\";
  deep += std::wstring(245 - deep.size(), L'd');
  ASSERT_EQ(deep.size(), 245u);
  ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  writeDataFile(deep, L"en.tdd", "English", {"house"});
  writeDataFile(deep, L"de.tdd", "German", {"haus"});
  writeDataFile(deep, L"nineteen_chars1.tdd", "Dutch", {"huis"});
  writeListFile(deep, L"x.tdl", "en.tdd", "de.tdd", 1);
  writeListFile(deep, L"a_long_list_file_name.tdl", "en.tdd", "de.tdd", 1);
  writeListFile(deep, L"y.tdl", "en.tdd", "nineteen_chars1.tdd", 1);
  open(deep);
  EXPECT_EQ(application->setCount, 1);
  EXPECT_STREQ(application->sets[0].listFile, L"x.tdl");
  EXPECT_EQ(items(IDC_TO_LANGUAGE), Texts{L"German"});
  EXPECT_NE(application->forwardTranslator(), nullptr);
}

TEST_F(DictionarySetsTest, TranslatorsCloseWhenTheWindowClosesAndWithTheApplication) {
  writeDirection(folder.path(), L"en_de.tdl", "English", "German");
  writeDirection(folder.path(), L"de_en.tdl", "German", "English");
  open();
  ASSERT_NE(application->forwardTranslator(), nullptr);
  application->closeTranslators();
  EXPECT_EQ(application->forwardTranslator(), nullptr);
  EXPECT_EQ(application->reverseTranslator(), nullptr);

  application->listDictionarySets(window);
  EXPECT_NE(application->forwardTranslator(), nullptr) << "a new listing opens the pair again";
  EXPECT_NE(application->reverseTranslator(), nullptr);
}

}  // namespace
