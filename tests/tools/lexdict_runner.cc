#include "lexdict_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lexdict_test {
namespace {

// A file in the temporary folder that is removed again with this object.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& contents) {
    char name[] = "/tmp/lexdict_run_XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    if (fd >= 0) {
      if (!contents.empty() && write(fd, contents.data(), contents.size()) < 0) path_.clear();
      close(fd);
    }
  }
  ~ScratchFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }
  std::string contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::string path_;
};

}  // namespace

std::string lexdictPath() { return LEXDICT_PATH; }

// Standard streams go through files, so that no pipe can fill up and stall
// either side.
ProgramRun runLexdict(const std::vector<std::string>& args, const RunOptions& options) {
  const std::string program = options.program.empty() ? lexdictPath() : options.program;
  ScratchFile input(options.input), output(""), errors("");
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  ProgramRun run;
  const pid_t child = fork();
  if (child == 0) {
    const int in = open(input.path().c_str(), O_RDONLY);
    const int out = open(output.path().c_str(), O_WRONLY | O_TRUNC);
    const int err = open(errors.path().c_str(), O_WRONLY | O_TRUNC);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) _exit(126);
    if (!options.workingDirectory.empty() && chdir(options.workingDirectory.c_str()) != 0) _exit(126);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  if (child < 0) return run;
  int status = 0;
  if (waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.out = output.contents();
  run.err = errors.contents();
  return run;
}

}  // namespace lexdict_test
