#include "datafile/code_parser.h"

namespace lexcore {

CodeParser::CodeParser(const std::array<std::string, 256>& codes) : nodes_(1) {
  for (int c = 0; c < 256; ++c) {
    const std::string& expansion = codes[c];
    if (expansion.empty()) continue;  // spells nothing, so never chosen
    size_t node = 0;
    for (const char ch : expansion) {
      const uint8_t byte = static_cast<uint8_t>(ch);
      if (nodes_[node].next[byte] == 0) {
        nodes_[node].next[byte] = static_cast<int16_t>(nodes_.size());
        nodes_.emplace_back();
      }
      node = static_cast<size_t>(nodes_[node].next[byte]);
    }
    // Of two codes with the same expansion the first is used.
    if (nodes_[node].code < 0) nodes_[node].code = static_cast<int16_t>(c);
  }
}

void CodeParser::parse(const std::string& text, std::vector<uint8_t>* fewest, std::vector<uint8_t>* choice) const {
  const size_t n = text.size();
  fewest->assign(n + 1, kCannotSpell);
  if (choice != nullptr) choice->assign(n + 1, 0);
  (*fewest)[n] = 0;
  for (size_t i = n; i-- > 0;) {
    unsigned best = kCannotSpell;
    uint8_t bestLength = 0;
    size_t node = 0;
    for (size_t j = i; j < n; ++j) {
      const int16_t next = nodes_[node].next[static_cast<uint8_t>(text[j])];
      if (next == 0) break;
      node = static_cast<size_t>(next);
      const size_t end = j + 1;
      if (nodes_[node].code < 0 || (*fewest)[end] == kCannotSpell) continue;
      // Longer codes come later, so `<=` keeps the longest of equals.
      const unsigned count = (*fewest)[end] + 1u;
      if (count <= best) {
        best = count;
        bestLength = static_cast<uint8_t>(end - i);
      }
    }
    if (best != kCannotSpell) (*fewest)[i] = static_cast<uint8_t>(best < kCannotSpell - 1 ? best : kCannotSpell - 1);
    if (choice != nullptr) (*choice)[i] = bestLength;
  }
}

void CodeParser::fewestCodes(const std::string& text, std::vector<uint8_t>* fewest) const {
  parse(text, fewest, nullptr);
}

bool CodeParser::encode(const std::string& text, size_t from, size_t maxCodes, std::string* codeBytes) const {
  const std::string rest = text.substr(from < text.size() ? from : text.size());
  std::vector<uint8_t> fewest;
  std::vector<uint8_t> choice;
  parse(rest, &fewest, &choice);
  if (fewest[0] == kCannotSpell || fewest[0] > maxCodes) return false;
  codeBytes->clear();
  for (size_t i = 0; i < rest.size(); i += choice[i]) {
    size_t node = 0;
    for (size_t j = i; j < i + choice[i]; ++j) node = static_cast<size_t>(nodes_[node].next[static_cast<uint8_t>(rest[j])]);
    codeBytes->push_back(static_cast<char>(nodes_[node].code));
  }
  return true;
}

}  // namespace lexcore
