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
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "temp_folder.h"
#include "translator/lexcore.h"
#include "translator_client.h"

namespace lexcore {
namespace {

using Strings = std::vector<std::string>;

// The translations `search` appends for `word`, sorted; `result` gets its
// result code.
Strings lookUp(const UserDictionary& dictionary, const std::string& word, int* result = nullptr,
               int16_t size = 256) {
  std::vector<char> area(static_cast<size_t>(size) + 1, 0);
  TRANSLATE request = {word.c_str(), size, 0, 0, area.data(), nullptr, 0, 0, 0, 0, 0};
  const int r = dictionary.search(word.c_str(), request);
  if (result != nullptr) *result = r;
  Strings out = vocaro::unpackStrings(area.data(), area.size(), request.transCount);
  std::sort(out.begin(), out.end());
  return out;
}

ino_t inodeOf(const std::string& path) {
  struct stat st = {};
  EXPECT_EQ(0, stat(path.c_str(), &st)) << path;
  return st.st_ino;
}

class UserDictionaryTest : public ::testing::Test {
 protected:
  // A dictionary for the list file `listName` of the folder.
  UserDictionary open(const std::string& list = "aa_bb.tdl") const { return UserDictionary(folder_.widePath(list)); }
  UserDictionary withFile(const std::string& text) const {
    folder_.write("aa_bb.udr", text);
    return open();
  }

  vocaro_test::TempFolder folder_;
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
    std::string list, file;
    bool reversed;
    std::string lookUp;
    Strings expected;
  } cases[] = {
      {{}, "aa_bb.tdl", "aa_bb.udr", false, "x", {}},
      {{{"bb_aa.udr", "x:y\r\n"}, {"aa_bb.udr", "y:z\r\n"}}, "aa_bb.tdl", "aa_bb.udr", false, "y", {"z"}},
      {{{"my_dicts.v2/de_en.udr", "Haus:house\r\n"}}, "my_dicts.v2/en_de.tdl", "my_dicts.v2/de_en.udr", true, "house",
       {"Haus"}},
      {{{"_plain.udr", "word:decoy\r\n"}, {"tdl_plain.udr", "word:decoy\r\n"}, {"_.udr", "word:decoy\r\n"}},
       "plain.tdl", "plain.udr", false, "word", {}},
      {{{"bb_cc_aa.udr", "x:y\r\n"}}, "aa_bb_cc.tdl", "bb_cc_aa.udr", true, "y", {"x"}},
  };
  for (const auto& c : cases) {
    for (const auto& file : c.files) folder_.write(file.first, file.second);
    const UserDictionary dictionary = open(c.list);
    EXPECT_EQ(folder_.widePath(c.file), dictionary.filePath()) << c.list;
    EXPECT_EQ(c.reversed, dictionary.reversed()) << c.list;
    EXPECT_EQ(c.expected, lookUp(dictionary, c.lookUp)) << c.list;
    EXPECT_TRUE(!c.files.empty() || folder_.read(c.file).empty()) << c.list;
    for (const auto& file : c.files) std::filesystem::remove(folder_.path(file.first));
    std::filesystem::remove(folder_.path(c.file));
  }
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
  // A full translation area ends the search keeping what fitted.
  int result = -1;
  EXPECT_EQ(1u, lookUp(withFile("a:one\r\na:two\r\n"), "a", &result, 7).size());
  EXPECT_EQ(2, result);
}

// Adds in turn, by two dictionaries on one file: every pair one line in
// sorted order; a pair already in the file, also
// in another letter case, returns 1 without rewriting it ("=" below: same
// file, same contents); pairs that could not be read back as given are
// refused, as is a colon in the word, where a line's word ends; every add
// reloads the file first, so pairs another writer saved stay, and a pair no
// longer in the file is written again.  A save renames a new file over the
// old one, never changing the old contents in place.
TEST_F(UserDictionaryTest, AddsKeepTheFileOnePairALineInSortedOrder) {
  UserDictionary first = withFile("keep:me\r\n");
  UserDictionary second = open();
  ASSERT_EQ(0, link(folder_.path("aa_bb.udr").c_str(), folder_.path("old-link").c_str()));
  const struct {
    UserDictionary* by;
    const char *word, *translation;
    int32_t result;
    std::string file;
  } adds[] = {
      {&first, "pear", "Birne", 1, "keep:me\r\npear:Birne\r\n"},
      {&first, "Apple", "Apfel", 1, "Apple:Apfel\r\nkeep:me\r\npear:Birne\r\n"},
      {&first, "x", "y", 1, "Apple:Apfel\r\nkeep:me\r\npear:Birne\r\nx:y\r\n"},
      {&first, "APPLE", "aPFEL", 1, "="},
      {&first, "", "x", 0, "="},
      {&first, "a\r\nb", "x", 0, "="},
      {&first, "x", nullptr, 0, "="},
      {&first, "x:y", "z", 0, "="},
      {&second, "z", "x:y", 1, "Apple:Apfel\r\nkeep:me\r\npear:Birne\r\nx:y\r\nz:x:y\r\n"},
      {&first, "z", "x:y", 1, "="},
  };
  for (const auto& add : adds) {
    SCOPED_TRACE(std::string(add.word ? add.word : "(null)") + ":" + (add.translation ? add.translation : "(null)"));
    const ino_t before = inodeOf(folder_.path("aa_bb.udr"));
    const std::string old = folder_.read("aa_bb.udr");
    EXPECT_EQ(add.result, add.by->add(add.word, add.translation));
    EXPECT_EQ(add.file == "=" ? old : add.file, folder_.read("aa_bb.udr"));
    EXPECT_EQ(add.file == "=", before == inodeOf(folder_.path("aa_bb.udr")));
  }
  EXPECT_EQ("keep:me\r\n", folder_.read("old-link"));
  EXPECT_EQ((Strings{"aa_bb.udr", "old-link"}), folder_.names());
  EXPECT_EQ(1, first.add("pear", "Zwiebel"));
  EXPECT_EQ((Strings{"Birne", "Zwiebel"}), lookUp(open(), "PEAR"));
  folder_.write("aa_bb.udr", "two:zwei\r\n");
  EXPECT_EQ(1, first.add("x", "y"));
  EXPECT_EQ("two:zwei\r\nx:y\r\n", folder_.read("aa_bb.udr"));
  // In a reversed file the translation comes first on a line.
  std::remove(folder_.path("aa_bb.udr").c_str());
  folder_.write("bb_aa.udr", "");
  UserDictionary reversed = open();
  ASSERT_TRUE(reversed.reversed());
  EXPECT_EQ(0, reversed.add("z", "x:y"));
  EXPECT_EQ(1, reversed.add("x:y", "z"));
  EXPECT_EQ("z:x:y\r\n", folder_.read("bb_aa.udr"));
}

// An add that cannot read the file whole (held by another opener, too large
// to read) or write its new copy, or whose file is a folder, returns 0 and
// leaves the file and the pairs in memory as they were; once the obstacle
// is gone the same add succeeds.
TEST_F(UserDictionaryTest, FailedAddsLeaveTheFileAlone) {
  const std::string file = folder_.path("aa_bb.udr");
  int held = -1;
  const struct {
    const char* obstacle;
    std::function<void()> make, remove;
    std::string contents;
  } cases[] = {
      {"held", [&] { held = ::open(file.c_str(), O_RDONLY); ASSERT_EQ(0, flock(held, LOCK_EX | LOCK_NB)); },
       [&] { close(held); }, "keep:me\r\n"},
      {"new copy cannot be written", [&] { std::filesystem::create_directory(file + ".new"); },
       [&] { std::filesystem::remove(file + ".new"); }, "keep:me\r\n"},
      {"2 GiB", [&] { ASSERT_EQ(0, truncate(file.c_str(), 0x80000000LL)); }, [&] { folder_.write("aa_bb.udr", ""); },
       ""},
      {"a folder", [&] { std::filesystem::remove(file), std::filesystem::create_directory(file); },
       [&] { std::filesystem::remove(file); }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.obstacle);
    UserDictionary dictionary = withFile(c.contents);
    c.make();
    const ino_t before = inodeOf(file);
    EXPECT_EQ(0, dictionary.add("new", "neu"));
    EXPECT_EQ(before, inodeOf(file));
    EXPECT_TRUE(lookUp(dictionary, "new").empty());
    c.remove();
    EXPECT_EQ(c.contents, folder_.read("aa_bb.udr"));
    EXPECT_EQ(1, dictionary.add("new", "neu"));
    EXPECT_EQ(c.contents + "new:neu\r\n", folder_.read("aa_bb.udr"));
  }
}

}  // namespace
}  // namespace lexcore
