// Cleaning the terms of real dictionaries into words, shared by the FreeDict
// and Ding readers.
#include <gtest/gtest.h>

#include "lexmake_test_support.h"
#include "term_cleaning.h"

namespace lexmake {
namespace {

using lexmake_test::dict;
using Strings = std::vector<std::string>;

struct Cleaned {
  Strings words;
  TermDrops drops;
};

Cleaned clean(const std::string& raw, bool isVerb = false) {
  Cleaned c;
  cleanTerm(raw, isVerb, &c.words, &c.drops);
  return c;
}

TEST(LexmakeTermCleaning, DropsGrammarMarksLabelsAndNotes) {
  EXPECT_EQ(clean("Haus {n} [arch.] (Gebäude)").words, Strings{"Haus"});
  EXPECT_EQ(clean("go <v, intr>").words, Strings{"go"});
  EXPECT_EQ(clean(" [geogr.] reach a place <v>").words, Strings{"reach a place"});
  EXPECT_EQ(clean("(female) duck").words, Strings{"duck"});
  EXPECT_EQ(clean("Lehrer(in) {m,f}").words, Strings{"Lehrer"});
  // Nested brackets, and an opening bracket that never closes.
  EXPECT_EQ(clean("stay (in the (empty) house) alone").words, Strings{"stay alone"});
  EXPECT_EQ(clean("öffnende geschweifte Klammer{").words, Strings{dict("öffnende geschweifte Klammer")});
}

TEST(LexmakeTermCleaning, DropsPlaceholdersReflexivePronounAndInfinitiveMark) {
  EXPECT_EQ(clean("etw. ändern").words, Strings{dict("ändern")});
  EXPECT_EQ(clean("overhaul sth.").words, Strings{"overhaul"});
  EXPECT_EQ(clean("jdm. etw. übertragen").words, Strings{dict("übertragen")});
  EXPECT_EQ(clean("sich jdn./etw. ansehen").words, Strings{"ansehen"});
  EXPECT_EQ(clean("ask sb.'s pardon").words, Strings{"ask pardon"});
  EXPECT_EQ(clean("sich freuen {vr}").words, Strings{"freuen"});
  EXPECT_EQ(clean("sich").words, Strings{"sich"});  // nothing else: kept
  EXPECT_EQ(clean("to go", true).words, Strings{"go"});
  EXPECT_EQ(clean("to date").words, Strings{"to date"});  // no verb: kept
}

TEST(LexmakeTermCleaning, SplitsSlashAlternativesOfOneWordOnly) {
  EXPECT_EQ(clean("colour/color").words, (Strings{"colour", "color"}));
  EXPECT_EQ(clean("pre-empt/preempt sb./sth.").words, (Strings{"pre-empt", "preempt"}));
  TermDrops drops = clean("er/sie geht").drops;
  EXPECT_EQ(drops[TermDrop::SlashInPhrase], 1u);
  EXPECT_TRUE(clean("er/sie geht").words.empty());
  EXPECT_TRUE(clean("jdm./einer Sache zuvorkommen").words.empty());
}

TEST(LexmakeTermCleaning, CountsTermsItCannotUse) {
  Cleaned c = clean("exit \xE2\x80\xA6");  // "exit …"
  EXPECT_TRUE(c.words.empty());
  EXPECT_EQ(c.drops[TermDrop::Incomplete], 1u);
  EXPECT_EQ(clean("Dear Ms ..., Dear Mr ...").drops[TermDrop::Incomplete], 1u);
  c = clean("{pl} [Br.]");
  EXPECT_TRUE(c.words.empty());
  EXPECT_EQ(c.drops[TermDrop::Empty], 1u);
  c = clean("Москва");
  EXPECT_TRUE(c.words.empty());
  EXPECT_EQ(c.drops[TermDrop::OutsideCharacterSet], 1u);
  EXPECT_EQ(c.drops.total(), 1u);
}

TEST(LexmakeTermCleaning, NormalisesBlanksHyphensAndSymbolsAtTheEdges) {
  EXPECT_EQ(clean("ice\xC2\xA0 cream").words, Strings{"ice cream"});  // no-break space
  EXPECT_EQ(clean("Addis\xE2\x80\x90" "Abeba").words, Strings{"Addis-Abeba"});  // U+2010
  EXPECT_EQ(clean("Akut-Zeichen [print] \xC2\xB4").words, Strings{"Akut-Zeichen"});  // "´"
  EXPECT_EQ(clean(":-) smiley").words, Strings{"smiley"});
  EXPECT_EQ(clean("rock & roll").words, Strings{"rock & roll"});  // inside: kept
  EXPECT_EQ(clean("Hallo! <int>").words, Strings{"Hallo"});  // an interjection as typed
  EXPECT_EQ(clean("Go away!").words, Strings{"Go away!"});  // a sentence: whole
  EXPECT_EQ(clean("Straße, ").words, Strings{dict("Straße")});
  EXPECT_EQ(clean("cœur").words, Strings{"c\x9C" "ur"});  // Windows-1252
}

TEST(LexmakeTermCleaning, SplitsListsOutsideBrackets) {
  EXPECT_EQ(splitOutsideBrackets("Bank; Ufer [Bett-; Tisch-]; Reihe", ';'),
            (Strings{"Bank", " Ufer [Bett-; Tisch-]", " Reihe"}));
  EXPECT_EQ(splitOutsideBrackets("a, b (c, d), e", ','), (Strings{"a", " b (c, d)", " e"}));
  EXPECT_EQ(splitOutsideBrackets("", ','), Strings{""});
  EXPECT_EQ(removeBracketedSpans("a (b) c"), "a   c");
}

TEST(LexmakeTermCleaning, FindsTheWordsOfSentences) {
  EXPECT_EQ(wordsOfText("\xE2\x80\x9ELass uns gehen!\xE2\x80\x9C, sagte er."),
            (Strings{"Lass", "uns", "gehen", "sagte", "er"}));
  EXPECT_EQ(wordsOfText("I'm (not) well-known..."), (Strings{"I'm", "not", "well-known"}));
  EXPECT_TRUE(wordsOfText(" ... ").empty());
}

}  // namespace
}  // namespace lexmake
