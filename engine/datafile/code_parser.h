// Spells text with the 256 byte codes of a data file, in the fewest codes.
// The expansions are held in a trie, so that finding every code that starts
// at a position takes at most 15 steps whatever the table.
#ifndef LEXCORE_WRITER_CODE_PARSER_H
#define LEXCORE_WRITER_CODE_PARSER_H

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lexcore {

class CodeParser {
 public:
  // A count above every real one: the text cannot be spelled at all.
  static constexpr uint8_t kCannotSpell = 255;

  explicit CodeParser(const std::array<std::string, 256>& codes);

  // fewest[i] (for i = 0 .. text.size()) is the fewest codes that spell
  // text[i..], saturated at kCannotSpell - 1, or kCannotSpell when no codes
  // spell it; fewest[text.size()] is 0.
  void fewestCodes(const std::string& text, std::vector<uint8_t>* fewest) const;

  // Spells text[from..] in the fewest codes, preferring the longer code
  // where two choices need as many; false when that takes more than
  // `maxCodes` codes or cannot be done.
  bool encode(const std::string& text, size_t from, size_t maxCodes, std::string* codeBytes) const;

 private:
  // A trie node: the node reached by each next byte (0: none, since the
  // root is no one's child), and the code whose expansion ends here (-1:
  // none).  256 codes of at most 15 bytes make at most 3841 nodes.
  struct Node {
    std::array<int16_t, 256> next{};
    int16_t code = -1;
  };

  // Fills fewest[] and, for each position, the length of the code chosen.
  void parse(const std::string& text, std::vector<uint8_t>* fewest, std::vector<uint8_t>* choice) const;

  std::vector<Node> nodes_;  // nodes_[0] is the root
};

}  // namespace lexcore

#endif  // LEXCORE_WRITER_CODE_PARSER_H
