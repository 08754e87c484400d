// The user dictionary: choice of its file, reading, search, and adding
// pairs so that the file never loses one.
#include "translator/user_dictionary.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator_session.h"
#include "translator/list_file_writer.h"

namespace lexcore {
namespace {

using lexcore_test::SampleDictionary;
using vocaro_test::TempFolder;
using lexcore_test::TranslatorSession;
using Strings = std::vector<std::string>;

// The translations `search` appends for `word`, sorted; `result` gets its
// result code.
Strings lookUp(const UserDictionary& dictionary, const std::string& word, int* result = nullptr,
               int16_t size = 256) {
  std::vector<char> area(static_cast<size_t>(size) + 1, 0);
  TRANSLATE request = {};
  request.word = word.c_str();
  request.transSize = size;
  request.transList = area.data();
  const int r = dictionary.search(word.c_str(), request);
  if (result != nullptr) *result = r;
  Strings out;
  const char* p = area.data();
  for (int i = 0; i < request.transCount; ++i, p += std::strlen(p) + 1) out.push_back(p);
  std::sort(out.begin(), out.end());
  return out;
}

ino_t inodeOf(const std::string& path) {
  struct stat st = {};
  EXPECT_EQ(0, stat(path.c_str(), &st)) << path;
  return st.st_ino;
}

// Holds a file exclusively, as another process using it would.
class HeldFile {
 public:
  explicit HeldFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY)) {
    EXPECT_EQ(0, flock(fd_, LOCK_EX | LOCK_NB)) << path;
  }
  ~HeldFile() { close(fd_); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  int fd_;
};

class UserDictionaryTest : public ::testing::Test {
 protected:
  // A dictionary for the list file `listName` of the folder.
  UserDictionary open(const std::string& listName = "aa_bb.tdl") const {
    return UserDictionary(folder_.widePath(listName));
  }
  UserDictionary withFile(const std::string& text) const {
    folder_.write("aa_bb.udr", text);
    return open();
  }

  TempFolder folder_;
};

// The file is the list file's name with ".udr"; without it, the opposite
// direction's file (the parts before and after the first "_" swapped),
// read reversed; without either, the same direction's file is created empty.
// Only the list file's own name is split at "_" and "."; folders with those
// characters play no part, and a name without "_" has no opposite.
TEST_F(UserDictionaryTest, ChoosesItsFileByTheListFileName) {
  std::filesystem::create_directory(folder_.path("my_dicts.v2"));
  const struct {
    std::vector<std::pair<std::string, std::string>> files;
    std::string list;
    std::string file;
    bool reversed;
    std::string lookUp;
    Strings expected;
  } cases[] = {
      {{}, "aa_bb.tdl", "aa_bb.udr", false, "x", {}},
      {{{"bb_aa.udr", "x:y\r\n"}}, "aa_bb.tdl", "bb_aa.udr", true, "y", {"x"}},
      {{{"bb_aa.udr", "x:y\r\n"}, {"aa_bb.udr", "y:z\r\n"}}, "aa_bb.tdl", "aa_bb.udr", false, "y", {"z"}},
      {{{"my_dicts.v2/de_en.udr", "Haus:house\r\n"}}, "my_dicts.v2/en_de.tdl", "my_dicts.v2/de_en.udr", true, "house",
       {"Haus"}},
      {{}, "my_dicts.v2/plain", "my_dicts.v2/plain.udr", false, "x", {}},
      {{{"_plain.udr", "word:decoy\r\n"}, {"plain_.udr", "word:decoy\r\n"}, {"tdl_plain.udr", "word:decoy\r\n"},
        {".udr", "word:decoy\r\n"}, {"_.udr", "word:decoy\r\n"}, {"plain.tdl_plain.udr", "word:decoy\r\n"}},
       "plain.tdl", "plain.udr", false, "word", {}},
      {{{"bb_cc_aa.udr", "x:y\r\n"}}, "aa_bb_cc.tdl", "bb_cc_aa.udr", true, "y", {"x"}},
  };
  for (const auto& c : cases) {
    for (const auto& file : c.files) folder_.write(file.first, file.second);
    const UserDictionary dictionary = open(c.list);
    EXPECT_EQ(folder_.widePath(c.file), dictionary.filePath()) << c.list;
    EXPECT_EQ(c.reversed, dictionary.reversed()) << c.list;
    EXPECT_EQ(c.expected, lookUp(dictionary, c.lookUp)) << c.list;
    EXPECT_TRUE(folder_.exists(c.file)) << c.list;
    if (c.files.empty()) {
      EXPECT_EQ("", folder_.read(c.file)) << c.list;
    }
    for (const auto& file : c.files) std::filesystem::remove(folder_.path(file.first));
    std::filesystem::remove(folder_.path(c.file));
  }
  // An add to an opposite-direction file writes it reversed.
  folder_.write("bb_aa.udr", "x:y\r\n");
  UserDictionary dictionary = open();
  ASSERT_EQ(1, dictionary.add("house", "Haus"));
  EXPECT_EQ("Haus:house\r\nx:y\r\n", folder_.read("bb_aa.udr"));
  EXPECT_FALSE(folder_.exists("aa_bb.udr"));
}

// Reading: blanks around a word and a translation go, every line end
// counts (the last line may have none), lines without a word, a colon or a
// translation are skipped, the word ends at the first colon, a pair is read
// once whatever its case, and the search folds case.
TEST_F(UserDictionaryTest, ReadsOnePairALineAndSearchesIgnoringCase) {
  const struct {
    std::string file;
    int pairs;
    std::vector<std::pair<std::string, Strings>> lookups;
  } cases[] = {
      {"\r\n\n  one : eins \r\n\ttwo\t:\tzwei\t\nthree:drei\rfour:vier\x01\r\n  \x1F five:f\xFCnf", 5,
       {{"one", {"eins"}}, {"two", {"zwei"}}, {"three", {"drei"}}, {"four", {"vier"}}, {"five", {"f\xFCnf"}}}},
      {"no colon here\r\nempty:\r\n:no word\r\n  :  \r\nkept:yes\r\nlast line without colon", 1,
       {{"kept", {"yes"}}, {"empty", {}}, {"no colon here", {}}}},
      {"a:b:c\r\nratio: 1:2\r\n", 2, {{"a", {"b:c"}}, {"ratio", {"1:2"}}}},
      {"a:b\r\nA:B\r\na:c\r\n", 2, {{"a", {"b", "c"}}}},
      {"apple:Apfel\r\nApple:Computer\r\npear:Birne\r\n\xC9t\xE9:summer\r\n", 4,
       {{"APPLE", {"Apfel", "Computer"}}, {"\xE9T\xC9", {"summer"}}, {"apples", {}}}},
  };
  for (const auto& c : cases) {
    const UserDictionary dictionary = withFile(c.file);
    EXPECT_EQ(c.pairs, dictionary.pairCount()) << c.file;
    for (const auto& lookup : c.lookups) {
      int result = -1;
      EXPECT_EQ(lookup.second, lookUp(dictionary, lookup.first, &result)) << lookup.first;
      EXPECT_EQ(lookup.second.empty() ? 1 : 0, result) << lookup.first;
    }
  }
}

TEST_F(UserDictionaryTest, FullTranslationListEndsTheSearchKeepingWhatFitted) {
  const UserDictionary dictionary = withFile("a:one\r\na:two\r\na:six\r\n");
  int result = -1;
  const Strings fitted = lookUp(dictionary, "a", &result, 9);
  EXPECT_EQ(2, result);
  EXPECT_EQ(2u, fitted.size());
  EXPECT_EQ(3u, lookUp(dictionary, "a", &result, 12).size());
  EXPECT_EQ(0, result);
}

// Many pairs, loaded in an order unlike their sorted one: every word is
// found with all of its translations.
TEST_F(UserDictionaryTest, ManyPairsAreAllFound) {
  std::string text;
  for (int i = 199; i >= 0; --i) {
    text += "w" + std::to_string(i * 7919 % 200) + ":t" + std::to_string(i) + "\r\n";
    if (i % 3 == 0) text += "W" + std::to_string(i * 7919 % 200) + ":u" + std::to_string(i) + "\r\n";
  }
  const UserDictionary dictionary = withFile(text);
  for (int i = 0; i < 200; ++i) {
    Strings expected = {"t" + std::to_string(i)};
    if (i % 3 == 0) expected.push_back("u" + std::to_string(i));
    EXPECT_EQ(expected, lookUp(dictionary, "w" + std::to_string(i * 7919 % 200))) << i;
  }
}

TEST_F(UserDictionaryTest, AddWritesEveryPairAsOneLineInSortedOrder) {
  UserDictionary dictionary = open();
  EXPECT_EQ(1, dictionary.add("pear", "Birne"));
  EXPECT_EQ(1, dictionary.add("Apple", "Apfel"));
  EXPECT_EQ(1, dictionary.add("x", "y"));
  EXPECT_EQ("Apple:Apfel\r\npear:Birne\r\nx:y\r\n", folder_.read("aa_bb.udr"));
  const UserDictionary reread = open();
  EXPECT_EQ(Strings{"y"}, lookUp(reread, "x")) << "one-character pairs survive";
  EXPECT_EQ(Strings{"Apfel"}, lookUp(reread, "apple"));
}

TEST_F(UserDictionaryTest, SecondTranslationOfAWordAddsASecondLine) {
  UserDictionary dictionary = open();
  ASSERT_EQ(1, dictionary.add("bank", "Bank"));
  ASSERT_EQ(1, dictionary.add("bank", "Ufer"));
  EXPECT_EQ((Strings{"Bank", "Ufer"}), lookUp(dictionary, "bank"));
  EXPECT_EQ((Strings{"Bank", "Ufer"}), lookUp(open(), "bank"));
  const std::string file = folder_.read("aa_bb.udr");
  EXPECT_EQ(2, std::count(file.begin(), file.end(), '\n'));
}

// A pair already present, also one that differs only in letter case, is
// not added again and the file is not rewritten.
TEST_F(UserDictionaryTest, AddingAPairThatIsThereReturns1WithoutRewriting) {
  UserDictionary dictionary = open();
  ASSERT_EQ(1, dictionary.add("apple", "Apfel"));
  const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
  EXPECT_EQ(1, dictionary.add("apple", "Apfel"));
  EXPECT_EQ(1, dictionary.add("APPLE", "aPFEL"));
  EXPECT_EQ(before, inodeOf(folder_.path("aa_bb.udr")));
  EXPECT_EQ("apple:Apfel\r\n", folder_.read("aa_bb.udr"));
}

TEST_F(UserDictionaryTest, BlanksAroundAnAddedPairDoNotSurviveAReload) {
  UserDictionary dictionary = open();
  ASSERT_EQ(1, dictionary.add("  sun ", "\tSonne  "));
  EXPECT_EQ(Strings{"Sonne"}, lookUp(open(), "sun"));
}

// A pair that could not be read back as given is refused: an empty or blank
// word or translation, or one holding a line end.
TEST_F(UserDictionaryTest, AddRefusesPairsThatCannotBeOneLine) {
  UserDictionary dictionary = withFile("keep:me\r\n");
  const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
  const char* const refused[][2] = {{"", "x"}, {"x", ""}, {"a\r\nb", "x"}, {"x", "y\n"}, {"x", "\ry"},
                                    {" ", "x"}, {"x", " \t "}};
  for (const auto& pair : refused) {
    EXPECT_EQ(0, dictionary.add(pair[0], pair[1])) << '"' << pair[0] << "\" \"" << pair[1] << '"';
  }
  EXPECT_EQ(0, dictionary.add(nullptr, "x"));
  EXPECT_EQ(0, dictionary.add("x", nullptr));
  EXPECT_EQ("keep:me\r\n", folder_.read("aa_bb.udr"));
  EXPECT_EQ(before, inodeOf(folder_.path("aa_bb.udr")));
}

// The word ends at the first colon of a line, so a file line whose word
// held a colon reads back split; an add therefore refuses a colon in the text
// that comes first on the line (the translation, in a reversed file).
TEST_F(UserDictionaryTest, ColonInTheFirstTextOfALine) {
  folder_.write("aa_bb.udr", "a:b:c\r\n");
  UserDictionary dictionary = open();
  EXPECT_EQ(Strings{"b:c"}, lookUp(dictionary, "a"));
  EXPECT_EQ(0, dictionary.add("x:y", "z"));
  EXPECT_EQ(1, dictionary.add("z", "x:y"));
  EXPECT_EQ("a:b:c\r\nz:x:y\r\n", folder_.read("aa_bb.udr"));

  std::remove(folder_.path("aa_bb.udr").c_str());
  folder_.write("bb_aa.udr", "");
  UserDictionary reversed = open();
  ASSERT_TRUE(reversed.reversed());
  EXPECT_EQ(0, reversed.add("z", "x:y"));
  EXPECT_EQ(1, reversed.add("x:y", "z"));
  EXPECT_EQ("z:x:y\r\n", folder_.read("bb_aa.udr"));
}

// Every add reloads the file first, so pairs that another writer saved in
// the meantime are kept, and a pair it saved is not written twice.
TEST_F(UserDictionaryTest, AddKeepsPairsOtherWritersSaved) {
  UserDictionary first = open();
  UserDictionary second = open();
  ASSERT_EQ(1, first.add("one", "eins"));
  ASSERT_EQ(1, second.add("two", "zwei"));
  EXPECT_EQ("one:eins\r\ntwo:zwei\r\n", folder_.read("aa_bb.udr"));
  EXPECT_EQ(Strings{"eins"}, lookUp(second, "one"));
  const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
  EXPECT_EQ(1, first.add("two", "zwei"));
  EXPECT_EQ(before, inodeOf(folder_.path("aa_bb.udr")));
  EXPECT_EQ("one:eins\r\ntwo:zwei\r\n", folder_.read("aa_bb.udr"));
}

// An add returns 1 only when the pair is in the file: a pair this
// dictionary added before but that is no longer in the file is written
// again.
TEST_F(UserDictionaryTest, AddOfAPairMissingFromTheFileWritesIt) {
  UserDictionary dictionary = open();
  ASSERT_EQ(1, dictionary.add("one", "eins"));
  folder_.write("aa_bb.udr", "two:zwei\r\n");
  EXPECT_EQ(1, dictionary.add("one", "eins"));
  EXPECT_EQ("one:eins\r\ntwo:zwei\r\n", folder_.read("aa_bb.udr"));
}

// A save writes a new file beside the old one and renames it over it: the
// old file's contents are never changed in place, and nothing is left
// beside the dictionary.
TEST_F(UserDictionaryTest, SaveReplacesTheFileAtomically) {
  UserDictionary dictionary = withFile("old:alt\r\n");
  ASSERT_EQ(0, link(folder_.path("aa_bb.udr").c_str(), folder_.path("old-link").c_str()));
  const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
  ASSERT_EQ(1, dictionary.add("new", "neu"));
  EXPECT_NE(before, inodeOf(folder_.path("aa_bb.udr")));
  EXPECT_EQ("old:alt\r\n", folder_.read("old-link"));
  EXPECT_EQ("new:neu\r\nold:alt\r\n", folder_.read("aa_bb.udr"));
  EXPECT_EQ((Strings{"aa_bb.udr", "old-link"}), folder_.names());
}

TEST_F(UserDictionaryTest, AddFailsLeavingTheFileAloneWhileAnotherOpenerHoldsIt) {
  UserDictionary dictionary = withFile("keep:me\r\n");
  {
    HeldFile held(folder_.path("aa_bb.udr"));
    EXPECT_EQ(0, dictionary.add("new", "neu"));
  }
  EXPECT_EQ("keep:me\r\n", folder_.read("aa_bb.udr"));
  EXPECT_TRUE(lookUp(dictionary, "new").empty());
  EXPECT_EQ(1, dictionary.add("new", "neu"));
  EXPECT_EQ("keep:me\r\nnew:neu\r\n", folder_.read("aa_bb.udr"));
}

// A file the engine cannot read whole (here one of 2 GiB, held sparse) is
// never replaced by the pairs in memory.
TEST_F(UserDictionaryTest, AddFailsLeavingTheFileAloneWhenItCannotBeRead) {
  folder_.write("aa_bb.udr", "");
  ASSERT_EQ(0, truncate(folder_.path("aa_bb.udr").c_str(), 0x80000000LL));
  UserDictionary dictionary = open();
  const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
  EXPECT_EQ(0, dictionary.add("new", "neu"));
  EXPECT_EQ(before, inodeOf(folder_.path("aa_bb.udr")));
  EXPECT_EQ(0x80000000LL, static_cast<long long>(std::filesystem::file_size(folder_.path("aa_bb.udr"))));
}

TEST_F(UserDictionaryTest, AddFailsLeavingTheFileAloneWhenItCannotBeWritten) {
  UserDictionary dictionary = withFile("keep:me\r\n");
  const std::string obstacle = folder_.path("aa_bb.udr.new");
  ASSERT_TRUE(std::filesystem::create_directory(obstacle));
  EXPECT_EQ(0, dictionary.add("new", "neu"));
  EXPECT_EQ("keep:me\r\n", folder_.read("aa_bb.udr"));
  EXPECT_TRUE(lookUp(dictionary, "new").empty()) << "the pair stays out of memory too";
  std::filesystem::remove(obstacle);
  EXPECT_EQ(1, dictionary.add("new", "neu"));
  EXPECT_EQ("keep:me\r\nnew:neu\r\n", folder_.read("aa_bb.udr"));
}

TEST_F(UserDictionaryTest, AddFailsWhenTheFileCannotBeOpened) {
  ASSERT_TRUE(std::filesystem::create_directory(folder_.path("aa_bb.udr")));
  UserDictionary dictionary = open();
  EXPECT_EQ(0, dictionary.pairCount());
  EXPECT_EQ(0, dictionary.add("new", "neu"));
  EXPECT_TRUE(std::filesystem::is_directory(folder_.path("aa_bb.udr")));
}

// Through the exported interface: both directions of a language pair share
// one file, the reverse one reading it swapped.
class UserDictionaryThroughTranslators : public ::testing::Test {
 protected:
  void SetUp() override {
    SampleDictionary forward;
    forward.add("house", {"Haus"});
    forward.write(folder_);
    lexcore::ListFileLayout reverse;
    reverse.primaryFile = SampleDictionary::kSecondaryName;
    reverse.secondaryFile = SampleDictionary::kPrimaryName;
    reverse.translations = {{0}};
    folder_.write("bb_aa.tdl", lexcore::writeListFile(reverse));
  }

  TempFolder folder_;
};

TEST_F(UserDictionaryThroughTranslators, FirstUseCreatesAnEmptyFile) {
  TranslatorSession session(folder_);
  EXPECT_FALSE(folder_.exists("aa_bb.udr"));
  EXPECT_EQ(TD_FOUND, session.translate("house", TD_OPT_USER_DICTIONARY).status);
  EXPECT_TRUE(folder_.exists("aa_bb.udr"));
  EXPECT_EQ("", folder_.read("aa_bb.udr"));
}

TEST_F(UserDictionaryThroughTranslators, BothDirectionsShareOneFile) {
  TranslatorSession forward(folder_);
  TranslatorSession reverse(folder_, "bb_aa.tdl");
  ASSERT_EQ(1, TD_TransAddUdr(forward.handle(), "tree", "Baum"));
  EXPECT_EQ(Strings{"tree"}, reverse.translate("Baum", TD_OPT_USER_DICTIONARY).translations);
  ASSERT_EQ(1, TD_TransAddUdr(reverse.handle(), "Garten", "garden"));
  EXPECT_FALSE(folder_.exists("bb_aa.udr"));
  EXPECT_EQ("tree:Baum\r\ngarden:Garten\r\n", folder_.read("aa_bb.udr"));
  // The forward translator sees the new pair once it reloads: on its next
  // add, or opened anew.
  EXPECT_TRUE(forward.translate("garden", TD_OPT_USER_DICTIONARY).translations.empty());
  EXPECT_EQ(Strings{"Garten"}, TranslatorSession(folder_).translate("garden", TD_OPT_USER_DICTIONARY).translations);
  ASSERT_EQ(1, TD_TransAddUdr(forward.handle(), "leaf", "Blatt"));
  EXPECT_EQ(Strings{"Garten"}, forward.translate("garden", TD_OPT_USER_DICTIONARY).translations);
}

TEST_F(UserDictionaryThroughTranslators, AddUdrReportsWhetherThePairIsInTheFile) {
  TranslatorSession session(folder_);
  EXPECT_EQ(1, TD_TransAddUdr(session.handle(), "cat", "Katze"));
  EXPECT_EQ(1, TD_TransAddUdr(session.handle(), "cat", "Katze"));
  EXPECT_EQ(0, TD_TransAddUdr(session.handle(), "cat", ""));
  EXPECT_EQ(0, TD_TransAddUdr(session.handle(), nullptr, nullptr));
  EXPECT_EQ("cat:Katze\r\n", folder_.read("aa_bb.udr"));
  const lexcore_test::Translation t = session.translate("CAT", TD_OPT_USER_DICTIONARY);
  EXPECT_EQ(TD_FOUND, t.status);
  EXPECT_EQ(Strings{"Katze"}, t.translations);
}

}  // namespace
}  // namespace lexcore
