// Real child processes for the tests that run the tools: started with their
// standard streams on files, killed at any moment, and waited for.  POSIX
// (posix_spawn, SIGKILL) and Windows (CreateProcessW, TerminateProcess).
#ifndef VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H
#define VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/types.h>
#endif

#include <string>
#include <vector>

namespace vocaro_test {

class ChildProcess {
 public:
  // Starts `program` (a UTF-8 path) with `args`.  Standard input comes from
  // `inputFile`, standard output and error go to `outputFile` and
  // `errorFile`; an empty name is the null device.
  ChildProcess(const std::string& program, const std::vector<std::string>& args, const std::string& inputFile = "",
               const std::string& outputFile = "", const std::string& errorFile = "");
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess() { wait(); }

  bool started() const;
  // Kills the process at once; true when it was still there to kill.
  bool kill();
  // The exit code; -1 when the process could not start or was killed.
  int wait();

 private:
#if defined(_WIN32)
  HANDLE process_ = nullptr;
#else
  pid_t pid_ = -1;
#endif
  int exitCode_ = -1;
};

}  // namespace vocaro_test

#endif  // VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H
