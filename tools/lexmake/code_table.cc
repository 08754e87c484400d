#include "code_table.h"

#include <cstdint>
#include <map>

#include "datafile/format.h"
#include "writer/data_file_writer.h"

namespace lexmake {
namespace {

// How often texts that did not encode are given more weight.
constexpr int kRepairRounds = 3;
constexpr uint64_t kRepairWeight = 64;

// The texts as sequences of token ids, where a token is a code being built;
// equal texts are kept once with their number of occurrences as weight.
class PairMerger {
 public:
  PairMerger(const std::vector<std::string>& words, const std::map<std::string, uint64_t>& weightedTexts) {
    bool present[256] = {};
    for (const std::string& w : words) {
      for (const char c : w) present[static_cast<uint8_t>(c)] = true;
    }
    for (int b = 1; b < 256; ++b) {
      if (present[b]) addToken(std::string(1, static_cast<char>(b)));
    }
    for (const auto& [text, weight] : weightedTexts) {
      std::vector<uint8_t> tokens;
      for (const char c : text) tokens.push_back(idOf_.at(std::string(1, c)));
      sequences_.push_back(std::move(tokens));
      weights_.push_back(weight);
    }
  }

  // Merges pairs until every code is spent or no pair occurs twice.
  void run() {
    std::vector<uint64_t> counts(256 * 256);
    while (tokens_.size() < 256) {
      std::fill(counts.begin(), counts.end(), 0);
      for (size_t s = 0; s < sequences_.size(); ++s) {
        const std::vector<uint8_t>& seq = sequences_[s];
        for (size_t i = 0; i + 1 < seq.size(); ++i) counts[seq[i] * 256 + seq[i + 1]] += weights_[s];
      }
      // The most frequent pair that still fits a code; the first of equals.
      size_t best = 0;
      uint64_t bestCount = 1;
      for (size_t p = 0; p < counts.size(); ++p) {
        if (counts[p] > bestCount && tokens_[p / 256].size() + tokens_[p % 256].size() <= kMaxCodeLength) {
          best = p;
          bestCount = counts[p];
        }
      }
      if (bestCount < 2) return;
      const uint8_t left = static_cast<uint8_t>(best / 256);
      const uint8_t right = static_cast<uint8_t>(best % 256);
      const std::string merged = tokens_[left] + tokens_[right];
      const auto known = idOf_.find(merged);
      merge(left, right, known != idOf_.end() ? known->second : addToken(merged));
    }
  }

  // Single bytes keep their own value as code; longer tokens fill the free
  // codes in the order they were made.
  CodeTable codes() const {
    CodeTable table;
    std::vector<bool> taken(256, false);
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
  static constexpr size_t kMaxCodeLength = lexcore::kMaxNibble;

  uint8_t addToken(const std::string& text) {
    const uint8_t id = static_cast<uint8_t>(tokens_.size());
    tokens_.push_back(text);
    idOf_[text] = id;
    return id;
  }

  void merge(uint8_t left, uint8_t right, uint8_t merged) {
    for (std::vector<uint8_t>& seq : sequences_) {
      size_t out = 0;
      for (size_t i = 0; i < seq.size(); ++i) {
        if (i + 1 < seq.size() && seq[i] == left && seq[i + 1] == right) {
          seq[out++] = merged;
          ++i;
        } else {
          seq[out++] = seq[i];
        }
      }
      seq.resize(out);
    }
  }

  std::vector<std::string> tokens_;
  std::map<std::string, uint8_t> idOf_;
  std::vector<std::vector<uint8_t>> sequences_;
  std::vector<uint64_t> weights_;
};

std::vector<size_t> findUnencodable(const CodeTable& codes, const std::vector<std::string>& texts) {
  std::vector<size_t> failed;
  std::string codeBytes;
  for (size_t i = 0; i < texts.size(); ++i) {
    if (!lexcore::encodeText(codes, texts[i], &codeBytes)) failed.push_back(i);
  }
  return failed;
}

}  // namespace

CodeTable chooseCodeTable(const std::vector<std::string>& words, const std::vector<std::string>& texts,
                          std::vector<size_t>* unencodable) {
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
    if (unencodable->empty() || round == kRepairRounds) return best;
    for (const size_t i : failed) weighted[texts[i]] *= kRepairWeight;
  }
}

}  // namespace lexmake
