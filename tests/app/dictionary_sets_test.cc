// Dictionary sets and the language boxes, with list and data files written
// into a scratch folder.  Every written pair translates each word by "apple".
#include "window_fixture.h"

namespace {

class DictionarySetsTest : public WindowTest {
 protected:
  std::wstring selected(int boxId) const { return itemText(window, boxId); }
  // Whether the pair translates forward, and backward from the To side.
  bool translatesForward() {
    translate(L"house");
    return driver->text(IDE_TO_WORD) == L"apple" && status() == L"Word found";
  }
  bool translatesBack() {
    SetDlgItemTextW(window, IDE_TO_WORD, L"tree");
    driver->press('B', true);
    return driver->text(IDE_FROM_WORD) == L"apple";
  }
  void write(const wchar_t* listFile, const char* from, const char* to) {
    writeDirection(windowsPath(folder), listFile, from, to);
  }
};

TEST_F(DictionarySetsTest, AMissingFolderOrDataFilesWithoutAListFileMakeNoSet) {
  open(windowsPath(folder) + L"\\missing");
  EXPECT_TRUE(languages(IDC_FROM_LANGUAGE).empty());
  driver->type(IDE_TO_WORD, L"Haus");
  for (bool back : {false, true}) {
    back ? driver->press('B', true) : translate(L"house");
    EXPECT_EQ(status(), L"Dictionary is not open.");
    EXPECT_EQ(driver->text(IDE_TO_WORD), L"Haus") << "the fields stay";
  }
  close();
  writeDataFile(windowsPath(folder), L"english.tdd", "English", {"house"});
  open();
  EXPECT_TRUE(languages(IDC_FROM_LANGUAGE).empty());
  EXPECT_TRUE(languages(IDC_TO_LANGUAGE).empty());
}

TEST_F(DictionarySetsTest, OneDirectionTranslatesForwardOnlyBothDirectionsBothWays) {
  write(L"en_de.tdl", "English", "German");
  open();
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), Words{L"English"});
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German");
  EXPECT_TRUE(translatesForward());
  EXPECT_FALSE(translatesBack());
  close();

  write(L"de_en.tdl", "German", "English");
  write(L"en_de2.tdl", "English", "German");  // a second list file of a pair lists its language again
  open();
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), (Words{L"English", L"German"}));
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"English");
  EXPECT_EQ(languages(IDC_TO_LANGUAGE), (Words{L"German", L"German"}));
  EXPECT_TRUE(translatesForward());
  EXPECT_TRUE(translatesBack());
}

TEST_F(DictionarySetsTest, TheRememberedPairIsSelectedAgainAndForgottenOnesFallBackToTheFirst) {
  write(L"en_de.tdl", "English", "German");
  write(L"de_en.tdl", "German", "English");
  write(L"de_fr.tdl", "German", "French");
  open(windowsPath(folder), L"german", L"French");  // letter case is ignored
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"German");
  EXPECT_EQ(languages(IDC_TO_LANGUAGE), (Words{L"English", L"French"}));
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"French");
  EXPECT_TRUE(translatesForward());
  EXPECT_FALSE(translatesBack()) << "no French -> German set";
  close();

  write(L"da_no.tdl", "Danish", "Norwegian");
  write(L"da_en.tdl", "Danish", "English");
  open(windowsPath(folder), L"Klingon", L"Vulcan");
  EXPECT_EQ(selected(IDC_FROM_LANGUAGE), L"Danish");
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"English");
  EXPECT_TRUE(translatesForward());
}

TEST_F(DictionarySetsTest, ANewFromLanguageKeepsTheToLanguageWhenItIsOffered) {
  write(L"en_de.tdl", "English", "German");
  write(L"en_it.tdl", "English", "Italian");
  write(L"fr_de.tdl", "French", "German");
  write(L"fr_es.tdl", "French", "Spanish");
  open();
  choose(IDC_TO_LANGUAGE, L"German");
  choose(IDC_FROM_LANGUAGE, L"French");
  EXPECT_EQ(languages(IDC_TO_LANGUAGE), (Words{L"German", L"Spanish"}));
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German");
  EXPECT_TRUE(translatesForward());

  choose(IDC_TO_LANGUAGE, L"Spanish");
  choose(IDC_FROM_LANGUAGE, L"English");
  EXPECT_EQ(selected(IDC_TO_LANGUAGE), L"German") << "Spanish is not offered: the first To language";
  EXPECT_TRUE(translatesForward());
}

TEST_F(DictionarySetsTest, ARejectedListFileIsLeftOutAndAnUnreadableOneSaysSo) {
  write(L"en_de.tdl", "English", "German");
  folder.write("broken.tdl", "not a list file");
  writeListFile(windowsPath(folder), L"en_xx.tdl", "English.tdd", "missing.tdd", 4);
  open();
  EXPECT_EQ(languages(IDC_FROM_LANGUAGE), Words{L"English"});
  EXPECT_EQ(languages(IDC_TO_LANGUAGE), (Words{L"", L"German"})) << "a language that cannot be read is empty";
  chooseItem(IDC_TO_LANGUAGE, 0);
  EXPECT_EQ(status(), L"The dictionary could not be read: missing.tdd: no such file");
  EXPECT_FALSE(translatesForward());
  close();

  // With a pair that opens, the status line names the list file left out.
  ASSERT_TRUE(DeleteFileW((windowsPath(folder) + L"\\en_xx.tdl").c_str()));
  open();
  EXPECT_EQ(status(), L"The dictionary could not be read: broken.tdl");
  EXPECT_TRUE(translatesForward());
}

TEST_F(DictionarySetsTest, PathsLongerThanAPathBufferAreRefused) {
  // A folder of 245 characters: "x.tdl" fits behind it, a longer list file
  // name or a data file name of 19 characters does not.
  std::wstring deep = windowsPath(folder) + L"\\";
  deep += std::wstring(245 - deep.size(), L'd');
  ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
  writeDataFile(deep, L"en.tdd", "English", {"house"});
  writeDataFile(deep, L"de.tdd", "German", {"apple"});
  writeDataFile(deep, L"nineteen_chars1.tdd", "Dutch", {"huis"});
  writeListFile(deep, L"x.tdl", "en.tdd", "de.tdd", 1);
  writeListFile(deep, L"a_long_list_file_name.tdl", "en.tdd", "de.tdd", 1);
  writeListFile(deep, L"y.tdl", "en.tdd", "nineteen_chars1.tdd", 1);
  open(deep);
  EXPECT_EQ(languages(IDC_TO_LANGUAGE), Words{L"German"});
  EXPECT_TRUE(translatesForward());
}

}  // namespace
