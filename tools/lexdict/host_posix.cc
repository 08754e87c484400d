#include <dirent.h>
#include <strings.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "host.h"

namespace lexdict {

const char kFolderSeparator = '/';

std::vector<std::string> utf8Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void prepareStandardStreams() {}

std::string executableFolder() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (n <= 0 || static_cast<size_t>(n) >= sizeof buffer) return std::string();
  const std::string path(buffer, static_cast<size_t>(n));
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string environmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

size_t folderPartLength(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

bool findListFiles(const std::string& folder, std::vector<std::string>* names) {
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return false;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.size() >= 4 && strcasecmp(name.c_str() + name.size() - 4, ".tdl") == 0) names->push_back(name);
  }
  closedir(dir);
  return true;
}

}  // namespace lexdict
