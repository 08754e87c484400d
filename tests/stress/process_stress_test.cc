// Many lexdict processes on one dictionary: translating at once never fails
// (opens wait briefly for each other), adding at once keeps every pair, and a
// process killed at any moment while adding to a large user dictionary never
// costs an acknowledged pair or leaves a half line.  Built natively (kills
// are SIGKILL) and for Windows, where it runs under Wine (kills are
// TerminateProcess).  Each test prints what it tried.
#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#if !defined(_WIN32)
extern char** environ;
#endif

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The folder of this test program, which holds lexdict and the sample
// dictionaries (bin/ of the build).
fs::path programFolder() {
#if defined(_WIN32)
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return fs::path(std::wstring(buffer, n)).parent_path();
#else
  return fs::read_symlink("/proc/self/exe").parent_path();
#endif
}

fs::path lexdictPath() {
#if defined(_WIN32)
  return programFolder() / "lexdict.exe";
#else
  return programFolder() / "lexdict";
#endif
}

// A copy of the sample dictionaries in a fresh folder.
class DictionaryCopy {
 public:
  DictionaryCopy() {
    std::random_device random;
    root_ = fs::temp_directory_path() / ("vocaro-stress-" + std::to_string(random()));
    fs::create_directories(root_);
    for (const auto& entry : fs::directory_iterator(programFolder() / "dictionaries")) {
      const std::string extension = entry.path().extension().string();
      if (extension == ".tdl" || extension == ".tdd") fs::copy_file(entry.path(), root_ / entry.path().filename());
    }
  }
  ~DictionaryCopy() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  std::string path(const std::string& name) const { return (root_ / name).string(); }

 private:
  fs::path root_;
};

// A lexdict process whose standard input comes from `inputFile` (or
// nothing) and whose standard output and error go to `outputFile` and
// `errorFile` (or nowhere).
class Lexdict {
 public:
  Lexdict(const std::vector<std::string>& args, const std::string& inputFile = "",
          const std::string& outputFile = "", const std::string& errorFile = "") {
#if defined(_WIN32)
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const auto openFile = [&](const std::string& path, bool output) {
      return CreateFileA(path.empty() ? "NUL" : path.c_str(), output ? GENERIC_WRITE : GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, output ? CREATE_ALWAYS : OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = openFile(inputFile, false);
    startup.hStdOutput = openFile(outputFile, true);
    startup.hStdError = openFile(errorFile, true);
    std::wstring commandLine = L"\"" + lexdictPath().wstring() + L"\"";
    for (const std::string& a : args) commandLine += L" \"" + fs::u8path(a).wstring() + L"\"";
    PROCESS_INFORMATION info = {};
    if (CreateProcessW(lexdictPath().wstring().c_str(), &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &info)) {
      CloseHandle(info.hThread);
      process_ = info.hProcess;
    }
    for (HANDLE h : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) CloseHandle(h);
#else
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inputFile.empty() ? "/dev/null" : inputFile.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outputFile.empty() ? "/dev/null" : outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.empty() ? "/dev/null" : errorFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string program = lexdictPath().string();
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
#endif
  }
  Lexdict(const Lexdict&) = delete;
  Lexdict& operator=(const Lexdict&) = delete;
  ~Lexdict() { wait(); }

  // Kills the process at once; true when it was still there to kill.
  bool kill() {
#if defined(_WIN32)
    return process_ != nullptr && TerminateProcess(process_, 137) != 0;
#else
    return pid_ > 0 && ::kill(pid_, SIGKILL) == 0;
#endif
  }

  // The exit code; -1 when the process could not start or did not end by
  // itself.
  int wait() {
#if defined(_WIN32)
    if (process_ == nullptr) return exitCode_;
    DWORD code = 0;
    WaitForSingleObject(process_, INFINITE);
    exitCode_ = GetExitCodeProcess(process_, &code) && code != 137 ? static_cast<int>(code) : -1;
    CloseHandle(process_);
    process_ = nullptr;
#else
    if (pid_ <= 0) return exitCode_;
    int status = 0;
    if (waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status)) exitCode_ = WEXITSTATUS(status);
    pid_ = -1;
#endif
    return exitCode_;
  }

 private:
#if defined(_WIN32)
  HANDLE process_ = nullptr;
#else
  pid_t pid_ = -1;
#endif
  int exitCode_ = -1;
};

// The pairs of a user dictionary file; false when a line is not a whole
// word:translation line ending in CR LF.
bool readPairs(const std::string& text, std::set<std::string>* pairs) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) return false;
    const std::string line = text.substr(pos, end - pos);
    if (line.find(':') == std::string::npos) return false;
    pairs->insert(line);
    pos = end + 2;
  }
  return true;
}

TEST(ProcessStress, ConcurrentTranslationsAllSucceed) {
  DictionaryCopy dictionaries;
  const char* words[] = {"house", "cats", "good morning", "dog", "water", "qqqq", "houses", "street"};
  std::string input;
  for (int i = 0; i < 400; ++i) input += std::string(words[i % 8]) + "\n";
  std::ofstream(dictionaries.path("words.txt"), std::ios::binary) << input;

  constexpr int kProcesses = 8;
  std::vector<std::unique_ptr<Lexdict>> processes;
  for (int p = 0; p < kProcesses; ++p) {
    processes.emplace_back(new Lexdict({"translate", "--json", "--options", "15", dictionaries.path("en_de.tdl")},
                                       dictionaries.path("words.txt"), dictionaries.path("out" + std::to_string(p)),
                                       dictionaries.path("err" + std::to_string(p))));
  }
  int lines = 0;
  int failures = 0;
  for (int p = 0; p < kProcesses; ++p) {
    EXPECT_EQ(processes[p]->wait(), 0) << "process " << p << ": " << readFile(dictionaries.path("err" + std::to_string(p)));
    std::istringstream out(readFile(dictionaries.path("out" + std::to_string(p))));
    for (std::string line; std::getline(out, line); ++lines) {
      if (line.find("\"result\": 0,") == std::string::npos || line.find("\"status\": 4") != std::string::npos)
        ++failures;
    }
  }
  EXPECT_EQ(lines, kProcesses * 400);
  EXPECT_EQ(failures, 0);
  std::printf("concurrent translation: %d processes, %d lookups, %d failures\n", kProcesses, lines, failures);
}

TEST(ProcessStress, ConcurrentAddsKeepEveryPair) {
  DictionaryCopy dictionaries;
  constexpr int kProcesses = 6;
  constexpr int kAddsEach = 25;
  // Each round starts one add per process at once.
  int failed = 0;
  for (int i = 0; i < kAddsEach; ++i) {
    std::vector<std::unique_ptr<Lexdict>> round;
    for (int p = 0; p < kProcesses; ++p) {
      round.emplace_back(new Lexdict({"add", dictionaries.path("en_de.tdl"),
                                      "w" + std::to_string(p) + "x" + std::to_string(i), "t" + std::to_string(i)}));
    }
    for (auto& add : round) failed += add->wait() == 0 ? 0 : 1;
  }
  EXPECT_EQ(failed, 0);
  std::set<std::string> pairs;
  ASSERT_TRUE(readPairs(readFile(dictionaries.path("en_de.udr")), &pairs));
  int missing = 0;
  for (int p = 0; p < kProcesses; ++p) {
    for (int i = 0; i < kAddsEach; ++i) {
      missing += pairs.count("w" + std::to_string(p) + "x" + std::to_string(i) + ":t" + std::to_string(i)) ? 0 : 1;
    }
  }
  EXPECT_EQ(missing, 0);
  std::printf("concurrent adds: %d processes, %d adds, %d failed, %d pairs lost\n", kProcesses,
              kProcesses * kAddsEach, failed, missing);
}

// Adds to a user dictionary of thousands of pairs, about half of them killed
// at a random moment within the time an add takes (measured on the adds
// that are not killed), so that kills land in every step of the save.
TEST(ProcessStress, KilledAddsNeverLoseAcknowledgedPairs) {
  DictionaryCopy dictionaries;
  constexpr int kSeedPairs = 5000;
  constexpr int kAdds = 120;
  std::set<std::string> acknowledged;
  {
    std::string seed;
    for (int i = 0; i < kSeedPairs; ++i) {
      const std::string pair = "seed" + std::to_string(i) + ":Saat" + std::to_string(i);
      seed += pair + "\r\n";
      acknowledged.insert(pair);
    }
    std::ofstream(dictionaries.path("en_de.udr"), std::ios::binary) << seed;
  }
  std::mt19937 rng(12345);
  double addMicroseconds = 0;  // the mean time of an add that was not killed
  int measured = 0;
  int kills = 0;
  std::set<std::string> lost;
  for (int i = 0; i < kAdds; ++i) {
    const std::string pair = "k" + std::to_string(i) + ":v" + std::to_string(i);
    const auto start = std::chrono::steady_clock::now();
    Lexdict add({"add", dictionaries.path("en_de.tdl"), "k" + std::to_string(i), "v" + std::to_string(i)});
    const bool killNow = measured >= 3 && rng() % 2 == 0;
    if (killNow) {
      std::this_thread::sleep_for(std::chrono::microseconds(rng() % static_cast<unsigned>(addMicroseconds * 1.2 + 1)));
      if (add.kill()) ++kills;
    }
    const bool succeeded = add.wait() == 0;
    if (succeeded) acknowledged.insert(pair);
    if (succeeded && !killNow) {
      const double took = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
      addMicroseconds = (addMicroseconds * measured + took) / (measured + 1);
      ++measured;
    }
    std::set<std::string> pairs;
    ASSERT_TRUE(readPairs(readFile(dictionaries.path("en_de.udr")), &pairs)) << "half-written file after add " << i;
    for (const std::string& p : acknowledged) {
      if (!pairs.count(p)) lost.insert(p);
    }
  }
  EXPECT_TRUE(lost.empty());
  std::printf("killed adds: %d adds to %d pairs (an add takes %.0f us), %d kills, %zu acknowledged, %zu acknowledged "
              "pairs lost\n",
              kAdds, kSeedPairs, addMicroseconds, kills, acknowledged.size() - kSeedPairs, lost.size());
}

}  // namespace
