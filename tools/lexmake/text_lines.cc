#include "text_lines.h"

#include <filesystem>
#include <fstream>
#include <iterator>

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
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  if (!in) return false;
  content->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace lexmake
