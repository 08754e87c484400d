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

#include "datafile/data_file_writer.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator/list_file_writer.h"
#include "translator_session.h"

namespace {

using lexcore_test::TranslatorSession;
using Strings = std::vector<std::string>;

constexpr char16_t kGuard = 0xBEEF;

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

  vocaro_test::TempFolder folder_;
  lexcore_test::SampleDictionary dictionary_;
};

TEST_F(Translator, OpenRefusesOtherFilesWithANullHandle) {
  const std::string valid = folder_.read("aa_bb.tdl");
  lexcore::ListFileLayout layout = dictionary_.listLayout();
  layout.headerSize = 129;
  folder_.write("short.tdl", valid.substr(0, 100));
  folder_.write("size129.tdl", lexcore::writeListFile(layout));
  folder_.write("magic.tdl", "x" + valid.substr(1));
  folder_.write("magic3.tdl", valid.substr(0, 3) + "x" + valid.substr(4));
  folder_.write("cut.tdl", valid.substr(0, valid.size() - 1));
  const std::pair<const char*, int32_t> cases[] = {
      {"missing.tdl", TD_ERR_READ}, {"short.tdl", TD_ERR_READ},  {"size129.tdl", TD_ERR_FILE},
      {"magic.tdl", TD_ERR_FILE},   {"magic3.tdl", TD_ERR_FILE}, {"cut.tdl", TD_ERR_FILE}};
  for (const auto& c : cases) {
    TD_HANDLE handle = reinterpret_cast<TD_HANDLE>(&layout);  // any non-null value
    EXPECT_EQ(c.second, TD_TransOpen(&handle, path(c.first).c_str(), 0)) << c.first;
    EXPECT_EQ(nullptr, handle) << c.first;
  }
  TD_HANDLE handle = nullptr;
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, nullptr, 0));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOpen(nullptr, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransClose(&handle));
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_OK, TD_TransClose(&handle));
  EXPECT_EQ(nullptr, handle);
}

TEST_F(Translator, NullHandleIsRefusedEverywhereAndTouchesNothing) {
  LANGSTRUCT language = {};
  for (int32_t result : {TD_TransOpenPrim(nullptr, path("aa.tdd").c_str()), TD_TransOpenSec(nullptr, path("aa.tdd").c_str()),
                         TD_TransOptions(nullptr, 15), TD_TransAddUdr(nullptr, "a", "b"),
                         TD_TransGetLanguage(nullptr, &language, 0)}) {
    EXPECT_EQ(TD_ERR_HANDLE, result);
  }
  char16_t name[20] = {kGuard};
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransGetFile(nullptr, name, 20, 0));
  EXPECT_EQ(kGuard, name[0]);
  EXPECT_EQ(0, TD_TransExtensionSupported(nullptr, TD_EXT_ENDINGS));
  char trans[16], suggest[16];
  TRANSLATE request = {"apple", 16, 16, 0, trans, suggest, 7, 7, 7, 7, 9};
  EXPECT_EQ(TD_ERR_HANDLE, TD_Translate(nullptr, &request));
  EXPECT_EQ(9, request.status);
  EXPECT_FALSE(folder_.exists("aa_bb.udr"));
}

// A translation needs both data files and leaves the counts alone when it
// cannot run.  A failed open empties its role even when a file was open
// there before; the other role and the user dictionary stay.  Languages
// and extensions come from the role asked for.
TEST_F(Translator, EachRoleNeedsItsOwnDataFile) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  char trans[16], suggest[16];
  TRANSLATE request = {"apple", 16, 16, 0, trans, suggest, 7, 7, 7, 7, 9};
  EXPECT_EQ(TD_ERR_NO_PRIMARY, TD_Translate(handle, &request));
  EXPECT_EQ(TD_FAILED, request.status);
  EXPECT_EQ(7, request.transCount);
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("aa.tdd").c_str()));
  EXPECT_EQ(TD_ERR_NO_SECONDARY, TD_Translate(handle, &request));
  TD_TransClose(&handle);

  TranslatorSession session(folder_);
  ASSERT_EQ(1, TD_TransAddUdr(session.handle(), "plum", "Pflaume"));
  folder_.write("bad.tdd", "TRD");
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenPrim(session.handle(), path("bad.tdd").c_str()));
  EXPECT_EQ(TD_ERR_NO_PRIMARY, session.translate("apple").result);
  EXPECT_EQ(0, TD_TransExtensionSupported(session.handle(), TD_EXT_ENDINGS));
  LANGSTRUCT language;
  EXPECT_EQ(TD_ERR_NO_PRIMARY, TD_TransGetLanguage(session.handle(), &language, 0));
  ASSERT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, -1));
  EXPECT_STREQ("Beeish", language.languageName);
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(session.handle(), path("aa.tdd").c_str()));
  ASSERT_EQ(TD_OK, TD_TransGetLanguage(session.handle(), &language, 0));
  EXPECT_EQ(1u, language.languageId);
  EXPECT_NE(0, TD_TransExtensionSupported(session.handle(), TD_EXT_ENDINGS));
  EXPECT_EQ(0, TD_TransExtensionSupported(session.handle(), TD_EXT_VARIANTS));
  EXPECT_EQ(Strings{"Pflaume"}, session.translate("plum", TD_OPT_USER_DICTIONARY).translations);
  EXPECT_EQ(TD_ERR_FILE, TD_TransOpenSec(session.handle(), path("aa_bb.tdl").c_str()));
  EXPECT_EQ(TD_ERR_NO_SECONDARY, session.translate("apple").result);
}

// Output buffers take the size argument as their capacity in characters,
// terminator included: names and language names are cut to it and
// terminated; no capacity leaves the buffer alone.  Language names widen
// from Windows-1252.
TEST_F(Translator, QueriesCutToTheCapacityAndTerminate) {
  lexcore::ListFileLayout list = dictionary_.listLayout();
  list.primaryFile = "abcdefghijklmno.tdd";  // 19 characters, the most a list file holds
  list.secondaryFile = "b.tdd";
  folder_.write("long.tdl", lexcore::writeListFile(list));
  lexcore::DataFileLayout data = dictionary_.primaryLayout();
  data.languageName = std::string(47, 'n') + "\x80\xE9";
  folder_.write("long.tdd", lexcore::writeDataFile(data));
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
  const std::u16string n47(47, u'n');
  const struct {
    std::function<void(char16_t*, int16_t)> query;
    int16_t size;
    std::u16string expected;
  } cases[] = {
      {getFile(0), 70, longName},   {getFile(0), 5, u"abcd"},        {getFile(0), 1, u""},
      {getFile(0), 0, u"<nothing>"}, {getFile(0), -4, u"<nothing>"}, {getFile(-9), 20, u"b.tdd"},
      {tddFiles, 20, longName},     {tddFiles, 10, u"abcdefghi"},    {tddFiles, 0, u"<nothing>"},
      {language, 70, n47 + u"\u20AC\u00E9"}, {language, 20, std::u16string(19, u'n')},
  };
  for (const auto& c : cases) {
    std::vector<char16_t> buffer(80, kGuard);
    c.query(buffer.data(), c.size);
    const size_t capacity = static_cast<size_t>(std::max<int16_t>(c.size, 0));
    EXPECT_TRUE(std::all_of(buffer.begin() + capacity, buffer.end(), [](char16_t ch) { return ch == kGuard; }));
    const auto end = std::find(buffer.begin(), buffer.begin() + capacity, u'\0');
    EXPECT_EQ(c.expected, capacity == 0 ? u"<nothing>" : std::u16string(buffer.begin(), end)) << c.size;
    EXPECT_TRUE(capacity == 0 || end != buffer.begin() + capacity) << "not terminated within " << c.size;
  }
  EXPECT_EQ(u"b.tdd", std::u16string(second.data()));
  EXPECT_EQ(TD_OK, TD_TransGetFile(handle, nullptr, 20, 0));
  TD_TransClose(&handle);
  char16_t unused[20];
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("missing.tdl").c_str(), unused, unused, 20));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("aa.tdd").c_str(), unused, unused, 20));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDLanguage(path("aa_bb.tdl").c_str(), unused, 20));
}

// No call keeps a file open when it returns, and every open is exclusive:
// a file another opener holds for longer than the short retry cannot be read.
TEST_F(Translator, FilesAreHeldOnlyDuringACall) {
  TD_HANDLE handle = nullptr;
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  ASSERT_EQ(TD_OK, TD_TransOpenPrim(handle, path("aa.tdd").c_str()));
  ASSERT_EQ(TD_OK, TD_TransOpenSec(handle, path("bb.tdd").c_str()));
  EXPECT_EQ(TD_SUGGESTED, lexcore_test::translate(handle, "apples", -1).status);
  EXPECT_EQ(1, TD_TransAddUdr(handle, "plum", "Pflaume"));
  char16_t name[20];
  EXPECT_EQ(TD_OK, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  EXPECT_EQ(TD_OK, TD_TransGetTDDLanguage(path("aa.tdd").c_str(), name, 20));
  for (const char* file : {"aa_bb.tdl", "aa.tdd", "bb.tdd", "aa_bb.udr"}) EXPECT_FALSE(isHeld(folder_.path(file))) << file;
  TD_TransClose(&handle);

  const int fd = open(folder_.path("aa_bb.tdl").c_str(), O_RDONLY);
  ASSERT_EQ(0, flock(fd, LOCK_EX | LOCK_NB));
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  close(fd);
  EXPECT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  TD_TransClose(&handle);
}

}  // namespace
