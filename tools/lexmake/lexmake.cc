#include "lexmake.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

#include "command_line.h"
#include "compiled_pair.h"
#include "dictionary_text.h"
#include "freedict_database.h"
#include "input_files.h"
#include "pair_files.h"
#include "progress.h"
#include "self_check.h"
#include "text_lines.h"
#include "word_tables.h"

namespace lexmake {
namespace {

void report(const Diagnostics& diagnostics, std::ostream& err) {
  for (const std::string& w : diagnostics.warnings) err << "lexmake: warning: " << w << "\n";
  for (const std::string& e : diagnostics.errors) err << "lexmake: error: " << e << "\n";
}

bool readTables(LanguageOption* option, Diagnostics* diagnostics) {
  if (option->tablesPath.empty()) return true;
  std::string content;
  if (!readWholeFile(option->tablesPath, &content)) {
    diagnostics->error(option->tablesPath, cannotReadMessage(option->tablesPath));
    return false;
  }
  return parseLanguageTables(content, option->tablesPath, &option->language.tables, diagnostics);
}

// The word class counts of one language (word_classes.h), when given.
bool readWordClasses(const std::string& path, WordClassCounts* counts, Diagnostics* diagnostics) {
  if (path.empty()) return true;
  std::string content;
  if (!readWholeFile(path, &content)) {
    diagnostics->error(path, cannotReadMessage(path));
    return false;
  }
  return counts->add(content, path, diagnostics);
}

// A word list: one word a line, most useful first; blank lines and lines
// starting with '#' are skipped.  Words without a Windows-1252 spelling
// cannot be in a dictionary; they are counted in a warning.
// In a frequency list (`counted`), text after a tab and a number after the
// last blank are dropped: "house<TAB>1234", "house 1234".
bool readWordList(const std::string& path, std::vector<std::string>* words, Diagnostics* diagnostics,
                  bool counted = false) {
  if (path.empty()) return true;
  std::string content;
  if (!readWholeFile(path, &content)) {
    diagnostics->error(path, cannotReadMessage(path));
    return false;
  }
  size_t unusable = 0;
  for (const TextLine& line : splitLines(content)) {
    const size_t first = line.text.find_first_not_of(" \t");
    if (first == std::string::npos || line.text[first] == '#') continue;
    std::string word = line.text.substr(first, line.text.find_last_not_of(" \t") - first + 1);
    if (counted) {
      word = word.substr(0, word.find('\t'));
      const size_t blank = word.rfind(' ');
      if (blank != std::string::npos && word.find_first_not_of("0123456789.", blank + 1) == std::string::npos)
        word = word.substr(0, word.find_last_not_of(' ', blank) + 1);
    }
    std::string text, problem;
    if (toDictionaryText(word, &text, &problem)) {
      words->push_back(text);
    } else {
      ++unusable;
    }
  }
  if (unusable > 0) {
    diagnostics->warning(path, std::to_string(unusable) + (unusable == 1 ? " word has" : " words have") +
                                   " no Windows-1252 spelling and cannot be used");
  }
  return true;
}

std::string plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// The bytes of the entries as plain text, one a line.
size_t textBytes(const std::vector<std::string>& words) {
  size_t bytes = 0;
  for (const std::string& w : words) bytes += w.size() + 1;
  return bytes;
}

std::string percent(size_t part, size_t whole) {
  const size_t tenths = whole == 0 ? 0 : (part * 1000 + whole / 2) / whole;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string summary(const CompiledPair& pair, const std::vector<PairFile>& files) {
  const auto dataPart = [](const PairFile& file, const lexcore::DataFileLayout& layout,
                           const std::vector<std::string>& words) {
    const size_t text = textBytes(words);
    return file.name + " " + plural(words.size(), "entry", "entries") + " in " +
           plural(layout.blocks.size(), "block", "blocks") + ", " + std::to_string(file.bytes.size()) + " bytes (" +
           percent(file.bytes.size(), text) + " of " + std::to_string(text) + " bytes of text)";
  };
  return "lexmake: " + pair.a.code + "-" + pair.b.code + ": " + dataPart(files[0], pair.fileA, pair.wordsA) + "; " +
         dataPart(files[1], pair.fileB, pair.wordsB) + "; " + files[2].name + " " +
         std::to_string(files[2].bytes.size()) + " bytes; " + files[3].name + " " +
         std::to_string(files[3].bytes.size()) + " bytes; left out: " +
         leftOutSummary(pair.leftOut, pair.a.name, pair.b.name);
}

// Writes the list of what was left out to `path`.
bool writeLeftOut(const std::string& path, const CompiledPair& pair, const PairList& pairs) {
  std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  writeLeftOutList(pair.leftOut, pairs, pair.a.name, pair.b.name, out);
  out.close();
  return out && !stepFails("write " + std::filesystem::u8path(path).filename().u8string());
}

// A pair with the languages of the command line and nothing else, which is
// all its file names need.
CompiledPair namesOf(const Options& options) {
  CompiledPair pair;
  pair.a = options.a.language;
  pair.b = options.b.language;
  return pair;
}

// Whether two paths name the same file, existing or not.
bool sameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::equivalent(fs::u8path(a), fs::u8path(b), ec)) return true;
  const fs::path x = fs::weakly_canonical(fs::u8path(a), ec);
  if (ec) return false;
  const fs::path y = fs::weakly_canonical(fs::u8path(b), ec);
  return !ec && x == y;
}

// Refuses outputs that would overwrite what lexmake reads or writes, before
// anything is read: an empty string when the outputs are usable.
std::string outputProblem(const Options& options) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(fs::u8path(options.outputFolder), ec) && !fs::is_directory(fs::u8path(options.outputFolder), ec))
    return "--output " + options.outputFolder + " is a file, not a folder";
  const std::string& leftOut = options.leftOutPath;
  if (leftOut.empty()) return "";
  if (fs::is_directory(fs::u8path(leftOut), ec)) return "--left-out " + leftOut + " is a folder, not a file";
  std::vector<std::string> read = {options.a.tablesPath, options.b.tablesPath, options.a.rankPath,
                                   options.b.rankPath};
  for (const InputFile& input : options.inputs) {
    read.push_back(input.path);
    std::string indexPath, dataPath;
    if (findDatabaseFiles(input.path, &indexPath, &dataPath)) read.insert(read.end(), {indexPath, dataPath});
  }
  for (const std::string& path : read) {
    if (!path.empty() && sameFile(leftOut, path)) return "--left-out " + leftOut + " names the input " + path;
  }
  const CompiledPair names = namesOf(options);
  std::vector<std::string> written = {listFileName(names.a, names.b), listFileName(names.b, names.a)};
  for (int spare = 0; spare <= kSpareNames; ++spare)
    written.insert(written.end(), {dataFileName(names, names.a, spare), dataFileName(names, names.b, spare)});
  for (const std::string& name : written) {
    if (sameFile(leftOut, joinPath(options.outputFolder, name)))
      return "--left-out " + leftOut + " names a file of the dictionary set";
  }
  return "";
}

// Writes every output and publishes the set: the list of what was left out
// and the files are written and checked before anything is replaced.
int publish(const Options& options, const CompiledPair& pair, const PairList& pairs, std::ostream& out,
            std::ostream& err, Progress* progress) {
  const std::string& folder = options.outputFolder;
  const std::string leftOutDraft = options.leftOutPath.empty() ? "" : options.leftOutPath + ".lexmake-new";
  progress->start("writing the files", 1);
  const std::vector<PairFile> files = pairFiles(pair);
  const std::string staging = stagingFolder(pair, folder);
  std::string error;
  std::vector<std::string> problems;
  bool ok = leftOutDraft.empty() || writeLeftOut(leftOutDraft, pair, pairs);
  if (!ok) error = "cannot write " + options.leftOutPath;
  if (ok) ok = writePairFiles(files, staging, &error);
  if (ok) {
    progress->start("checking the files", 1);
    ok = selfCheck(pair, staging, &problems);
  }
  progress->finish();
  if (ok) ok = publishPairFiles(pair, files, staging, folder, &error);
  if (ok && !leftOutDraft.empty() && !replaceFile(leftOutDraft, options.leftOutPath, &error))
    error = "the dictionary set is published, but " + error;
  removeLeftovers(pair, folder);
  if (!leftOutDraft.empty()) {
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(leftOutDraft), ignored);
  }
  for (const std::string& p : problems) err << "lexmake: error: check: " << p << "\n";
  if (!error.empty()) err << "lexmake: error: " << error << "\n";
  if (!problems.empty() || !error.empty()) return kExitFailed;
  out << summary(pair, files) << "\n";
  out.flush();
  if (!out) {
    err << "lexmake: error: cannot write the summary to standard output\n";
    return kExitFailed;
  }
  return kExitDone;
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress) {
  Options options;
  std::string usageError;
  if (!parseCommandLine(args, &options, &usageError)) {
    err << "lexmake: " << usageError << "\nTry lexmake --help.\n";
    return kExitUsage;
  }
  if (options.help) {
    out << helpText();
    out.flush();
    if (out) return kExitDone;
    err << "lexmake: error: cannot write the help text to standard output\n";
    return kExitFailed;
  }
  if (options.version) {
    out << "lexmake " << LEXMAKE_VERSION << "\n";
    out.flush();
    if (out) return kExitDone;
    err << "lexmake: error: cannot write the version to standard output\n";
    return kExitFailed;
  }
  const std::string outputError = outputProblem(options);
  if (!outputError.empty()) {
    err << "lexmake: " << outputError << "\n";
    return kExitUsage;
  }

  // What a stopped run left is cleared first, whatever becomes of this one.
  removeLeftovers(namesOf(options), options.outputFolder);

  Progress progress(err, showProgress);
  Diagnostics diagnostics;
  SelectionRules rules;
  const bool tablesOk = readTables(&options.a, &diagnostics) && readTables(&options.b, &diagnostics);
  const bool listsOk = readWordList(options.a.rankPath, &rules.rankA, &diagnostics) &&
                       readWordList(options.b.rankPath, &rules.rankB, &diagnostics);
  bool frequencyOk = true;
  for (const Side side : {Side::A, Side::B}) {
    for (const std::string& path : (side == Side::A ? options.a : options.b).frequencyPaths) {
      std::vector<std::string> words;
      frequencyOk = readWordList(path, &words, &diagnostics, true) && frequencyOk;
      (side == Side::A ? rules.frequencyA : rules.frequencyB).add(words);
    }
  }
  WordClassTables classes;
  const bool classesOk = readWordClasses(options.a.wordClassesPath, &classes.a, &diagnostics) &
                         readWordClasses(options.b.wordClassesPath, &classes.b, &diagnostics);
  rules.endingsA = options.a.language.tables.endings;
  rules.endingsB = options.b.language.tables.endings;
  PairList pairs;
  CompiledPair pair;
  const bool extrasOk = tablesOk && listsOk && frequencyOk && classesOk;
  if (extrasOk) readInputs(options.inputs, classes, &pairs, &pair.leftOut.terms, &diagnostics, &progress);
  if (!extrasOk || !diagnostics.errors.empty() ||
      !compilePair(pairs, rules, options.a.language, options.b.language, &pair, &diagnostics, &progress)) {
    progress.finish();
    report(diagnostics, err);
    return kExitFailed;
  }
  report(diagnostics, err);
  return publish(options, pair, pairs, out, err, &progress);
}

}  // namespace

int runLexmake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress) {
  try {
    return run(args, out, err, showProgress);
  } catch (const std::bad_alloc&) {
    err << "lexmake: error: out of memory\n";
  } catch (const std::exception& e) {
    err << "lexmake: error: " << e.what() << "\n";
  }
  return kExitFailed;
}

}  // namespace lexmake
