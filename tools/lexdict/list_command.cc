// lexdict list: every entry of a dictionary data file, one per line.
#include <iostream>

#include "command_line.h"
#include "commands.h"
#include "inspect_file.h"
#include "platform/charset.h"
#include "text.h"
#include "usage.h"

namespace lexdict {

int runList(const std::vector<std::string>& args) {
  const char kCommand[] = "list";
  ParsedArguments parsed;
  int exitCode = kExitSuccess;
  if (!startCommand(kCommand, args, {}, kListUsage, &parsed, &exitCode)) return exitCode;
  if (parsed.positionals.size() != 1) return usageError(kCommand, "expected one FILE");
  const std::string& path = parsed.positionals[0];

  std::string problem;
  const auto file = loadDataFile(path, &problem);
  if (!file) {
    ListFileHeader header;
    std::string listProblem;
    if (readListFile(path, &header, &listProblem)) problem = "is a dictionary list file; 'list' prints the entries of a data file";
    std::cerr << "lexdict: " << printable(path) << ": " << problem << '\n';
    return kExitFailure;
  }

  // Hold the file for the whole listing so that each block is read once.
  lexcore::File held = lexcore::File::open(file->path().c_str(), lexcore::OpenMode::Read);
  file->beginSession(&held);
  bool complete = true;
  const uint32_t count = file->entryCount();
  for (uint32_t index = 0; index < count; ++index) {
    char text[lexcore::kWordBufferSize];
    if (!file->decodeEntry(static_cast<int32_t>(index), text)) {
      std::cerr << "lexdict: " << path << ": entry " << index << " cannot be decoded (its block is damaged)\n";
      complete = false;
      break;
    }
    std::cout << lexcore::dictionaryToUtf8(text) << '\n';
  }
  file->endSession();
  return complete ? kExitSuccess : kExitFailure;
}

}  // namespace lexdict
