#include "temp_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/charset.h"

namespace vocaro_test {

std::u16string widen(const std::string& path) {
  std::u16string wide;
  if (!lexcore::utf8ToUtf16(path, &wide)) throw std::invalid_argument("path is not UTF-8: " + path);
  return wide;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vocaro-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed for " + pattern);
  root_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path(name));
}

std::string TempFolder::read(const std::string& name) const {
  std::ifstream in(path(name), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool TempFolder::exists(const std::string& name) const { return std::filesystem::exists(path(name)); }

std::vector<std::string> TempFolder::names() const {
  std::vector<std::string> result;
  for (const auto& entry : std::filesystem::directory_iterator(root_)) result.push_back(entry.path().filename().string());
  std::sort(result.begin(), result.end());
  return result;
}

}  // namespace vocaro_test
