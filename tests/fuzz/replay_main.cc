// Replays fuzz inputs without libFuzzer: every file named on the command line
// (or every file in a folder named there) goes through the harness once.
#include <dirent.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void replay(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    struct stat st;
    if (stat(argv[i], &st) != 0) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    if (S_ISDIR(st.st_mode)) {
      DIR* dir = opendir(argv[i]);
      while (dirent* e = dir ? readdir(dir) : nullptr) {
        if (e->d_name[0] == '.') continue;
        replay(std::string(argv[i]) + "/" + e->d_name);
        ++count;
      }
      if (dir) closedir(dir);
    } else {
      replay(argv[i]);
      ++count;
    }
  }
  std::printf("replayed %d inputs\n", count);
  return 0;
}
