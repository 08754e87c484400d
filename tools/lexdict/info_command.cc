// lexdict info: what a dictionary list file or data file holds.
#include <iostream>

#include "command_line.h"
#include "commands.h"
#include "host.h"
#include "inspect_file.h"
#include "platform/charset.h"
#include "text.h"
#include "usage.h"

namespace lexdict {
namespace {

const char kCommand[] = "info";

void describeTable(const char* title, const lexcore::WordTable& table) {
  std::cout << "  " << title << ": ";
  if (!table.present) {
    std::cout << "none\n";
    return;
  }
  std::cout << static_cast<int>(table.groupCount) << (table.groupCount == 1 ? " group\n" : " groups\n");
  for (const auto& group : table.groups) {
    std::cout << "   ";
    for (const std::string& text : group) std::cout << ' ' << jsonString(lexcore::dictionaryToUtf8(text));
    std::cout << '\n';
  }
}

void describeDataFile(const std::string& path, lexcore::DictionaryFile& file) {
  std::cout << path << ": dictionary data file\n"
            << "  language: " << lexcore::dictionaryToUtf8(file.languageName()) << '\n'
            << "  language id: " << file.languageId() << '\n'
            << "  entries: " << file.entryCount() << '\n'
            << "  blocks: " << file.blockCount() << '\n';
  describeTable("ending table", file.endingTable());
  describeTable("variant table", file.variantTable());
}

// Describes the list file and the data files it names; false when one of
// them cannot be loaded.
bool describeListFile(const std::string& path, const ListFileHeader& header) {
  std::cout << path << ": dictionary list file\n"
            << "  entries covered: " << header.entryCount << '\n';
  const std::string folder = path.substr(0, folderPartLength(path));
  bool allLoaded = true;
  for (const bool primary : {true, false}) {
    const std::string& name = primary ? header.primaryFile : header.secondaryFile;
    const std::string dataPath = folder + name;
    std::string problem;
    const auto file = loadDataFile(dataPath, &problem);
    std::cout << "  " << (primary ? "primary" : "secondary") << " data file: " << name;
    if (file) {
      std::cout << " (" << lexcore::dictionaryToUtf8(file->languageName()) << ", " << file->entryCount()
                << " entries)\n";
    } else {
      std::cout << " (cannot be loaded)\n";
      std::cerr << "lexdict: " << printable(dataPath) << ": " << problem << '\n';
      allLoaded = false;
    }
  }
  return allLoaded;
}

}  // namespace

int runInfo(const std::vector<std::string>& args) {
  ParsedArguments parsed;
  int exitCode = kExitSuccess;
  if (!startCommand(kCommand, args, {}, kInfoUsage, &parsed, &exitCode)) return exitCode;
  if (parsed.positionals.size() != 1) return usageError(kCommand, "expected one FILE");
  const std::string& path = parsed.positionals[0];

  ListFileHeader header;
  std::string problem;
  if (readListFile(path, &header, &problem)) return describeListFile(path, header) ? kExitSuccess : kExitFailure;
  const auto file = problem.empty() ? loadDataFile(path, &problem) : nullptr;
  if (!file) {
    std::cerr << "lexdict: " << printable(path) << ": " << problem << '\n';
    return kExitFailure;
  }
  describeDataFile(path, *file);
  return kExitSuccess;
}

}  // namespace lexdict
