// Many lexdict processes on one dictionary: translating at once never fails
// (opens wait briefly for each other), and adding at once, some processes
// killed at any moment, never costs an acknowledged pair or leaves a half
// line.  Built natively (kills
// are SIGKILL) and for Windows, where it runs under Wine (kills are
// TerminateProcess).  Each test prints what it tried.
#if defined(_WIN32)
#include <windows.h>
#endif

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
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

// A lexdict process with its standard streams on files (or nothing).
std::unique_ptr<vocaro_test::ChildProcess> lexdict(const std::vector<std::string>& args, const std::string& in = "",
                                                   const std::string& out = "", const std::string& err = "") {
  return std::make_unique<vocaro_test::ChildProcess>(lexdictPath().u8string(), args, in, out, err);
}

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
  std::vector<std::unique_ptr<vocaro_test::ChildProcess>> processes;
  for (int p = 0; p < kProcesses; ++p) {
    processes.push_back(lexdict({"translate", "--json", "--options", "15", dictionaries.path("en_de.tdl")},
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

// Rounds of three adds at once to a user dictionary of thousands of pairs;
// in about half the rounds one of them is killed at a random moment within
// the time an add takes (measured on rounds without a kill), so that kills
// land in every step of the save.  The adds that are not killed all succeed,
// and no acknowledged pair is ever lost nor a line left half written.
TEST(ProcessStress, ConcurrentAndKilledAddsNeverLoseAcknowledgedPairs) {
  DictionaryCopy dictionaries;
  constexpr int kSeedPairs = 5000, kRounds = 60, kAddsEach = 3;
  std::set<std::string> acknowledged;
  std::string seed;
  for (int i = 0; i < kSeedPairs; ++i) {
    acknowledged.insert("seed" + std::to_string(i) + ":Saat" + std::to_string(i));
    seed += "seed" + std::to_string(i) + ":Saat" + std::to_string(i) + "\r\n";
  }
  dictionaries.write("en_de.udr", seed);
  std::mt19937 rng(12345);
  double roundMicroseconds = 0;  // the mean time of a round without a kill
  int measured = 0, kills = 0, failed = 0;
  std::set<std::string> lost;
  for (int i = 0; i < kRounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::unique_ptr<vocaro_test::ChildProcess>> adds;
    for (int p = 0; p < kAddsEach; ++p) {
      adds.push_back(lexdict({"add", dictionaries.path("en_de.tdl"), "k" + std::to_string(i) + "x" + std::to_string(p),
                              "v" + std::to_string(i)}));
    }
    const bool killNow = measured >= 3 && rng() % 2 == 0;
    if (killNow) {
      const unsigned within = static_cast<unsigned>(roundMicroseconds * 1.2 + 1);
      std::this_thread::sleep_for(std::chrono::microseconds(rng() % within));
      if (adds[0]->kill()) ++kills;
    }
    for (int p = 0; p < kAddsEach; ++p) {
      const bool succeeded = adds[p]->wait() == 0;
      if (succeeded) acknowledged.insert("k" + std::to_string(i) + "x" + std::to_string(p) + ":v" + std::to_string(i));
      if (!succeeded && !(killNow && p == 0)) ++failed;
    }
    if (!killNow) {
      const double took = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
      roundMicroseconds = (roundMicroseconds * measured + took) / (measured + 1);
      ++measured;
    }
    std::set<std::string> pairs;
    ASSERT_TRUE(readPairs(dictionaries.read("en_de.udr"), &pairs)) << "half-written file after round " << i;
    for (const std::string& p : acknowledged) {
      if (!pairs.count(p)) lost.insert(p);
    }
  }
  EXPECT_EQ(failed, 0);
  EXPECT_TRUE(lost.empty());
  std::printf("adds: %d rounds of %d adds at once to %d pairs (a round takes %.0f us), %d kills, %d adds failed, "
              "%zu acknowledged, %zu acknowledged pairs lost\n",
              kRounds, kAddsEach, kSeedPairs, roundMicroseconds, kills, failed, acknowledged.size() - kSeedPairs,
              lost.size());
}

}  // namespace
