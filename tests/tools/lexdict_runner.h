// Runs the real lexdict program as a child process for the tests.
#ifndef VOCARO_TESTS_TOOLS_LEXDICT_RUNNER_H
#define VOCARO_TESTS_TOOLS_LEXDICT_RUNNER_H

#include <string>
#include <vector>

namespace lexdict_test {

struct ProgramRun {
  int exitCode = -1;  // -1 when the program did not end normally
  std::string out;
  std::string err;
};

struct RunOptions {
  std::string input;             // standard input
  std::string workingDirectory;  // empty: the test's own
  std::string program;           // empty: the lexdict of this build
};

ProgramRun runLexdict(const std::vector<std::string>& args, const RunOptions& options = RunOptions());

// The lexdict executable of this build.
std::string lexdictPath();

}  // namespace lexdict_test

#endif  // VOCARO_TESTS_TOOLS_LEXDICT_RUNNER_H
