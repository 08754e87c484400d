// TD_Translate: the lookup through the list file, case folding, the user
// dictionary, the ending and variant passes, the phrase fallback, and the
// limits of the two result areas.
#include <gtest/gtest.h>

#include <cstdio>
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
using lexcore_test::Translation;
using lexcore_test::TranslatorSession;
using Strings = std::vector<std::string>;

constexpr int32_t kFolded = TD_OPT_CASE_INSENSITIVE;
constexpr int32_t kUser = TD_OPT_USER_DICTIONARY;
constexpr int32_t kSmart = TD_OPT_SMART_SEARCH;
constexpr int32_t kSpelling = TD_OPT_SPELLING;

class Translate : public ::testing::Test {
 protected:
  TranslatorSession open() {
    dictionary_.write(folder_);
    return TranslatorSession(folder_);
  }

  vocaro_test::TempFolder folder_;
  SampleDictionary dictionary_;
};

// The user dictionary is asked first, and only with its option; a word it
// alone knows runs no passes.  Words nobody knows are not found.
TEST_F(Translate, UserDictionaryIsAskedFirstAndOnlyWithItsOption) {
  dictionary_.add("apple", {"Apfel"}).add("cat", {"Katze"}).setEndings({{"", "s"}});
  folder_.write("aa_bb.udr", "apple:Apfel-user\r\ncats:Katzen\r\n");
  const TranslatorSession session = open();
  EXPECT_EQ((Strings{"Apfel-user", "Apfel"}), session.translate("apple", kUser).translations);
  EXPECT_EQ(Strings{"Apfel"}, session.translate("apple").translations);
  const Translation t = session.translate("CATS", kUser | kSmart);
  EXPECT_EQ(TD_FOUND, t.status);
  EXPECT_EQ(Strings{"Katzen"}, t.translations);
  EXPECT_TRUE(t.suggestions.empty());
  for (const std::string& word : {std::string("dog"), std::string(""), std::string(255, 'h')}) {
    EXPECT_EQ(TD_NOT_FOUND, session.translate(word, -1).status) << word;
  }
}

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
  Strings suggestions;
  Strings translations;
  int16_t transSize = 256;
  int16_t suggestSize = 256;
};

struct PassCase {
  const char* what;
  std::vector<std::pair<std::string, Strings>> entries;
  lexcore::StringGroups endings;
  lexcore::StringGroups variants;
  std::vector<Query> queries;
  size_t perBlock = 4;
};

// The lookup (translations in list order; every folded match once, entry 0
// included, until one without translations; what does not fit the area
// dropped with status 2), then the ending pass (smart search), the variant
// pass (spell checker) and the phrase fallback: which candidates they try,
// which they suggest and whose translations they give.
TEST(Lookups, FindWordsAndSuggestCandidates) {
  const PassCase cases[] = {
      {"case folding collects every folded match once", {{"Bill", {"Rechnung"}}, {"bill", {"Schnabel"}},
       {"a", {"ein"}}}, {}, {},
       {{"BILL", 0, TD_NOT_FOUND, {}, {}}, {"BILL", kFolded, TD_FOUND, {}, {"Rechnung", "Schnabel"}},
        {"A", kFolded, TD_FOUND, {}, {"ein"}}}, 1},
      {"a folded match without translations ends the matches", {{"Bill", {"Rechnung"}}, {"bill", {}}, {"BOX", {}},
       {"box", {"Kiste"}}}, {}, {},
       {{"bill", kFolded, TD_FOUND, {}, {"Rechnung"}}, {"box", kFolded, TD_NOT_FOUND, {}, {}}}, 1},
      {"translations that do not fit are dropped with status 2", {{"go", {"gehen", "fahren", "laufen"}}}, {}, {},
       {{"go", 0, TD_FOUND, {}, {"gehen", "fahren", "laufen"}, 6 + 7 + 7},
        {"go", 0, TD_LIST_FULL, {}, {"gehen", "fahren"}, 6 + 7 + 7 - 1}}},
      {"a later folded match that fits after an overflow is found", {{"Go", {"a-very-long-translation"}},
       {"go", {"gehen"}}}, {}, {}, {{"GO", kFolded, TD_FOUND, {}, {"gehen"}, 10}}, 1},
      {"a headword without translations counts as not found, so the passes run", {{"dogs", {}}, {"dog", {"Hund"}}},
       {{"", "s"}}, {},
       {{"dogs", 0, TD_NOT_FOUND, {}, {}}, {"dogs", kSmart, TD_SUGGESTED, {"dog"}, {"Hund"}}}},
      {"an empty base strips the ending; a word no longer than the ending makes no candidate",
       {{"cat", {"Katze"}}, {"s", {"es"}}}, {{"", "s"}}, {},
       {{"cats", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}}, {"t", kSmart, TD_NOT_FOUND, {}, {}},
        {"ss", kSmart, TD_SUGGESTED, {"s"}, {"es"}}}},
      {"a base replaces the ending", {{"city", {"Stadt"}}}, {{"y", "ies"}}, {},
       {{"cities", kSmart, TD_SUGGESTED, {"city"}, {"Stadt"}}}},
      {"every group can suggest, only the first found gives translations",
       {{"base", {"Basis"}}, {"basis", {"Grundlage"}}}, {{"", "s"}, {"is", "es"}}, {},
       {{"bases", kSmart, TD_SUGGESTED, {"base", "basis"}, {"Basis"}}}},
      {"the first found ending ends its group", {{"cat", {"Katze"}}, {"ca", {"circa"}}, {"ci", {"CI"}}},
       {{"", "s", "ts"}}, {},
       {{"cats", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}}, {"cits", kSmart, TD_SUGGESTED, {"ci"}, {"CI"}}}},
      {"a candidate already suggested is not tried again", {{"cat", {"Katze"}}}, {{"", "s"}, {"", "s"}}, {},
       {{"cats", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}}}},
      {"endings compare bytes; the candidate as built is the suggestion", {{"cat", {"Katze"}}}, {{"", "s"}}, {},
       {{"CATS", kSmart | kFolded, TD_NOT_FOUND, {}, {}}, {"CATs", kSmart | kFolded, TD_SUGGESTED, {"CAT"}, {"Katze"}}}},
      {"a variant replaces each string by the others of its group", {{"cat", {"Katze"}}, {"cake", {"Kuchen"}}}, {},
       {{"c", "k"}},
       {{"kake", kSpelling, TD_SUGGESTED, {"cake"}, {"Kuchen"}}, {"kat", 0, TD_NOT_FOUND, {}, {}}}},
      {"a found variant does not end the loop", {{"bet", {"Wette"}}, {"bot", {"Roboter"}}}, {}, {{"a", "e", "o"}},
       {{"bat", kSpelling, TD_SUGGESTED, {"bet", "bot"}, {"Wette"}}}},
      {"an empty variant inserts and deletes everywhere", {{"what", {"was"}}}, {}, {{"", "h"}},
       {{"wat", kSpelling, TD_SUGGESTED, {"what"}, {"was"}}, {"whath", kSpelling, TD_SUGGESTED, {"what"}, {"was"}}}},
      {"a phrase falls back to its found first word; a phrase headword is found",
       {{"apple", {"Apfel"}}, {"ice cream", {"Eis"}}}, {}, {},
       {{"apple pie", 0, TD_SUGGESTED, {"apple"}, {"Apfel"}}, {"ice cream", 0, TD_FOUND, {}, {"Eis"}},
        {"pear tree grove", 0, TD_SUGGESTED, {"pear"}, {}}, {" apple", 0, TD_NOT_FOUND, {}, {}}}},
      {"the first word survives the candidates of its own passes", {{"apple", {"Apfel"}}}, {{"", "s", "es"}},
       {{"a", "e"}}, {{"cats pyjamas", kSmart | kSpelling, TD_SUGGESTED, {"cats"}, {}}}},
      {"a candidate counts as found when it appended a translation, even when a later one did not fit or a later "
       "folded match had none: its translations never stand without it as a suggestion",
       {{"cat", {"Katze", "Kater"}}, {"Dog", {"Hund"}}, {"dog", {}}}, {{"", "s"}}, {},
       {{"cats", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}, 7}, {"dogs", kSmart | kFolded, TD_SUGGESTED, {"dog"}, {"Hund"}}},
       1},
      {"the candidate at step 2001 is tried", {{"ybbbbbbbbb", {"found"}}}, {}, budgetGroups(17),
       {{"xbbbbbbbbb", kSpelling, TD_SUGGESTED, {"ybbbbbbbbb"}, {"found"}}}},
      {"the candidate at step 2002 is not", {{"ybbbbbbbbb", {"found"}}}, {}, budgetGroups(18),
       {{"xbbbbbbbbb", kSpelling, TD_NOT_FOUND, {}, {}}}},
      // A candidate is tried only when it would fit the room left in the
      // suggestion area, so every translation belongs to a listed suggestion.
      {"a candidate that would not fit is not tried", {{"cat", {"Katze"}}}, {{"", "s"}}, {},
       {{"cats", kSmart, TD_NOT_FOUND, {}, {}, 256, 3}, {"cats", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}, 256, 4}}},
      // The first word of a phrase is a suggestion too.  When it cannot be
      // listed, what its own run suggested still stands (with the
      // translations it found); with nothing suggested, the phrase is not
      // found.
      {"the phrase fallback keeps what its first word found", {{"apple", {"Apfel"}}, {"cat", {"Katze"}}}, {{"", "s"}},
       {},
       {{"apple pie", kSmart, TD_NOT_FOUND, {}, {}, 256, 5},
        {"apple pie", kSmart, TD_SUGGESTED, {"apple"}, {"Apfel"}, 256, 6},
        {"cats dogs", kSmart, TD_SUGGESTED, {"cat"}, {"Katze"}, 256, 4},
        {"cats dogs", kSmart, TD_NOT_FOUND, {}, {}, 256, 3}}},
  };
  for (const PassCase& c : cases) {
    SCOPED_TRACE(c.what);
    vocaro_test::TempFolder folder;
    SampleDictionary dictionary;
    for (const auto& entry : c.entries) dictionary.add(entry.first, entry.second);
    if (!c.endings.empty()) dictionary.setEndings(c.endings);
    if (!c.variants.empty()) dictionary.setVariants(c.variants);
    dictionary.setPerBlock(c.perBlock).write(folder);
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
  dictionary_.setCodes(codes).add(longest, {"long"}).setEndings({{"", "s"}});
  const TranslatorSession session = open();
  EXPECT_EQ(TD_SUGGESTED, session.translate(longest + "s", kSmart).status);
  EXPECT_EQ(TD_NOT_FOUND, session.translate(longest + "as", kSmart).status);
  EXPECT_EQ(Strings{longest}, session.translate(longest + " phrase").suggestions);
  EXPECT_EQ(TD_NOT_FOUND, session.translate(longest + "a phrase").status);
}

// Odd list files: an index that names no entry of the secondary file is
// skipped (no other text takes its place); entries beyond the list's count
// have no translations; a list of four headwords without translations ends
// with its count table, which still serves the last, odd index.
TEST_F(Translate, OddListFiles) {
  dictionary_.add("apple", {"Apfel", "Obst"}).add("pear", {"Birne"}).add("plum", {"Pflaume"});
  dictionary_.write(folder_);
  lexcore::ListFileLayout list = dictionary_.listLayout();
  list.translations[0] = {dictionary_.secondaryIndex("Apfel"), 60000, dictionary_.secondaryIndex("Obst"), 4};
  list.translations[1] = {65535};
  list.entryCountField = 2;
  list.translations.pop_back();
  folder_.write(SampleDictionary::kListName, lexcore::writeListFile(list));
  TranslatorSession session(folder_);
  EXPECT_EQ((Strings{"Apfel", "Obst"}), session.translate("apple").translations);
  EXPECT_EQ(TD_NOT_FOUND, session.translate("pear").status);
  EXPECT_EQ(TD_NOT_FOUND, session.translate("plum").status);

  SampleDictionary empty;
  empty.add("a", {}).add("b", {}).add("c", {}).add("d", {}).write(folder_);
  ASSERT_EQ(128u + 2u, folder_.read(SampleDictionary::kListName).size());
  EXPECT_EQ(TD_NOT_FOUND, TranslatorSession(folder_).translate("d").status);
}

// Once the translator is open, a file that can no longer be read (gone, cut
// short, changed by another program) fails the translation with a reason
// naming it, also when only a candidate or the first word of a phrase needs
// it; translations the user dictionary gave stay.  Restored, it works again.
TEST_F(Translate, FilesThatCanNoLongerBeReadFailTheTranslationWithAReason) {
  dictionary_.add("apple", {"Apfel"}).add("zo", {"Zo"}).add("zoo", {"Zoo"}).setEndings({{"", "s"}});
  const std::string list = SampleDictionary::kListName;
  const std::string primary = SampleDictionary::kPrimaryName;
  const std::string secondary = SampleDictionary::kSecondaryName;
  enum Damage { kRemove, kCut, kGrow };
  const struct {
    std::string file;  // the file damaged after opening
    Damage damage;
    std::string word;
    int32_t options;
    std::string reason;  // part of the reason
    Strings translations;
  } cases[] = {
      {secondary, kRemove, "apple", 0, secondary + ": the file cannot be opened any more", {}},
      {primary, kCut, "apple", kFolded, primary + ": the file has ", {}},
      {list, kGrow, "zoos", kSmart, list + ": the file has ", {}},
      {list, kCut, "zoos house", kSmart, "another program changed it", {}},
      {list, kCut, "zoo", kUser, list + ": the file has ", {"Menagerie"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " / " + c.word);
    dictionary_.write(folder_);
    folder_.write("aa_bb.udr", "zoo:Menagerie\r\n");
    TranslatorSession session(folder_);
    const std::string original = folder_.read(c.file);
    if (c.damage == kRemove) std::remove(folder_.path(c.file).c_str());
    if (c.damage == kCut) folder_.write(c.file, original.substr(0, original.size() - 1));
    if (c.damage == kGrow) folder_.write(c.file, original + "x");
    Translation t = session.translate(c.word, c.options);
    EXPECT_EQ(TD_ERR_FILE, t.result);
    EXPECT_EQ(TD_FAILED, t.status);
    EXPECT_EQ(c.translations, t.translations);
    EXPECT_NE(std::string::npos, t.reason.find(c.reason)) << t.reason;
    folder_.write(c.file, original);
    t = session.translate(c.word, c.options);
    EXPECT_EQ(TD_OK, t.result);
    EXPECT_NE(TD_FAILED, t.status);
  }
}

// Entry indexes above 32767 through the list file, in both data files: one
// file of 40000 entries serves as primary and secondary, and entry i
// translates to entry (i + 20000) mod 40000.
TEST_F(Translate, IndexesAbove32767WorkThroughTheListFile) {
  std::vector<std::string> words;
  char buffer[16];
  for (int i = 0; i < 40000; ++i) {
    std::snprintf(buffer, sizeof buffer, "w%05d", i);
    words.push_back(buffer);
  }
  folder_.write("big.tdd", lexcore::writeDataFile(lexcore_test::wordListLayout(words, 16)));
  lexcore::ListFileLayout list;
  list.primaryFile = list.secondaryFile = "big.tdd";
  for (int i = 0; i < 40000; ++i) list.translations.push_back({static_cast<uint16_t>((i + 20000) % 40000)});
  list.translations[39999].push_back(32768);
  folder_.write("big_big.tdl", lexcore::writeListFile(list));
  TranslatorSession session(folder_, "big_big.tdl");
  EXPECT_EQ((Strings{"w19999", "w32768"}), session.translate("w39999").translations);
  EXPECT_EQ(Strings{"w12768"}, session.translate("w32768").translations);
  EXPECT_EQ((Strings{"w19999", "w32768"}), session.translate("W39999", kFolded).translations);
  EXPECT_EQ(Strings{"w12769"}, session.translate("W32769", kFolded).translations);
}

}  // namespace
