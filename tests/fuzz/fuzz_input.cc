#include "fuzz_input.h"

#include <dirent.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace fuzzing {

ScratchFolder::ScratchFolder() {
  char pattern[] = "/tmp/vocaro-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr) std::abort();
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  if (DIR* dir = opendir(path_.c_str())) {
    while (dirent* e = readdir(dir)) {
      const std::string name = e->d_name;
      if (name != "." && name != "..") unlink((path_ + "/" + name).c_str());
    }
    closedir(dir);
  }
  rmdir(path_.c_str());
}

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const {
  const std::string path = path_ + "/" + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

std::u16string ScratchFolder::widePath(const std::string& name) const {
  const std::string path = path_ + "/" + name;
  return std::u16string(path.begin(), path.end());
}

}  // namespace fuzzing
