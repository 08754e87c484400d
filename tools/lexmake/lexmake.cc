#include "lexmake.h"

#include <filesystem>
#include <fstream>

#include "command_line.h"
#include "compiled_pair.h"
#include "dictionary_text.h"
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
    diagnostics->error(option->tablesPath, "cannot read the file");
    return false;
  }
  return parseLanguageTables(content, option->tablesPath, &option->language.tables, diagnostics);
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
    diagnostics->error(path, "cannot read the file");
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

bool writeLeftOut(const std::string& path, const CompiledPair& pair, const PairList& pairs, std::ostream& err) {
  if (path.empty()) return true;
  std::ofstream out(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  writeLeftOutList(pair.leftOut, pairs, pair.a.name, pair.b.name, out);
  out.close();
  if (out) return true;
  err << "lexmake: error: cannot write " << path << "\n";
  return false;
}

}  // namespace

int runLexmake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool showProgress) {
  Options options;
  std::string usageError;
  if (!parseCommandLine(args, &options, &usageError)) {
    err << "lexmake: " << usageError << "\nTry lexmake --help.\n";
    return kExitUsage;
  }
  if (options.help) {
    out << helpText();
    return kExitDone;
  }

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
  rules.endingsA = options.a.language.tables.endings;
  rules.endingsB = options.b.language.tables.endings;
  PairList pairs;
  CompiledPair pair;
  if (tablesOk && listsOk && frequencyOk) readInputs(options.inputs, &pairs, &pair.leftOut.terms, &diagnostics, &progress);
  if (!tablesOk || !listsOk || !frequencyOk || !diagnostics.errors.empty() ||
      !compilePair(pairs, rules, options.a.language, options.b.language, &pair, &diagnostics, &progress)) {
    progress.finish();
    report(diagnostics, err);
    return kExitFailed;
  }
  report(diagnostics, err);

  // The files are checked where they were written, in a staging folder, so
  // that a failure leaves the files of an earlier run in place.
  progress.start("writing the files", 1);
  const std::vector<PairFile> files = pairFiles(pair);
  const std::string staging = stagingFolder(pair, options.outputFolder);
  std::string writeError;
  std::vector<std::string> problems;
  const bool written = writePairFiles(files, staging, &writeError);
  if (written) progress.start("checking the files", 1);
  const bool checked = written && selfCheck(pair, staging, &problems);
  progress.finish();
  if (!written) {
    err << "lexmake: error: " << writeError << "\n";
  } else if (!checked) {
    for (const std::string& p : problems) err << "lexmake: error: check: " << p << "\n";
  } else if (!publishPairFiles(files, staging, options.outputFolder, &writeError)) {
    err << "lexmake: error: " << writeError << "\n";
  } else if (writeLeftOut(options.leftOutPath, pair, pairs, err)) {
    out << summary(pair, files) << "\n";
    return kExitDone;
  } else {
    return kExitFailed;
  }
  removeFolder(staging);
  return kExitFailed;
}

}  // namespace lexmake
