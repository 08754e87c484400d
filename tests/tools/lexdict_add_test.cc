// lexdict add: pairs into the user dictionary beside a list file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lexdict_dictionaries.h"
#include "lexdict_runner.h"

namespace lexdict_test {
namespace {

class LexdictAdd : public ::testing::Test {
 protected:
  LexdictAdd() { writeSamplePair(folder_.root()); }

  std::string enDe() const { return folder_.path("en_de.tdl"); }
  std::string userFile() const { return folder_.path("en_de.udr"); }

  vocaro_test::TempFolder folder_;
};

TEST_F(LexdictAdd, AnAddedPairIsTranslatedFromTheUserDictionary) {
  ProgramRun run = runLexdict({"add", enDe(), "flat", "Wohnung"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Added \"flat\" = \"Wohnung\"\n");
  EXPECT_EQ(folder_.read("en_de.udr"), "flat:Wohnung\r\n");

  run = runLexdict({"translate", "--json", "--options", "2", enDe(), "flat"});
  EXPECT_EQ(run.out,
            "{\"word\": \"flat\", \"result\": 0, \"status\": 0, \"translations\": [\"Wohnung\"], \"suggestions\": "
            "[]}\n");
  // Without the user dictionary option the pair is not consulted.
  run = runLexdict({"translate", "--json", "--options", "0", enDe(), "flat"});
  EXPECT_NE(run.out.find("\"status\": 1"), std::string::npos);
}

TEST_F(LexdictAdd, JsonGivesTheEnginesAnswer) {
  EXPECT_EQ(runLexdict({"add", "--json", enDe(), "flat", "Wohnung"}).out, "{\"result\": 1}\n");
  // Already there: still 1, and the file holds the pair once.
  const ProgramRun again = runLexdict({"add", enDe(), "--json", "flat", "Wohnung"});
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_EQ(again.out, "{\"result\": 1}\n");
  EXPECT_EQ(folder_.read("en_de.udr"), "flat:Wohnung\r\n");
}

TEST_F(LexdictAdd, TextIsStoredInTheDictionariesCharacterSetWithoutSurroundingBlanks) {
  EXPECT_EQ(runLexdict({"add", enDe(), "  café\t", " Café "}).exitCode, 0);
  EXPECT_EQ(folder_.read("en_de.udr"), "caf\xe9:Caf\xe9\r\n");
  const ProgramRun run = runLexdict({"translate", "--json", "--options", "2", enDe(), "café"});
  EXPECT_NE(run.out.find("\"translations\": [\"Café\"]"), std::string::npos) << run.out;
}

TEST_F(LexdictAdd, PairsTheFileCannotHoldAreRefused) {
  struct Case {
    const char* word;
    const char* translation;
    const char* problem;
  };
  for (const Case& c : {Case{"a:b", "x", "holds a colon"}, Case{"   ", "x", "is empty"},
                        Case{"word", "two\nlines", "holds a line break"}, Case{"word", "", "is empty"},
                        Case{"日本", "x", "cannot represent"}}) {
    const ProgramRun run = runLexdict({"add", "--json", enDe(), c.word, c.translation});
    EXPECT_EQ(run.exitCode, 1) << c.problem;
    EXPECT_EQ(run.out, "{\"result\": null}\n") << c.problem;
    EXPECT_NE(run.err.find(c.problem), std::string::npos) << run.err;
  }
  EXPECT_FALSE(folder_.exists("en_de.udr"));
  // A colon inside the translation is fine: the word ends at the first one.
  EXPECT_EQ(runLexdict({"add", enDe(), "time", "12:00"}).exitCode, 0);
  EXPECT_EQ(folder_.read("en_de.udr"), "time:12:00\r\n");
}

TEST_F(LexdictAdd, AListFileThatCannotBeOpenedIsReported) {
  const std::string missing = folder_.path("xx_yy.tdl");
  const ProgramRun run = runLexdict({"add", "--json", missing, "flat", "Wohnung"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "{\"result\": -1}\n");
  EXPECT_EQ(run.err, "lexdict: " + missing + ": no such file\n");
}

TEST_F(LexdictAdd, AnUnwritableUserDictionaryFailsTheAdd) {
  std::filesystem::create_directory(userFile());
  const ProgramRun run = runLexdict({"add", "--json", enDe(), "flat", "Wohnung"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "{\"result\": 0}\n");
  EXPECT_NE(run.err.find("could not be added"), std::string::npos) << run.err;
}

TEST_F(LexdictAdd, ItTakesExactlyThreeArguments) {
  EXPECT_EQ(runLexdict({"add", enDe(), "flat"}).exitCode, 2);
  EXPECT_EQ(runLexdict({"add", enDe(), "flat", "Wohnung", "extra"}).exitCode, 2);
  EXPECT_EQ(runLexdict({"add", "--options", "2", enDe(), "flat", "Wohnung"}).exitCode, 2);
  EXPECT_FALSE(folder_.exists("en_de.udr"));
}

}  // namespace
}  // namespace lexdict_test
