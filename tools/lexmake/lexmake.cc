#include "lexmake.h"

#include "command_line.h"
#include "compiled_pair.h"
#include "pair_files.h"
#include "self_check.h"
#include "text_lines.h"
#include "word_pairs.h"
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

std::string plural(size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string leftOutText(const LeftOut& l) {
  std::string text;
  const auto add = [&text](size_t n, const std::string& what) {
    if (n == 0) return;
    text += (text.empty() ? "" : ", ") + what;
  };
  add(l.longPairs, plural(l.longPairs, "pair", "pairs") + " with a word over 127 bytes");
  add(l.entriesOverLimit, plural(l.entriesOverLimit, "word", "words") + " beyond 65535 entries");
  add(l.unencodable, plural(l.unencodable, "word", "words") + " not encodable in 15 codes");
  add(l.translationsAB, plural(l.translationsAB, "translation", "translations") + " beyond 15 per word (A-B)");
  add(l.translationsBA, plural(l.translationsBA, "translation", "translations") + " beyond 15 per word (B-A)");
  return text.empty() ? "nothing" : text;
}

std::string summary(const CompiledPair& pair, const std::vector<PairFile>& files) {
  const auto dataPart = [](const PairFile& file, const lexcore::DataFileLayout& layout, size_t entries) {
    return file.name + " " + plural(entries, "entry", "entries") + " in " +
           plural(layout.blocks.size(), "block", "blocks") + ", " + std::to_string(file.bytes.size()) + " bytes";
  };
  return "lexmake: " + pair.a.code + "-" + pair.b.code + ": " + dataPart(files[0], pair.fileA, pair.wordsA.size()) +
         "; " + dataPart(files[1], pair.fileB, pair.wordsB.size()) + "; " + files[2].name + " " +
         std::to_string(files[2].bytes.size()) + " bytes; " + files[3].name + " " +
         std::to_string(files[3].bytes.size()) + " bytes; left out: " + leftOutText(pair.leftOut);
}

}  // namespace

int runLexmake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
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

  Diagnostics diagnostics;
  std::string content;
  const bool tablesOkA = readTables(&options.a, &diagnostics);
  const bool tablesOkB = readTables(&options.b, &diagnostics);
  if (!readWholeFile(options.pairsPath, &content)) diagnostics.error(options.pairsPath, "cannot read the file");
  const std::vector<WordPair> pairs = parseWordPairs(content, options.pairsPath, &diagnostics);
  CompiledPair pair;
  if (!tablesOkA || !tablesOkB || !diagnostics.errors.empty() ||
      !compilePair(pairs, options.a.language, options.b.language, &pair, &diagnostics)) {
    report(diagnostics, err);
    return kExitFailed;
  }
  report(diagnostics, err);

  // The files are checked where they were written, in a staging folder, so
  // that a failure leaves the files of an earlier run in place.
  const std::vector<PairFile> files = pairFiles(pair);
  const std::string staging = stagingFolder(pair, options.outputFolder);
  std::string writeError;
  std::vector<std::string> problems;
  if (!writePairFiles(files, staging, &writeError)) {
    err << "lexmake: error: " << writeError << "\n";
  } else if (!selfCheck(pair, staging, &problems)) {
    for (const std::string& p : problems) err << "lexmake: error: check: " << p << "\n";
  } else if (!publishPairFiles(files, staging, options.outputFolder, &writeError)) {
    err << "lexmake: error: " << writeError << "\n";
  } else {
    out << summary(pair, files) << "\n";
    return kExitDone;
  }
  removeFolder(staging);
  return kExitFailed;
}

}  // namespace lexmake
