// The exported interface: opening and closing translators, the data file
// roles, the queries and their output buffers, and TD_Translate (the lookup
// through the list file, case folding, the user dictionary, the ending and
// variant passes, the phrase fallback and the limits of the result areas).
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

using lexcore_test::SampleDictionary;
using lexcore_test::Translation;
using lexcore_test::TranslatorSession;
using Strings = std::vector<std::string>;

constexpr char16_t kGuard = 0xBEEF;

class Translator : public ::testing::Test {
 protected:
  void SetUp() override {
    dictionary_.add("apple", {"Apfel"}).add("pear", {"Birne"}).setEndings({{"", "s"}}).write(folder_);
  }

  vocaro_test::WidePath path(const std::string& name) const { return folder_.widePath(name); }

  vocaro_test::TempFolder folder_;
  SampleDictionary dictionary_;
};

TEST_F(Translator, OpenRefusesOtherFilesAndNullHandles) {
  const std::string valid = folder_.read("aa_bb.tdl");
  lexcore::ListFileLayout layout = dictionary_.listLayout();
  layout.headerSize = 129;
  const std::pair<std::string, int32_t> cases[] = {{valid.substr(0, 100), TD_ERR_READ},
      {lexcore::writeListFile(layout), TD_ERR_FILE}, {"x" + valid.substr(1), TD_ERR_FILE},
      {valid.substr(0, 3) + "x" + valid.substr(4), TD_ERR_FILE}, {valid.substr(0, valid.size() - 1), TD_ERR_FILE}};
  for (const auto& c : cases) {
    folder_.write("bad.tdl", c.first);
    TD_HANDLE handle = reinterpret_cast<TD_HANDLE>(&layout);  // any non-null value
    EXPECT_EQ(c.second, TD_TransOpen(&handle, path("bad.tdl").c_str(), 0)) << c.first.size();
    EXPECT_EQ(nullptr, handle);
  }
  TD_HANDLE handle = nullptr;
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, nullptr, 0));
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&handle, path("missing.tdl").c_str(), 0));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransOpen(nullptr, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_ERR_HANDLE, TD_TransClose(&handle));
  ASSERT_EQ(TD_OK, TD_TransOpen(&handle, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_OK, TD_TransClose(&handle));
  EXPECT_EQ(nullptr, handle);
  // A null handle is refused everywhere and touches nothing.
  LANGSTRUCT language = {};
  for (int32_t result : {TD_TransOpenPrim(nullptr, path("aa.tdd").c_str()), TD_TransOpenSec(nullptr, path("aa.tdd").c_str()),
                         TD_TransOptions(nullptr, 15), TD_TransAddUdr(nullptr, "a", "b"), TD_TransGetLanguage(nullptr, &language, 0)})
    EXPECT_EQ(TD_ERR_HANDLE, result);
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

// A translation needs both data files.  A failed open empties its role even when a file was open
// there before; the other role and the user dictionary stay.  Languages
// and extensions come from the role asked for.
TEST_F(Translator, EachRoleNeedsItsOwnDataFile) {
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
  // What a query leaves in a guarded buffer of `size` characters; "<nothing>" without capacity.
  const auto text = [](int16_t size, const std::function<int32_t(char16_t*)>& query) {
    std::vector<char16_t> buffer(80, kGuard);
    EXPECT_EQ(TD_OK, query(buffer.data()));
    const size_t capacity = static_cast<size_t>(std::max<int16_t>(size, 0));
    EXPECT_TRUE(std::all_of(buffer.begin() + capacity, buffer.end(), [](char16_t ch) { return ch == kGuard; }));
    const auto end = std::find(buffer.begin(), buffer.begin() + capacity, u'\0');
    EXPECT_TRUE(capacity == 0 || end != buffer.begin() + capacity) << "not terminated within " << size;
    return capacity == 0 ? u"<nothing>" : std::u16string(buffer.begin(), end);
  };
  const std::u16string tdl = path("long.tdl"), tdd = path("long.tdd");
  const auto file = [&](int16_t n, int16_t which) { return text(n, [&](char16_t* o) { return TD_TransGetFile(handle, o, n, which); }); };
  const auto files = [&](int16_t n) { return text(n, [&](char16_t* o) { return TD_TransGetTDDFiles(tdl.c_str(), o, second.data(), n); }); };
  const auto language = [&](int16_t n) { return text(n, [&](char16_t* o) { return TD_TransGetTDDLanguage(tdd.c_str(), o, n); }); };
  const std::u16string longName = u"abcdefghijklmno.tdd";
  EXPECT_EQ(longName, file(70, 0));
  EXPECT_EQ(u"abcd", file(5, 0));
  EXPECT_EQ(u"<nothing>", file(-4, 0));
  EXPECT_EQ(u"b.tdd", file(20, -9));
  EXPECT_EQ(longName, files(20));
  EXPECT_EQ(u"abcdefghi", files(10));
  EXPECT_EQ(std::u16string(47, u'n') + u"\u20AC\u00E9", language(70));
  EXPECT_EQ(std::u16string(19, u'n'), language(20));
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
  int fd = -1;
  for (const char* file : {"aa_bb.udr", "aa.tdd", "bb.tdd", "aa_bb.tdl"}) {
    if (fd >= 0) close(fd);
    fd = open(folder_.path(file).c_str(), O_RDONLY);
    EXPECT_EQ(0, flock(fd, LOCK_EX | LOCK_NB)) << file << " is still held";
  }
  // The list file is held now.
  TD_HANDLE refused = nullptr;
  EXPECT_EQ(TD_ERR_READ, TD_TransOpen(&refused, path("aa_bb.tdl").c_str(), 0));
  EXPECT_EQ(TD_ERR_FILE, TD_TransGetTDDFiles(path("aa_bb.tdl").c_str(), name, name, 20));
  close(fd);
  TD_TransClose(&handle);
}

constexpr int32_t kFolded = TD_OPT_CASE_INSENSITIVE, kUser = TD_OPT_USER_DICTIONARY, kSmart = TD_OPT_SMART_SEARCH,
                  kSpelling = TD_OPT_SPELLING;
constexpr int16_t OK = TD_FOUND, NF = TD_NOT_FOUND, SUG = TD_SUGGESTED;

class Translate : public ::testing::Test {
 protected:
  vocaro_test::TempFolder folder_;
  SampleDictionary dictionary_;
};

// The spell checker's step budget: a step before each string of a group,
// each position in the word and each replacement; the pass stops once 2001
// steps are taken.  A group of three one-letter strings that a ten-letter
// word does not hold takes 3 x (1 + 10) = 33 steps, and a string longer
// than the word one step.  Sixty such groups and 17 long strings take 1997
// steps; the group {"x", "y"} then reaches the replacement of "x" by "y"
// at step 2001, or at step 2002 behind one more long string.
lexcore::StringGroups budgetGroups(int longStrings) {
  lexcore::StringGroups groups(60, {"q", "r", "t"});
  groups.push_back(Strings(static_cast<size_t>(longStrings), std::string(11, 'q')));
  groups.push_back({"x", "y"});
  return groups;
}

// One dictionary and what some words give with some options.
struct Query {
  std::string word;
  int32_t options;
  int16_t status;
  Strings suggestions, translations;
  int16_t transSize = 256, suggestSize = 256;
};

struct PassCase {
  const char* what;
  std::vector<std::pair<std::string, Strings>> entries;
  lexcore::StringGroups endings, variants;
  std::vector<Query> queries;
  size_t perBlock = 4;
  std::string userFile = "";  // the user dictionary's contents
};

// The lookup (translations in list order; every folded match once, entry 0
// included, until one without translations; what does not fit the area
// dropped with status 2), then the ending pass (smart search), the variant
// pass (spell checker) and the phrase fallback: which candidates they try,
// which they suggest and whose translations they give.
TEST(Lookups, FindWordsAndSuggestCandidates) {
  const PassCase cases[] = {
      // The user dictionary is asked first, and only with its option; a word
      // it alone knows runs no passes.  Words nobody knows are not found.
      {"the user dictionary", {{"apple", {"Apfel"}}, {"cat", {"Katze"}}}, {{"", "s"}}, {},
       {{"apple", kUser, OK, {}, {"Apfel-user", "Apfel"}}, {"apple", 0, OK, {}, {"Apfel"}},
        {"CATS", kUser | kSmart, OK, {}, {"Katzen"}}, {"dog", -1, NF, {}, {}}, {"", -1, NF, {}, {}},
        {std::string(255, 'h'), -1, NF, {}, {}}}, 4, "apple:Apfel-user\r\ncats:Katzen\r\n"},
      {"case folding collects every folded match once", {{"Bill", {"Rechnung"}}, {"bill", {"Schnabel"}}, {"a", {"ein"}}},
       {}, {}, {{"BILL", 0, NF, {}, {}}, {"BILL", kFolded, OK, {}, {"Rechnung", "Schnabel"}}, {"A", kFolded, OK, {}, {"ein"}}},
       1},
      {"and so within one block", {{"Bill", {"Rechnung"}}, {"bill", {"Schnabel"}}, {"\xC9t\xE9", {"Sommer"}}}, {}, {},
       {{"BILL", kFolded, OK, {}, {"Rechnung", "Schnabel"}}, {"\xE9T\xC9", kFolded, OK, {}, {"Sommer"}}}},
      {"a folded match without translations ends the matches", {{"Bill", {"Rechnung"}}, {"bill", {}}, {"BOX", {}},
       {"box", {"Kiste"}}}, {}, {}, {{"bill", kFolded, OK, {}, {"Rechnung"}}, {"box", kFolded, NF, {}, {}}}, 1},
      {"translations that do not fit are dropped with status 2", {{"go", {"gehen", "fahren", "laufen"}}}, {}, {},
       {{"go", 0, OK, {}, {"gehen", "fahren", "laufen"}, 20}, {"go", 0, TD_LIST_FULL, {}, {"gehen", "fahren"}, 19}}},
      {"a later folded match that fits after an overflow is found", {{"Go", {"a-very-long-translation"}},
       {"go", {"gehen"}}}, {}, {}, {{"GO", kFolded, OK, {}, {"gehen"}, 10}}, 1},
      {"a headword without translations counts as not found, so the passes run", {{"dogs", {}}, {"dog", {"Hund"}}},
       {{"", "s"}}, {}, {{"dogs", 0, NF, {}, {}}, {"dogs", kSmart, SUG, {"dog"}, {"Hund"}}}},
      // An empty base strips the ending; a word no longer than the ending makes
      // no candidate; endings compare bytes and the candidate as built is the
      // suggestion; a candidate is tried only when it would fit the room left
      // in the suggestion area, so every translation belongs to a suggestion.
      {"the ending pass", {{"cat", {"Katze"}}, {"s", {"es"}}}, {{"", "s"}}, {},
       {{"cats", kSmart, SUG, {"cat"}, {"Katze"}}, {"t", kSmart, NF, {}, {}}, {"ss", kSmart, SUG, {"s"}, {"es"}},
        {"CATS", kSmart | kFolded, NF, {}, {}}, {"CATs", kSmart | kFolded, SUG, {"CAT"}, {"Katze"}},
        {"cats", kSmart, NF, {}, {}, 256, 3}, {"cats", kSmart, SUG, {"cat"}, {"Katze"}, 256, 4}}},
      {"a base replaces the ending; every group can suggest, only the first found gives translations",
       {{"base", {"Basis"}}, {"basis", {"Grundlage"}}, {"city", {"Stadt"}}}, {{"", "s"}, {"is", "es"}, {"y", "ies"}}, {},
       {{"bases", kSmart, SUG, {"base", "basis"}, {"Basis"}}, {"cities", kSmart, SUG, {"city"}, {"Stadt"}}}},
      {"the first found ending ends its group", {{"cat", {"Katze"}}, {"ca", {"circa"}}, {"ci", {"CI"}}},
       {{"", "s", "ts"}}, {}, {{"cats", kSmart, SUG, {"cat"}, {"Katze"}}, {"cits", kSmart, SUG, {"ci"}, {"CI"}}}},
      {"a candidate already suggested is not tried again", {{"cat", {"Katze"}}}, {{"", "s"}, {"", "s"}}, {},
       {{"cats", kSmart, SUG, {"cat"}, {"Katze"}}}},
      {"a variant replaces each string by the others of its group", {{"cat", {"Katze"}}, {"cake", {"Kuchen"}}}, {},
       {{"c", "k"}}, {{"kake", kSpelling, SUG, {"cake"}, {"Kuchen"}}, {"kat", 0, NF, {}, {}}}},
      {"a found variant does not end the loop", {{"bet", {"Wette"}}, {"bot", {"Roboter"}}}, {}, {{"a", "e", "o"}},
       {{"bat", kSpelling, SUG, {"bet", "bot"}, {"Wette"}}}},
      {"an empty variant inserts and deletes everywhere", {{"what", {"was"}}}, {}, {{"", "h"}},
       {{"wat", kSpelling, SUG, {"what"}, {"was"}}, {"whath", kSpelling, SUG, {"what"}, {"was"}}}},
      {"a phrase falls back to its found first word; a phrase headword is found",
       {{"apple", {"Apfel"}}, {"ice cream", {"Eis"}}}, {}, {},
       {{"apple pie", 0, SUG, {"apple"}, {"Apfel"}}, {"ice cream", 0, OK, {}, {"Eis"}},
        {"pear tree grove", 0, SUG, {"pear"}, {}}, {" apple", 0, NF, {}, {}}}},
      {"the first word survives the candidates of its own passes", {{"apple", {"Apfel"}}}, {{"", "s", "es"}},
       {{"a", "e"}}, {{"cats pyjamas", kSmart | kSpelling, SUG, {"cats"}, {}}}},
      {"a candidate counts as found when it appended a translation, even when a later one did not fit or a later "
       "folded match had none: its translations never stand without it as a suggestion",
       {{"cat", {"Katze", "Kater"}}, {"Dog", {"Hund"}}, {"dog", {}}}, {{"", "s"}}, {},
       {{"cats", kSmart, SUG, {"cat"}, {"Katze"}, 7}, {"dogs", kSmart | kFolded, SUG, {"dog"}, {"Hund"}}}, 1},
      {"the candidate at step 2001 is tried", {{"ybbbbbbbbb", {"found"}}}, {}, budgetGroups(17),
       {{"xbbbbbbbbb", kSpelling, SUG, {"ybbbbbbbbb"}, {"found"}}}},
      {"the candidate at step 2002 is not", {{"ybbbbbbbbb", {"found"}}}, {}, budgetGroups(18),
       {{"xbbbbbbbbb", kSpelling, NF, {}, {}}}},
      // The first word of a phrase is a suggestion too.  When it cannot be
      // listed, what its own run suggested still stands (with the
      // translations it found); with nothing suggested, the phrase is not
      // found.
      {"the phrase fallback keeps what its first word found", {{"apple", {"Apfel"}}, {"cat", {"Katze"}}}, {{"", "s"}},
       {}, {{"apple pie", kSmart, NF, {}, {}, 256, 5}, {"apple pie", kSmart, SUG, {"apple"}, {"Apfel"}, 256, 6},
        {"cats dogs", kSmart, SUG, {"cat"}, {"Katze"}, 256, 4}, {"cats dogs", kSmart, NF, {}, {}, 256, 3}}},
  };
  for (const PassCase& c : cases) {
    SCOPED_TRACE(c.what);
    vocaro_test::TempFolder folder;
    SampleDictionary dictionary;
    for (const auto& entry : c.entries) dictionary.add(entry.first, entry.second);
    dictionary.setEndings(c.endings).setVariants(c.variants).setPerBlock(c.perBlock).write(folder);
    folder.write("aa_bb.udr", c.userFile);
    const TranslatorSession session(folder);
    for (const Query& q : c.queries) {
      const Translation t = session.translate(q.word, q.options, q.transSize, q.suggestSize);
      EXPECT_EQ(q.status, t.status) << q.word;
      EXPECT_EQ(q.suggestions, t.suggestions) << q.word;
      EXPECT_EQ(q.translations, t.translations) << q.word;
    }
  }
}

// Candidates and first words longer than a dictionary entry can be (127
// bytes) are skipped, not cut: cut to 127 bytes they would match here.
TEST_F(Translate, CandidatesAndFirstWordsOver127BytesAreSkipped) {
  lexcore_test::CodeTable codes = lexcore::byteCodeTable();
  codes[1] = std::string(15, 'a');
  const std::string longest(127, 'a');
  dictionary_.setCodes(codes).add(longest, {"long"}).setEndings({{"", "s"}}).write(folder_);
  const TranslatorSession session(folder_);
  EXPECT_EQ(TD_SUGGESTED, session.translate(longest + "s", kSmart).status);
  EXPECT_EQ(TD_NOT_FOUND, session.translate(longest + "as", kSmart).status);
  EXPECT_EQ(Strings{longest}, session.translate(longest + " phrase").suggestions);
  EXPECT_EQ(TD_NOT_FOUND, session.translate(longest + "a phrase").status);
}

// Odd list files: an index that names no entry of the secondary file is
// skipped (no other text takes its place); entries beyond the list's count
// have no translations.
TEST_F(Translate, OddListFiles) {
  dictionary_.add("apple", {"Apfel", "Obst"}).add("pear", {"Birne"}).add("plum", {"Pflaume"}).write(folder_);
  lexcore::ListFileLayout list = dictionary_.listLayout();
  list.translations[0] = {dictionary_.secondaryIndex("Apfel"), 60000, dictionary_.secondaryIndex("Obst"), 4};
  list.translations[1] = {65535};
  list.entryCountField = 2;
  list.translations.pop_back();
  folder_.write(SampleDictionary::kListName, lexcore::writeListFile(list));
  TranslatorSession session(folder_);
  EXPECT_EQ((Strings{"Apfel", "Obst"}), session.translate("apple").translations);
  for (const char* word : {"pear", "plum"}) EXPECT_EQ(TD_NOT_FOUND, session.translate(word).status) << word;
}

// Once the translator is open, a file that can no longer be read (gone, cut
// short, changed by another program) fails the translation with a reason
// naming it, also when only a candidate or the first word of a phrase needs
// it; translations the user dictionary gave stay.  Restored, it works again.
TEST_F(Translate, FilesThatCanNoLongerBeReadFailTheTranslationWithAReason) {
  dictionary_.add("apple", {"Apfel"}).add("zo", {"Zo"}).add("zoo", {"Zoo"}).setEndings({{"", "s"}});
  const std::string list = SampleDictionary::kListName, secondary = SampleDictionary::kSecondaryName;
  const struct {
    std::string file;  // the file damaged after opening: removed (0), cut by a byte (-1) or grown by one (1)
    int damage;
    std::string word;
    int32_t options;
    std::string reason;  // part of the reason
    Strings translations;
  } cases[] = {
      {secondary, 0, "apple", 0, secondary + ": the file cannot be opened any more", {}},
      {list, 1, "zoos", kSmart, list + ": the file has ", {}},
      {list, -1, "zoos house", kSmart, "another program changed it", {}},
      {list, -1, "zoo", kUser, list + ": the file has ", {"Menagerie"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " / " + c.word);
    dictionary_.write(folder_);
    folder_.write("aa_bb.udr", "zoo:Menagerie\r\n");
    TranslatorSession session(folder_);
    const std::string original = folder_.read(c.file);
    if (c.damage == 0) std::remove(folder_.path(c.file).c_str());
    if (c.damage != 0) folder_.write(c.file, c.damage < 0 ? original.substr(0, original.size() - 1) : original + "x");
    const Translation t = session.translate(c.word, c.options);
    EXPECT_EQ(TD_ERR_FILE, t.result);
    EXPECT_EQ(c.translations, t.translations);
    EXPECT_NE(std::string::npos, t.reason.find(c.reason)) << t.reason;
    folder_.write(c.file, original);
    EXPECT_EQ(TD_OK, session.translate(c.word, c.options).result);
  }
}

// Entry indexes above 32767 through the list file, in both data files: one
// file of 40000 entries serves as primary and secondary, and entry i
// translates to entry (i + 20000) mod 40000.
TEST_F(Translate, IndexesAbove32767WorkThroughTheListFile) {
  std::vector<std::string> words;
  lexcore::ListFileLayout list;
  list.primaryFile = list.secondaryFile = "big.tdd";
  for (int i = 0; i < 40000; ++i) {
    words.push_back("w" + std::to_string(100000 + i).substr(1));
    list.translations.push_back({static_cast<uint16_t>((i + 20000) % 40000)});
  }
  folder_.write("big.tdd", lexcore::writeDataFile(lexcore_test::wordListLayout(words, 16)));
  list.translations[39999].push_back(32768);
  folder_.write("big_big.tdl", lexcore::writeListFile(list));
  TranslatorSession session(folder_, "big_big.tdl");
  EXPECT_EQ((Strings{"w19999", "w32768"}), session.translate("w39999").translations);
  EXPECT_EQ(Strings{"w12768"}, session.translate("w32768").translations);
  EXPECT_EQ(Strings{"w12769"}, session.translate("W32769", kFolded).translations);
}

}  // namespace
