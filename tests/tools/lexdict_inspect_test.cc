// lexdict info and list: describing dictionary files and listing entries.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lexdict_dictionaries.h"
#include "lexdict_runner.h"

namespace lexdict_test {
namespace {

class LexdictInspect : public ::testing::Test {
 protected:
  LexdictInspect() { writeSamplePair(folder_.root()); }
  vocaro_test::TempFolder folder_;
};

TEST_F(LexdictInspect, InfoDescribesADataFile) {
  const std::string path = folder_.path("en.tdd");
  const ProgramRun run = runLexdict({"info", path});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const size_t blocks = dataFileLayout(englishData()).blocks.size();
  EXPECT_EQ(run.out, path +
                         ": dictionary data file\n"
                         "  language: English\n"
                         "  language id: 9\n"
                         "  entries: 6\n"
                         "  blocks: " +
                         std::to_string(blocks) +
                         "\n"
                         "  ending table: 1 group\n"
                         "    \"\" \"s\"\n"
                         "  variant table: none\n");

  const ProgramRun german = runLexdict({"info", folder_.path("de.tdd")});
  EXPECT_NE(german.out.find("  ending table: none\n  variant table: 1 group\n    \"ss\" \"ß\"\n"), std::string::npos)
      << german.out;
}

TEST_F(LexdictInspect, InfoDescribesAListFileAndItsDataFiles) {
  const std::string path = folder_.path("de_en.tdl");
  ProgramRun run = runLexdict({"info", path});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, path +
                         ": dictionary list file\n"
                         "  entries covered: 7\n"
                         "  primary data file: de.tdd (German, 7 entries)\n"
                         "  secondary data file: en.tdd (English, 6 entries)\n");

  std::filesystem::remove(folder_.path("en.tdd"));
  run = runLexdict({"info", path});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("secondary data file: en.tdd (cannot be loaded)"), std::string::npos);
  EXPECT_EQ(run.err, "lexdict: " + folder_.path("en.tdd") + ": no such file\n");
}

TEST_F(LexdictInspect, FilesTheReaderRefusesAreExplained) {
  const auto problem = [&](const std::string& command, const std::string& name) {
    const ProgramRun run = runLexdict({command, folder_.path(name)});
    EXPECT_EQ(run.exitCode, 1) << name;
    EXPECT_EQ(run.out, "") << name;
    return run.err;
  };
  folder_.write("cut.tdd", folder_.read("en.tdd").substr(0, 210));
  folder_.write("text.tdd", "just some text\n");
  folder_.write("tiny.tdd", "TR");
  folder_.write("cut.tdl", folder_.read("en_de.tdl").substr(0, 60));
  // Cut by one byte: the last translation index, and the ending table record.
  const std::string list = folder_.read("en_de.tdl");
  folder_.write("index.tdl", list.substr(0, list.size() - 1));
  const std::string data = folder_.read("en.tdd");
  folder_.write("record.tdd", data.substr(0, data.size() - 1));
  const auto bytes = [](size_t n) { return std::to_string(n); };  // small files: no thousands
  size_t codeText = 0;
  for (const std::string& code : dataFileLayout(englishData()).codes) codeText += code.size();
  for (const std::string command : {"info", "list"}) {
    EXPECT_EQ(problem(command, "none.tdd"), "lexdict: " + folder_.path("none.tdd") + ": no such file\n");
    EXPECT_EQ(problem(command, "cut.tdd"), "lexdict: " + folder_.path("cut.tdd") +
                                               ": is a damaged dictionary data file: the code text ends at byte " +
                                               bytes(204 + codeText) + " but the file has 210 bytes\n");
    EXPECT_NE(problem(command, "record.tdd").find(": is a damaged dictionary data file: the ending table record at "
                                                  "byte "),
              std::string::npos);
    EXPECT_NE(problem(command, "record.tdd").find(" ends at byte " + bytes(data.size()) + " but the file has " +
                                                  bytes(data.size() - 1) + " bytes\n"),
              std::string::npos);
    EXPECT_NE(problem(command, "index.tdl")
                  .find(": is a damaged dictionary list file: the translation index table ends at byte " +
                        bytes(list.size()) + " but the file has " + bytes(list.size() - 1) + " bytes\n"),
              std::string::npos);
    EXPECT_EQ(problem(command, "text.tdd"), "lexdict: " + folder_.path("text.tdd") +
                                                ": is not a dictionary file (it begins neither with \"TRD\" nor "
                                                "with \"TDL\")\n");
    EXPECT_EQ(problem(command, "tiny.tdd"),
              "lexdict: " + folder_.path("tiny.tdd") + ": is too short to be a dictionary file\n");
    EXPECT_NE(problem(command, "cut.tdl").find("is a damaged dictionary list file"), std::string::npos);
  }
  EXPECT_EQ(problem("info", ""), "lexdict: " + folder_.root() + "/: is a folder, not a file\n");
}

TEST_F(LexdictInspect, ListPrintsEveryEntryInFileOrder) {
  const ProgramRun run = runLexdict({"list", folder_.path("de.tdd")});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Gebäude\nHaus\nHeim\nHund\nKatze\nStraße\ngroß\n");
}

TEST_F(LexdictInspect, ListStopsAtADamagedBlock) {
  // Move the first block's stored size onto the second: the file still
  // loads, but block 0 no longer holds its entries.
  lexcore::DataFileLayout layout = dataFileLayout(germanData());
  ASSERT_GE(layout.blocks.size(), 2u);
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

  const ProgramRun run = runLexdict({"list", folder_.path("bad.tdd")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "lexdict: " + folder_.path("bad.tdd") + ": entry 0 cannot be decoded (its block is damaged)\n");
}

TEST_F(LexdictInspect, ListTakesADataFile) {
  const ProgramRun run = runLexdict({"list", folder_.path("en_de.tdl")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "lexdict: " + folder_.path("en_de.tdl") +
                         ": is a dictionary list file; 'list' prints the entries of a data file\n");
}

TEST_F(LexdictInspect, TheyTakeExactlyOneFile) {
  for (const std::string command : {"info", "list"}) {
    EXPECT_EQ(runLexdict({command}).exitCode, 2);
    EXPECT_EQ(runLexdict({command, folder_.path("en.tdd"), folder_.path("de.tdd")}).exitCode, 2);
    EXPECT_EQ(runLexdict({command, "--json", folder_.path("en.tdd")}).exitCode, 2);
  }
}

}  // namespace
}  // namespace lexdict_test
