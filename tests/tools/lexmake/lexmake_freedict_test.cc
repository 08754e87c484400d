// Reading FreeDict's dictd databases: the entries' lines, the index, the
// dictzip data, and the errors that name the file and line.
#include <gtest/gtest.h>
#include "compressed_file.h"
#include "freedict_database.h"
#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::base64;
using lexmake_test::dict;
using lexmake_test::gzipped;
using lexmake_test::NullProgress;
using lexmake_test::TempFolder;
using Strings = std::vector<std::string>;

DatabaseEntry parse(const std::string& text, TermDrops* drops = nullptr) {
  TermDrops ignored;
  return parseDatabaseEntry(text, drops != nullptr ? drops : &ignored);
}

TEST(LexmakeFreedictEntry, TakesTheHeadwordAndTheTranslationsOfEverySense) {
  const DatabaseEntry e = parse(
      " gehen /\xC9\xA1\xCB\x88\x65\xCB\x90\xC9\x99n/ <v, intr>\n"
      "go <v>, walk <v>\n"
      " [geogr.] reach a place <v>, extend <v>\n"
      "      \"Lass uns gehen!\"  - Let's go!\n"
      "   Synonyms: {laufen}, {spazieren gehen}\n"
      "         Note: to end in a particular way\n"
      " see: {gehend}, {gegangen}\n");
  EXPECT_EQ(e.heads, Strings{"gehen"});
  EXPECT_EQ(e.translations, (Strings{"go", "walk", "reach a place", "extend"}));
  ASSERT_EQ(e.examples.size(), 1u);
  EXPECT_EQ(e.examples[0].first, "Lass uns gehen!");
  EXPECT_EQ(e.examples[0].second, "Let's go!");
}

TEST(LexmakeFreedictEntry, KeepsWhatTheEntrySaysAboutEachSenseAndTheFormsItsHeadwordNames) {
  const DatabaseEntry e = parse(
      " go /\xC9\xA1/ (went /w/ <>, gone /\xC9\xA1/ <>) <v>\n"
      "gehen <v, intr>, fahren [Br.]\n"
      " [techn.] laufen, funktionieren <v>\n"
      "      \"Let's go!\"  - Gehen wir!\n"
      "         Note: of machines\n"
      " see: {going}, {gone}, {I go home.}\n");
  EXPECT_EQ(e.forms, (Strings{"went", "gone"}));
  ASSERT_EQ(e.evidence.size(), 4u);
  for (const SenseEvidence& s : e.evidence) {
    EXPECT_EQ(s.examples, 2);  // one example, one sentence among the references
    EXPECT_EQ(s.references, 2);
    EXPECT_TRUE(s.noted);
  }
  EXPECT_EQ(e.evidence[0].labelPenalty, 0);
  EXPECT_TRUE(e.evidence[0].inExamples);  // "Gehen wir!"
  EXPECT_FALSE(e.evidence[1].inExamples);
  EXPECT_EQ(e.evidence[1].labelPenalty, labelPenalty("Br."));
  EXPECT_EQ(e.evidence[1].place, 1);
  // A label that starts a line is the whole line's.
  EXPECT_EQ(e.evidence[3].labelPenalty, labelPenalty("techn."));
  EXPECT_EQ(e.evidence[3].sense, 1);
  // An object is grammar: neither a label nor a note that restricts the sense.
  const DatabaseEntry geben = parse(" etw. geben /g/ <v, trans>\n [jdm.] give sth. <v>\n         Note: to sb.\n");
  ASSERT_EQ(geben.evidence.size(), 1u);
  EXPECT_EQ(geben.evidence[0].labelPenalty, 0);
  EXPECT_FALSE(geben.evidence[0].noted);
  // So is a note that only says whom or what the sense is said of; a field
  // with a preposition ("of machines", above) still restricts it.
  for (const char* note : {"person", "of a thing", "einer Person", "with", "to sb.; in a country"}) {
    const DatabaseEntry e2 = parse(std::string(" brauchen /b/ <v>\nneed <v>\n         Note: ") + note + "\n");
    ASSERT_EQ(e2.evidence.size(), 1u);
    EXPECT_FALSE(e2.evidence[0].noted) << note;
  }
  // A sentence of another entry that does not use the headword is a plain
  // reference; one that uses an inflected form of it is an example.
  const DatabaseEntry menschen = parse(" Menschen /m/ <pl>\nbods\n see: {Den Fuzzis ist das egal.}, {Typ}\n");
  ASSERT_EQ(menschen.evidence.size(), 1u);
  EXPECT_EQ(menschen.evidence[0].examples, 0);
  EXPECT_EQ(menschen.evidence[0].references, 2);
  const DatabaseEntry brauchen = parse(" brauchen /b/ <v>\ntake <v>\n see: {Ich brauchte zwei Stunden.}\n");
  ASSERT_EQ(brauchen.evidence.size(), 1u);
  EXPECT_EQ(brauchen.evidence[0].examples, 1);
  // An abbreviation in parentheses is no form.
  EXPECT_TRUE(parse(" mountain bike /m/ (MTB /e/)\nMountainbike\n").forms.empty());
}

TEST(LexmakeFreedictEntry, ReadsNumberedSensesAndEntriesWithoutGrammar) {
  const DatabaseEntry e = parse(
      " agree /\xC9\x99gri\xCB\x90/\n"
      "1. \xC3\xAAtre d'accord, s'harmoniser\n"
      "2. admettre, consentir\n");
  EXPECT_EQ(e.heads, Strings{"agree"});
  EXPECT_EQ(e.translations, (Strings{dict("être d'accord"), "s'harmoniser", "admettre", "consentir"}));
}

TEST(LexmakeFreedictEntry, DropsAbbreviationsAndSymbolsGluedToTranslations) {
  const DatabaseEntry e = parse(
      " Ampere /amp\xC9\x9B\xCB\x90\xC9\x90/ <neut, n, sg>\n"
      " [electr.] ampere <n>A,  /\xCB\x88\xC9\x91\xCB\x90/ , amp <n>\n"
      "National Institute of Occupational Safety and HealthNIOSH,  /n\xCB\x88\xC9\xAAo\xCB\x90\xCA\x83/\n"
      "Sergeant Major <n> [Am.] SGM,  /\xCB\x8C\xC9\x9Bs/ , dollar sign <n>$\n");
  EXPECT_EQ(e.translations, (Strings{"ampere", "amp", "National Institute of Occupational Safety and Health",
                                     "Sergeant Major", "dollar sign"}));
}

TEST(LexmakeFreedictEntry, FindsThePronunciationOutsideBracketsAndKeepsSentencesWhole) {
  DatabaseEntry e = parse(
      " the (liberal / business-friendly etc.) policies of the then president /\xC3\xB0\xC9\x99/\n"
      "die (liberale / unternehmerfreundliche usw.) Politik des damaligen Pr\xC3\xA4sidenten\n");
  EXPECT_EQ(e.heads, Strings{"the policies of the then president"});
  EXPECT_EQ(e.translations, Strings{dict("die Politik des damaligen Präsidenten")});
  e = parse(
      " Go, then, if you must! /\xC9\xA1/\n"
      "Dann geh (halt) in Gottes Namen!\n");
  EXPECT_EQ(e.heads, Strings{"Go, then, if you must!"});
  EXPECT_EQ(e.translations, Strings{"Dann geh in Gottes Namen!"});
  // A sentence as a translation of a word is split like any other line.
  e = parse(" then /\xC3\xB0\xC9\x9Bn/\ndann, damals\n");
  EXPECT_EQ(e.translations, (Strings{"dann", "damals"}));
}

TEST(LexmakeFreedictEntry, GivesEveryAlternativeOfTheHeadwordAndCountsWhatItDrops) {
  TermDrops drops;
  const DatabaseEntry e = parse(
      " pre-empt/preempt sb./sth. /p\xC9\xB9\xCB\x88i\xCB\x90/\n"
      "jdm./einer Sache zuvorkommen <v, intr>, etw. vorwegnehmen <v>, \xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\n",
      &drops);
  EXPECT_EQ(e.heads, (Strings{"pre-empt", "preempt"}));
  EXPECT_EQ(e.translations, Strings{"vorwegnehmen"});
  EXPECT_EQ(drops[TermDrop::SlashInPhrase], 1u);
  EXPECT_EQ(drops[TermDrop::OutsideCharacterSet], 1u);
}

class LexmakeFreedictDatabase : public ::testing::Test {
 protected:
  struct Read {
    bool found = true;
    PairList list;
    TermDrops drops;
    Diagnostics diagnostics;
    std::vector<std::pair<std::string, std::string>> pairs() const {
      std::vector<std::pair<std::string, std::string>> result;
      for (const SourcePair& p : list.pairs) result.emplace_back(list.b.word(p.b), list.a.word(p.a));
      return result;
    }
  };

  // Two entries and the database's own information entry; the index lists
  // them out of data order, and names one entry twice.
  void write(const std::string& dataName, bool compressed) {
    const std::string info = " 00databaseinfo\nA test database\n";
    const std::string katze = " Katze /k/ <fem>\ncat <n>\n      \"Die Katze schl\xC3\xA4" "ft.\"  - The cat sleeps.\n";
    const std::string hund = " Hund /h/ <masc>\ndog <n>, hound <n>\n";
    data_ = info + hund + katze;
    const auto line = [&](const std::string& word, size_t offset, size_t length) {
      return word + "\t" + base64(offset) + "\t" + base64(length) + "\n";
    };
    index_ = line("00databaseinfo", 0, info.size()) + line("katze", info.size() + hund.size(), katze.size()) +
             line("hund", info.size(), hund.size()) + line("hunde", info.size(), hund.size());
    indexPath_ = folder_.write("test.index", index_);
    folder_.write(dataName, compressed ? gzipped(data_) : data_);
  }

  Read read(const std::string& path) {
    Read r;
    std::string indexPath, dataPath;
    if (!findDatabaseFiles(path, &indexPath, &dataPath)) {
      r.found = false;
      return r;
    }
    NullProgress progress;
    readFreedictDatabase(indexPath, dataPath, r.list.addFile(indexPath), Side::B, &r.list, &r.drops,
                         &r.diagnostics, &progress.bar);
    return r;
  }

  TempFolder folder_;
  std::string data_;
  std::string index_;
  std::string indexPath_;
};

TEST_F(LexmakeFreedictDatabase, ReadsDictzipDataInTheOrderOfTheData) {
  write("test.dict.dz", true);
  const Read r = read(folder_.path("test.dict.dz"));
  ASSERT_TRUE(r.found);
  EXPECT_TRUE(r.diagnostics.errors.empty()) << r.diagnostics.errors[0];
  using Pairs = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(r.pairs(), (Pairs{{"Hund", "dog"}, {"Hund", "hound"}, {"Katze", "cat"}}));
  EXPECT_EQ(r.list.pairs[0].head, Side::B);
  EXPECT_EQ(r.list.where(r.list.pairs[2]), indexPath_ + ":2");  // the index line of "katze"
  // The example's words count towards how common a word is, in each language.
  EXPECT_EQ(r.list.usageB.at("Katze"), 1u);
  EXPECT_EQ(r.list.usageA.at("cat"), 1u);
}

TEST_F(LexmakeFreedictDatabase, ReadsUncompressedDataAndIsFoundByAnyOfItsNames) {
  write("test.dict", false);
  for (const char* name : {"test.index", "test.dict", "test"}) {
    const Read r = read(folder_.path(name));
    ASSERT_TRUE(r.found) << name;
    EXPECT_EQ(r.list.pairs.size(), 3u) << name;
  }
  std::string indexPath, dataPath;
  EXPECT_FALSE(findDatabaseFiles(folder_.path("other.index"), &indexPath, &dataPath));
}

TEST_F(LexmakeFreedictDatabase, NamesBadIndexLinesAndEntriesOutsideTheData) {
  write("test.dict.dz", true);
  folder_.write("test.index", index_ + "broken line\nlast\tA\t" + std::string(8, '/') + "\nodd\tA*\tB\n");
  const Read r = read(indexPath_);
  // No tab; a length beyond 2^40; a character that is no base-64 digit.
  ASSERT_EQ(r.diagnostics.errors.size(), 3u);
  EXPECT_EQ(r.diagnostics.errors[0], indexPath_ + ":5: expected \"headword<TAB>offset<TAB>length\"");
  EXPECT_EQ(r.diagnostics.errors[1], indexPath_ + ":6: expected \"headword<TAB>offset<TAB>length\"");
  EXPECT_EQ(r.diagnostics.errors[2], indexPath_ + ":7: expected \"headword<TAB>offset<TAB>length\"");

  folder_.write("test.index", index_ + "last\tA\t" + std::string(6, '/') + "\n");
  const Read far = read(indexPath_);
  ASSERT_EQ(far.diagnostics.errors.size(), 1u);
  EXPECT_EQ(far.diagnostics.errors[0],
            indexPath_ + ":5: the entry lies beyond the end of " + folder_.path("test.dict.dz"));
}

TEST_F(LexmakeFreedictDatabase, RefusesDamagedCompressedData) {
  write("test.dict.dz", true);
  std::string damaged = gzipped(data_);
  damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
  folder_.write("test.dict.dz", damaged);
  const Read r = read(indexPath_);
  ASSERT_EQ(r.diagnostics.errors.size(), 1u);
  EXPECT_EQ(r.diagnostics.errors[0].rfind(folder_.path("test.dict.dz") + ": ", 0), 0u) << r.diagnostics.errors[0];
  EXPECT_TRUE(r.list.pairs.empty());
}

TEST(LexmakeCompressedFile, InflatesMembersBackToBackAndRefusesCutData) {
  const std::string first = "first member\n";
  const std::string second(100000, 'x');
  std::string content, error;
  NullProgress progress;
  ASSERT_TRUE(inflateGzip(gzipped(first) + gzipped(second), &content, &error, &progress.bar)) << error;
  EXPECT_EQ(content, first + second);
  const std::string whole = gzipped(second);
  for (const size_t cut : {size_t{0}, size_t{5}, whole.size() / 2, whole.size() - 1}) {
    EXPECT_FALSE(inflateGzip(whole.substr(0, cut), &content, &error, &progress.bar)) << cut;
    EXPECT_FALSE(error.empty());
  }
  EXPECT_FALSE(inflateGzip("not gzip at all", &content, &error, &progress.bar));
}

}  // namespace
}  // namespace lexmake
