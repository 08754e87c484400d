#include "child_process.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;
#else
#include <filesystem>
#endif

namespace vocaro_test {

#if defined(_WIN32)

namespace {

// The exit code a killed process gets, so that wait() can tell it apart.
constexpr UINT kKilled = 137;

std::wstring wide(const std::string& utf8) { return std::filesystem::u8path(utf8).wstring(); }

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::string& inputFile, const std::string& outputFile, const std::string& errorFile) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const auto openFile = [&](const std::string& path, bool output) {
    return CreateFileW(path.empty() ? L"NUL" : wide(path).c_str(), output ? GENERIC_WRITE : GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, output ? CREATE_ALWAYS : OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = openFile(inputFile, false);
  startup.hStdOutput = openFile(outputFile, true);
  startup.hStdError = openFile(errorFile, true);
  const std::wstring programPath = wide(program);
  std::wstring commandLine = L"\"" + programPath + L"\"";
  for (const std::string& a : args) commandLine += L" \"" + wide(a) + L"\"";
  PROCESS_INFORMATION info = {};
  if (CreateProcessW(programPath.c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
  }
  for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
}

bool ChildProcess::started() const { return process_ != nullptr; }

bool ChildProcess::kill() { return process_ != nullptr && TerminateProcess(process_, kKilled) != 0; }

int ChildProcess::wait() {
  if (process_ == nullptr) return exitCode_;
  DWORD code = 0;
  WaitForSingleObject(process_, INFINITE);
  exitCode_ = GetExitCodeProcess(process_, &code) && code != kKilled ? static_cast<int>(code) : -1;
  CloseHandle(process_);
  process_ = nullptr;
  return exitCode_;
}

#else

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& args,
                           const std::string& inputFile, const std::string& outputFile, const std::string& errorFile) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inputFile.empty() ? "/dev/null" : inputFile.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outputFile.empty() ? "/dev/null" : outputFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errorFile.empty() ? "/dev/null" : errorFile.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> all = {program};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(&a[0]);
  argv.push_back(nullptr);
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

bool ChildProcess::started() const { return pid_ > 0; }

bool ChildProcess::kill() { return pid_ > 0 && ::kill(pid_, SIGKILL) == 0; }

int ChildProcess::wait() {
  if (pid_ <= 0) return exitCode_;
  int status = 0;
  if (waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) exitCode_ = WEXITSTATUS(status);
  pid_ = -1;
  return exitCode_;
}

#endif

}  // namespace vocaro_test
