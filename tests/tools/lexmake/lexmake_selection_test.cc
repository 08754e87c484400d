// Choosing which words go into the files when the input holds more than
// fits, and in which order each word's translations stand.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"
#include "selection.h"
#include "word_classes.h"

namespace lexmake {
namespace {

using Strings = std::vector<std::string>;

// Pairs of two FreeDict-like databases, scored as the reader scores senses.
struct Sense {
  const char* head;
  const char* translation;
  Side side;
  SenseEvidence evidence = {};
  bool plural = false;  // the entry names its headword a plural
};

PairList pairsOf(const std::vector<Sense>& senses) {
  PairList pairs;
  const uint16_t file = pairs.addFile("p");
  uint32_t line = 0;
  for (const Sense& s : senses) pairs.add(s.head, s.translation, s.side, file, ++line, senseScore(s.evidence), s.plural);
  return pairs;
}

// Every A word of `words` translates to the one B word "X".
PairList toOneWord(const Strings& words) {
  std::vector<Sense> senses;
  for (const std::string& w : words) senses.push_back({w.c_str(), "X", Side::A});
  return pairsOf(senses);
}

Strings translationsOf(const Lexicon& lexicon, Side side, const std::string& word) {
  const Strings& words = side == Side::A ? lexicon.wordsA : lexicon.wordsB;
  const Strings& others = side == Side::A ? lexicon.wordsB : lexicon.wordsA;
  const auto& links = side == Side::A ? lexicon.aToB : lexicon.bToA;
  const size_t i = std::find(words.begin(), words.end(), word) - words.begin();
  Strings result;
  if (i == words.size()) return result;
  for (const uint16_t j : links[i]) result.push_back(others[j]);
  return result;
}

Strings translationsOf(const PairList& pairs, const SelectionRules& rules, Side side, const std::string& word) {
  LeftOut leftOut;
  return translationsOf(Selector(pairs, rules).select(&leftOut), side, word);
}

// A frequency list of `size` filler words with the words of `at` at their places.
Strings frequencyList(size_t size, const std::vector<std::pair<size_t, std::string>>& at) {
  Strings words(size, "filler");
  for (const auto& [place, word] : at) words[place] = word;
  return words;
}

TEST(LexmakeSelection, RanksSingleWordsThenShortPhrasesThenInflectedFormsThenLongerPhrases) {
  const PairList pairs = toOneWord({"the big house", "houses", "ice cream", "cat", "house"});
  SelectionRules rules;
  rules.maxWords = 3;
  rules.endingsA = {{"", "s", "es"}};
  Selector selector(pairs, rules);
  LeftOut leftOut;
  EXPECT_EQ(selector.select(&leftOut).wordsA, (Strings{"cat", "house", "ice cream"}));
  // "house" comes first: a phrase of the input uses it.
  EXPECT_LT(selector.rankOf(Side::A, pairs.a.find("house")), selector.rankOf(Side::A, pairs.a.find("cat")));
  EXPECT_LT(selector.rankOf(Side::A, pairs.a.find("houses")), selector.rankOf(Side::A, pairs.a.find("the big house")));
  ASSERT_EQ(leftOut.items.size(), 2u);
  EXPECT_EQ(leftOutMessage(leftOut.items[0], pairs),
            "p:1: \"the big house\" left out: ranked below every word its language keeps");
  // The user's word list comes first.
  rules.maxWords = 2;
  rules.rankA = {"the big house", "not in the input", "houses"};
  EXPECT_EQ(Selector(pairs, rules).select(&leftOut).wordsA, (Strings{"houses", "the big house"}));

  // A plural is no word's base, though the ending table takes the singular
  // to it as it takes "mache" to "machen".
  const PairList bohnen = pairsOf({{"mache", "X", Side::A}, {"machen", "X", Side::A},
                                   {"Bohnen", "X", Side::A, {}, true}, {"Bohne", "X", Side::A}});
  SelectionRules german;
  german.maxWords = 3;
  german.endingsA = {{"en", "e"}};
  EXPECT_EQ(Selector(bohnen, german).select(&leftOut).wordsA, (Strings{"Bohne", "Bohnen", "machen"}));
}

TEST(LexmakeSelection, KeepsAWordTogetherWithItsFirstTranslation) {
  const PairList pairs = pairsOf({{"bank", "Ufer", Side::A}, {"bank", "Bank", Side::A}, {"Bank", "bench", Side::B}});
  SelectionRules rules;
  rules.maxWords = 1;
  LeftOut leftOut;
  const Lexicon lexicon = Selector(pairs, rules).select(&leftOut);
  EXPECT_EQ(lexicon.wordsB, Strings{"Ufer"});  // "Bank" ranks higher, but "bank" brought "Ufer"
  EXPECT_EQ(translationsOf(lexicon, Side::B, "Ufer"), Strings{"bank"});
  EXPECT_EQ(leftOut.count(LeftOutReason::BeyondLimit, Side::B), 1u);
  EXPECT_EQ(leftOut.count(LeftOutReason::BeyondLimit, Side::A), 1u);  // "bench"
}

TEST(LexmakeSelection, RanksTranslationsByEvidenceThenInputOrder) {
  SenseEvidence examples, labelled, noted, later;
  examples.examples = 3;
  labelled.labelPenalty = labelPenalty("techn.");
  noted.noted = true;
  later.place = 2;
  const PairList pairs = pairsOf({
      {"dog", "Bandhaken", Side::A, noted},     // a trade's sense, first in the source
      {"dog", "Bock", Side::A, labelled},
      {"dog", "Hund", Side::A, examples},
      {"Hund", "tub", Side::B},                 // the mining sense, first
      {"Hund", "dog", Side::B, later},          // given back by "dog", so it wins
      {"go", "gehen", Side::A}, {"go", "fahren", Side::A},
      {"fahren", "go", Side::B},                // both directions: before "gehen"
      {"go", "laufen", Side::A}, {"go", "wandern", Side::A},  // equal evidence: input order
  });
  EXPECT_EQ(translationsOf(pairs, SelectionRules(), Side::A, "dog"), (Strings{"Hund", "Bock", "Bandhaken"}));
  EXPECT_EQ(translationsOf(pairs, SelectionRules(), Side::B, "Hund"), (Strings{"dog", "tub"}));
  EXPECT_EQ(translationsOf(pairs, SelectionRules(), Side::A, "go"), (Strings{"fahren", "gehen", "laufen", "wandern"}));

  // A translation that several senses give before one sense's that stands
  // earlier; senses that a label or a note restricts do not count.
  const PairList klar = pairsOf({{"klar", "straight", Side::A}, {"klar", "clear", Side::A}, {"klar", "clear", Side::A},
                                 {"klar", "flux", Side::A}, {"klar", "flux", Side::A, labelled}, {"klar", "flux", Side::A, noted}});
  EXPECT_EQ(translationsOf(klar, SelectionRules(), Side::A, "klar"), (Strings{"clear", "straight", "flux"}));

  // A plural after its singular, whatever the evidence.
  PairList window = pairsOf({{"Fenster", "windows", Side::B, examples}, {"Fenster", "window", Side::B}});
  SelectionRules english;
  english.endingsA = {{"", "s"}};
  EXPECT_EQ(translationsOf(window, english, Side::B, "Fenster"), (Strings{"window", "windows"}));

  // A common translation comes before a rare one of equal evidence; being
  // given in both directions counts for more than being 20 times as common.
  SelectionRules rules;
  rules.frequencyB.add(frequencyList(5001, {{100, "wandern"}, {2000, "fahren"}, {5000, "laufen"}}));
  EXPECT_EQ(translationsOf(pairs, rules, Side::A, "go"), (Strings{"fahren", "wandern", "laufen", "gehen"}));

  // A common translation that gives the word back first ("seven") before a
  // more common one that gives it third ("screen"); a rare translation
  // that gives it back first ("sift") gains nothing.
  const PairList sieben = pairsOf({{"sieben", "screen", Side::B}, {"sieben", "sift", Side::B, examples}, {"sieben", "seven", Side::B},
                                   {"screen", "Bildschirm", Side::A, examples}, {"screen", "Schirm", Side::A},
                                   {"Bildschirm", "screen", Side::B}, {"Schirm", "screen", Side::B},
                                   {"screen", "sieben", Side::A}, {"seven", "sieben", Side::A}, {"sift", "sieben", Side::A}});
  SelectionRules ranks;
  ranks.frequencyA.add(frequencyList(5000, {{100, "screen"}, {200, "seven"}, {4500, "sift"}}));
  EXPECT_EQ(translationsOf(sieben, ranks, Side::B, "sieben"), (Strings{"seven", "screen", "sift"}));

  // A label of what kind of thing a word names costs nothing, nor does a
  // word saying which use a sense is; a subject's label and a place's do.
  SenseEvidence pear, fog, place;
  pear.labelPenalty = labelPenalty("bot.");
  fog.labelPenalty = labelPenalty("dicker");
  place.labelPenalty = labelPenalty("S\xC3\xBC" "dtirol");
  const PairList birne = pairsOf({{"Birne", "bulb", Side::B, labelled}, {"Birne", "pear", Side::B, pear},
                                  {"Nebel", "nebula", Side::B, labelled}, {"Nebel", "mist", Side::B, place},
                                  {"Nebel", "fog", Side::B, fog}});
  EXPECT_EQ(translationsOf(birne, SelectionRules(), Side::B, "Birne"), (Strings{"pear", "bulb"}));
  EXPECT_EQ(translationsOf(birne, SelectionRules(), Side::B, "Nebel"), (Strings{"fog", "mist", "nebula"}));

  // Of two spellings as strong, the one the search shows first stays itself:
  // "life" is "Leben", not "leben".
  const PairList leben = pairsOf({{"leben", "live", Side::B}, {"Leben", "life", Side::B}});
  EXPECT_EQ(translationsOf(leben, SelectionRules(), Side::A, "life"), Strings{"Leben"});
  EXPECT_EQ(translationsOf(leben, SelectionRules(), Side::A, "live"), Strings{"leben"});
}

// Word class counts: a sense of the class its word is seldom used in comes
// after the senses of its usual class, whatever its examples.
TEST(LexmakeSelection, RanksSensesOfAWordsUsualClassFirst) {
  WordClassCounts counts;
  Diagnostics diagnostics;
  EXPECT_TRUE(counts.add("belt%1:06:00:: 1 11\nbelt%2:35:00:: 1 2\nice_cream%1:13:00:: 1 3\n", "cntlist.rev",
                         &diagnostics));
  SenseEvidence verb, noun;
  verb.examples = 2;  // "he/she belts", "I/he/she belted": more examples than the noun's
  noun.examples = 1;
  verb.classPenalty = counts.penalty("belt", WordClass::Verb);
  noun.classPenalty = counts.penalty("belt", WordClass::Noun);
  const PairList belt = pairsOf({{"belt", "hauen", Side::A, verb}, {"belt", "Gürtel", Side::A, noun}});
  EXPECT_EQ(translationsOf(belt, SelectionRules(), Side::A, "belt"), (Strings{"Gürtel", "hauen"}));
  EXPECT_EQ(counts.penalty("Belt", WordClass::Noun), 0);
  EXPECT_GT(counts.penalty("ice cream", WordClass::Verb), 0);
  EXPECT_EQ(counts.penalty("fox", WordClass::Verb), 0);  // no counts, no evidence
  EXPECT_EQ(counts.penalty("belt", WordClass::Unknown), 0);

  EXPECT_FALSE(counts.add("belt%1:06:00:: 1 11\nbelt 1 2\nbelt%9:00:00:: 1 2\nbelt%1:06:00:: 1 x\n", "c.rev",
                          &diagnostics));
  EXPECT_EQ(diagnostics.errors.size(), 3u);
  EXPECT_NE(diagnostics.errors[0].find("c.rev:2"), std::string::npos) << diagnostics.errors[0];
}

TEST(LexmakeSelection, ChoosesWordsByFrequencyAndGivesFormsTheirWordsTranslations) {
  const PairList words = toOneWord({"zymurgy", "ice cream", "houses", "go", "abseil", "house"});
  SelectionRules rules;
  rules.maxWords = 3;
  rules.endingsA = {{"", "s"}};
  rules.frequencyA.add(frequencyList(300, {{0, "the"}, {1, "go"}, {2, "ice"}, {3, "house"}, {4, "cream"}, {59, "houses"}, {199, "abseil"}}));
  LeftOut leftOut;
  // "ice cream" ranks as its rarer word, "cream"; "houses" far lower, as
  // smart search reaches "house"; words no list knows last.
  EXPECT_EQ(Selector(words, rules).select(&leftOut).wordsA, (Strings{"go", "house", "ice cream"}));
  rules.maxWords = 5;

  PairList pairs = pairsOf({{"went", "ging", Side::A}, {"go", "gehen", Side::A}, {"go", "fahren", Side::A}, {"house", "Haus", Side::A}});
  pairs.addForm("went", "go", Side::A);
  pairs.addForm("houses", "house", Side::A);  // the ending table reaches "house"
  const Lexicon lexicon = Selector(pairs, rules).select(&leftOut);
  EXPECT_EQ(lexicon.wordsA, (Strings{"go", "house", "went"}));
  EXPECT_EQ(translationsOf(lexicon, Side::A, "went"), (Strings{"ging", "gehen", "fahren"}));
  EXPECT_EQ(translationsOf(lexicon, Side::B, "gehen"), Strings{"go"});  // the form is not listed back

  // A form that several words claim belongs to the one sharing most of its
  // start ("fand": "finden", not its synonym "denken"), and takes no form's
  // translations of the other language ("went", given to "go").  A form
  // that is a word of its own gives its own translations first.
  SenseEvidence examples;
  examples.examples = 3;
  PairList german = pairsOf({{"finden", "find", Side::B}, {"denken", "think", Side::B}, {"gehen", "go", Side::B},
                             {"wissen", "know", Side::B, examples}, {"weiß", "white", Side::B}});
  german.addForm("fand", "denken", Side::B);
  german.addForm("fand", "finden", Side::B);
  german.addForm("ging", "gehen", Side::B);
  german.addForm("went", "go", Side::A);
  german.addForm("weiß", "wissen", Side::B);
  rules.maxWords = 8;
  const Lexicon de = Selector(german, rules).select(&leftOut);
  EXPECT_EQ(translationsOf(de, Side::B, "fand"), Strings{"find"});
  EXPECT_EQ(translationsOf(de, Side::B, "ging"), Strings{"go"});
  EXPECT_EQ(translationsOf(de, Side::B, "weiß"), (Strings{"white", "know"}));
}

TEST(LexmakeSelection, ThinsRunsOfWordsSharingFifteenBytesLowestRankedFirst) {
  const std::string prefix = "abcdefghijklmno";
  const Strings words = {"a", prefix, prefix + "1", prefix + "2", prefix + "3", "b"};
  // One run: words 1 to 4 share 15 bytes with their neighbours.
  const std::vector<uint32_t> ranks = {0, 5, 1, 9, 2, 3};
  EXPECT_EQ(crowdedWords(words, ranks, 2), (std::vector<size_t>{1, 3}));
  EXPECT_TRUE(crowdedWords(words, ranks, 4).empty());
}

}  // namespace
}  // namespace lexmake
