// Real child processes for the native tests that run the tools: started
// with their standard streams on files, waited for, and killed.
#ifndef VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H
#define VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H

#include <sys/types.h>

#include <string>
#include <vector>

namespace vocaro_test {

// Starts `program` with `args`; standard input comes from `inputFile`
// (empty: /dev/null), standard output goes to `outputFile` and standard
// error to /dev/null.  -1 when it cannot start.
pid_t startProcess(const std::string& program, const std::vector<std::string>& args, const std::string& inputFile,
                   const std::string& outputFile);

// The exit status of the process, or -1 when it was killed.
int waitExit(pid_t pid);

}  // namespace vocaro_test

#endif  // VOCARO_TESTS_SUPPORT_CHILD_PROCESS_H
