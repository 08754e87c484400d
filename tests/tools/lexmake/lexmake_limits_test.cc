// The format's limits: 15 translations a word, 127 bytes an entry, 65535
// entries a data file.  What does not fit is left out and reported.
#include <gtest/gtest.h>

#include "compiled_pair.h"
#include <random>

#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::RunResult;
using lexmake_test::TempFolder;

// Compiles the English-German pairs of `list` into `pair`.
class LexmakeLimits : public ::testing::Test {
 protected:
  bool compile(const std::vector<std::pair<std::string, std::string>>& list) {
    PairList pairs;
    const uint16_t file = pairs.addFile("p");
    for (size_t i = 0; i < list.size(); ++i) pairs.add(list[i].first, list[i].second, Side::A, file, static_cast<uint32_t>(i + 1));
    lexmake_test::NullProgress progress;
    return compilePair(pairs, SelectionRules(), Language{"en", "English", 1033, {}}, Language{"de", "German", 1031, {}},
                       &pair, &diagnostics, &progress.bar);
  }

  CompiledPair pair;
  Diagnostics diagnostics;
};

TEST_F(LexmakeLimits, KeepsFifteenTranslationsOfAWordInEachDirection) {
  std::vector<std::pair<std::string, std::string>> list;
  for (int i = 0; i < 16; ++i) list.push_back({"word", "w" + std::to_string(100 + i)});
  for (int i = 0; i < 16; ++i) list.push_back({"x" + std::to_string(100 + i), "Wort"});
  list.insert(list.begin() + 1, {"word", "w100"});  // a repeated pair counts once
  ASSERT_TRUE(compile(list));

  const auto a = std::find(pair.wordsA.begin(), pair.wordsA.end(), "word") - pair.wordsA.begin();
  ASSERT_EQ(pair.aToB[a].size(), 15u);
  EXPECT_EQ(pair.wordsB[pair.aToB[a][14]], "w114");  // input order
  // The dropped translation stays a word of the file: it translates back.
  EXPECT_NE(std::find(pair.wordsB.begin(), pair.wordsB.end(), "w115"), pair.wordsB.end());
  EXPECT_EQ(diagnostics.warnings, (std::vector<std::string>{"p:17: translation \"w115\" of \"word\" left out: a word has at most 15",
                                                           "p:33: translation \"x115\" of \"Wort\" left out: a word has at most 15"}));
}

// A word of 128 bytes does not fit an entry; a word whose only translation
// is such a word has nothing left to translate to.
TEST_F(LexmakeLimits, LeavesOutWordsOver127BytesAndWhatOnlyTheyTranslate) {
  const std::string fits(127, 'a');
  const std::string tooLong(128, 'b');
  ASSERT_TRUE(compile({{fits, "lang"}, {tooLong, "zu lang"}, {"short", tooLong}}));
  EXPECT_EQ(pair.wordsA, (std::vector<std::string>{fits}));
  EXPECT_EQ(pair.wordsB, (std::vector<std::string>{"lang"}));
  EXPECT_EQ(leftOutSummary(pair.leftOut, "English", "German"),
            "1 English word over 127 bytes, 1 German word over 127 bytes, 1 English word without a kept translation, "
            "1 German word without a kept translation");
  // An input with nothing left is refused.
  EXPECT_FALSE(compile({{std::string(200, 'x'), "y"}}));
  EXPECT_EQ(diagnostics.errors, std::vector<std::string>{"input: no word pairs to compile; left out: 1 English word "
                                                        "over 127 bytes, 1 German word without a kept translation"});

  TempFolder folder;
  const std::string pairs = folder.write("empty.tsv", "# nothing but a comment\n");
  const RunResult run = lexmake_test::runPair(pairs, folder.path("out"));
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("no word pairs to compile; the inputs hold none"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(folder.path("out")));
}

TEST_F(LexmakeLimits, LeavesOutWordsThatDoNotEncodeAndKeepsTheRest) {
  std::mt19937 random(11);
  std::vector<std::pair<std::string, std::string>> list = {{"cat", "Katze"}, {"dog", "Hund"}};
  for (int i = 0; i < 40; ++i) {
    std::string noise;
    for (int j = 0; j < 120; ++j) noise.push_back(static_cast<char>('A' + random() % 58));
    list.push_back({noise, "Rauschen"});
  }
  ASSERT_TRUE(compile(list));
  const size_t unencodable = pair.leftOut.count(LeftOutReason::Unencodable, Side::A);
  EXPECT_GT(unencodable, 0u);
  EXPECT_EQ(pair.wordsA.size() + unencodable, 42u);
  ASSERT_FALSE(diagnostics.warnings.empty());
  EXPECT_NE(diagnostics.warnings[0].find("does not encode in 15 codes after its block key"), std::string::npos);
}

// 65536 distinct words on each side, all equally useful: the pair that came
// last is left out, and the 65535 that stay make files that pass the check.
TEST_F(LexmakeLimits, Keeps65535WordsOfEachLanguage) {
  TempFolder folder;
  std::string content;
  char line[64];
  for (int i = 0; i < 65536; ++i) {
    std::snprintf(line, sizeof line, "w%05d\tv%05d\n", (i * 7919) % 65536, i);
    content += line;
  }
  const std::string pairs = folder.write("many.tsv", content);
  const RunResult run = lexmake_test::runPair(pairs, folder.root());
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_NE(run.out.find("ende_de.tdd 65535 entries"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("left out: 1 English word beyond 65535 entries, 1 German word beyond 65535 entries"),
            std::string::npos)
      << run.out;
  // The 65536th pair of the input is the one left out.
  std::snprintf(line, sizeof line, "many.tsv:65536: \"w%05d\" left out", (65535 * 7919) % 65536);
  EXPECT_NE(run.err.find(line), std::string::npos) << run.err;

  lexmake_test::Translator reverse(folder.root(), "de_en.tdl");
  EXPECT_EQ(reverse.translate("v00000", 0).translations, (std::vector<std::string>{"w00000"}));
  EXPECT_EQ(reverse.translate("v65535", 0).status, TD_NOT_FOUND);
}

}  // namespace
}  // namespace lexmake
