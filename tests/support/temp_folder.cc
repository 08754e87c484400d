#include "temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/charset.h"

namespace vocaro_test {
namespace {

namespace fs = std::filesystem;

// On Windows the narrow file APIs take the ANSI code page: go through the
// wide path so that any UTF-8 name works.
fs::path native(const std::string& utf8) {
#if defined(_WIN32)
  const WidePath wide = widen(utf8);
  return fs::path(std::wstring(wide.begin(), wide.end()));
#else
  return fs::path(utf8);
#endif
}

std::string utf8Name(const fs::path& path) {
  const auto text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

WidePath widen(const std::string& path) {
  std::u16string units;
  if (!lexcore::utf8ToUtf16(path, &units)) throw std::invalid_argument("path is not UTF-8: " + path);
  return WidePath(units.begin(), units.end());
}

TempFolder::TempFolder() {
  // Test programs run in parallel: each folder gets a random name, created
  // only when it does not exist yet.
  std::random_device random;
  const fs::path base = fs::temp_directory_path();
  for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
    const fs::path candidate = base / ("vocaro-test-" + std::to_string(random()) + std::to_string(random()));
    std::error_code error;
    if (fs::create_directory(candidate, error)) root_ = utf8Name(candidate);
  }
  if (root_.empty()) throw std::runtime_error("cannot create a folder in " + utf8Name(base));
  std::replace(root_.begin(), root_.end(), '\\', '/');
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(native(root_), ignored);
}

std::string TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(native(path(name)), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path(name));
  return path(name);
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(native(path(name)), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempFolder::exists(const std::string& name) const { return fs::exists(native(path(name))); }

std::vector<std::string> TempFolder::names() const {
  std::vector<std::string> result;
  for (const auto& entry : fs::directory_iterator(native(root_))) result.push_back(utf8Name(entry.path().filename()));
  std::sort(result.begin(), result.end());
  return result;
}

}  // namespace vocaro_test
