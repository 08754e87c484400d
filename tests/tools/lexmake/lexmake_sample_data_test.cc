// The bundled sample dictionaries: they compile without a warning, and the
// examples that data/README.md gives users to try work as it says.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::RunResult;
using lexmake_test::TempFolder;
using lexmake_test::Translation;
using lexmake_test::Translator;

std::string dataFile(const std::string& name) { return std::string(VOCARO_DATA_DIR) + "/" + name; }

RunResult compileSample(const std::string& other, const std::string& name, const std::string& id,
                        const std::string& output) {
  return lexmake_test::runLexmake({"--lang-a", "en", "--lang-b", other, "--name-a", "English", "--name-b", name,
                                   "--id-a", "1033", "--id-b", id, "--tables-a", dataFile("en.tables"), "--tables-b",
                                   dataFile(other + ".tables"), "--output", output, dataFile("en_" + other + ".tsv")});
}

struct Example {
  const char* typed;
  const char* suggested;                  // the first suggestion
  std::vector<std::string> translations;  // those of the first suggestion
};

class LexmakeSampleData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = new TempFolder;
    german_ = compileSample("de", "German", "1031", folder_->root());
    french_ = compileSample("fr", "French", "1036", folder_->root());
  }
  static void TearDownTestSuite() { delete folder_; }

  static void expectSuggestions(Translator& translator, int32_t options, const std::vector<Example>& examples) {
    for (const Example& e : examples) {
      const Translation t = translator.translate(e.typed, options);
      EXPECT_EQ(t.status, TD_SUGGESTED) << e.typed;
      ASSERT_FALSE(t.suggestions.empty()) << e.typed;
      EXPECT_EQ(t.suggestions[0], e.suggested) << e.typed;
      EXPECT_EQ(t.translations, e.translations) << e.typed;
    }
  }

  static TempFolder* folder_;
  static RunResult german_;
  static RunResult french_;
};

TempFolder* LexmakeSampleData::folder_ = nullptr;
RunResult LexmakeSampleData::german_;
RunResult LexmakeSampleData::french_;

TEST_F(LexmakeSampleData, CompilesWithoutWarnings) {
  for (const RunResult* run : {&german_, &french_}) {
    EXPECT_EQ(run->status, kExitDone) << run->err;
    EXPECT_TRUE(run->err.empty()) << run->err;
    EXPECT_NE(run->out.find("left out: nothing"), std::string::npos) << run->out;
  }
}

TEST_F(LexmakeSampleData, TranslatesInAllFourDirections) {
  Translator enDe(folder_->root(), "en_de.tdl");
  EXPECT_EQ(enDe.translate("bank", 0).translations, (std::vector<std::string>{"Bank", "Ufer"}));
  Translator deEn(folder_->root(), "de_en.tdl");
  EXPECT_EQ(deEn.translate("Karte", 0).translations, (std::vector<std::string>{"ticket", "map", {"card"}}));
  Translator enFr(folder_->root(), "en_fr.tdl");
  EXPECT_EQ(enFr.translate("good morning", 0).translations, (std::vector<std::string>{"bonjour"}));
  Translator frEn(folder_->root(), "fr_en.tdl");
  EXPECT_EQ(frEn.translate("bonjour", 0).translations, (std::vector<std::string>{"hello", "good morning"}));
}

// Ending (smart search) and spelling suggestions in each language.
TEST_F(LexmakeSampleData, EndingsAndSpellingsOfEachLanguage) {
  constexpr int32_t kSmart = TD_OPT_SMART_SEARCH;
  constexpr int32_t kSpell = TD_OPT_SPELLING;
  Translator en(folder_->root(), "en_de.tdl");
  expectSuggestions(en, kSmart, {{"boxes", "box", {"Kiste", "Schachtel"}}, {"running", "run", {"laufen", "rennen"}},
                                 {"knives", "knife", {"Messer"}}, {"women", "woman", {"Frau"}}});
  expectSuggestions(en, kSpell, {{"foto", "photo", {"Foto"}}, {"neighbor", "neighbour", {"Nachbar", "Nachbarin"}},
                                 {"freind", "friend", {"Freund", "Freundin"}}, {"tomorow", "tomorrow", {"morgen"}}});
  Translator de(folder_->root(), "de_en.tdl");
  expectSuggestions(de, kSmart, {{"Kindern", "Kind", {"child"}}, {"Lehrerinnen", "Lehrerin", {"teacher"}},
                                 {"spielte", "spielen", {"play"}}});
  expectSuggestions(de, kSpell, {{"Strasse", "Straße", {"street", "road"}}, {"Aerztin", "Ärztin", {"doctor"}}});
  // An umlaut plural is out of the ending table's reach.
  EXPECT_EQ(de.translate("Häuser", kSmart).status, TD_NOT_FOUND);
  Translator fr(folder_->root(), "fr_en.tdl");
  expectSuggestions(fr, kSmart, {{"chevaux", "cheval", {"horse"}}, {"heureuse", "heureux", {"happy"}},
                                 {"boulangère", "boulanger", {"baker"}}, {"finissons", "finir", {"finish"}}});
  expectSuggestions(fr, kSpell, {{"fenetre", "fenêtre", {"window"}}, {"garcon", "garçon", {"boy"}},
                                 {"coeur", "cœur", {"heart"}}, {"Noel", "Noël", {"Christmas"}}});
}

TEST_F(LexmakeSampleData, PhrasesAndLetterCase) {
  Translator enDe(folder_->root(), "en_de.tdl");
  Translation t = enDe.translate("big house", 0);
  EXPECT_EQ(t.status, TD_SUGGESTED);
  EXPECT_EQ(t.suggestions, (std::vector<std::string>{"big"}));
  EXPECT_EQ(t.translations, (std::vector<std::string>{"groß"}));

  Translator deEn(folder_->root(), "de_en.tdl");
  EXPECT_EQ(deEn.translate("strasse", TD_OPT_SPELLING).status, TD_NOT_FOUND);
  t = deEn.translate("strasse", TD_OPT_SPELLING | TD_OPT_CASE_INSENSITIVE);
  EXPECT_EQ(t.status, TD_SUGGESTED);
  EXPECT_EQ(t.translations, (std::vector<std::string>{"street", "road"}));
}

}  // namespace
}  // namespace lexmake
