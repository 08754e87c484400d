// lexdict, the real program run as a child process on dictionaries written
// with lexwriter: every command, option, message and exit code as rows of
// (arguments, standard input) -> (exit code, standard output, standard error).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "child_process.h"
#include "lexdict_dictionaries.h"

namespace lexdict_test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// One run.  In every text "%D" stands for the test's folder.  An expected
// output or error that starts with "~" only has to occur in what the program
// wrote; "*" is anything.
struct Row {
  Strings args;
  std::string input;
  int exitCode;
  std::string out;
  std::string err;
  std::string workingDirectory = "";
  std::string program = LEXDICT_PATH;
};

std::string json(const std::string& word, int status, const std::string& translations = "",
                 const std::string& suggestions = "") {
  return "{\"word\": \"" + word + "\", \"result\": 0, \"status\": " + std::to_string(status) + ", \"translations\": [" +
         translations + "], \"suggestions\": [" + suggestions + "]}\n";
}

std::string failed(const std::string& word, const std::string& result) {
  return "{\"word\": \"" + word + "\", \"result\": " + result +
         ", \"status\": 4, \"translations\": [], \"suggestions\": []}\n";
}

const std::string kHouse = "\"Haus\", \"Heim\", \"Gebäude\"";
const std::string kUsage = "~ --help' for usage.\n";

class Lexdict : public ::testing::Test {
 protected:
  Lexdict() { writeSamplePair(folder_.root()); }

  std::string at(std::string text) const {
    for (size_t p = text.find("%D"); p != std::string::npos; p = text.find("%D", p + root().size()))
      text.replace(p, 2, root());
    return text;
  }
  const std::string& root() const { return folder_.root(); }

  // A folder below the test's own, holding the sample dictionaries.
  std::string sampleFolder(const std::string& name) const {
    fs::create_directories(folder_.path(name));
    writeSamplePair(folder_.path(name));
    return folder_.path(name);
  }

  void expectText(const std::string& expected, const std::string& actual, const std::string& what) const {
    if (expected == "*") return;
    if (!expected.empty() && expected[0] == '~') {
      EXPECT_NE(actual.find(at(expected.substr(1))), std::string::npos) << what << ": " << actual;
    } else {
      EXPECT_EQ(at(expected), actual) << what;
    }
  }

  void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
      Strings args;
      std::string what = "lexdict";
      for (const std::string& a : row.args) {
        args.push_back(at(a));
        what += " " + a;
      }
      folder_.write("stdin", row.input);
      const fs::path before = fs::current_path();
      if (!row.workingDirectory.empty()) fs::current_path(at(row.workingDirectory));
      int exitCode = -1;
      {
        vocaro_test::ChildProcess child(at(row.program), args, folder_.path("stdin"), folder_.path("stdout"),
                                        folder_.path("stderr"));
        exitCode = child.wait();
      }
      fs::current_path(before);
      EXPECT_EQ(row.exitCode, exitCode) << what;
      expectText(row.out, folder_.read("stdout"), what + " (output)");
      expectText(row.err, folder_.read("stderr"), what + " (errors)");
    }
  }

  vocaro_test::TempFolder folder_;
};

TEST_F(Lexdict, HelpVersionAndUsageErrors) {
  std::vector<Row> rows = {
      {{"--version"}, "", 0, "lexdict " LEXDICT_VERSION "\n", ""},
      {{"--help"}, "", 0, "~Usage: lexdict COMMAND", ""},
      {{"translate", "--help"}, "", 0, "~a word that is not found still\ncounts as translated", ""},
      {{}, "", 2, "", "lexdict: missing COMMAND\nRun 'lexdict --help' for usage.\n"},
      {{"lookup"}, "", 2, "", "lexdict: unknown command \"lookup\"\nRun 'lexdict --help' for usage.\n"},
      {{"help", "lookup"}, "", 2, "", "lexdict: unknown command \"lookup\"\nRun 'lexdict --help' for usage.\n"},
      {{"translate"}, "", 2, "",
       "lexdict: missing LISTFILE (or --from and --to)\nRun 'lexdict translate --help' for usage.\n"},
      {{"translate", "--verbose", "x.tdl"}, "", 2, "",
       "lexdict: unknown option '--verbose'\nRun 'lexdict translate --help' for usage.\n"},
      {{"translate", "--json=yes", "x.tdl"}, "", 2, "",
       "lexdict: option '--json' takes no value\nRun 'lexdict translate --help' for usage.\n"},
      {{"translate", "x.tdl", "--from"}, "", 2, "",
       "lexdict: option '--from' needs a value\nRun 'lexdict translate --help' for usage.\n"},
      {{"info", "-v", "x.tdd"}, "", 2, "", "lexdict: unknown option '-v'\nRun 'lexdict info --help' for usage.\n"},
      {{"translate", "%D/en_de.tdl", "-s"}, "", 2, "", kUsage},
      {{"translate", "--from", "English", "%D/en_de.tdl", "dog"}, "", 2, "", kUsage},
      {{"translate", "--to", "German", "%D/en_de.tdl", "dog"}, "", 2, "", kUsage},
      {{"translate", "--dir", "%D", "%D/en_de.tdl", "dog"}, "", 2, "", kUsage},
      {{"add", "%D/en_de.tdl", "flat"}, "", 2, "", kUsage},
      {{"add", "%D/en_de.tdl", "flat", "Wohnung", "extra"}, "", 2, "", kUsage},
      {{"add", "--options", "2", "%D/en_de.tdl", "flat", "Wohnung"}, "", 2, "", kUsage},
  };
  for (const std::string option : {"--trans-size=0", "--trans-size=32768", "--trans-size=12x", "--suggest-size=0",
                                   "--suggest-size=-1", "--options=-1", "--options=4294967296", "--options=0x",
                                   "--options="}) {
    rows.push_back({{"translate", option, "%D/en_de.tdl", "house"}, "", 2, "", kUsage});
  }
  for (const std::string command : {"translate", "add", "info", "list"}) {
    rows.push_back({{command, "--help"}, "", 0, "~Usage: lexdict " + command, ""});
    rows.push_back({{command, "--help"}, "", 0, "~Exit status:", ""});
    rows.push_back({{command, "--version"}, "", 0, "lexdict " LEXDICT_VERSION "\n", ""});
  }
  for (const std::string command : {"info", "list"}) {
    rows.push_back({{command}, "", 2, "", kUsage});
    rows.push_back({{command, "%D/en.tdd", "%D/de.tdd"}, "", 2, "", kUsage});
    rows.push_back({{command, "--json", "%D/en.tdd"}, "", 2, "", kUsage});
  }
  check(rows);
  // The other spellings of a request for help answer the same text.
  const auto help = [&](const Strings& args) {
    vocaro_test::ChildProcess child(LEXDICT_PATH, args, "", folder_.path("help"));
    child.wait();
    return folder_.read("help");
  };
  EXPECT_EQ(help({"--help"}), help({"-h"}));
  EXPECT_EQ(help({"--help"}), help({"help"}));
  EXPECT_EQ(help({"add", "--help"}), help({"help", "add"}));
  EXPECT_EQ(help({"list", "--help"}), help({"list", "-h"}));
}

TEST_F(Lexdict, TranslatesWithItsOptionsAndAreaSizes) {
  const std::string tooLong(256, 'a');
  std::string accented;
  for (int i = 0; i < 255; ++i) accented += "é";  // 510 bytes of UTF-8, 255 of Windows-1252
  check({
      {{"translate", "%D/en_de.tdl", "house"}, "", 0,
       "house\n  translation: Haus\n  translation: Heim\n  translation: Gebäude\n  status: Word found\n", ""},
      {{"translate", "%D/en_de.tdl", "--options", "0", "horse"}, "", 0, "horse\n  status: Word not found\n", ""},
      {{"translate", "%D/en_de.tdl", "--options", "4", "cats"}, "", 0,
       "cats\n  translation: Katze\n  suggestion: cat\n  status: Word not found. Possible spellings returned.\n", ""},
      // A headword without translations counts as not found.
      {{"translate", "%D/en_de.tdl", "--options", "0", "open"}, "", 0, "open\n  status: Word not found\n", ""},
      {{"translate", "--json", "%D/en_de.tdl", "house", "horse", "street"}, "", 0,
       json("house", 0, kHouse) + json("horse", 1) + json("street", 0, "\"Straße\""), ""},
      {{"translate", "--json", "--options", "0", "%D/en_de.tdl", "a\"b\\c\td"}, "", 0, json("a\\\"b\\\\c\\td", 1), ""},
      // Words in UTF-8 meet the dictionaries' character set.
      {{"translate", "--json", "%D/de_en.tdl", "Straße", "groß"}, "", 0,
       json("Straße", 0, "\"street\"") + json("groß", 0, "\"big\""), ""},
      // Haus, Heim and Gebäude take 5 + 5 + 8 bytes with their terminators.
      {{"translate", "--json", "--trans-size", "18", "%D/en_de.tdl", "house"}, "", 0, json("house", 0, kHouse), ""},
      {{"translate", "--json", "--trans-size=17", "%D/en_de.tdl", "house"}, "", 0,
       json("house", 2, "\"Haus\", \"Heim\""), ""},
      // For people a full list still means the word was found.
      {{"translate", "--trans-size", "5", "%D/en_de.tdl", "house"}, "", 0,
       "house\n  translation: Haus\n  note: more translations than fit in 5 bytes (see --trans-size)\n"
       "  status: Word found\n",
       ""},
      // "cat" needs 4 bytes of suggestion area; with 3 it cannot be offered.
      {{"translate", "--json", "--options", "4", "--suggest-size", "4", "%D/en_de.tdl", "cats"}, "", 0,
       json("cats", 5, "\"Katze\"", "\"cat\""), ""},
      {{"translate", "--json", "--options", "4", "--suggest-size", "3", "%D/en_de.tdl", "cats"}, "", 0,
       json("cats", 1), ""},
      {{"translate", "--json", "--options", "0", "%D/en_de.tdl", "--", "-s", "--json"}, "", 0,
       json("-s", 1) + json("--json", 1), ""},
      // Option bits: case (1), smart search (4), spell checker (8); all four
      // when not given.
      {{"translate", "--json", "--options", "0", "%D/en_de.tdl", "HOUSE"}, "", 0, json("HOUSE", 1), ""},
      {{"translate", "--json", "--options", "1", "%D/en_de.tdl", "HOUSE"}, "", 0, json("HOUSE", 0, kHouse), ""},
      {{"translate", "--json", "--options", "0", "%D/en_de.tdl", "cats"}, "", 0, json("cats", 1), ""},
      {{"translate", "--json", "--options", "0x4", "%D/en_de.tdl", "cats"}, "", 0,
       json("cats", 5, "\"Katze\"", "\"cat\""), ""},
      {{"translate", "--json", "--options", "0", "%D/de_en.tdl", "Strasse"}, "", 0, json("Strasse", 1), ""},
      {{"translate", "--json", "--options", "8", "%D/de_en.tdl", "Strasse"}, "", 0,
       json("Strasse", 5, "\"street\"", "\"Straße\""), ""},
      {{"translate", "--json", "%D/de_en.tdl", "Strasse"}, "", 0, json("Strasse", 5, "\"street\"", "\"Straße\""), ""},
      {{"translate", "--json", "%D/en_de.tdl", "HOUSE"}, "", 0, json("HOUSE", 0, kHouse), ""},
      {{"translate", "--trans-size", "32767", "--suggest-size", "1", "%D/en_de.tdl", "house"}, "", 0, "~Word found",
       ""},
      {{"translate", "--options", "0xFFFFFFFF", "%D/en_de.tdl", "house"}, "", 0, "~Word found", ""},
      {{"translate", "--options", "4294967295", "%D/en_de.tdl", "house"}, "", 0, "~Word found", ""},
      // Standard input: lines lose only their line ends; " dog" is no
      // headword, "cat " a phrase whose first word is offered.
      {{"translate", "--json", "--options", "0", "%D/en_de.tdl"}, "house\r\n dog\ncat \n\nstreet", 0,
       json("house", 0, kHouse) + json(" dog", 1) + json("cat ", 5, "\"Katze\"", "\"cat\"") + json("", 1) +
           json("street", 0, "\"Straße\""),
       ""},
      // Words that cannot be asked for fail alone and the exit code tells.
      {{"translate", "--json", "%D/en_de.tdl", "house", "日本", "dog"}, "", 1,
       json("house", 0, kHouse) + failed("日本", "null") + json("dog", 0, "\"Hund\""), "~\"日本\""},
      {{"translate", "%D/en_de.tdl", "日本"}, "", 1, "*", "~cannot represent"},
      {{"translate", "%D/en_de.tdl", "€uro", "Ω"}, "", 1, "€uro\n  status: Word not found\nΩ\n  status: Error\n", "*"},
      {{"translate", "--options", "0", "%D/en_de.tdl", std::string(255, 'a')}, "", 0, "~status: Word not found", ""},
      {{"translate", "--options", "0", "%D/en_de.tdl", accented}, "", 0, "~status: Word not found", ""},
      {{"translate", "--json", "%D/en_de.tdl", tooLong, "house"}, "", 1,
       failed(tooLong, "null") + json("house", 0, kHouse),
       "lexdict: word \"" + std::string(60, 'a') +
           "...\" (256 characters): is longer than 255 bytes in the dictionaries' character set\n"},
      {{"translate", "--json", "%D/en_de.tdl"}, std::string("\xff\xfe\nhouse\nnul\0byte\n", 18), 1,
       failed("\xef\xbf\xbd\xef\xbf\xbd", "null") + json("house", 0, kHouse) + failed("nul\\u0000byte", "null"), "*"},
      {{"translate", "--json", "%D/en_de.tdl"}, "\xff\n", 1, "*", "~is not valid UTF-8"},
      {{"translate", "--json", "%D/en_de.tdl"}, std::string("a\0b\n", 4), 1, "*", "~holds a zero byte"},
  });
}

TEST_F(Lexdict, InfoListAndAdd) {
  const std::string list = folder_.read("en_de.tdl");
  const std::string data = folder_.read("en.tdd");
  folder_.write("cut.tdd", data.substr(0, 210));
  folder_.write("text.tdd", "just some text\n");
  folder_.write("tiny.tdd", "TR");
  folder_.write("cut.tdl", list.substr(0, 60));
  folder_.write("index.tdl", list.substr(0, list.size() - 1));
  folder_.write("record.tdd", data.substr(0, data.size() - 1));
  // The first block's stored size moved onto the second: the file loads,
  // but block 0 no longer holds its entries.
  lexcore::DataFileLayout layout = dataFileLayout(germanData());
  std::vector<uint16_t> sizes;
  for (const lexcore::DataBlock& block : layout.blocks) {
    size_t bytes = (block.entryCodes.size() + 1) / 2;
    for (const std::string& codes : block.entryCodes) bytes += codes.size();
    sizes.push_back(static_cast<uint16_t>(bytes));
  }
  sizes[1] = static_cast<uint16_t>(sizes[1] + sizes[0]);
  sizes[0] = 0;
  layout.blockSizeFields = sizes;
  folder_.write("bad.tdd", lexcore::writeDataFile(layout));
  size_t codeText = 0;
  for (const std::string& code : dataFileLayout(englishData()).codes) codeText += code.size();
  std::vector<Row> rows = {
      {{"info", "%D/en.tdd"}, "", 0,
       "%D/en.tdd: dictionary data file\n  language: English\n  language id: 9\n  entries: 6\n  blocks: 6\n"
       "  ending table: 1 group\n    \"\" \"s\"\n  variant table: none\n",
       ""},
      {{"info", "%D/de.tdd"}, "", 0, "~  ending table: none\n  variant table: 1 group\n    \"ss\" \"ß\"\n", ""},
      {{"info", "%D/de_en.tdl"}, "", 0,
       "%D/de_en.tdl: dictionary list file\n  entries covered: 7\n  primary data file: de.tdd (German, 7 entries)\n"
       "  secondary data file: en.tdd (English, 6 entries)\n",
       ""},
      {{"info", "%D/"}, "", 1, "", "lexdict: %D/: is a folder, not a file\n"},
      {{"list", "%D/de.tdd"}, "", 0, "Gebäude\nHaus\nHeim\nHund\nKatze\nStraße\ngroß\n", ""},
      {{"list", "%D/bad.tdd"}, "", 1, "", "lexdict: %D/bad.tdd: entry 0 cannot be decoded (its block is damaged)\n"},
      {{"list", "%D/en_de.tdl"}, "", 1, "",
       "lexdict: %D/en_de.tdl: is a dictionary list file; 'list' prints the entries of a data file\n"},
  };
  const std::string damaged = ": is a damaged dictionary ";
  const auto cut = [](const std::string& file) {
    return " ends at byte " + std::to_string(file.size()) + " but the file has " + std::to_string(file.size() - 1) +
           " bytes\n";
  };
  for (const std::string command : {"info", "list"}) {
    const struct {
      const char* name;
      std::string err;
    } files[] = {
        {"none.tdd", "lexdict: %D/none.tdd: no such file\n"},
        {"cut.tdd", "lexdict: %D/cut.tdd" + damaged + "data file: the code text ends at byte " +
                        std::to_string(204 + codeText) + " but the file has 210 bytes\n"},
        {"record.tdd", "~" + damaged + "data file: the ending table record at byte "},
        {"record.tdd", "~" + cut(data)},
        {"index.tdl", "~" + damaged + "list file: the translation index table" + cut(list)},
        {"text.tdd",
         "lexdict: %D/text.tdd: is not a dictionary file (it begins neither with \"TRD\" nor with \"TDL\")\n"},
        {"tiny.tdd", "lexdict: %D/tiny.tdd: is too short to be a dictionary file\n"},
        {"cut.tdl", "~" + damaged + "list file"},
    };
    for (const auto& f : files) rows.push_back({{command, std::string("%D/") + f.name}, "", 1, "", f.err});
  }
  // Pairs the user dictionary beside the list file cannot hold.
  const std::string add = sampleFolder("add") + "/en_de.tdl";
  const struct {
    const char* word;
    const char* translation;
    const char* problem;
  } refused[] = {{"a:b", "x", "holds a colon"},
                 {"   ", "x", "is empty"},
                 {"word", "", "is empty"},
                 {"word", "two\nlines", "holds a line break"},
                 {"日本", "x", "cannot represent"}};
  for (const auto& r : refused) {
    rows.push_back({{"add", "--json", add, r.word, r.translation}, "", 1, "{\"result\": null}\n",
                    std::string("~") + r.problem});
  }
  check(rows);
  EXPECT_FALSE(folder_.exists("add/en_de.udr"));
  fs::create_directories(sampleFolder("ro") + "/en_de.udr");
  check({
      {{"add", add, "flat", "Wohnung"}, "", 0, "Added \"flat\" = \"Wohnung\"\n", ""},
      {{"add", "--json", add, "flat", "Wohnung"}, "", 0, "{\"result\": 1}\n", ""},
      // The word ends at the first colon: one in the translation is fine.
      {{"add", add, "--json", "time", "12:00"}, "", 0, "{\"result\": 1}\n", ""},
      {{"add", add, "  café\t", " Café "}, "", 0, "*", ""},
      {{"translate", "--json", "--options", "2", add, "flat", "café"}, "", 0,
       json("flat", 0, "\"Wohnung\"") + json("café", 0, "\"Café\""), ""},
      {{"translate", "--json", "--options", "0", add, "flat"}, "", 0, json("flat", 1), ""},
      {{"add", "--json", "%D/xx_yy.tdl", "flat", "Wohnung"}, "", 1, "{\"result\": -1}\n",
       "lexdict: %D/xx_yy.tdl: no such file\n"},
      {{"add", "--json", "%D/ro/en_de.tdl", "flat", "Wohnung"}, "", 1, "{\"result\": 0}\n", "~could not be added"},
  });
  // Stored in the dictionaries' character set, without surrounding blanks,
  // each pair once.
  EXPECT_EQ("caf\xe9:Caf\xe9\r\nflat:Wohnung\r\ntime:12:00\r\n", folder_.read("add/en_de.udr"));
}

// Dictionaries that cannot be opened: every word still gets its line with
// the result of the open call that failed, and the message names the file.
TEST_F(Lexdict, DictionariesThatCannotBeOpened) {
  folder_.write("text.tdl", std::string(200, 'x'));
  folder_.write("short.tdl", folder_.read("en_de.tdl").substr(0, 100));
  fs::remove(sampleFolder("nopri") + "/en.tdd");
  sampleFolder("sub");
  sampleFolder("cut");
  folder_.write("cut/de.tdd", folder_.read("de.tdd").substr(0, 150));
  const auto fail = [](const std::string& result) { return failed("house", result) + failed("dog", result); };
  check({
      {{"translate", "--json", "%D/xx_yy.tdl", "house", "dog"}, "", 1, fail("-1"),
       "lexdict: %D/xx_yy.tdl: no such file\n"},
      {{"translate", "--json", "%D/text.tdl"}, "house\ndog\n", 1, fail("-2"),
       "~%D/text.tdl: is not a dictionary list file"},
      {{"translate", "--json", "%D/short.tdl", "house", "dog"}, "", 1, fail("-1"),
       "~shorter than the 128-byte header"},
      {{"translate", "--json", "%D/nopri/en_de.tdl", "house", "dog"}, "", 1, fail("-2"),
       "lexdict: %D/nopri/en.tdd: no such file (the primary data file named by %D/nopri/en_de.tdl)\n"},
      {{"translate", "--json", "%D/cut/en_de.tdl", "house", "dog"}, "", 1, fail("-2"),
       "~%D/cut/de.tdd: the code length table ends at byte 204 but the file has 150 bytes (the secondary data file "
       "named by"},
      {{"translate", "%D/nopri/en_de.tdl", "house"}, "", 1, "house\n  status: Dictionary is not open.\n", "*"},
      {{"info", "%D/nopri/de_en.tdl"}, "", 1, "~secondary data file: en.tdd (cannot be loaded)",
       "lexdict: %D/nopri/en.tdd: no such file\n"},
      // A bare or relative list file name is opened from the working
      // directory, and the data files are looked for beside the list file.
      {{"translate", "--json", "en_de.tdl", "street"}, "", 0, json("street", 0, "\"Straße\""), "", "%D"},
      {{"translate", "--json", "sub/de_en.tdl", "Hund"}, "", 0, json("Hund", 0, "\"dog\""), "", "%D"},
      {{"translate", "--json", "%D/nopri/en_de.tdl", "Hund"}, "", 1, "*", "~%D/nopri/en.tdd: no such file", "%D"},
  });
  // Output that cannot be written (a full disk) fails the run, whatever the
  // command.
  if (!fs::exists("/dev/full")) return;
  for (const Strings& args :
       {Strings{"translate", "%D/en_de.tdl", "house"}, {"translate", "--json", "%D/en_de.tdl", "x"},
        {"info", "%D/en_de.tdl"}, {"list", "%D/en.tdd"}, {"add", "%D/en_de.tdl", "cat", "Katze"}}) {
    std::string command = "'" LEXDICT_PATH "'";
    for (const std::string& arg : args) command += " '" + at(arg) + "'";
    const int status = std::system((command + " >/dev/full 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
  }
}

// translate --from --to: the first readable list file of the folder, by
// name, that translates between the two languages, named in any case.
TEST_F(Lexdict, ChoosesADictionarySetByItsLanguages) {
  TestDataFile french = englishData();
  french.languageName = "Fran\xe7" "ais";
  fs::create_directories(folder_.path("fr"));
  folder_.write("fr/fr.tdd", dataFileBytes(french));
  folder_.write("fr/de.tdd", dataFileBytes(germanData()));
  folder_.write("fr/fr_de.tdl", listFileBytes("fr.tdd", "de.tdd", french, germanData(), englishGermanPairs()));
  // aa.tdl, found before en_de.tdl, links house to Heim alone; list files
  // that cannot be read come before it.
  sampleFolder("first");
  folder_.write("first/aa.tdl", listFileBytes("en.tdd", "de.tdd", englishData(), germanData(), {{"house", "Heim"}}));
  folder_.write("first/00_broken.tdl", "not a list file");
  fs::create_directory(folder_.path("first/01_folder.tdl"));
  folder_.write("first/en_de.txt", "TDL");
  // More than twenty sets: en_de.tdl is the 23rd by name.
  french.languageName = "French";
  sampleFolder("many");
  folder_.write("many/fr.tdd", dataFileBytes(french));
  for (int i = 10; i < 31; ++i) {
    folder_.write("many/a" + std::to_string(i) + ".tdl",
                  listFileBytes("fr.tdd", "de.tdd", french, germanData(), englishGermanPairs()));
  }
  sampleFolder("cut");
  folder_.write("cut/de.tdd", folder_.read("de.tdd").substr(0, 90));  // its header still names its language
  // Long folder paths and a language name of 49 characters, the most a data
  // file holds.
  std::string deep = "%D";
  while (deep.size() < 300) deep += "/" + std::string(40, 'd');
  TestDataFile english = englishData();
  english.languageName = std::string(45, 'E') + "nish";
  fs::create_directories(at(deep));
  writeFile(at(deep) + "/en.tdd", dataFileBytes(english));
  writeFile(at(deep) + "/de.tdd", dataFileBytes(germanData()));
  writeFile(at(deep) + "/en_de.tdl", listFileBytes("en.tdd", "de.tdd", english, germanData(), englishGermanPairs()));
  // Without --dir: the dictionaries folder beside the program, not the
  // working directory.
  fs::create_directories(folder_.path("bin/dictionaries"));
  fs::copy_file(LEXDICT_PATH, folder_.path("bin/lexdict"));
  fs::permissions(folder_.path("bin/lexdict"), fs::perms::owner_all);
  writeSamplePair(folder_.path("bin/dictionaries"));
  const auto pair = [](const std::string& dir, const std::string& from, const std::string& to,
                       const std::string& word) {
    return Strings{"translate", "--json", "--dir", dir, "--from", from, "--to", to, word};
  };
  check({
      {pair("%D", "english", "GERMAN", "dog"), "", 0, json("dog", 0, "\"Hund\""), ""},
      {{"translate", "--json", "--dir", "%D", "--from", "German", "--to", "English"}, "Katze\n", 0,
       json("Katze", 0, "\"cat\""), ""},
      {pair("%D/fr", "FRANÇAIS", "german", "cat"), "", 0, json("cat", 0, "\"Katze\""), ""},
      {pair("%D/first", "English", "German", "house"), "", 0, json("house", 0, "\"Heim\""), ""},
      {pair("%D/many", "English", "German", "dog"), "", 0, json("dog", 0, "\"Hund\""), ""},
      {pair(deep, std::string(45, 'e') + "nish", "german", "cat"), "", 0, json("cat", 0, "\"Katze\""), ""},
      {pair(deep, std::string(45, 'e') + "nis", "german", "cat"), "", 1, "*", "*"},
      {pair("%D", "English", "French", "dog"), "", 1, failed("dog", "null"),
       "lexdict: %D: no dictionary set translates from \"English\" to \"French\"; the folder offers German -> "
       "English, English -> German\n"},
      {{"translate", "--dir", "%D/nowhere", "--from", "English", "--to", "German", "dog"}, "", 1,
       "dog\n  status: Dictionary is not open.\n", "lexdict: %D/nowhere: the dictionaries folder does not exist\n"},
      {pair("%D/cut", "English", "German", "dog"), "", 1, failed("dog", "-2"), "~%D/cut/de.tdd"},
      {{"translate", "--json", "--from", "English", "--to", "German", "dog"}, "", 0, json("dog", 0, "\"Hund\""), "",
       "%D/first", "%D/bin/lexdict"},
  });
}

}  // namespace
}  // namespace lexdict_test
