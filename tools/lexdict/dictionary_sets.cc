#include "dictionary_sets.h"

#include <algorithm>

#include "host.h"
#include "lexcore.h"
#include "platform/charset.h"
#include "platform/letter_case.h"
#include "text.h"

namespace lexdict {
namespace {

constexpr int16_t kNameCapacity = 64;

std::string dataFileLanguage(const std::string& path) {
  WideText wide;
  TD_WCHAR name[kNameCapacity];
  if (!toWide(path, &wide) || TD_TransGetTDDLanguage(wide.c_str(), name, kNameCapacity) != TD_OK) return std::string();
  return fromWide(name);
}

}  // namespace

std::string pathInFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folderPartLength(folder) == folder.size()) return folder + name;
  return folder + kFolderSeparator + name;
}

std::string defaultDictionaryFolder() {
  const std::string fromEnvironment = environmentVariable("VOCARO_DICTIONARIES");
  if (!fromEnvironment.empty()) return fromEnvironment;
  const std::string programFolder = executableFolder();
  const std::string beside = pathInFolder(programFolder, "dictionaries");
  std::vector<std::string> names;
  if (findListFiles(beside, &names)) return beside;
  std::string installed = pathInFolder(programFolder, "..");
  for (const char* part : {"share", "vocaro", "dictionaries"}) installed = pathInFolder(installed, part);
  return installed;
}

bool listDictionarySets(const std::string& folder, std::vector<DictionarySet>* sets) {
  sets->clear();
  std::vector<std::string> names;
  if (!findListFiles(folder, &names)) return false;
  std::sort(names.begin(), names.end());

  for (const std::string& name : names) {
    DictionarySet set;
    set.listFile = name;
    WideText listPath;
    TD_WCHAR primary[kNameCapacity];
    TD_WCHAR secondary[kNameCapacity];
    if (!toWide(pathInFolder(folder, name), &listPath) ||
        TD_TransGetTDDFiles(listPath.c_str(), primary, secondary, kNameCapacity) != TD_OK)
      continue;
    set.primaryFile = fromWide(primary);
    set.secondaryFile = fromWide(secondary);
    set.fromLanguage = dataFileLanguage(pathInFolder(folder, set.primaryFile));
    set.toLanguage = dataFileLanguage(pathInFolder(folder, set.secondaryFile));
    sets->push_back(std::move(set));
  }
  return true;
}

bool sameLanguage(const std::string& a, const std::string& b) {
  std::u16string wideA, wideB;
  if (!lexcore::utf8ToUtf16(a, &wideA) || !lexcore::utf8ToUtf16(b, &wideB)) return a == b;
  if (wideA.size() != wideB.size()) return false;
  for (size_t i = 0; i < wideA.size(); ++i) {
    if (lexcore::toLowerCaseLetter(wideA[i]) != lexcore::toLowerCaseLetter(wideB[i])) return false;
  }
  return true;
}

}  // namespace lexdict
