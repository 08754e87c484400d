// lexdict add: one word pair into the user dictionary of a list file.
#include <iostream>

#include "command_line.h"
#include "commands.h"
#include "open_translator.h"
#include "platform/charset.h"
#include "text.h"
#include "usage.h"

namespace lexdict {
namespace {

const char kCommand[] = "add";

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Drops blanks and control characters at both ends, as the application does
// before it adds a pair; the user dictionary would drop them when it reads
// the pair back anyway.
std::string trimBlanks(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// `utf8` as dictionary text that one line of the user dictionary file holds
// and gives back unchanged; false with `problem` set otherwise.  `isWord`
// adds the rule that the colon separates word and translation.
bool toPairText(const std::string& utf8, bool isWord, std::string* text, std::string* problem) {
  std::string narrow;
  if (!toDictionaryWord(utf8, &narrow, problem)) return false;
  *text = trimBlanks(narrow);
  if (text->empty()) {
    *problem = "is empty";
  } else if (text->find_first_of("\r\n") != std::string::npos) {
    *problem = "holds a line break";
  } else if (isWord && text->find(':') != std::string::npos) {
    *problem = "holds a colon, which separates word and translation in the user dictionary file";
  } else {
    return true;
  }
  return false;
}

void printJsonResult(bool json, const std::optional<int32_t>& result) {
  if (!json) return;
  std::cout << "{\"result\": " << (result ? std::to_string(*result) : std::string("null")) << "}\n";
}

}  // namespace

int runAdd(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  int exitCode = kExitSuccess;
  if (!startCommand(kCommand, args, {{"json", false}}, kAddUsage, &parsed, &exitCode)) return exitCode;
  if (parsed.positionals.size() < 3) return usageError(kCommand, "expected LISTFILE WORD TRANSLATION");
  if (parsed.positionals.size() > 3) return usageError(kCommand, "too many arguments: expected LISTFILE WORD TRANSLATION");
  const std::string& listPath = parsed.positionals[0];
  const bool json = parsed.has("json");

  std::string word, translation, problem;
  if (!toPairText(parsed.positionals[1], true, &word, &problem)) {
    std::cerr << "lexdict: word " << quoted(parsed.positionals[1]) << ": " << problem << '\n';
    printJsonResult(json, std::nullopt);
    return kExitFailure;
  }
  if (!toPairText(parsed.positionals[2], false, &translation, &problem)) {
    std::cerr << "lexdict: translation " << quoted(parsed.positionals[2]) << ": " << problem << '\n';
    printJsonResult(json, std::nullopt);
    return kExitFailure;
  }

  vocaro::Translator translator;
  OpenFailure failure;
  if (!openTranslator(listPath, false, &translator, &failure)) {
    std::cerr << "lexdict: " << printable(failure.message) << '\n';
    printJsonResult(json, failure.result);
    return kExitFailure;
  }
  const int32_t result = TD_TransAddUdr(translator.get(), word.c_str(), translation.c_str());
  translator.close();
  printJsonResult(json, result);
  if (result != 1) {
    std::cerr << "lexdict: " << listPath
              << ": the pair could not be added to its user dictionary (the file could not be read or written)\n";
    return kExitFailure;
  }
  if (!json) {
    std::cout << "Added " << jsonString(lexcore::dictionaryToUtf8(word)) << " = "
              << jsonString(lexcore::dictionaryToUtf8(translation)) << '\n';
  }
  return kExitSuccess;
}

}  // namespace lexdict
