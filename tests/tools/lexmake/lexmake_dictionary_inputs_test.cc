// Whole runs of lexmake on real-looking dictionary inputs: a FreeDict
// database and a Ding file together, read back through the engine; the same
// bytes for the same input; the list of what was left out; word lists; the
// progress bar.
#include <gtest/gtest.h>
#include "lexmake_test_support.h"

namespace lexmake {
namespace {

using lexmake_test::base64;
using lexmake_test::RunResult;
using lexmake_test::TempFolder;
using lexmake_test::Translator;
using Strings = std::vector<std::string>;

class LexmakeDictionaryInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    // An English-German FreeDict database: English headwords.
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"bank", " bank /b\xCB\x88\x61\xC5\x8Bk/\nBank <fem> [fin.]\n Ufer <neut> [geogr.]\n"},
        {"house", " house /h\xCB\x88\x61\xCA\x8As/\nHaus <neut>\n      \"build a house\"  - ein Haus bauen\n"},
        {"overhaul sth", " overhaul sth. /\xCB\x8C\xC9\x99\xCA\x8Av/\netw. \xC3\xBC" "berholen <v, trans> [techn.]\n"},
    };
    std::string data, index;
    for (const auto& [word, text] : entries) {
      index += word + "\t" + base64(data.size()) + "\t" + base64(text.size()) + "\n";
      data += text;
    }
    folder_.write("freedict-eng-deu.index", index);
    lexmake_test::writeGzipped(folder_.path("freedict-eng-deu.dict.dz"), data);
    // A Ding file: German on the left.
    folder_.write("de-en", "# Version :: test\nBank {f}; Sitzbank {f} | B\xC3\xA4nke {pl} :: bench | benches\n"
                           "Haus {n} | H\xC3\xA4user {pl} :: house | houses\n");
    english_ = folder_.write("en.tables", "ending \"\" <- s es\n");
    german_ = folder_.write("de.tables", "ending \"\" <- e en\n");
  }

  RunResult compile(const std::string& output, const Strings& extra = {}) {
    Strings args = {"--tables-a", english_, "--tables-b", german_, "--from-b", folder_.path("de-en")};
    args.insert(args.end(), extra.begin(), extra.end());
    return lexmake_test::runPair(folder_.path("freedict-eng-deu.index"), output, args);
  }

  TempFolder folder_;
  std::string english_, german_;
};

TEST_F(LexmakeDictionaryInputs, MergesBothInputsAndTranslatesInSourceOrder) {
  const RunResult run = compile(folder_.path("out"));
  ASSERT_EQ(run.status, kExitDone) << run.err;
  EXPECT_NE(run.out.find("left out: nothing"), std::string::npos) << run.out;
  Translator forward(folder_.path("out"), "en_de.tdl");
  ASSERT_EQ(forward.openResult, TD_OK);
  // The database's senses first, then what the Ding file adds.
  EXPECT_EQ(forward.translate("bank", 0).translations, (Strings{"Bank", "Ufer"}));
  EXPECT_EQ(forward.translate("bench", 0).translations, (Strings{"Bank", "Sitzbank"}));
  EXPECT_EQ(forward.translate("overhaul", 0).translations, Strings{"überholen"});  // "sth.", "etw." and marks dropped
  EXPECT_EQ(forward.translate("houses", 0).translations, Strings{"Häuser"});
  Translator reverse(folder_.path("out"), "de_en.tdl");
  // The Ding file's own pairs (German headwords) come before the database's.
  EXPECT_EQ(reverse.translate("Bank", 0).translations, (Strings{"bench", "bank"}));
  EXPECT_EQ(reverse.translate("Häuser", 0).translations, Strings{"houses"});
  EXPECT_EQ(reverse.translate("Sitzbank", 0).translations, Strings{"bench"});
  // The same input gives the same bytes.
  ASSERT_EQ(compile(folder_.path("again")).status, kExitDone);
  for (const char* name : {"en_de.tdl", "de_en.tdl", "ende_en.tdd", "ende_de.tdd"})
    EXPECT_EQ(lexmake_test::readFile(folder_.path("out/") + name), lexmake_test::readFile(folder_.path("again/") + name));
}

TEST_F(LexmakeDictionaryInputs, ListsWhatWasLeftOut) {
  // A translation that no entry can hold, a word with nothing else to
  // translate to, and a term with a slash.
  folder_.write("more.tsv", "house\t" + std::string(130, 'x') + "\nshort\t" + std::string(130, 'x') + "\n");
  folder_.write("de-en", "er/sie geht :: he/she goes\nHaus {n} :: house\n");
  const RunResult run = compile(folder_.path("out"), {folder_.path("more.tsv"), "--left-out", folder_.path("out.txt")});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  // Messages quote at most 60 characters of a word.
  EXPECT_NE(run.err.find("more.tsv:1: \"" + std::string(57, 'x') + "...\" (130 characters) left out: longer than 127 bytes"),
            std::string::npos) << run.err;
  EXPECT_NE(run.out.find("left out: 1 German word over 127 bytes, 1 English word without a kept translation, 2 dictionary "
                         "terms not usable (2 phrases with a slash)\n"),
            std::string::npos) << run.out;
  const std::string more = folder_.path("more.tsv");
  EXPECT_EQ(lexmake_test::readFile(folder_.path("out.txt")),
            more + ":2\tEnglish\tshort\tnone of its translations is kept\n" + more + ":1\tGerman\t" + std::string(130, 'x') +
                "\tlonger than 127 bytes\n");
}

TEST_F(LexmakeDictionaryInputs, RanksByFrequencyListsAndReadsWordLists) {
  // Counts after a tab or a blank are no part of the word.
  folder_.write("de.frequency", "# most common first\nUfer 1200\nHaus\t800\n");
  RunResult run = compile(folder_.path("out"), {"--frequency-b", folder_.path("de.frequency")});
  ASSERT_EQ(run.status, kExitDone) << run.err;
  Translator forward(folder_.path("out"), "en_de.tdl");
  EXPECT_EQ(forward.translate("bank", 0).translations, (Strings{"Ufer", "Bank"}));
  folder_.write("en.words", "# most useful first\nhouse\n\nМосква\nbank\n");
  run = compile(folder_.path("out"), {"--rank-a", folder_.path("en.words")});
  EXPECT_EQ(run.status, kExitDone) << run.err;
  EXPECT_NE(run.err.find("en.words: 1 word has no Windows-1252 spelling and cannot be used"), std::string::npos)
      << run.err;
  run = compile(folder_.path("out"), {"--rank-b", folder_.path("missing.words")});
  EXPECT_EQ(run.status, kExitFailed);
  EXPECT_NE(run.err.find("missing.words: cannot read the file"), std::string::npos) << run.err;
}

// Bad index lines (no tab, a length beyond 2^40, no base-64 digit, an entry
// beyond the data), damaged data and a missing data file fail the run, named.
TEST_F(LexmakeDictionaryInputs, NamesBadIndexLinesAndDamagedData) {
  const std::string index = folder_.path("freedict-eng-deu.index");
  const std::string data = folder_.path("freedict-eng-deu.dict.dz");
  const std::string goodIndex = lexmake_test::readFile(index), goodData = lexmake_test::readFile(data);
  std::string damaged = goodData;
  damaged[damaged.size() / 2] = static_cast<char>(damaged[damaged.size() / 2] ^ 0x55);
  const std::string expected = index + ":4: expected \"headword<TAB>offset<TAB>length\"";
  const struct { std::string index, data, message; } cases[] = {
      {goodIndex + "broken line\n", goodData, expected},
      {goodIndex + "last\tA\t" + std::string(8, '/') + "\n", goodData, expected},
      {goodIndex + "last\tB\t" + std::string(6, '/') + "\n", goodData, index + ":4: the entry lies beyond the end of " + data},
      {goodIndex, damaged, data + ": "},
  };
  for (const auto& c : cases) {
    folder_.write("freedict-eng-deu.index", c.index);
    folder_.write("freedict-eng-deu.dict.dz", c.data);
    const RunResult run = compile(folder_.path("out"));
    EXPECT_EQ(run.status, kExitFailed) << c.message;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  std::filesystem::remove(data);
  EXPECT_NE(compile(folder_.path("out")).err.find(index + ": a dictd database needs NAME.index and NAME.dict.dz (or NAME.dict)"),
            std::string::npos);
}

}  // namespace
}  // namespace lexmake
