// Replacing a dictionary set: a failure at any file step of a run, and real
// lexmake processes killed at random moments, never leave a list file that
// answers from a mix of two sets, and the next run clears what was left.
// Outputs that would overwrite an input or the set, paths that are folders
// and write errors on standard output are failures, reported before the
// set is touched.

#include <chrono>
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
using lexmake_test::pairArguments;
using lexmake_test::RunResult;
using lexmake_test::runPair;
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

// What each list file in `folder` answers for the probes, by its name.
std::map<std::string, std::string> answers(const std::string& folder) {
  std::map<std::string, std::string> result;
  if (!fs::exists(folder)) return result;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".tdl") continue;
    const Translator translator(folder, entry.path().filename().string());
    std::string& text = result[entry.path().filename().string()] = "open " + std::to_string(translator.openResult);
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
    const bool isNew = newSet.count(name) && newSet.at(name) == text, isOld = oldSet.count(name) && oldSet.at(name) == text;
    if (!isNew && !isOld) return "mixed: " + name + " answers " + text;
    news += isNew, olds += !isNew;
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
    EXPECT_EQ(runPair(oldInput, folder.path("fresh-old")).status, kExitDone);
    EXPECT_EQ(runPair(newInput, folder.path("fresh-new")).status, kExitDone);
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
  const std::string output = folder.path("out"), leftOut = folder.path("left-out.txt");
  const Strings newRun = pairArguments(sets.newInput, output, {"--left-out", leftOut});
  size_t points = 0;
  // Into a fresh folder, and over the old set; the step that fails counts up
  // until a run passes every step.
  for (const bool overOldSet : {false, true}) {
    for (size_t failing = 0;; ++failing) {
      const std::string where = (overOldSet ? "over the old set, step " : "fresh folder, step ") + std::to_string(failing);
      fs::remove_all(output);
      ASSERT_TRUE(!overOldSet || runPair(sets.oldInput, output).status == kExitDone);
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
}

// A lexmake process writing nothing to the terminal.
vocaro_test::ChildProcess startLexmake(const std::string& input, const std::string& output) {
  return vocaro_test::ChildProcess(LEXMAKE_PATH, pairArguments(input, output));
}

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
  ASSERT_EQ(startLexmake(sets.oldInput, output).wait(), 0);
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(startLexmake(sets.newInput, output).wait(), 0);
  const auto runTime = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);

  std::mt19937 random(20261207);
  for (int i = 0; i < 200; ++i) {
    // Half the kills at any moment, half near the end of a run, where the
    // files are written, checked and published.
    const double share = i % 2 == 0 ? std::uniform_real_distribution<>(0, 1)(random)
                                    : std::uniform_real_distribution<>(0.7, 1.1)(random);
    vocaro_test::ChildProcess run = startLexmake(random() % 2 == 0 ? sets.oldInput : sets.newInput, output);
    ASSERT_TRUE(run.started());
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<int64_t>(share * runTime.count())));
    run.kill();
    const int status = run.wait();
    const std::string state = setState(output, sets.oldAnswers, sets.newAnswers);
    EXPECT_TRUE(state == "new" || state == "old" || state == "half") << "run " << i << ": " << state;
    EXPECT_LE(status, 0) << "run " << i;
  }
  // The next run clears everything a killed run left.
  ASSERT_EQ(startLexmake(sets.newInput, output).wait(), 0);
  EXPECT_EQ(contents(output), sets.newFiles);
}

// A stream whose every write fails, as standard output on a full disk.
struct FullBuffer : std::streambuf {
  int overflow(int) override { return traits_type::eof(); }
};

TEST(LexmakeOutputs, RefusesUnusablePathsAndFailsOnWriteErrorsBeforeTouchingTheSet) {
  TempFolder folder;
  const std::string input = folder.write("p.tsv", kOldPairs), output = folder.path("out");
  fs::create_directories(folder.path("a folder"));
  ASSERT_EQ(runPair(input, output).status, kExitDone);
  const auto set = contents(output);
  const auto before = contents(folder.root());
  const std::string dir = folder.path("a folder");
  const struct { Strings args; int status; std::string message; } cases[] = {
      {pairArguments(dir, output), kExitFailed, dir + ": cannot read the file: it is a folder"},
      {pairArguments(input, output, {"--left-out", input}), kExitUsage, "names the input " + input},
      {pairArguments(input, output, {"--left-out", output + "/en_de.tdl"}), kExitUsage, "names a file of the dictionary set"},
      {pairArguments(input, output, {"--left-out", dir}), kExitUsage, "is a folder, not a file"},
      {pairArguments(input, input), kExitUsage, "is a file, not a folder"},
      {pairArguments(input, output, {"--left-out", folder.path("missing/left.txt")}), kExitFailed,
       "cannot write " + folder.path("missing/left.txt")},
  };
  for (const auto& c : cases) {
    const RunResult run = lexmake_test::runLexmake(c.args);
    EXPECT_EQ(run.status, c.status) << c.message << "\n" << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_EQ(contents(folder.root()), before) << c.message;
  }
  // Standard output that cannot be written fails the run.
  for (const Strings& args : {Strings{"--help"}, pairArguments(input, output)}) {
    FullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(runLexmake(args, out, err), kExitFailed) << args[0];
    EXPECT_NE(err.str().find("to standard output"), std::string::npos) << err.str();
  }
  EXPECT_EQ(contents(output), set);
}

}  // namespace
}  // namespace lexmake
