// Replacing a dictionary set: a failure at any file step of a run, and real
// lexmake processes killed at random moments, never leave a list file that
// answers from a mix of two sets, and the next run clears what was left.
// Outputs that would overwrite an input or the set, paths that are folders
// and write errors on standard output are failures, reported before the
// set is touched.  Each test prints what it tried.

#include <chrono>
#include <cstdio>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include "child_process.h"
#include <random>

#include "lexmake_test_support.h"
#include "pair_files.h"

namespace lexmake {
namespace {

namespace fs = std::filesystem;
using lexmake_test::RunResult;
using lexmake_test::TempFolder;
using lexmake_test::Translator;
using Strings = std::vector<std::string>;

// Two sets of the same pair whose words, translations and entry numbers
// differ, so that a list file of one read with data files of the other
// answers with other words.
const char* const kOldPairs = "house\tHaus\ncat\tKatze\ndog\tHund\nbank\tBank\nbank\tUfer\n";
const char* const kNewPairs = "apple\tApfel\ncat\tKater\nzebra\tZebra\nhouse\tGebaeude\nhouse\tHaus\n";
const Strings kProbes = {"house", "cat",  "dog",   "bank",  "apple", "zebra",   "Haus", "Katze",
                         "Hund",  "Bank", "Ufer",  "Apfel", "Kater", "Gebaeude", "w7",  "w300"};

Strings arguments(const std::string& input, const std::string& output, const Strings& extra = {}) {
  Strings args = lexmake_test::pairArguments(input, output);
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

// What each list file in `folder` answers for the probes, by its name.
std::map<std::string, std::string> answers(const std::string& folder) {
  std::map<std::string, std::string> result;
  if (!fs::exists(folder)) return result;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".tdl") continue;
    std::string& text = result[entry.path().filename().string()];
    Translator translator(folder, entry.path().filename().string());
    text = "open " + std::to_string(translator.openResult());
    for (const std::string& probe : kProbes) {
      const vocaro::Translation t = translator.translate(probe, 0);
      text += "; " + probe + " " + std::to_string(t.result) + "/" + std::to_string(t.status);
      for (const std::string& translation : t.translations) text += " " + translation;
    }
  }
  return result;
}

// "old" or "new" when the list files are those of that set and answer as
// in it, "half" when some answer as in one set and the others as in the
// other or are missing, "none" without list files; otherwise what is wrong.
std::string setState(const std::string& folder, const std::map<std::string, std::string>& oldSet,
                     const std::map<std::string, std::string>& newSet) {
  const std::map<std::string, std::string> now = answers(folder);
  if (now.empty()) return "none";
  size_t olds = 0, news = 0;
  for (const auto& [name, text] : now) {
    if (newSet.count(name) && newSet.at(name) == text) {
      ++news;
    } else if (oldSet.count(name) && oldSet.at(name) == text) {
      ++olds;
    } else {
      return "mixed: " + name + " answers " + text;
    }
  }
  return news == newSet.size() ? "new" : olds == oldSet.size() ? "old" : "half";
}

// Every file below `folder`, hidden ones too, with its bytes.
std::map<std::string, std::string> contents(const std::string& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    files[name] = entry.is_directory() ? "(folder)" : lexmake_test::readFile(entry.path().string());
  }
  return files;
}

// The two sets compiled into fresh folders, the reference for every state.
struct Sets {
  explicit Sets(const TempFolder& folder, const std::string& oldPairs, const std::string& newPairs)
      : oldInput(folder.write("old.tsv", oldPairs)), newInput(folder.write("new.tsv", newPairs)) {
    EXPECT_EQ(lexmake_test::runLexmake(arguments(oldInput, folder.path("fresh-old"))).status, kExitDone);
    EXPECT_EQ(lexmake_test::runLexmake(arguments(newInput, folder.path("fresh-new"))).status, kExitDone);
    oldAnswers = answers(folder.path("fresh-old"));
    newAnswers = answers(folder.path("fresh-new"));
    newFiles = contents(folder.path("fresh-new"));
  }
  std::string oldInput, newInput;
  std::map<std::string, std::string> oldAnswers, newAnswers, newFiles;
};

TEST(LexmakePublish, AFailureAtAnyStepLeavesEveryListFileWholeAndTheNextRunClearsUp) {
  TempFolder folder;
  const Sets sets(folder, kOldPairs, kNewPairs);
  ASSERT_NE(sets.oldAnswers, sets.newAnswers);
  const std::string output = folder.path("out");
  const std::string leftOut = folder.path("left-out.txt");
  const Strings newRun = arguments(sets.newInput, output, {"--left-out", leftOut});
  size_t points = 0;
  // Into a fresh folder, and over the old set; the step that fails counts up
  // until a run passes every step.
  for (const bool overOldSet : {false, true}) {
    for (size_t failing = 0;; ++failing) {
      const std::string where = (overOldSet ? "over the old set, step " : "fresh folder, step ") + std::to_string(failing);
      fs::remove_all(output);
      ASSERT_TRUE(!overOldSet || lexmake_test::runLexmake(arguments(sets.oldInput, output)).status == kExitDone);
      size_t step = 0;
      setStepFailure([&step, failing](const std::string&) { return step++ == failing; });
      const RunResult run = lexmake_test::runLexmake(newRun);
      setStepFailure(nullptr);
      const std::string state = setState(output, sets.oldAnswers, sets.newAnswers);
      EXPECT_TRUE(state == "new" || state == "old" || state == "half" || (state == "none" && !overOldSet))
          << where << ": " << state;
      EXPECT_TRUE(run.status != kExitDone || state == "new") << where << ": " << state;
      if (step <= failing) break;  // no step failed
      ++points;
      EXPECT_TRUE(run.status == kExitDone || run.err.find("lexmake: error: ") != std::string::npos) << where;
      // The next run removes what this one left and writes what a run into
      // a fresh folder writes.
      ASSERT_EQ(lexmake_test::runLexmake(newRun).status, kExitDone) << where;
      EXPECT_EQ(contents(output), sets.newFiles) << where;
      EXPECT_FALSE(fs::exists(leftOut + ".lexmake-new")) << where;
    }
  }
  EXPECT_GT(points, 8u);
  std::printf("failure points: %zu\n", points);
}

// A lexmake process writing nothing to the terminal.
vocaro_test::ChildProcess startLexmake(const Strings& args) { return vocaro_test::ChildProcess(LEXMAKE_PATH, args); }

TEST(LexmakePublish, KilledRunsLeaveEveryListFileWhole) {
  // Sets large enough that a run takes some milliseconds.
  std::string oldPairs = kOldPairs, newPairs = kNewPairs;
  for (int i = 0; i < 800; ++i) {
    oldPairs += "w" + std::to_string(i) + "\told" + std::to_string(i) + "\n";
    newPairs += "w" + std::to_string(i * 3) + "\tnew" + std::to_string(i) + "\n";
  }
  TempFolder folder;
  const Sets sets(folder, oldPairs, newPairs);
  const std::string output = folder.path("out");
  // How long an undisturbed run over the other set takes.
  ASSERT_EQ(startLexmake(arguments(sets.oldInput, output)).wait(), 0);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(startLexmake(arguments(sets.newInput, output)).wait(), 0);
  const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

  std::mt19937 random(20261207);
  int mixed = 0;
  for (int i = 0; i < 200; ++i) {
    // Half the kills at any moment, half near the end of a run, where the
    // files are written, checked and published.
    const double share = i % 2 == 0 ? std::uniform_real_distribution<>(0, 1)(random)
                                    : std::uniform_real_distribution<>(0.7, 1.1)(random);
    vocaro_test::ChildProcess run = startLexmake(arguments(random() % 2 == 0 ? sets.oldInput : sets.newInput, output));
    ASSERT_TRUE(run.started());
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int64_t>(share * runTime.count())));
    run.kill();
    const int status = run.wait();
    const std::string state = setState(output, sets.oldAnswers, sets.newAnswers);
    mixed += state.compare(0, 5, "mixed") == 0;
    EXPECT_TRUE(state == "new" || state == "old" || state == "half") << "run " << i << ": " << state;
    EXPECT_LE(status, 0) << "run " << i;
  }
  // The next run clears everything a killed run left.
  ASSERT_EQ(startLexmake(arguments(sets.newInput, output)).wait(), 0);
  EXPECT_EQ(contents(output), sets.newFiles);
  std::printf("killed runs: 200 runs of %lld us, list files answering from a mix: %d\n",
              static_cast<long long>(runTime.count()), mixed);
}

// A stream whose every write fails, as standard output on a full disk.
class FullStream : public std::ostream {
 public:
  FullStream() : std::ostream(&buffer_) {}

 private:
  struct : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
  } buffer_;
};

TEST(LexmakeOutputs, RefusesUnusablePathsAndFailsOnWriteErrorsBeforeTouchingTheSet) {
  TempFolder folder;
  const std::string input = folder.write("p.tsv", kOldPairs);
  const std::string tables = folder.write("en.tables", "ending \"\" <- s\n");
  const std::string output = folder.path("out");
  fs::create_directories(folder.path("a folder"));
  ASSERT_EQ(lexmake_test::runLexmake(arguments(input, output)).status, kExitDone);
  const auto set = contents(output);
  const auto before = contents(folder.root());
  struct Case {
    Strings args;
    int status;
    std::string message;
  };
  const std::string dir = folder.path("a folder");
  const Case cases[] = {
      {arguments(dir, output), kExitFailed, dir + ": cannot read the file: it is a folder"},
      {arguments(input, output, {"--left-out", input}), kExitUsage, "names the input " + input},
      {arguments(input, output, {"--tables-a", tables, "--left-out", folder.path("./en.tables")}), kExitUsage,
       "names the input " + tables},
      {arguments(input, output, {"--left-out", output + "/en_de.tdl"}), kExitUsage,
       "names a file of the dictionary set"},
      {arguments(input, output, {"--left-out", dir}), kExitUsage, "is a folder, not a file"},
      {arguments(input, input), kExitUsage, "is a file, not a folder"},
      {arguments(input, output, {"--left-out", folder.path("missing/left.txt")}), kExitFailed,
       "cannot write " + folder.path("missing/left.txt")},
  };
  for (const Case& c : cases) {
    const RunResult run = lexmake_test::runLexmake(c.args);
    EXPECT_EQ(run.status, c.status) << c.message << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(contents(folder.root()), before) << c.message;
  }
  // Standard output that cannot be written fails the run.
  for (const Strings& args : {Strings{"--help"}, arguments(input, output)}) {
    FullStream out;
    std::ostringstream err;
    EXPECT_EQ(runLexmake(args, out, err), kExitFailed) << args[0];
    EXPECT_NE(err.str().find("to standard output"), std::string::npos) << err.str();
  }
  EXPECT_EQ(contents(output), set);
}

}  // namespace
}  // namespace lexmake
