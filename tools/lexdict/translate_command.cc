// lexdict translate: words from the arguments or standard input, through a
// list file or the first dictionary set of a language pair.
#include <iostream>

#include "command_line.h"
#include "commands.h"
#include "dictionary_sets.h"
#include "host.h"
#include "messages.h"
#include "open_translator.h"
#include "outcome_output.h"
#include "text.h"
#include "usage.h"
#include "word_lookup.h"

namespace lexdict {
namespace {

const char kCommand[] = "translate";
constexpr int64_t kMaxAreaSize = 32767;

bool readSettings(const ParsedArguments& parsed, LookupSettings* settings, std::string* error) {
  int64_t value = 0;
  if (parsed.has("options")) {
    if (!parseNumber(parsed.value("options"), 0, UINT32_MAX, &value)) {
      *error = "--options takes a number from 0 to 0xFFFFFFFF, not " + quoted(parsed.value("options"));
      return false;
    }
    settings->options = static_cast<int32_t>(static_cast<uint32_t>(value));
  }
  struct Size {
    const char* option;
    int16_t* field;
  };
  for (const Size& size : {Size{"trans-size", &settings->transSize}, Size{"suggest-size", &settings->suggestSize}}) {
    if (!parsed.has(size.option)) continue;
    if (!parseNumber(parsed.value(size.option), 1, kMaxAreaSize, &value)) {
      *error = std::string("--") + size.option + " takes a number from 1 to 32767, not " +
               quoted(parsed.value(size.option));
      return false;
    }
    *size.field = static_cast<int16_t>(value);
  }
  return true;
}

// The list file of the first set in `folder` that translates `from` into
// `to`, as the application picks it.
bool findPairListFile(const std::string& folder, const std::string& from, const std::string& to,
                      std::string* listPath, OpenFailure* failure) {
  std::vector<DictionarySet> sets;
  if (!listDictionarySets(folder, &sets)) {
    failure->message = folder + ": the dictionaries folder " +
                       (pathKind(folder) == PathKind::Missing ? "does not exist" : "cannot be read");
    return false;
  }
  for (const DictionarySet& set : sets) {
    if (sameLanguage(set.fromLanguage, from) && sameLanguage(set.toLanguage, to)) {
      *listPath = pathInFolder(folder, set.listFile);
      return true;
    }
  }
  std::string offered;
  for (const DictionarySet& set : sets) {
    offered += (offered.empty() ? "" : ", ") + set.fromLanguage + " -> " + set.toLanguage;
  }
  failure->message = folder + ": no dictionary set translates from " + quoted(from) + " to " + quoted(to) +
                     "; " + (sets.empty() ? "the folder holds no dictionary sets" : "the folder offers " + offered);
  return false;
}

// One line of standard input without its line end ("\n" or "\r\n").
bool readLine(std::istream& in, std::string* line) {
  if (!std::getline(in, *line)) return false;
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

}  // namespace

int runTranslate(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  int exitCode = kExitSuccess;
  const std::vector<OptionDefinition> definitions = {{"from", true},       {"to", true},           {"dir", true}, {"options", true},
                                         {"trans-size", true}, {"suggest-size", true}, {"json", false}};
  if (!startCommand(kCommand, args, definitions, kTranslateUsage, &parsed, &exitCode)) return exitCode;

  LookupSettings settings;
  std::string error;
  if (!readSettings(parsed, &settings, &error)) return usageError(kCommand, error);
  const bool byPair = parsed.has("from") || parsed.has("to");
  if (byPair && !(parsed.has("from") && parsed.has("to"))) return usageError(kCommand, "--from and --to go together");
  if (!byPair && parsed.has("dir")) return usageError(kCommand, "--dir needs --from and --to");
  if (!byPair && parsed.positionals.empty()) return usageError(kCommand, "missing LISTFILE (or --from and --to)");
  const std::vector<std::string> words(parsed.positionals.begin() + (byPair ? 0 : 1), parsed.positionals.end());
  const bool json = parsed.has("json");

  vocaro::Translator translator;
  OpenFailure failure;
  bool opened;
  if (byPair) {
    const std::string folder = parsed.has("dir") ? parsed.value("dir") : defaultDictionaryFolder();
    std::string listPath;
    opened = findPairListFile(folder, parsed.value("from"), parsed.value("to"), &listPath, &failure) &&
             openTranslator(listPath, true, &translator, &failure);
  } else {
    opened = openTranslator(parsed.positionals[0], true, &translator, &failure);
  }
  if (!opened) std::cerr << "lexdict: " << printable(failure.message) << '\n';

  WordLookup lookup(translator.get(), failure.result, settings);
  bool anyFailed = !opened;
  const auto translateOne = [&](const std::string& word) {
    const WordOutcome outcome = lookup.translate(word);
    if (json) {
      printJson(std::cout, outcome);
    } else {
      printForPeople(std::cout, outcome, settings.transSize);
    }
    std::cout.flush();
    if (!outcome.failed()) return;
    anyFailed = true;
    // A dictionary that is not open was reported once above.
    if (outcome.dictionaryOpen) std::cerr << "lexdict: word " << quoted(word) << ": " << outcome.problem << '\n';
  };

  if (words.empty()) {
    std::string line;
    // Output that cannot be written ends the run.
    while (std::cout && readLine(std::cin, &line)) translateOne(line);
  } else {
    for (const std::string& word : words) translateOne(word);
  }
  return anyFailed ? kExitFailure : kExitSuccess;
}

}  // namespace lexdict
