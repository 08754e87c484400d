#include "text_lines.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace lexmake {

std::vector<TextLine> splitLines(const std::string& content) {
  static const std::string kByteOrderMark = "\xEF\xBB\xBF";
  size_t pos = content.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0 ? kByteOrderMark.size() : 0;
  std::vector<TextLine> lines;
  size_t number = 1;
  while (pos < content.size()) {
    const size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string::npos) {
      lines.push_back({number, content.substr(pos)});
      break;
    }
    lines.push_back({number++, content.substr(pos, end - pos)});
    pos = end + 1;
    if (content[end] == '\r' && pos < content.size() && content[pos] == '\n') ++pos;
  }
  return lines;
}

bool readWholeFile(const std::string& path, std::string* content) {
  // A folder opens as a stream on some systems and throws on the first read.
  std::error_code ec;
  if (std::filesystem::is_directory(std::filesystem::u8path(path), ec)) return false;
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return false;
  try {
    content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  } catch (const std::ios_base::failure&) {
    return false;
  }
  return !in.bad();
}

std::string cannotReadMessage(const std::string& path) {
  std::error_code ec;
  const std::filesystem::file_type type = std::filesystem::status(std::filesystem::u8path(path), ec).type();
  if (type == std::filesystem::file_type::directory) return "cannot read the file: it is a folder";
  if (type == std::filesystem::file_type::not_found) return "cannot read the file: there is no such file";
  return "cannot read the file";
}

}  // namespace lexmake
