// lexdict translate --from --to: choosing a dictionary set from a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lexdict_dictionaries.h"
#include "lexdict_runner.h"

namespace lexdict_test {
namespace {

class LexdictPair : public ::testing::Test {
 protected:
  LexdictPair() { writeSamplePair(folder_.root()); }

  ProgramRun translate(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<std::string> all = {"translate", "--json", "--dir", folder_.root()};
    all.insert(all.end(), args.begin(), args.end());
    RunOptions options;
    options.input = input;
    return runLexdict(all, options);
  }

  vocaro_test::TempFolder folder_;
};

TEST_F(LexdictPair, LanguageNamesMatchRegardlessOfCase) {
  ProgramRun run = translate({"--from", "english", "--to", "GERMAN", "dog"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"word\": \"dog\", \"result\": 0, \"status\": 0, \"translations\": [\"Hund\"], \"suggestions\": []}\n");

  run = translate({"--from", "German", "--to", "English"}, "Katze\n");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"word\": \"Katze\", \"result\": 0, \"status\": 0, \"translations\": [\"cat\"], \"suggestions\": []}\n");
}

TEST_F(LexdictPair, NonAsciiLanguageNamesFoldTheirCase) {
  TestDataFile french = englishData();
  french.languageName = "Fran\xe7" "ais";
  folder_.write("fr.tdd", dataFileBytes(french));
  folder_.write("fr_de.tdl", listFileBytes("fr.tdd", "de.tdd", french, germanData(), englishGermanPairs()));
  const ProgramRun run = translate({"--from", "FRANÇAIS", "--to", "german", "cat"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Katze\"]"), std::string::npos);
}

TEST_F(LexdictPair, TheFirstSetByFileNameServesAPair) {
  // aa.tdl, found before en_de.tdl, links house to Heim alone.
  folder_.write("aa.tdl", listFileBytes("en.tdd", "de.tdd", englishData(), germanData(), {{"house", "Heim"}}));
  const ProgramRun run = translate({"--from", "English", "--to", "German", "house"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Heim\"]"), std::string::npos) << run.out;
}

TEST_F(LexdictPair, ListFilesThatCannotBeReadAreNotSets) {
  folder_.write("00_broken.tdl", "not a list file");
  std::filesystem::create_directory(folder_.path("01_folder.tdl"));
  folder_.write("en_de.txt", "TDL");
  const ProgramRun run = translate({"--from", "English", "--to", "German", "dog"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Hund\"]"), std::string::npos);
}

TEST_F(LexdictPair, AFolderMayHoldMoreThanTwentySets) {
  TestDataFile french = englishData();
  french.languageName = "French";
  folder_.write("fr.tdd", dataFileBytes(french));
  const std::string list = listFileBytes("fr.tdd", "de.tdd", french, germanData(), englishGermanPairs());
  for (int i = 10; i < 31; ++i) writeFile(folder_.path("a" + std::to_string(i) + ".tdl"), list);
  // en_de.tdl is the 23rd set by name.
  const ProgramRun run = translate({"--from", "English", "--to", "German", "dog"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Hund\"]"), std::string::npos);
}

TEST_F(LexdictPair, LongFolderPathsAndLanguageNamesAreWhole) {
  std::string folder = folder_.root();
  while (folder.size() < 300) folder += "/" + std::string(40, 'd');
  std::filesystem::create_directories(folder);
  TestDataFile english = englishData();
  english.languageName = std::string(45, 'E') + "nish";  // 49 characters, the most a data file holds
  writeFile(folder + "/en.tdd", dataFileBytes(english));
  writeFile(folder + "/de.tdd", dataFileBytes(germanData()));
  writeFile(folder + "/en_de.tdl", listFileBytes("en.tdd", "de.tdd", english, germanData(), englishGermanPairs()));
  const ProgramRun run = runLexdict(
      {"translate", "--json", "--dir", folder, "--from", std::string(45, 'e') + "nish", "--to", "german", "cat"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Katze\"]"), std::string::npos);
  // One character short is another language.
  EXPECT_EQ(runLexdict({"translate", "--dir", folder, "--from", std::string(45, 'e') + "nis", "--to", "german", "cat"})
                .exitCode,
            1);
}

TEST_F(LexdictPair, AMissingPairNamesWhatTheFolderOffers) {
  const ProgramRun run = translate({"--from", "English", "--to", "French", "dog"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out,
            "{\"word\": \"dog\", \"result\": null, \"status\": 4, \"translations\": [], \"suggestions\": []}\n");
  EXPECT_EQ(run.err, "lexdict: " + folder_.root() +
                         ": no dictionary set translates from \"English\" to \"French\"; the folder offers German -> "
                         "English, English -> German\n");
}

TEST_F(LexdictPair, AMissingFolderIsReported) {
  const std::string missing = folder_.path("nowhere");
  const ProgramRun run = runLexdict({"translate", "--dir", missing, "--from", "English", "--to", "German", "dog"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "dog\n  status: Dictionary is not open.\n");
  EXPECT_EQ(run.err, "lexdict: " + missing + ": the dictionaries folder does not exist\n");
}

TEST_F(LexdictPair, AnUnopenableSetReportsItsFile) {
  folder_.write("de.tdd", folder_.read("de.tdd").substr(0, 90));
  // de.tdd still names its language in its header, so the set is listed.
  const ProgramRun run = translate({"--from", "English", "--to", "German", "dog"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("\"result\": -2, \"status\": 4"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find(folder_.path("de.tdd")), std::string::npos) << run.err;
}

TEST_F(LexdictPair, FromAndToGoTogether) {
  EXPECT_EQ(translate({"--from", "English", "dog"}).exitCode, 2);
  EXPECT_EQ(translate({"--to", "German", "dog"}).exitCode, 2);
  EXPECT_EQ(runLexdict({"translate", "--dir", folder_.root(), folder_.path("en_de.tdl"), "dog"}).exitCode, 2);
}

TEST_F(LexdictPair, TheDefaultFolderIsBesideTheProgram) {
  vocaro_test::TempFolder install;
  const std::string bin = install.path("bin");
  std::filesystem::create_directories(bin + "/dictionaries");
  std::filesystem::copy_file(lexdictPath(), bin + "/lexdict");
  std::filesystem::permissions(bin + "/lexdict", std::filesystem::perms::owner_all);
  writeSamplePair(bin + "/dictionaries");
  RunOptions options;
  options.program = bin + "/lexdict";
  options.workingDirectory = folder_.root();  // holds other dictionaries; they must not be used
  folder_.write("aa.tdl", listFileBytes("en.tdd", "de.tdd", englishData(), germanData(), {}));
  const ProgramRun run = runLexdict({"translate", "--json", "--from", "English", "--to", "German", "dog"}, options);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("\"translations\": [\"Hund\"]"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace lexdict_test
