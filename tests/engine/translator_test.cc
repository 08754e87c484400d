// The exported interface on translator handles and file paths: opening,
// closing, the data file roles, the queries and their output buffers.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator_session.h"
#include "datafile/data_file_writer.h"
#include "translator/list_file_writer.h"

namespace {

using lexcore_test::SampleDictionary;
using vocaro_test::TempFolder;
using lexcore_test::TranslatorSession;

constexpr char16_t kGuard = 0xBEEF;
const std::string kLongName = "abcdefghijklmno.tdd";  // 19 characters, the most a list file holds

// True when another opener holds the file exclusively right now.
bool isHeld(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
  close(fd);
  return held;
}

class Translator : public ::testing::Test {
 protected:
  void SetUp() override {
    dictionary_.add("apple", {"Apfel"}).add("pear", {"Birne"});
    dictionary_.setEndings({{"", "s"}});
    dictionary_.write(folder_);
  }

  vocaro_test::WidePath path(const std::string& name) const { return folder_.widePath(name); }

  TempFolder folder_;
  SampleDictionary dictionary_;
};

TEST_F(Translator, OpenGivesAHandleForAValidListFile) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_NE(nullptr, handle);
  EXPECT_EQ(TD_OK, TD_TransClose(&handle));
  EXPECT_EQ(nullptr, handle);
}

TEST_F(Translator, OpenRefusesOtherFilesWithANullHandle) {
  const std::string valid = folder_.read("aa_bb.tdl");
  lexcore::ListFileLayout layout = dictionary_.listLayout();
  layout.headerSize = 129;
  folder_.write("short.tdl", valid.substr(0, 100));
  folder_.write("size129.tdl", lexcore::writeListFile(layout));
  for (char at : {'0', '1', '2', '3'}) {  // each byte of the magic
    std::string badMagic = valid;
    badMagic[at - '0'] = 'x';
    folder_.write(std::string("magic") + at + ".tdl", badMagic);
  }
  // Cut short: no count table at all, or the last translation index cut.
  folder_.write("header.tdl", valid.substr(0, 128));
  folder_.write("cut.tdl", valid.substr(0, valid.size() - 1));
  const struct {
    const char* name;
    int32_t result;
  } cases[] = {{"missing.tdl", TD_ERR_READ}, {"short.tdl", TD_ERR_READ}, {"size129.tdl", TD_ERR_FILE},
               {"magic0.tdl", TD_ERR_FILE}, {"magic1.tdl", TD_ERR_FILE}, {"magic2.tdl", TD_ERR_FILE},
               {"magic3.tdl", TD_ERR_FILE},   {"header.tdl", TD_ERR_FILE}, {"cut.tdl", TD_ERR_FILE}};
  for (const auto& c : cases) {
    TD_HANDLE handle = reinterpret_cast<TD_HANDLE>(&layout);  // any non-null value
    EXPECT_EQ(c.result, TD_TransOpen(&handle, path(c.name).c_str(), 0)) << c.name;
    EXPECT_EQ(nullptr, handle) << c.name;
  }
  TD_HANDLE handle = nullptr;
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, nullptr, 0));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOpen(nullptr, path("aa_bb.tdl").c_str(), 0));
}

TEST_F(Translator, CloseTwiceReportsANullHandle) {
  TD_HANDLE handle = nullptr;
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransClose(&handle));
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_OK, TD_TransClose(&handle));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransClose(&handle));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransClose(nullptr));
}

TEST_F(Translator, NullHandleIsRefusedEverywhereAndTouchesNothing) {
  const std::u16string data = path("aa.tdd");
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOpenPrim(nullptr, data.c_str()));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOpenSec(nullptr, data.c_str()));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOptions(nullptr, 15));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransAddUdr(nullptr, "a", "b"));
  LANGSTRUCT language = {};
  language.languageId = 99;
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransGetLanguage(nullptr, &language, 0));
  EXPECT_EQ(99u, language.languageId);
  char16_t name[20] = {kGuard};
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransGetFile(nullptr, name, 20, 0));
  EXPECT_EQ(kGuard, name[0]);
  EXPECT_EQ(0, TD_TransExtensionSupported(nullptr, TD_EXT_ENDINGS));

  char trans[16], suggest[16];
  TRANSLATE request = {"apple", 16, 16, 0, trans, suggest, 7, 7, 7, 7, 9};
  EXPECT_EQ(TD_ERR_HANDLE, TD_Translate(nullptr, &request));
  EXPECT_EQ(9, request.status);
  EXPECT_EQ(7, request.transCount);
  EXPECT_FALSE(folder_.exists("aa_bb.udr"));
}

TEST_F(Translator, TranslateNeedsBothDataFilesAndLeavesTheListsAlone) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  char trans[16], suggest[16];
  TRANSLATE request = {"apple", 16, 16, 0, trans, suggest, 7, 7, 7, 7, 9};
  EXPECT_EQ(TD_ERR_NO_PRIMARY, TD_Translate(handle, &request));
  EXPECT_EQ(TD_FAILED, request.status);
  EXPECT_EQ(7, request.transCount);
  EXPECT_EQ(7, request.suggestUsed);

  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("aa.tdd").c_str()));
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenSec(handle, path("missing.tdd").c_str()));
  request.status = 9;
  EXPECT_EQ(TD_ERR_NO_SECONDARY, TD_Translate(handle, &request));
  EXPECT_EQ(TD_FAILED, request.status);
  EXPECT_EQ(7, request.transCount);

  ASSERT_EQ(TD_OK, TD_TransOpenSec(handle, path("bb.tdd").c_str()));
  EXPECT_EQ(TD_OK, lexcore_test::translate(handle, "apple", 0).result);
  TD_TransClose(&handle);
}

// A failed open empties its role even when a file was open there before;
// the other role stays.
TEST_F(Translator, FailedOpenEmptiesOnlyItsRole) {
  TranslatorSession session(folder_);
  ASSERT_EQ(std::vector<std::string>{"Apfel"}, session.translate("apple").translations);
  folder_.write("bad.tdd", "TRD");
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenPrim(session.handle(), path("bad.tdd").c_str()));
  EXPECT_EQ(TD_ERR_NO_PRIMARY, session.translate("apple").result);
  EXPECT_EQ(0, TD_TransExtensionSupported(session.handle(), TD_EXT_ENDINGS));
  LANGSTRUCT language;
  EXPECT_EQ(TD_ERR_NO_PRIMARY, TD_TransGetLanguage(session.handle(), &language, 0));
  EXPECT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, 1));
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenPrim(session.handle(), nullptr));

  ASSERT_EQ(TD_OK, TD_TransOpenPrim(session.handle(), path("aa.tdd").c_str()));
  EXPECT_EQ(std::vector<std::string>{"Apfel"}, session.translate("apple").translations);
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenSec(session.handle(), path("aa_bb.tdl").c_str()));
  EXPECT_EQ(TD_ERR_NO_SECONDARY, session.translate("apple").result);
}

TEST_F(Translator, ReplacingADataFileKeepsTheOtherFileAndTheUserDictionary) {
  TranslatorSession session(folder_);
  ASSERT_EQ(1, TD_TransAddUdr(session.handle(), "plum", "Pflaume"));
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(session.handle(), path("aa.tdd").c_str()));
  EXPECT_EQ(std::vector<std::string>{"Pflaume"}, session.translate("plum", TD_OPT_USER_DICTIONARY).translations);
  EXPECT_EQ(std::vector<std::string>{"Birne"}, session.translate("pear").translations);
}

// The reserved areas of both headers are not read.
TEST_F(Translator, ReservedHeaderBytesAreIgnored) {
  std::string list = folder_.read("aa_bb.tdl");
  for (size_t i : {4, 5, 6, 7}) list[i] = '\xEE';
  for (size_t i = 12; i < 76; ++i) list[i] = '\xEE';
  for (size_t i = 80; i < 88; ++i) list[i] = '\xEE';
  folder_.write("aa_bb.tdl", list);
  std::string data = folder_.read("aa.tdd");
  for (size_t i : {4, 5, 6, 7, 12, 13, 14, 15}) data[i] = '\xEE';
  folder_.write("aa.tdd", data);
  TranslatorSession session(folder_);
  EXPECT_EQ(std::vector<std::string>{"Apfel"}, session.translate("apple").translations);
  char16_t name[20];
  ASSERT_EQ(TD_OK, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  EXPECT_EQ(u"bb.tdd", std::u16string(name));
  ASSERT_EQ(TD_OK, TD_TransGetTDDLanguage(path("aa.tdd").c_str(), name, 20));
  EXPECT_EQ(u"Aish", std::u16string(name));
}

TEST_F(Translator, GetLanguageAsksPrimaryForZeroAndSecondaryOtherwise) {
  TranslatorSession session(folder_);
  LANGSTRUCT language = {};
  ASSERT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, 0));
  EXPECT_EQ(1u, language.languageId);
  EXPECT_STREQ("Aish", language.languageName);
  for (int16_t which : {1, 3, -1}) {
    ASSERT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, which));
    EXPECT_EQ(2u, language.languageId);
    EXPECT_STREQ("Beeish", language.languageName);
  }

  lexcore::DataFileLayout layout = dictionary_.primaryLayout();
  layout.languageName = std::string(49, 'L');
  folder_.write("long.tdd", lexcore::writeDataFile(layout));
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(session.handle(), path("long.tdd").c_str()));
  ASSERT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, 0));
  EXPECT_EQ(std::string(49, 'L'), language.languageName);
}

TEST_F(Translator, ExtensionSupportAsksOnlyThePrimaryFile) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(0, TD_TransExtensionSupported(handle, TD_EXT_ENDINGS)) << "before a primary file";
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("aa.tdd").c_str()));
  EXPECT_NE(0, TD_TransExtensionSupported(handle, TD_EXT_ENDINGS));
  EXPECT_EQ(0, TD_TransExtensionSupported(handle, TD_EXT_VARIANTS));
  EXPECT_EQ(0, TD_TransExtensionSupported(handle, 202));
  EXPECT_EQ(0, TD_TransExtensionSupported(handle, 0));

  // Tables in the secondary file do not count.
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("bb.tdd").c_str()));
  ASSERT_EQ(TD_OK, TD_TransOpenSec(handle, path("aa.tdd").c_str()));
  EXPECT_EQ(0, TD_TransExtensionSupported(handle, TD_EXT_ENDINGS));
  TD_TransClose(&handle);
}

// Option bits other than the four flags are stored and have no effect.
TEST_F(Translator, OnlyTheFourOptionFlagsHaveAnEffect) {
  TranslatorSession session(folder_);
  const int32_t noFlags = static_cast<int32_t>(0xFFFFFFF0u);
  EXPECT_EQ(TD_NOT_FOUND, session.translate("APPLE", noFlags).status);
  EXPECT_EQ(TD_NOT_FOUND, session.translate("apples", noFlags).status);
  EXPECT_FALSE(folder_.exists("aa_bb.udr")) << "the user dictionary was used";

  EXPECT_EQ(TD_FOUND, session.translate("APPLE", -1).status);
  EXPECT_EQ(TD_SUGGESTED, session.translate("apples", -1).status);
  EXPECT_TRUE(folder_.exists("aa_bb.udr"));
}

// Output buffers take the size argument as their capacity in characters,
// terminator included.
class OutputBuffers : public Translator {
 protected:
  void SetUp() override {
    Translator::SetUp();
    lexcore::ListFileLayout list = dictionary_.listLayout();
    list.primaryFile = kLongName;
    list.secondaryFile = "b.tdd";
    folder_.write("long.tdl", lexcore::writeListFile(list));
    lexcore::DataFileLayout data = dictionary_.primaryLayout();
    data.languageName = std::string(49, 'n');
    folder_.write("long.tdd", lexcore::writeDataFile(data));
  }

  // Calls `fill` with a guarded buffer and returns the text written, or
  // "<nothing>" when the buffer was left alone.
  template <typename Fill>
  std::u16string written(int16_t size, Fill fill) {
    std::vector<char16_t> buffer(80, kGuard);
    fill(buffer.data(), size);
    const size_t capacity = static_cast<size_t>(std::max<int16_t>(size, 0));
    for (size_t i = capacity; i < buffer.size(); ++i) EXPECT_EQ(kGuard, buffer[i]) << "written past " << size;
    if (capacity == 0) return u"<nothing>";
    const auto end = std::find(buffer.begin(), buffer.begin() + capacity, u'\0');
    EXPECT_NE(buffer.begin() + capacity, end) << "not terminated within " << size;
    return std::u16string(buffer.begin(), end);
  }
};

// The names and the language name cut to the capacity and terminated; no
// capacity leaves the buffer alone.
TEST_F(OutputBuffers, QueriesCutToTheCapacityAndTerminate) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("long.tdl").c_str(), 0));
  std::vector<char16_t> second(80, kGuard);
  const auto getFile = [&](int16_t which) {
    return [=](char16_t* out, int16_t size) { EXPECT_EQ(TD_OK, TD_TransGetFile(handle, out, size, which)); };
  };
  const auto tddFiles = [&](char16_t* out, int16_t size) {
    EXPECT_EQ(TD_OK, TD_TransGetTDDFiles(path("long.tdl").c_str(), out, second.data(), size));
  };
  const auto language = [&](char16_t* out, int16_t size) {
    EXPECT_EQ(TD_OK, TD_TransGetTDDLanguage(path("long.tdd").c_str(), out, size));
  };
  const std::u16string longName = u"abcdefghijklmno.tdd";
  const struct {
    std::function<void(char16_t*, int16_t)> query;
    int16_t size;
    std::u16string expected;
  } cases[] = {
      {getFile(0), 20, longName},     {getFile(0), 70, longName},      {getFile(0), 5, u"abcd"},
      {getFile(0), 1, u""},           {getFile(0), 0, u"<nothing>"},   {getFile(0), -4, u"<nothing>"},
      {getFile(1), 20, u"b.tdd"},     {getFile(-9), 20, u"b.tdd"},
      {tddFiles, 10, u"abcdefghi"},   {tddFiles, 1, u""},              {tddFiles, 0, u"<nothing>"},
      {language, 50, std::u16string(49, u'n')}, {language, 70, std::u16string(49, u'n')},
      {language, 20, std::u16string(19, u'n')}, {language, 0, u"<nothing>"},
  };
  EXPECT_EQ(longName, written(20, tddFiles));
  EXPECT_EQ(u"b.tdd", std::u16string(second.data()));
  for (const auto& c : cases) EXPECT_EQ(c.expected, written(c.size, c.query)) << c.size;
  EXPECT_EQ(TD_OK, TD_TransGetFile(handle, nullptr, 20, 0));
  EXPECT_EQ(TD_OK, TD_TransGetTDDFiles(path("long.tdl").c_str(), nullptr, nullptr, 20));
  TD_TransClose(&handle);

  char16_t unused[20];
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("missing.tdl").c_str(), unused, unused, 20));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("aa.tdd").c_str(), unused, unused, 20));
  folder_.write("short.tdl", folder_.read("long.tdl").substr(0, 127));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("short.tdl").c_str(), unused, unused, 20));
}

TEST_F(OutputBuffers, LanguageNamesWidenFromWindows1252) {
  lexcore::DataFileLayout data = dictionary_.primaryLayout();
  data.languageName = "\x80\x81\xE9\x9Fz";
  folder_.write("w.tdd", lexcore::writeDataFile(data));
  char16_t name[20];
  ASSERT_EQ(TD_OK, TD_TransGetTDDLanguage(path("w.tdd").c_str(), name, 20));
  EXPECT_EQ(u"\u20AC\u0081\u00E9\u0178z", std::u16string(name));
}

// The language query reads only the header: it wants a header size of
// exactly 76 and compares three bytes of the magic, where loading takes any
// header size from 76 and all four bytes.
TEST_F(OutputBuffers, GetTDDLanguageChecksOnlyTheHeader) {
  char16_t name[20];
  lexcore::DataFileLayout data = dictionary_.primaryLayout();
  data.headerSize = 80;
  folder_.write("h80.tdd", lexcore::writeDataFile(data));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDLanguage(path("h80.tdd").c_str(), name, 20));
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_OK, TD_TransOpenPrim(handle, path("h80.tdd").c_str()));

  std::string bytes = folder_.read("aa.tdd");
  bytes[3] = 'x';
  folder_.write("magic.tdd", bytes);
  EXPECT_EQ(TD_OK, TD_TransGetTDDLanguage(path("magic.tdd").c_str(), name, 20));
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenPrim(handle, path("magic.tdd").c_str()));
  TD_TransClose(&handle);

  folder_.write("short.tdd", bytes.substr(0, 75));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDLanguage(path("short.tdd").c_str(), name, 20));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDLanguage(path("missing.tdd").c_str(), name, 20));
  bytes[2] = 'x';
  folder_.write("magic3.tdd", bytes);
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDLanguage(path("magic3.tdd").c_str(), name, 20));
}

// No call keeps a file open when it returns.
TEST_F(Translator, NoFileIsHeldBetweenCalls) {
  const std::vector<std::string> files = {"aa_bb.tdl", "aa.tdd", "bb.tdd", "aa_bb.udr"};
  const auto expectNoneHeld = [&](const char* after) {
    for (const std::string& name : files) EXPECT_FALSE(isHeld(folder_.path(name))) << name << " after " << after;
  };
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  expectNoneHeld("TD_TransOpen");
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("aa.tdd").c_str()));
  ASSERT_EQ(TD_OK, TD_TransOpenSec(handle, path("bb.tdd").c_str()));
  expectNoneHeld("opening the data files");
  EXPECT_EQ(TD_SUGGESTED, lexcore_test::translate(handle, "apples", -1).status);
  expectNoneHeld("TD_Translate");
  EXPECT_EQ(1, TD_TransAddUdr(handle, "plum", "Pflaume"));
  expectNoneHeld("TD_TransAddUdr");
  LANGSTRUCT language;
  EXPECT_EQ(TD_OK, TD_TransGetLanguage(handle, &language, 0));
  char16_t name[20];
  EXPECT_EQ(TD_OK, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  EXPECT_EQ(TD_OK, TD_TransGetTDDLanguage(path("aa.tdd").c_str(), name, 20));
  expectNoneHeld("the queries");
  TD_TransClose(&handle);
}

// Every open is exclusive: a file that another opener holds for longer than
// the engine's short retry cannot be read.
TEST_F(Translator, FileHeldByAnotherOpenerCannotBeRead) {
  const int fd = open(folder_.path("aa_bb.tdl").c_str(), O_RDONLY);
  ASSERT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
  TD_HANDLE handle = nullptr;
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  char16_t name[20];
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  close(fd);
  EXPECT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  TD_TransClose(&handle);
}

}  // namespace
