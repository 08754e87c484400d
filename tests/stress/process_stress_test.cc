// Many lexdict processes on one dictionary: translating at once never fails
// (opens wait briefly for each other), adding at once keeps every pair, and a
// process killed at any moment while adding to a large user dictionary never
// costs an acknowledged pair or leaves a half line.  Built natively (kills
// are SIGKILL) and for Windows, where it runs under Wine (kills are
// TerminateProcess).  Each test prints what it tried.
#if defined(_WIN32)
#include <windows.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "child_process.h"
#include "temp_folder.h"


namespace {

namespace fs = std::filesystem;

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
class DictionaryCopy : public vocaro_test::TempFolder {
 public:
  DictionaryCopy() {
    for (const auto& entry : fs::directory_iterator(programFolder() / "dictionaries")) {
      const std::string extension = entry.path().extension().string();
      if (extension == ".tdl" || extension == ".tdd") {
        fs::copy_file(entry.path(), fs::u8path(path(entry.path().filename().u8string())));
      }
    }
  }
};

// A lexdict process whose standard input comes from `inputFile` (or
// nothing) and whose standard output and error go to `outputFile` and
// `errorFile` (or nowhere).
class Lexdict : public vocaro_test::ChildProcess {
 public:
  Lexdict(const std::vector<std::string>& args, const std::string& inputFile = "",
          const std::string& outputFile = "", const std::string& errorFile = "")
      : ChildProcess(lexdictPath().u8string(), args, inputFile, outputFile, errorFile) {}
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
  dictionaries.write("words.txt", input);

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
    EXPECT_EQ(processes[p]->wait(), 0) << "process " << p << ": " << dictionaries.read("err" + std::to_string(p));
    std::istringstream out(dictionaries.read("out" + std::to_string(p)));
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
  ASSERT_TRUE(readPairs(dictionaries.read("en_de.udr"), &pairs));
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
    dictionaries.write("en_de.udr", seed);
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
    ASSERT_TRUE(readPairs(dictionaries.read("en_de.udr"), &pairs)) << "half-written file after add " << i;
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
