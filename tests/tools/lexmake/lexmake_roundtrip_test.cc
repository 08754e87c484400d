// Whole runs of lexmake, read back through the engine's TD_ functions:
// translations in both directions, ending and variant suggestions, names
// and headers, determinism, and the command line.
#include <gtest/gtest.h>

#include "compiled_pair.h"
#include "datafile/dictionary_file.h"
#include "lexmake_test_support.h"
#include "pair_files.h"
#include "self_check.h"
#include "word_pairs.h"

namespace lexmake {
namespace {

using lexmake_test::RunResult;
using lexmake_test::TempFolder;
using lexmake_test::Translator;
using Strings = std::vector<std::string>;

const char* const kPairs =
    "# English - German\nhouse\tHaus\ncat\tKatze\ncity\tStadt\ntown\tStadt\nbank\tBank\nbank\tUfer\nbench\tBank\n"
    "street\tStraße\nphoto\tFoto\ngood morning\tguten Morgen\nbig\tgroß\n";
const char* const kEnglishTables = "ending \"\" <- s es\nending y <- ies\nvariant ph f\n";
const char* const kGermanTables = "ending \"\" <- e en n\nvariant ss ß\n";

class LexmakeRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    pairs_ = folder_.write("en_de.tsv", kPairs);
    englishTables_ = folder_.write("en.tables", kEnglishTables);
    germanTables_ = folder_.write("de.tables", kGermanTables);
    output_ = folder_.path("out");
  }

  RunResult compile(const std::string& output) {
    return lexmake_test::runPair(pairs_, output, {"--tables-a", englishTables_, "--tables-b", germanTables_});
  }

  TempFolder folder_;
  std::string pairs_, englishTables_, germanTables_, output_;
};

TEST_F(LexmakeRoundTrip, WritesFourNamedFilesAndASummary) {
  const RunResult run = compile(output_);
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(output_), std::filesystem::directory_iterator()), 4);
  const auto size = [this](const char* name) { return lexmake_test::readFile(output_ + "/" + name).size(); };
  // The entries' text, one a line: 51 + 10 English and 48 + 9 German bytes.
  // Block counts as the engine reads them.
  const auto data = [this, &size](const char* name, int entries, size_t text) {
    const size_t bytes = size(name), tenths = (bytes * 1000 + text / 2) / text;
    const lexcore::DictionaryFile file(vocaro_test::widen(output_ + "/" + name).c_str());
    return std::string(name) + " " + std::to_string(entries) + " entries in " + std::to_string(file.blockCount()) +
           " blocks, " + std::to_string(bytes) + " bytes (" +
           std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "% of " + std::to_string(text) + " bytes of text)";
  };
  EXPECT_EQ(run.out, "lexmake: en-de: " + data("ende_en.tdd", 10, 61) + "; " + data("ende_de.tdd", 9, 57) + "; en_de.tdl " +
                         std::to_string(size("en_de.tdl")) + " bytes; de_en.tdl " + std::to_string(size("de_en.tdl")) +
                         " bytes; left out: nothing\n");
}

// Both directions, translations in input order, the ending table's base
// forms and the variant table's spellings; names and ids in the headers.
TEST_F(LexmakeRoundTrip, TranslatesBothDirectionsWithTheirTables) {
  ASSERT_EQ(compile(output_).status, kExitDone);
  const Translator forward(output_, "en_de.tdl");
  const Translator reverse(output_, "de_en.tdl");
  constexpr int32_t kSmart = TD_OPT_SMART_SEARCH;
  constexpr int32_t kSpelling = TD_OPT_SPELLING;
  const struct { const Translator& translator; const char* word; int32_t options; int status; Strings suggestions, translations; } cases[] = {
      {forward, "bank", 0, TD_FOUND, {}, {"Bank", "Ufer"}},
      {forward, "good morning", 0, TD_FOUND, {}, {"guten Morgen"}},
      {forward, "Bank", 0, TD_NOT_FOUND, {}, {}},
      {forward, "houses", 0, TD_NOT_FOUND, {}, {}},
      {forward, "houses", kSmart, TD_SUGGESTED, {"house"}, {"Haus"}},
      {forward, "foto", kSpelling, TD_SUGGESTED, {"photo"}, {"Foto"}},
      {reverse, "Bank", 0, TD_FOUND, {}, {"bank", "bench"}},
      {reverse, "Katzen", kSmart, TD_SUGGESTED, {"Katze"}, {"cat"}},
      {reverse, "Strasse", kSpelling, TD_SUGGESTED, {"Straße"}, {"street"}},
  };
  for (const auto& c : cases) {
    const vocaro::Translation t = c.translator.translate(c.word, c.options);
    EXPECT_EQ(t.status, c.status) << c.word;
    EXPECT_EQ(t.suggestions, c.suggestions) << c.word;
    EXPECT_EQ(t.translations, c.translations) << c.word;
  }

  LANGSTRUCT language;
  ASSERT_EQ(TD_TransGetLanguage(forward.handle(), &language, 0), TD_OK);
  EXPECT_EQ(language.languageId, 1033u);
  EXPECT_STREQ(language.languageName, "English");
  ASSERT_EQ(TD_TransGetLanguage(reverse.handle(), &language, 0), TD_OK);
  EXPECT_STREQ(language.languageName, "German");
}

// Bad pairs and bad tables fail the run and leave the earlier set.
TEST_F(LexmakeRoundTrip, ReplacesEarlierFilesOnlyWithGoodOnes) {
  ASSERT_EQ(compile(output_).status, kExitDone);
  const std::string before = lexmake_test::readFile(output_ + "/en_de.tdl");
  folder_.write("en_de.tsv", "house\tHaus\nbroken line\n");
  EXPECT_EQ(compile(output_).status, kExitFailed);
  EXPECT_EQ(lexmake_test::readFile(output_ + "/en_de.tdl"), before);
  folder_.write("en_de.tsv", kPairs);
  folder_.write("en.tables", "ending y\n");
  const RunResult bad = compile(output_);
  EXPECT_NE(bad.err.find("en.tables:1: expected: ending BASE <- ENDING..."), std::string::npos) << bad.err;
  EXPECT_EQ(lexmake_test::readFile(output_ + "/en_de.tdl"), before);
}

// The check that ends every run finds damage in what was written.
TEST(LexmakeSelfCheck, FindsEntriesAndTranslationsThatDoNotReadBack) {
  TempFolder folder;
  Diagnostics diagnostics;
  lexmake_test::NullProgress progress;
  PairList pairs;
  readWordPairs(kPairs, pairs.addFile("en_de.tsv"), Side::A, &pairs, &diagnostics, &progress.bar);
  CompiledPair pair;
  ASSERT_TRUE(compilePair(pairs, SelectionRules(), Language{"en", "English", 1033, {}},
                          Language{"de", "German", 1031, {}}, &pair, &diagnostics, &progress.bar));
  std::vector<PairFile> files = pairFiles(pair);
  std::string error;
  ASSERT_TRUE(writePairFiles(files, folder.root(), &error)) << error;
  std::vector<std::string> problems;
  ASSERT_TRUE(selfCheck(pair, folder.root(), &problems));

  // The last byte of the English file is a code byte of its last entry.
  std::string englishFile = files[0].bytes;
  englishFile.back() = static_cast<char>(englishFile.back() ^ 0x01);
  folder.write(files[0].name, englishFile);
  EXPECT_FALSE(selfCheck(pair, folder.root(), &problems));
  ASSERT_FALSE(problems.empty());
  EXPECT_NE(problems[0].find("en_de.tdl: entry 9 does not decode to \"town\""), std::string::npos) << problems[0];

  // The last two bytes of the German-English list name the English entry of
  // the last German word's translation.
  folder.write(files[0].name, files[0].bytes);
  std::string reverse = files[3].bytes;
  reverse[reverse.size() - 2] = static_cast<char>(reverse[reverse.size() - 2] ^ 0x01);
  folder.write(files[3].name, reverse);
  problems.clear();
  EXPECT_FALSE(selfCheck(pair, folder.root(), &problems));
  // Found once by reading the list as a lookup does, and once through
  // TD_Translate, which the last word always goes through.
  EXPECT_EQ(problems, (Strings{"de_en.tdl: \"guten Morgen\" does not translate as written",
                               "de_en.tdl: \"guten Morgen\" does not translate as written through TD_Translate"}));

}

TEST(LexmakeCommandLine, AnswersHelpAndVersionAndRefusesBadUsageWithStatusTwo) {
  const RunResult help = lexmake_test::runLexmake({"-h"}), version = lexmake_test::runLexmake({"--version", "--frobnicate"});
  EXPECT_EQ(help.status + version.status, kExitDone + kExitDone);
  EXPECT_EQ(help.out.rfind("Usage: lexmake", 0), 0u) << help.out;
  EXPECT_EQ(version.out.rfind("lexmake ", 0), 0u) << version.out;

  const std::vector<std::string> good = lexmake_test::pairArguments("p.tsv", "out");
  const auto without = [&good](const std::string& option) {
    std::vector<std::string> args = good;
    const auto it = std::find(args.begin(), args.end(), option);
    return args.erase(it, it + (it + 1 == args.end() ? 1 : 2)), args;
  };
  const auto with = [&good](const std::string& option, const std::string& value) {
    std::vector<std::string> args = good;
    return *(std::find(args.begin(), args.end(), option) + 1) = value, args;
  };
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {without("--lang-a"), "missing --lang-a"},
      {without("--id-b"), "missing --id-b"},
      {with("--lang-a", "de"), "the two languages need different codes"},
      {with("--lang-a", "DE"), "the two languages need different codes"},
      {with("--lang-a", "engl1"), "a language code is 1 to 4 ASCII letters or digits, not \"engl1\""},
      {with("--id-a", "12x"), "a language id is a number from 0 to 4294967295, not \"12x\""},
      {with("--id-a", "4294967296"), "a language id is a number from 0 to 4294967295, not \"4294967296\""},
      {with("--name-a", std::string(50, 'E')), "is longer than 49 characters"},
      {with("--name-b", "Русский"), "has no Windows-1252 character"},
      {{"--lang-a"}, "--lang-a needs a value"},
      {{"--frobnicate", "1"}, "unknown option --frobnicate"},
      {without("p.tsv"), "missing an input file"},
  };
  for (const auto& [args, message] : cases) {
    const RunResult run = lexmake_test::runLexmake(args);
    EXPECT_EQ(run.status, kExitUsage) << message;
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_NE(lexmake_test::runLexmake(with("--id-a", "0xFFFFFFFF")).status, kExitUsage);  // a valid id; no pair file
}

}  // namespace
}  // namespace lexmake
