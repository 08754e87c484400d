// Reading the inputs: word pair files, the Ding format of Debian's
// trans-de-en and the entries of FreeDict's dictd databases, with the
// errors that name the file and line.
#include <gtest/gtest.h>

#include "ding_file.h"
#include "freedict_database.h"
#include "lexmake_test_support.h"
#include "word_pairs.h"

namespace lexmake {
namespace {

using lexmake_test::dict;
using lexmake_test::NullProgress;
using Strings = std::vector<std::string>;

// The pairs of `content` as "word=translation@file:line", and the errors.
std::pair<Strings, Strings> parsePairs(const std::string& content) {
  PairList list;
  Diagnostics diagnostics;
  NullProgress progress;
  readWordPairs(content, list.addFile("pairs.tsv"), Side::A, &list, &diagnostics, &progress.bar);
  Strings pairs;
  for (const SourcePair& pair : list.pairs) {
    pairs.push_back(list.a.word(pair.a) + "=" + list.b.word(pair.b) + "@" + list.where(pair));
  }
  return {pairs, diagnostics.errors};
}

// Pairs in line order with their lines; comments and blank lines skipped
// but counted; a byte order mark and every line end; blanks around fields
// dropped; UTF-8 converted to Windows-1252; bad lines named by file and
// line while the good ones stay.
TEST(LexmakeInput, ReadsPairsAndNamesBadLines) {
  const struct { std::string content; Strings pairs; Strings errors; } cases[] = {
      {"# a comment\n\n   \n\t\n  good morning \t  guten Morgen  \n#cat\tKatze\n", {"good morning=guten Morgen@pairs.tsv:5"}, {}},
      {"\xEF\xBB\xBFhouse\tHaus\r\ncat\tKatze\rdog\tHund\r\n\r\nmouse\tMaus",
       {"house=Haus@pairs.tsv:1", "cat=Katze@pairs.tsv:2", "dog=Hund@pairs.tsv:3", "mouse=Maus@pairs.tsv:5"}, {}},
      {"street\tStraße\nheart\tcœur\nprice\t5 €\n",
       {"street=Stra\xDF" "e@pairs.tsv:1", "heart=c\x9Cur@pairs.tsv:2", "price=5 \x80@pairs.tsv:3"}, {}},
      {"house\tHaus\nno tab here\na\tb\tc\n\tHaus\ncat\t   \ndog\tHund\n", {"house=Haus@pairs.tsv:1", "dog=Hund@pairs.tsv:6"},
       {"pairs.tsv:2: expected word<TAB>translation, found no tab",
        "pairs.tsv:3: expected word<TAB>translation, found more than one tab", "pairs.tsv:4: empty word",
        "pairs.tsv:5: empty translation"}},
      {"Moscow\tМосква\nbroken\t\xC3(\nbell\ta\x07" "b\nc1\ta\xC2\x81" "b\n", {},
       {"pairs.tsv:1: translation \"Москва\": \"М\" (U+041C) has no Windows-1252 character",
        "pairs.tsv:2: translation \"\xC3(\": not valid UTF-8", "pairs.tsv:3: translation \"a\x07" "b\": control character U+0007",
        "pairs.tsv:4: translation \"a\xC2\x81" "b\": control character U+0081"}},
  };
  for (const auto& c : cases) {
    const auto parsed = parsePairs(c.content);
    EXPECT_EQ(parsed.first, c.pairs) << c.content;
    EXPECT_EQ(parsed.second, c.errors) << c.content;
  }
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

struct Read {
  PairList list; TermDrops drops; Diagnostics diagnostics;

  // The pairs as (German, English), the left side being German = language B.
  Pairs pairs() const {
    Pairs result;
    for (const SourcePair& p : list.pairs) result.emplace_back(list.b.word(p.b), list.a.word(p.a));
    return result;
  }
};

Read readLines(const std::string& content) {
  Read r;
  NullProgress progress;
  readDing(content, r.list.addFile("de-en"), Side::B, &r.list, &r.drops, &r.diagnostics, &progress.bar);
  return r;
}

// Every term of a part pairs with every term of the same part; marks,
// labels, placeholders and the infinitive "to" of verbs go; sides whose
// parts do not correspond give only their first part.
TEST(LexmakeDing, PairsTheTermsOfCorrespondingPartsAndNamesMalformedLines) {
  const struct { std::string line; Pairs pairs; } cases[] = {
      {"Aalbestand {m} | Aalbestände {pl} :: eel stock | eel stocks", {{"Aalbestand", "eel stock"}, {dict("Aalbestände"), "eel stocks"}}},
      {"Bank {f}; Sitzbank {f} :: bench; seat", {{"Bank", "bench"}, {"Bank", "seat"}, {"Sitzbank", "bench"}, {"Sitzbank", "seat"}}},
      {"ins Ausland gehen {vi} [soc.] :: to expatriate", {{"ins Ausland gehen", "expatriate"}}},
      {"etw. abändern {vt} :: to alter sth. [fig.]", {{dict("abändern"), "alter"}}},
      {"bis heute :: to date", {{"bis heute", "to date"}}},
      {"Lehrer(in) {m,f} :: teacher (female)", {{"Lehrer", "teacher"}}},
      {"Haus {n} | Häuser {pl} | im Haus :: house | houses", {{"Haus", "house"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(readLines("# Version :: devel\n" + c.line + "\n").pairs(), c.pairs) << c.line;
  const Read r = readLines("# Version :: devel\nBank {f}; Sitzbank {f} :: bench; seat\n");
  EXPECT_EQ(r.list.pairs[0].head, Side::B);
  EXPECT_EQ(r.list.where(r.list.pairs[2]), "de-en:2");
  const Read bad = readLines("er/sie geht; Moskau :: he/she goes; Москва\nkein Trenner hier\n\ngut :: good\n");
  EXPECT_EQ(bad.pairs(), (Pairs{{"gut", "good"}}));  // Moskau has no usable translation
  EXPECT_EQ(bad.drops[TermDrop::SlashInPhrase], 2u);
  EXPECT_EQ(bad.drops[TermDrop::OutsideCharacterSet], 1u);
  EXPECT_EQ(bad.diagnostics.errors, Strings{"de-en:2: expected \"LEFT :: RIGHT\", found no \" :: \""});
}

DatabaseEntry parseEntry(const std::string& text, TermDrops* drops = nullptr) {
  TermDrops ignored;
  return parseDatabaseEntry(text, drops != nullptr ? drops : &ignored);
}

// Headwords and translations of entries: every sense, numbered senses,
// abbreviations and symbols glued on, brackets and sentences, alternatives.
TEST(LexmakeFreedictEntry, TakesHeadwordsAndTheTranslationsOfEverySense) {
  const struct { std::string text; Strings heads; Strings translations; } cases[] = {
      {" gehen /\xC9\xA1\xCB\x88\x65\xCB\x90\xC9\x99n/ <v, intr>\ngo <v>, walk <v>\n [geogr.] reach a place <v>, extend <v>\n"
       "      \"Lass uns gehen!\"  - Let's go!\n   Synonyms: {laufen}\n         Note: to end\n see: {gehend}\n",
       {"gehen"}, {"go", "walk", "reach a place", "extend"}},
      {" agree /\xC9\x99/\n1. \xC3\xAAtre d'accord, s'harmoniser\n2. admettre\n", {"agree"},
       {dict("être d'accord"), "s'harmoniser", "admettre"}},
      {" Ampere /a/ <n>\n [electr.] ampere <n>A,  /\xCB\x88\xC9\x91/ , amp <n>\nSergeant Major <n> [Am.] SGM,  /s/ , dollar sign <n>$\n",
       {"Ampere"}, {"ampere", "amp", "Sergeant Major", "dollar sign"}},
      {" the (liberal / business-friendly) policies /\xC3\xB0/\ndie (liberale) Politik\n", {"the policies"}, {"die Politik"}},
      {" Go, then, if you must! /\xC9\xA1/\nDann geh (halt) in Gottes Namen!\n", {"Go, then, if you must!"}, {"Dann geh in Gottes Namen!"}},
      {" pre-empt/preempt sb./sth. /p/\njdm./einer Sache zuvorkommen <v>, etw. vorwegnehmen <v>, er/sie kommt zuvor, "
       "\xD0\x9C\xD0\xBE\n",
       {"pre-empt", "preempt"}, {"zuvorkommen", "vorwegnehmen"}},
      // A German preposition before an object and the verb is the object's.
      {" get used to sth. /g/\nsich an etw. gew\xC3\xB6hnen <v>, mit einer Sache umgehen <v>\n", {"get used to"},
       {dict("gew\xC3\xB6hnen"), "umgehen"}},
      {" compare sth. and sth. /k/\nvergleichen <v>\n", {"compare"}, {"vergleichen"}},
  };
  for (const auto& c : cases) {
    const DatabaseEntry e = parseEntry(c.text);
    EXPECT_EQ(e.heads, c.heads) << c.text;
    EXPECT_EQ(e.translations, c.translations) << c.text;
  }
  TermDrops drops;
  const DatabaseEntry gehen = parseEntry(cases[0].text, &drops);
  EXPECT_EQ(gehen.examples, (Pairs{{"Lass uns gehen!", "Let's go!"}}));
  parseEntry(cases[5].text, &drops);
  EXPECT_EQ(drops[TermDrop::SlashInPhrase], 1u);
  EXPECT_EQ(drops[TermDrop::OutsideCharacterSet], 1u);
  // What the entry says about each sense, and the forms its headword names.
  const DatabaseEntry e = parseEntry(
      " go /\xC9\xA1/ (went /w/ <>, gone /\xC9\xA1/ <>) <v>\n"
      "gehen <v, intr>, fahren [Br.]\n"
      " [techn.] laufen, funktionieren <v>\n"
      "      \"Let's go!\"  - Gehen wir!\n"
      "         Note: of machines\n"
      " see: {going}, {gone}, {I go home.}\n");
  EXPECT_EQ(e.forms, (Strings{"went", "gone"}));
  EXPECT_EQ(e.wordClass, WordClass::Verb);  // the head's last mark, after the forms' "<>"
  EXPECT_EQ(parseEntry(" belt /b/\nG\xC3\xBCrtel <masc>, Gurt <masc>\n").wordClass, WordClass::Noun);
  EXPECT_EQ(parseEntry(" Birne /b/ <fem, n, sg>\npear <n>\n").wordClass, WordClass::Noun);
  EXPECT_FALSE(parseEntry(" Birne /b/ <fem, n, sg>\npear <n>\n").plural);
  EXPECT_TRUE(parseEntry(" Folgen /f/ <pl, n>\nconsequences\n").plural);
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
  const DatabaseEntry geben = parseEntry(" etw. geben /g/ <v, trans>\n [jdm.] give sth. <v>\n         Note: to sb.\n");
  ASSERT_EQ(geben.evidence.size(), 1u);
  EXPECT_EQ(geben.evidence[0].labelPenalty, 0);
  EXPECT_FALSE(geben.evidence[0].noted);
  // The forms a verb's references name with a person; none when the entry
  // is no verb.  An entry with synonyms names their forms too: only those
  // that start as its headword does are its own.
  EXPECT_EQ(parseEntry(" sein /z/ <v, intr>\nbe <v>\n see: {seiend}, {ich bin}, {er/sie/es ist}, {es ist nicht}, {sei!}\n")
                .conjugatedForms,
            (Strings{"bin", "ist"}));
  EXPECT_TRUE(parseEntry(" baked /b/\ngebacken\n see: {I bake}\n").conjugatedForms.empty());
  EXPECT_TRUE(parseEntry(" take /t/\ntragen <v>\n   Synonym: {carry}\n see: {you carry}\n").conjugatedForms.empty());
  EXPECT_EQ(parseEntry(" denken /d/ <v>\nthink <v>\n   Synonym: {finden}\n see: {ich/er/sie dachte}, {ich/er/sie fand}\n")
                .conjugatedForms,
            Strings{"dachte"});
  // An abbreviation in parentheses is no form.
  EXPECT_TRUE(parseEntry(" mountain bike /m/ (MTB /e/)\nMountainbike\n").forms.empty());
}

}  // namespace
}  // namespace lexmake
