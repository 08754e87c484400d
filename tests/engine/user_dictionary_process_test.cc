// Several processes adding to one user dictionary file at once, and writers
// killed at random moments: no acknowledged pair is ever lost, and the file
// never holds a half line.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/file.h"
#include "sample_dictionary.h"
#include "temp_folder.h"
#include "translator/lexcore.h"

namespace {

using lexcore_test::SampleDictionary;
using vocaro_test::TempFolder;

std::string wordOf(int writer, int i) { return "w" + std::to_string(writer) + "n" + std::to_string(i); }
std::string translationOf(int writer, int i) { return "t" + std::to_string(writer) + "n" + std::to_string(i); }

// The lines of a file as the engine writes it: every line ends in CR LF and
// is word:translation.  Adds a failure for anything else.
std::map<std::string, std::string> pairsOf(const std::string& text) {
  std::map<std::string, std::string> pairs;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "half line at the end of the file: \"" << text.substr(start) << '"';
      break;
    }
    const std::string line = text.substr(start, end - start);
    const size_t colon = line.find(':');
    if (colon == std::string::npos || line.find(':', colon + 1) != std::string::npos) {
      ADD_FAILURE() << "malformed line \"" << line << '"';
    } else if (!pairs.emplace(line.substr(0, colon), line.substr(colon + 1)).second) {
      ADD_FAILURE() << "line written twice: \"" << line << '"';
    }
    start = end + 2;
  }
  return pairs;
}

class UserDictionaryProcesses : public ::testing::Test {
 protected:
  void SetUp() override {
    SampleDictionary dictionary;
    dictionary.add("house", {"Haus"});
    dictionary.write(folder_);
  }

  // Forks a writer that adds the pairs 0 .. count - 1 of `writer` once the
  // parent closes the write end of `start` (when given), and writes each
  // acknowledged index to `ackFd`.  The exit code is 0 when every add
  // succeeded, and 100 and above when something went wrong.
  pid_t startWriter(int writer, int count, const int* start, int ackFd) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    if (start != nullptr) {
      close(start[1]);
      char go;
      if (read(start[0], &go, 1) != 0) _exit(100);
    }
    TD_HANDLE handle = nullptr;
    if (TD_TransOpen(&handle, folder_.widePath(SampleDictionary::kListName).c_str(), 0) != TD_OK) _exit(101);
    for (int i = 0; i < count; ++i) {
      if (TD_TransAddUdr(handle, wordOf(writer, i).c_str(), translationOf(writer, i).c_str()) != 1) _exit(102);
      if (ackFd >= 0 && write(ackFd, &i, sizeof i) != sizeof i) _exit(103);
    }
    TD_TransClose(&handle);
    _exit(0);
  }

  TempFolder folder_;
};

TEST_F(UserDictionaryProcesses, ConcurrentWritersEndWithEveryPairInTheFile) {
  constexpr int kWriters = 4;
  constexpr int kPairs = 100;
  int start[2];
  ASSERT_EQ(0, pipe(start));
  std::vector<pid_t> writers;
  for (int w = 0; w < kWriters; ++w) writers.push_back(startWriter(w, kPairs, start, -1));
  close(start[0]);
  close(start[1]);  // all writers start at once
  for (pid_t pid : writers) {
    int status = 0;
    ASSERT_EQ(pid, waitpid(pid, &status, 0));
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(0, WEXITSTATUS(status)) << "writer " << pid << " failed";
  }
  const std::map<std::string, std::string> pairs = pairsOf(folder_.read("aa_bb.udr"));
  EXPECT_EQ(static_cast<size_t>(kWriters * kPairs), pairs.size());
  for (int w = 0; w < kWriters; ++w) {
    for (int i = 0; i < kPairs; ++i) {
      const auto it = pairs.find(wordOf(w, i));
      ASSERT_TRUE(it != pairs.end()) << wordOf(w, i) << " is lost";
      EXPECT_EQ(translationOf(w, i), it->second);
    }
  }
}

// Each round starts two writers and kills both with SIGKILL after a random
// moment.  A writer reports each add the engine acknowledged; after every
// round the file holds every pair acknowledged so far, and whole lines only.
TEST_F(UserDictionaryProcesses, KilledWritersNeverLoseAnAcknowledgedPair) {
  constexpr int kRounds = 30;
  std::mt19937 random(77);
  std::uniform_int_distribution<int> delayMicroseconds(200, 15000);
  std::set<std::string> acknowledged;
  int killedMidway = 0;
  for (int round = 0; round < kRounds; ++round) {
    std::vector<std::pair<pid_t, int>> writers;  // pid, read end of its acknowledgements
    for (int k = 0; k < 2; ++k) {
      int acks[2];
      ASSERT_EQ(0, pipe(acks));
      const int writer = round * 2 + k;
      const pid_t pid = startWriter(writer, 100000, nullptr, acks[1]);
      close(acks[1]);
      writers.emplace_back(pid, acks[0]);
    }
    for (const auto& w : writers) {
      std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
      kill(w.first, SIGKILL);
    }
    for (size_t k = 0; k < writers.size(); ++k) {
      int status = 0;
      ASSERT_EQ(writers[k].first, waitpid(writers[k].first, &status, 0));
      if (WIFSIGNALED(status)) {
        ++killedMidway;
      } else {
        ADD_FAILURE() << "writer exited with " << WEXITSTATUS(status) << " before it was killed";
      }
      int index;
      while (read(writers[k].second, &index, sizeof index) == sizeof index) {
        acknowledged.insert(wordOf(round * 2 + static_cast<int>(k), index));
      }
      close(writers[k].second);
    }
    const std::map<std::string, std::string> pairs = pairsOf(folder_.read("aa_bb.udr"));
    for (const std::string& word : acknowledged) {
      ASSERT_EQ(1u, pairs.count(word)) << "acknowledged pair " << word << " lost after round " << round;
    }
  }
  EXPECT_EQ(2 * kRounds, killedMidway);
  // A writer killed between writing its new file and renaming it leaves that
  // file beside the dictionary; it is never read, and the next add reuses it.
  int strayFiles = 0;
  for (const std::string& name : folder_.names()) strayFiles += name.rfind("aa_bb.udr.new", 0) == 0;
  EXPECT_LE(strayFiles, 1);
  std::printf("pairs acknowledged: %zu; new files left by killed writers: %d\n", acknowledged.size(), strayFiles);
  EXPECT_GT(acknowledged.size(), static_cast<size_t>(kRounds)) << "the writers hardly added anything";
}

}  // namespace
