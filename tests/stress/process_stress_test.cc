// Many lexdict processes on one dictionary: translating at once never fails
// (opens wait briefly for each other), adding at once keeps every pair, and a
// process killed at any moment while adding never costs an acknowledged pair
// or leaves a half line.  Each test prints what it tried.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
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

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A copy of the sample dictionaries in a fresh folder.
class DictionaryCopy {
 public:
  DictionaryCopy() {
    std::system(("cp " SAMPLE_DICTIONARIES "/*.tdl " SAMPLE_DICTIONARIES "/*.tdd '" + folder_.root() + "'").c_str());
  }
  std::string path(const std::string& name) const { return folder_.path(name); }

 private:
  vocaro_test::TempFolder folder_;
};

// A lexdict process whose standard input comes from `inputFile` (or
// /dev/null) and whose standard output goes to `outputFile`.
pid_t startLexdict(const std::vector<std::string>& args, const std::string& inputFile,
                   const std::string& outputFile) {
  return vocaro_test::startProcess(LEXDICT_PATH, args, inputFile, outputFile);
}

using vocaro_test::waitExit;

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
  std::ofstream(dictionaries.path("words.txt")) << input;

  constexpr int kProcesses = 8;
  std::vector<pid_t> pids;
  for (int p = 0; p < kProcesses; ++p) {
    pids.push_back(startLexdict({"translate", "--json", "--options", "15", dictionaries.path("en_de.tdl")},
                                dictionaries.path("words.txt"), dictionaries.path("out" + std::to_string(p))));
  }
  int lines = 0;
  int failures = 0;
  for (int p = 0; p < kProcesses; ++p) {
    EXPECT_EQ(waitExit(pids[p]), 0) << "process " << p;
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
  // Each worker is a shell loop of lexdict add processes.
  std::vector<pid_t> workers;
  for (int p = 0; p < kProcesses; ++p) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (int i = 0; i < kAddsEach; ++i) {
        const pid_t add = startLexdict({"add", dictionaries.path("en_de.tdl"),
                                        "w" + std::to_string(p) + "x" + std::to_string(i), "t" + std::to_string(i)},
                                       "", "/dev/null");
        if (waitExit(add) != 0) _exit(1);
      }
      _exit(0);
    }
    workers.push_back(pid);
  }
  for (pid_t w : workers) EXPECT_EQ(waitExit(w), 0);
  std::set<std::string> pairs;
  ASSERT_TRUE(readPairs(readFile(dictionaries.path("en_de.udr")), &pairs));
  int missing = 0;
  for (int p = 0; p < kProcesses; ++p) {
    for (int i = 0; i < kAddsEach; ++i) {
      missing += pairs.count("w" + std::to_string(p) + "x" + std::to_string(i) + ":t" + std::to_string(i)) ? 0 : 1;
    }
  }
  EXPECT_EQ(missing, 0);
  std::printf("concurrent adds: %d processes, %d adds, %d pairs lost\n", kProcesses, kProcesses * kAddsEach, missing);
}

TEST(ProcessStress, KilledAddsNeverLoseAcknowledgedPairs) {
  DictionaryCopy dictionaries;
  std::mt19937 rng(12345);
  std::set<std::string> acknowledged;
  int kills = 0;
  int attempts = 0;
  std::set<std::string> lost;
  for (int i = 0; i < 120; ++i) {
    const std::string pair = "k" + std::to_string(i) + ":v" + std::to_string(i);
    const pid_t add = startLexdict({"add", dictionaries.path("en_de.tdl"), "k" + std::to_string(i),
                                    "v" + std::to_string(i)},
                                   "", "/dev/null");
    ++attempts;
    // Kill about half of the adds after a random moment within their run.
    if (rng() % 2 == 0) {
      std::this_thread::sleep_for(std::chrono::microseconds(rng() % 4000));
      if (kill(add, SIGKILL) == 0) ++kills;
    }
    if (waitExit(add) == 0) acknowledged.insert(pair);
    std::set<std::string> pairs;
    ASSERT_TRUE(readPairs(readFile(dictionaries.path("en_de.udr")), &pairs)) << "half-written file after add " << i;
    for (const std::string& p : acknowledged) {
      if (!pairs.count(p)) lost.insert(p);
    }
  }
  EXPECT_TRUE(lost.empty());
  std::printf("killed adds: %d adds, %d kills sent, %zu acknowledged, %zu acknowledged pairs lost\n", attempts,
              kills, acknowledged.size(), lost.size());
}

}  // namespace
