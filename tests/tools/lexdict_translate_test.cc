// lexdict translate through a list file: output, standard input, options,
// word errors and dictionaries that cannot be opened.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include <filesystem>
#include <string>
#include <vector>

#include "lexdict_dictionaries.h"
#include "lexdict_runner.h"

namespace lexdict_test {
namespace {

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    result.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return result;
}

std::vector<std::string> withArgs(std::vector<std::string> base, const std::vector<std::string>& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

class LexdictTranslate : public ::testing::Test {
 protected:
  LexdictTranslate() { writeSamplePair(folder_.root()); }

  ProgramRun translate(const std::vector<std::string>& args, const std::string& input = "") {
    RunOptions options;
    options.input = input;
    return runLexdict(withArgs({"translate"}, args), options);
  }
  std::string enDe() const { return folder_.path("en_de.tdl"); }
  std::string deEn() const { return folder_.path("de_en.tdl"); }

  vocaro_test::TempFolder folder_;
};

std::string json(const std::string& word, int status, const std::string& translations = "",
                 const std::string& suggestions = "") {
  return "{\"word\": \"" + word + "\", \"result\": 0, \"status\": " + std::to_string(status) + ", \"translations\": [" +
         translations + "], \"suggestions\": [" + suggestions + "]}\n";
}

// Whole outputs, for people (the application's own status texts) and as
// JSON (one exact object a word), with the options and area sizes.
TEST_F(LexdictTranslate, PrintsEachWordsOutcome) {
  const std::string enDe = this->enDe();
  const std::string deEn = this->deEn();
  const std::string house = "\"Haus\", \"Heim\", \"Gebäude\"";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{enDe, "house"},
       "house\n  translation: Haus\n  translation: Heim\n  translation: Gebäude\n  status: Word found\n"},
      {{enDe, "--options", "0", "horse"}, "horse\n  status: Word not found\n"},
      {{enDe, "--options", "4", "cats"},
       "cats\n  translation: Katze\n  suggestion: cat\n  status: Word not found. Possible spellings returned.\n"},
      // A headword without translations counts as not found.
      {{enDe, "--options", "0", "open"}, "open\n  status: Word not found\n"},
      {{"--json", enDe, "house", "horse", "street"},
       json("house", 0, house) + json("horse", 1) + json("street", 0, "\"Straße\"")},
      {{"--json", "--options", "0", enDe, "a\"b\\c\td"}, json("a\\\"b\\\\c\\td", 1)},
      // Words in UTF-8 meet the dictionaries' character set.
      {{"--json", deEn, "Straße", "groß", "Gebäude"},
       json("Straße", 0, "\"street\"") + json("groß", 0, "\"big\"") + json("Gebäude", 0, "\"house\"")},
      // Haus, Heim and Gebäude take 5 + 5 + 8 bytes with their terminators.
      {{"--json", "--trans-size", "18", enDe, "house"}, json("house", 0, house)},
      {{"--json", "--trans-size=17", enDe, "house"}, json("house", 2, "\"Haus\", \"Heim\"")},
      // For people a full list still means the word was found.
      {{"--trans-size", "5", enDe, "house"},
       "house\n  translation: Haus\n  note: more translations than fit in 5 bytes (see --trans-size)\n"
       "  status: Word found\n"},
      // "cat" needs 4 bytes of suggestion area; with 3 it cannot be offered.
      {{"--json", "--options", "4", "--suggest-size", "4", enDe, "cats"}, json("cats", 5, "\"Katze\"", "\"cat\"")},
      {{"--json", "--options", "4", "--suggest-size", "3", enDe, "cats"}, json("cats", 1)},
      // Words that look like options follow the double dash.
      {{"--json", "--options", "0", enDe, "--", "-s", "--json"}, json("-s", 1) + json("--json", 1)},
  };
  for (const auto& c : cases) {
    const ProgramRun run = translate(c.first);
    EXPECT_EQ(run.exitCode, 0) << c.second;
    EXPECT_EQ(run.out, c.second);
    EXPECT_EQ(run.err, "") << c.second;
  }
  EXPECT_EQ(translate({enDe, "-s"}).exitCode, 2);
}

TEST_F(LexdictTranslate, StandardInputLinesLoseOnlyTheirLineEnds) {
  const ProgramRun run = translate({"--json", "--options", "0", enDe()}, "house\r\n dog\ncat \n\nstreet");
  EXPECT_EQ(run.exitCode, 0);
  const std::vector<std::string> out = lines(run.out);
  ASSERT_EQ(out.size(), 5u) << run.out;
  EXPECT_NE(out[0].find("{\"word\": \"house\", \"result\": 0, \"status\": 0,"), std::string::npos);
  // Blanks stay: " dog" is no headword, and a phrase that begins with a
  // space has no first word to fall back to.
  EXPECT_NE(out[1].find("{\"word\": \" dog\", \"result\": 0, \"status\": 1,"), std::string::npos);
  // "cat " is a phrase whose first word is offered instead.
  EXPECT_EQ(out[2], "{\"word\": \"cat \", \"result\": 0, \"status\": 5, \"translations\": [\"Katze\"], "
                    "\"suggestions\": [\"cat\"]}");
  EXPECT_NE(out[3].find("{\"word\": \"\", \"result\": 0, \"status\": 1,"), std::string::npos);
  EXPECT_NE(out[4].find("{\"word\": \"street\", \"result\": 0, \"status\": 0,"), std::string::npos);
}

TEST_F(LexdictTranslate, OptionBitsReachTheEngine) {
  const auto status = [&](const std::vector<std::string>& args) {
    const std::string out = translate(withArgs({"--json"}, args)).out;
    const size_t at = out.find("\"status\": ");
    return at == std::string::npos ? std::string("none") : out.substr(at + 10, 1);
  };
  EXPECT_EQ(status({"--options", "0", enDe(), "HOUSE"}), "1");
  EXPECT_EQ(status({"--options", "1", enDe(), "HOUSE"}), "0");  // case insensitive
  EXPECT_EQ(status({"--options", "0", enDe(), "cats"}), "1");
  EXPECT_EQ(status({"--options", "4", enDe(), "cats"}), "5");  // smart search: cats -> cat
  EXPECT_EQ(status({"--options", "0", deEn(), "Strasse"}), "1");
  EXPECT_EQ(status({"--options", "8", deEn(), "Strasse"}), "5");  // spell checker: ss -> ß
  EXPECT_EQ(status({"--options", "0x4", enDe(), "cats"}), "5");
  // The default is all four options.
  EXPECT_EQ(status({enDe(), "HOUSE"}), "0");
  EXPECT_EQ(status({deEn(), "Strasse"}), "5");
}

TEST_F(LexdictTranslate, OutOfRangeNumbersAreUsageErrors) {
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--trans-size", "0"}, {"--trans-size", "32768"}, {"--trans-size", "12x"},
        {"--suggest-size", "0"}, {"--suggest-size", "-1"}, {"--options", "-1"}, {"--options", "4294967296"},
        {"--options", "0x"}, {"--options", ""}, {"--options"}}) {
    const ProgramRun run = translate(withArgs(bad, {enDe(), "house"}));
    EXPECT_EQ(run.exitCode, 2) << bad[0];
    EXPECT_EQ(run.out, "") << bad[0];
    EXPECT_NE(run.err.find("lexdict translate --help"), std::string::npos) << bad[0];
  }
  EXPECT_EQ(translate({"--trans-size", "32767", "--suggest-size", "1", enDe(), "house"}).exitCode, 0);
  EXPECT_EQ(translate({"--options", "0xFFFFFFFF", enDe(), "house"}).exitCode, 0);
  EXPECT_EQ(translate({"--options", "4294967295", enDe(), "house"}).exitCode, 0);
}

TEST_F(LexdictTranslate, UnrepresentableWordFailsAloneAndTheExitStatusTells) {
  const ProgramRun run = translate({"--json", enDe(), "house", "日本", "dog"});
  EXPECT_EQ(run.exitCode, 1);
  const std::vector<std::string> out = lines(run.out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_NE(out[0].find("\"word\": \"house\", \"result\": 0, \"status\": 0"), std::string::npos);
  EXPECT_EQ(out[1], "{\"word\": \"日本\", \"result\": null, \"status\": 4, \"translations\": [], \"suggestions\": []}");
  EXPECT_NE(out[2].find("\"word\": \"dog\", \"result\": 0, \"status\": 0"), std::string::npos);
  EXPECT_NE(run.err.find("\"日本\""), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("cannot represent"), std::string::npos) << run.err;

  const ProgramRun human = translate({enDe(), "€uro", "Ω"});
  EXPECT_EQ(human.exitCode, 1);
  EXPECT_EQ(human.out, "€uro\n  status: Word not found\nΩ\n  status: Error\n") << "€ is in Windows-1252, Ω is not";
}

TEST_F(LexdictTranslate, WordsLongerThan255DictionaryBytesAreRefused) {
  const std::string longest(255, 'a');
  const ProgramRun fits = translate({"--options", "0", enDe(), longest});
  EXPECT_EQ(fits.exitCode, 0);
  EXPECT_NE(fits.out.find("status: Word not found"), std::string::npos);

  const ProgramRun tooLong = translate({"--json", enDe(), longest + "a", "house"});
  EXPECT_EQ(tooLong.exitCode, 1);
  EXPECT_NE(tooLong.out.find("\"result\": null, \"status\": 4"), std::string::npos);
  EXPECT_NE(tooLong.out.find("\"word\": \"house\", \"result\": 0, \"status\": 0"), std::string::npos);
  EXPECT_NE(tooLong.err.find("longer than 255 bytes"), std::string::npos) << tooLong.err;
  // The message quotes 60 characters of the word, not all of it.
  EXPECT_NE(tooLong.err.find("lexdict: word \"" + std::string(60, 'a') + "...\" (256 characters): "),
            std::string::npos)
      << tooLong.err;

  // 255 letters é are 510 bytes of UTF-8 but 255 bytes of Windows-1252.
  std::string accented;
  for (int i = 0; i < 255; ++i) accented += "é";
  EXPECT_EQ(translate({"--options", "0", enDe(), accented}).exitCode, 0);
}

// Output that cannot be written (a full disk) fails the run, whatever the
// command.
TEST_F(LexdictTranslate, OutputThatCannotBeWrittenFailsTheRun) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  const std::vector<std::vector<std::string>> commands = {
      {"translate", enDe(), "house"}, {"translate", "--json", enDe(), "house"}, {"info", enDe()},
      {"list", folder_.path("en.tdd")}, {"add", enDe(), "cat", "Katze"}};
  for (const auto& args : commands) {
    std::string command = "'" + lexdictPath() + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    const int status = std::system((command + " >/dev/full 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << command;
  }
}

TEST_F(LexdictTranslate, MalformedInputIsReportedAndEchoedSafely) {
  const char bytes[] = "\xff\xfe\nhouse\nnul\0byte\n";
  const std::string input(bytes, sizeof bytes - 1);
  const ProgramRun run = translate({"--json", enDe()}, input);
  EXPECT_EQ(run.exitCode, 1);
  const std::vector<std::string> out = lines(run.out);
  ASSERT_EQ(out.size(), 3u) << run.out;
  EXPECT_EQ(out[0], "{\"word\": \"\xef\xbf\xbd\xef\xbf\xbd\", \"result\": null, \"status\": 4, "
                    "\"translations\": [], \"suggestions\": []}");
  EXPECT_NE(out[1].find("\"word\": \"house\", \"result\": 0, \"status\": 0"), std::string::npos);
  EXPECT_NE(out[2].find("\"word\": \"nul\\u0000byte\", \"result\": null"), std::string::npos) << out[2];
  EXPECT_NE(run.err.find("is not valid UTF-8"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("holds a zero byte"), std::string::npos) << run.err;
}

TEST_F(LexdictTranslate, BareListFileNameIsOpenedFromTheWorkingDirectory) {
  RunOptions inFolder;
  inFolder.workingDirectory = folder_.root();
  ProgramRun run = runLexdict({"translate", "--json", "en_de.tdl", "street"}, inFolder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Straße\"]"), std::string::npos);

  // A relative path keeps its folder for the data files.
  std::filesystem::create_directory(folder_.path("sub"));
  writeSamplePair(folder_.path("sub"));
  run = runLexdict({"translate", "--json", "sub/de_en.tdl", "Hund"}, inFolder);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"dog\"]"), std::string::npos);

  // The data files are looked for beside the list file, not in the working
  // directory.
  RunOptions elsewhere;
  elsewhere.workingDirectory = folder_.path("sub");
  std::filesystem::remove(folder_.path("de.tdd"));
  run = runLexdict({"translate", "--json", folder_.path("de_en.tdl"), "Hund"}, elsewhere);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(folder_.path("de.tdd") + ": no such file"), std::string::npos) << run.err;
}

// When the dictionary cannot be opened, every word still gets its line,
// with the result of the open call that failed, and the message names the
// file and what is wrong with it.
TEST_F(LexdictTranslate, DictionariesThatCannotBeOpenedFailEveryWord) {
  folder_.write("text.tdl", std::string(200, 'x'));
  folder_.write("short.tdl", folder_.read("en_de.tdl").substr(0, 100));
  const std::string damagedSecondary = folder_.read("de.tdd").substr(0, 150);
  const struct {
    std::string list;
    std::string input;  // the words come from standard input when given
    const char* result;
    std::string message;  // the whole of standard error when it starts with "lexdict: "
    std::string removed = "";  // a data file removed, or damaged with `damaged`
    std::string damaged = "";
  } cases[] = {
      {folder_.path("xx_yy.tdl"), "", "-1", "lexdict: " + folder_.path("xx_yy.tdl") + ": no such file\n"},
      {folder_.path("text.tdl"), "house\ndog\n", "-2", folder_.path("text.tdl") + ": is not a dictionary list file"},
      {folder_.path("short.tdl"), "", "-1", "shorter than the 128-byte header"},
      {enDe(), "", "-2",
       "lexdict: " + folder_.path("en.tdd") + ": no such file (the primary data file named by " + enDe() + ")\n",
       "en.tdd"},
      {enDe(), "", "-2",
       folder_.path("de.tdd") + ": the code length table ends at byte 204 but the file has 150 bytes (the "
       "secondary data file named by",
       "de.tdd", damagedSecondary},
  };
  const std::string failed = ", \"status\": 4, \"translations\": [], \"suggestions\": []}\n";
  for (const auto& c : cases) {
    const std::string original = c.removed.empty() ? "" : folder_.read(c.removed);
    if (!c.removed.empty() && c.damaged.empty()) std::filesystem::remove(folder_.path(c.removed));
    if (!c.damaged.empty()) folder_.write(c.removed, c.damaged);
    const ProgramRun run = c.input.empty() ? translate({"--json", c.list, "house", "dog"})
                                           : translate({"--json", c.list}, c.input);
    EXPECT_EQ(run.exitCode, 1) << c.message;
    EXPECT_EQ(run.out, "{\"word\": \"house\", \"result\": " + std::string(c.result) + failed +
                           "{\"word\": \"dog\", \"result\": " + c.result + failed);
    if (c.message.rfind("lexdict: ", 0) == 0) {
      EXPECT_EQ(run.err, c.message);
    } else {
      EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    // A bare code would stand after a blank; the temporary folder's random
    // name may hold "-2" itself.
    EXPECT_EQ(run.err.find(" " + std::string(c.result)), std::string::npos) << "no bare result code: " << run.err;
    if (!c.removed.empty()) folder_.write(c.removed, original);
  }
  // People see the application's own text.
  std::filesystem::remove(folder_.path("de.tdd"));
  const ProgramRun run = translate({enDe(), "house"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "house\n  status: Dictionary is not open.\n");
}

}  // namespace
}  // namespace lexdict_test
