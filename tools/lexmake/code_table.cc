#include "code_table.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>

#include "datafile/format.h"
#include "datafile/code_parser.h"

namespace lexmake {
namespace {

// How often texts that did not encode are given more weight.
constexpr int kRepairRounds = 3;
constexpr uint64_t kRepairWeight = 64;
constexpr size_t kMaxCodeLength = lexcore::kMaxNibble;
constexpr size_t kTokens = 256;

// The texts as sequences of token ids, where a token is a code being built;
// equal texts are kept once with their number of occurrences as weight.
// The counts of neighbour pairs are kept up to date merge by merge: a merge
// recounts only the texts that hold its left token.
class PairMerger {
 public:
  PairMerger(const std::vector<std::string>& words, const std::map<std::string, uint64_t>& weightedTexts)
      : counts_(kTokens * kTokens, 0), textsWith_(kTokens) {
    bool present[kTokens] = {};
    for (const std::string& w : words) {
      for (const char c : w) present[static_cast<uint8_t>(c)] = true;
    }
    uint8_t idOfByte[kTokens] = {};
    for (size_t b = 1; b < kTokens; ++b) {
      if (!present[b]) continue;
      idOfByte[b] = static_cast<uint8_t>(tokens_.size());
      addToken(std::string(1, static_cast<char>(b)));
    }
    for (const auto& [text, weight] : weightedTexts) {
      const uint32_t t = static_cast<uint32_t>(weights_.size());
      starts_.push_back(static_cast<uint32_t>(sequence_.size()));
      lengths_.push_back(static_cast<uint32_t>(text.size()));
      weights_.push_back(weight);
      for (const char c : text) {
        const uint8_t token = idOfByte[static_cast<uint8_t>(c)];
        if (textsWith_[token].empty() || textsWith_[token].back() != t) textsWith_[token].push_back(t);
        sequence_.push_back(token);
      }
      count(t, 1);
    }
    visited_.assign(weights_.size(), 0);
  }

  // Merges the most frequent pair of neighbouring tokens into a new token,
  // until every code is spent or no pair occurs twice.
  void run() {
    while (tokens_.size() < kTokens) {
      // The most frequent pair that still fits a code; the first of equals.
      // Only pairs of tokens made so far can occur.
      size_t best = 0;
      int64_t bestCount = 1;
      const size_t made = tokens_.size();
      for (size_t left = 0; left < made; ++left) {
        for (size_t p = left * kTokens; p < left * kTokens + made; ++p) {
          if (counts_[p] > bestCount && tokens_[left].size() + tokens_[p % kTokens].size() <= kMaxCodeLength) {
            best = p;
            bestCount = counts_[p];
          }
        }
      }
      if (bestCount < 2) return;
      const uint8_t left = static_cast<uint8_t>(best / kTokens);
      const uint8_t right = static_cast<uint8_t>(best % kTokens);
      const std::string merged = tokens_[left] + tokens_[right];
      const auto known = idOf_.find(merged);
      merge(left, right, known != idOf_.end() ? known->second : addToken(merged));
    }
  }

  // Single bytes keep their own value as code; longer tokens fill the free
  // codes in the order they were made.
  CodeTable codes() const {
    CodeTable table;
    std::vector<bool> taken(kTokens, false);
    for (const std::string& t : tokens_) {
      if (t.size() == 1) {
        table[static_cast<uint8_t>(t[0])] = t;
        taken[static_cast<uint8_t>(t[0])] = true;
      }
    }
    size_t slot = 0;
    for (const std::string& t : tokens_) {
      if (t.size() == 1) continue;
      while (taken[slot]) ++slot;
      table[slot] = t;
      taken[slot] = true;
    }
    return table;
  }

 private:
  uint8_t addToken(const std::string& text) {
    const uint8_t id = static_cast<uint8_t>(tokens_.size());
    tokens_.push_back(text);
    idOf_[text] = id;
    return id;
  }

  // Adds (sign 1) or removes (sign -1) the neighbour pairs of text t.
  void count(uint32_t t, int64_t sign) {
    const uint8_t* tokens = sequence_.data() + starts_[t];
    const int64_t weight = sign * static_cast<int64_t>(weights_[t]);
    for (uint32_t i = 0; i + 1 < lengths_[t]; ++i) counts_[tokens[i] * kTokens + tokens[i + 1]] += weight;
  }

  // Replaces each left-right neighbour pair by `merged`, left to right, in
  // the texts that hold it.
  void merge(uint8_t left, uint8_t right, uint8_t merged) {
    ++stamp_;
    const std::vector<uint32_t> candidates = textsWith_[left];
    for (const uint32_t t : candidates) {
      if (visited_[t] == stamp_) continue;
      visited_[t] = stamp_;
      uint8_t* tokens = sequence_.data() + starts_[t];
      const uint32_t length = lengths_[t];
      bool holds = false;
      for (uint32_t i = 0; i + 1 < length && !holds; ++i) holds = tokens[i] == left && tokens[i + 1] == right;
      if (!holds) continue;
      count(t, -1);
      uint32_t out = 0;
      for (uint32_t i = 0; i < length; ++i) {
        if (i + 1 < length && tokens[i] == left && tokens[i + 1] == right) {
          tokens[out++] = merged;
          ++i;
        } else {
          tokens[out++] = tokens[i];
        }
      }
      lengths_[t] = out;
      count(t, 1);
      textsWith_[merged].push_back(t);
    }
  }

  std::vector<std::string> tokens_;
  std::unordered_map<std::string, uint8_t> idOf_;
  std::vector<int64_t> counts_;  // weighted count of each neighbour pair
  std::vector<uint8_t> sequence_;  // all texts' tokens, each text in its own stretch
  std::vector<uint32_t> starts_;   // where each text's stretch starts
  std::vector<uint32_t> lengths_;  // how many tokens each text has now
  std::vector<uint64_t> weights_;
  std::vector<std::vector<uint32_t>> textsWith_;  // texts that hold (or held) each token
  std::vector<uint32_t> visited_;  // the merge that last looked at each text
  uint32_t stamp_ = 0;
};

std::vector<size_t> findUnencodable(const CodeTable& codes, const std::vector<std::string>& texts) {
  const lexcore::CodeParser parser(codes);
  std::vector<size_t> failed;
  std::vector<uint8_t> fewest;
  for (size_t i = 0; i < texts.size(); ++i) {
    parser.fewestCodes(texts[i], &fewest);
    if (fewest[0] > lexcore::kMaxNibble) failed.push_back(i);
  }
  return failed;
}

}  // namespace

CodeTable chooseCodeTable(const std::vector<std::string>& words, const std::vector<std::string>& texts,
                          std::vector<size_t>* unencodable, bool repair) {
  std::map<std::string, uint64_t> weighted;
  for (const std::string& t : texts) ++weighted[t];
  CodeTable best;
  for (int round = 0;; ++round) {
    PairMerger merger(words, weighted);
    merger.run();
    const CodeTable codes = merger.codes();
    std::vector<size_t> failed = findUnencodable(codes, texts);
    if (round == 0 || failed.size() < unencodable->size()) {
      best = codes;
      *unencodable = failed;
    }
    if (unencodable->empty() || !repair || round == kRepairRounds) return best;
    for (const size_t i : failed) weighted[texts[i]] *= kRepairWeight;
  }
}

}  // namespace lexmake
