// lexdict's command line: help, version and usage errors.
#include <gtest/gtest.h>

#include <string>

#include "lexdict_runner.h"

namespace lexdict_test {
namespace {

TEST(LexdictUsage, EveryCommandHasHelpAndVersion) {
  for (const std::string command : {"translate", "add", "info", "list"}) {
    const ProgramRun help = runLexdict({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_EQ(help.out.rfind("Usage: lexdict " + command, 0), 0u) << help.out;
    EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << command;
    EXPECT_EQ(help.err, "") << command;

    const ProgramRun version = runLexdict({command, "--version"});
    EXPECT_EQ(version.exitCode, 0) << command;
    EXPECT_EQ(version.out, "lexdict " LEXDICT_VERSION "\n") << command;
  }
  EXPECT_EQ(runLexdict({"--version"}).out, "lexdict " LEXDICT_VERSION "\n");
  const ProgramRun help = runLexdict({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_EQ(help.out.rfind("Usage: lexdict COMMAND", 0), 0u);
  // The other spellings of a request for help answer the same text.
  EXPECT_EQ(runLexdict({"-h"}).out, help.out);
  EXPECT_EQ(runLexdict({"help"}).out, help.out);
  EXPECT_EQ(runLexdict({"help", "add"}).out, runLexdict({"add", "--help"}).out);
  EXPECT_EQ(runLexdict({"list", "-h"}).out, runLexdict({"list", "--help"}).out);
}

TEST(LexdictUsage, HelpStatesTheExitStatusChoice) {
  const std::string help = runLexdict({"translate", "--help"}).out;
  EXPECT_NE(help.find("a word that is not found still\ncounts as translated"), std::string::npos) << help;
}

TEST(LexdictUsage, BadCommandLinesAreUsageErrors) {
  struct Case {
    std::vector<std::string> args;
    const char* message;
  };
  for (const Case& c : {Case{{}, "lexdict: missing COMMAND\nRun 'lexdict --help' for usage.\n"},
                        Case{{"lookup"}, "lexdict: unknown command \"lookup\"\nRun 'lexdict --help' for usage.\n"},
                        Case{{"translate"},
                             "lexdict: missing LISTFILE (or --from and --to)\nRun 'lexdict translate --help' for "
                             "usage.\n"},
                        Case{{"translate", "--verbose", "x.tdl"},
                             "lexdict: unknown option '--verbose'\nRun 'lexdict translate --help' for usage.\n"},
                        Case{{"translate", "--json=yes", "x.tdl"},
                             "lexdict: option '--json' takes no value\nRun 'lexdict translate --help' for usage.\n"},
                        Case{{"translate", "x.tdl", "--from"},
                             "lexdict: option '--from' needs a value\nRun 'lexdict translate --help' for usage.\n"},
                        Case{{"help", "lookup"},
                             "lexdict: unknown command \"lookup\"\nRun 'lexdict --help' for usage.\n"},
                        Case{{"info", "-v", "x.tdd"},
                             "lexdict: unknown option '-v'\nRun 'lexdict info --help' for usage.\n"}}) {
    const ProgramRun run = runLexdict(c.args);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_EQ(run.err, c.message);
  }
}

}  // namespace
}  // namespace lexdict_test
