// The bundled sample dictionaries: they compile without a warning, and the
// examples that data/README.md gives users to try work as it says.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::RunResult;
using lexmake_test::ScratchFolder;
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
    folder_ = new ScratchFolder("sample");
    german_ = compileSample("de", "German", "1031", folder_->path());
    french_ = compileSample("fr", "French", "1036", folder_->path());
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

  static ScratchFolder* folder_;
  static RunResult german_;
  static RunResult french_;
};

ScratchFolder* LexmakeSampleData::folder_ = nullptr;
RunResult LexmakeSampleData::german_;
RunResult LexmakeSampleData::french_;

TEST_F(LexmakeSampleData, CompilesWithoutWarnings) {
  EXPECT_EQ(german_.status, kExitDone) << german_.err;
  EXPECT_EQ(french_.status, kExitDone) << french_.err;
  EXPECT_TRUE(german_.err.empty()) << german_.err;
  EXPECT_TRUE(french_.err.empty()) << french_.err;
  EXPECT_NE(german_.out.find("left out: nothing"), std::string::npos) << german_.out;
  EXPECT_NE(french_.out.find("left out: nothing"), std::string::npos) << french_.out;
}

TEST_F(LexmakeSampleData, TranslatesInAllFourDirections) {
  Translator enDe(folder_->path(), "en_de.tdl", "ende_en.tdd", "ende_de.tdd");
  EXPECT_EQ(enDe.translate("bank", 0).translations, (std::vector<std::string>{"Bank", "Ufer"}));
  Translator deEn(folder_->path(), "de_en.tdl", "ende_de.tdd", "ende_en.tdd");
  EXPECT_EQ(deEn.translate("Karte", 0).translations, (std::vector<std::string>{"ticket", "map", {"card"}}));
  Translator enFr(folder_->path(), "en_fr.tdl", "enfr_en.tdd", "enfr_fr.tdd");
  EXPECT_EQ(enFr.translate("good morning", 0).translations, (std::vector<std::string>{"bonjour"}));
  Translator frEn(folder_->path(), "fr_en.tdl", "enfr_fr.tdd", "enfr_en.tdd");
  EXPECT_EQ(frEn.translate("bonjour", 0).translations, (std::vector<std::string>{"hello", "good morning"}));
}

TEST_F(LexmakeSampleData, EnglishEndingsAndSpellings) {
  Translator t(folder_->path(), "en_de.tdl", "ende_en.tdd", "ende_de.tdd");
  expectSuggestions(t, TD_OPT_SMART_SEARCH,
                    {{"houses", "house", {"Haus"}},
                     {"boxes", "box", {"Kiste", "Schachtel"}},
                     {"cities", "city", {"Stadt"}},
                     {"walked", "walk", {"laufen", "spazieren gehen"}},
                     {"running", "run", {"laufen", "rennen"}},
                     {"making", "make", {"machen"}},
                     {"knives", "knife", {"Messer"}},
                     {"bigger", "big", {"groß"}},
                     {"women", "woman", {"Frau"}}});
  expectSuggestions(t, TD_OPT_SPELLING,
                    {{"foto", "photo", {"Foto"}},
                     {"color", "colour", {"Farbe"}},
                     {"neighbor", "neighbour", {"Nachbar", "Nachbarin"}},
                     {"theater", "theatre", {"Theater"}},
                     {"freind", "friend", {"Freund", "Freundin"}},
                     {"recieve", "receive", {"bekommen", "erhalten"}},
                     {"musik", "music", {"Musik"}},
                     {"adress", "address", {"Adresse"}},
                     {"tomorow", "tomorrow", {"morgen"}},
                     {"wellcome", "welcome", {"willkommen"}},
                     {"gray", "grey", {"grau"}}});
}

TEST_F(LexmakeSampleData, GermanEndingsAndSpellings) {
  Translator t(folder_->path(), "de_en.tdl", "ende_de.tdd", "ende_en.tdd");
  expectSuggestions(t, TD_OPT_SMART_SEARCH,
                    {{"Katzen", "Katze", {"cat"}},
                     {"Hunde", "Hund", {"dog"}},
                     {"Frauen", "Frau", {"woman", "wife"}},
                     {"Kinder", "Kind", {"child"}},
                     {"Kindern", "Kind", {"child"}},
                     {"Autos", "Auto", {"car"}},
                     {"Lehrerinnen", "Lehrerin", {"teacher"}},
                     {"kleine", "klein", {"small", "little"}},
                     {"spielt", "spielen", {"play"}},
                     {"spielte", "spielen", {"play"}},
                     {"wohnst", "wohnen", {"live"}},
                     {"arbeitet", "arbeiten", {"work"}}});
  expectSuggestions(t, TD_OPT_SPELLING,
                    {{"Strasse", "Straße", {"street", "road"}},
                     {"Kaese", "Käse", {"cheese"}},
                     {"Loewe", "Löwe", {"lion"}},
                     {"Tuer", "Tür", {"door"}},
                     {"Aerztin", "Ärztin", {"doctor"}},
                     {"Delphin", "Delfin", {"dolphin"}},
                     {"fuenf", "fünf", {"five"}},
                     {"Fuss", "Fuß", {"foot"}}});
  // An umlaut plural is out of the ending table's reach.
  EXPECT_EQ(t.translate("Häuser", TD_OPT_SMART_SEARCH).status, TD_NOT_FOUND);
}

TEST_F(LexmakeSampleData, FrenchEndingsAndSpellings) {
  Translator t(folder_->path(), "fr_en.tdl", "enfr_fr.tdd", "enfr_en.tdd");
  expectSuggestions(t, TD_OPT_SMART_SEARCH,
                    {{"chats", "chat", {"cat"}},
                     {"jeux", "jeu", {"game"}},
                     {"chevaux", "cheval", {"horse"}},
                     {"journaux", "journal", {"newspaper"}},
                     {"grande", "grand", {"big", "large", "tall"}},
                     {"petites", "petit", {"small", "little"}},
                     {"heureuse", "heureux", {"happy"}},
                     {"active", "actif", {"active"}},
                     {"boulangère", "boulanger", {"baker"}},
                     {"parlons", "parler", {"speak", "talk"}},
                     {"mangez", "manger", {"eat"}},
                     {"finissons", "finir", {"finish"}},
                     {"choisis", "choisir", {"choose"}}});
  expectSuggestions(t, TD_OPT_SPELLING,
                    {{"ecole", "école", {"school"}},
                     {"fenetre", "fenêtre", {"window"}},
                     {"mere", "mère", {"mother"}},
                     {"frere", "frère", {"brother"}},
                     {"gateau", "gâteau", {"cake"}},
                     {"ile", "île", {"island"}},
                     {"hopital", "hôpital", {"hospital"}},
                     {"francais", "français", {"French"}},
                     {"garcon", "garçon", {"boy"}},
                     {"coeur", "cœur", {"heart"}},
                     {"soeur", "sœur", {"sister"}},
                     {"Noel", "Noël", {"Christmas"}}});
}

TEST_F(LexmakeSampleData, PhrasesAndLetterCase) {
  Translator enDe(folder_->path(), "en_de.tdl", "ende_en.tdd", "ende_de.tdd");
  Translation t = enDe.translate("big house", 0);
  EXPECT_EQ(t.status, TD_SUGGESTED);
  EXPECT_EQ(t.suggestions, (std::vector<std::string>{"big"}));
  EXPECT_EQ(t.translations, (std::vector<std::string>{"groß"}));

  Translator deEn(folder_->path(), "de_en.tdl", "ende_de.tdd", "ende_en.tdd");
  EXPECT_EQ(deEn.translate("strasse", TD_OPT_SPELLING).status, TD_NOT_FOUND);
  t = deEn.translate("strasse", TD_OPT_SPELLING | TD_OPT_CASE_INSENSITIVE);
  EXPECT_EQ(t.status, TD_SUGGESTED);
  EXPECT_EQ(t.translations, (std::vector<std::string>{"street", "road"}));
}

}  // namespace
}  // namespace lexmake
