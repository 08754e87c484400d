#include "datafile/block_partition.h"

#include <algorithm>

#include "datafile/format.h"

namespace lexcore {
namespace {

constexpr size_t kKeyLengths = 16;  // 0 .. 15
constexpr size_t kMaxBlockBytes = 0xFFFF;
// Costs are counted in half bytes, since nibbles take half a byte.
constexpr uint64_t kBlockFieldsCost = 2 * 4 + 1;  // entry count, stored size, key length nibble
// What an entry whose text cannot be stored adds: more than any file costs.
constexpr uint64_t kUnstorableCost = uint64_t{1} << 32;
constexpr uint64_t kNoPartition = UINT64_MAX;

}  // namespace

size_t commonPrefix(const std::string& a, const std::string& b) {
  const size_t limit = std::min(a.size(), b.size());
  size_t n = 0;
  while (n < limit && a[n] == b[n]) ++n;
  return n;
}

std::vector<BlockPlan> partitionBlocks(const std::vector<std::string>& words, const std::vector<SuffixCodes>& codes,
                                       size_t maxEntries) {
  const size_t n = words.size();
  if (n == 0 || codes.size() != n) return {};
  maxEntries = std::max<size_t>(maxEntries, 1);

  // shared[i]: the bytes word i shares with word i-1.
  std::vector<size_t> shared(n, 0);
  for (size_t i = 1; i < n; ++i) shared[i] = commonPrefix(words[i - 1], words[i]);

  // Running totals over the words, for each key length, of the code bytes
  // and of the entries that cannot be stored.
  std::vector<uint32_t> codeTotals((n + 1) * kKeyLengths, 0);
  std::vector<uint32_t> unstorableTotals((n + 1) * kKeyLengths, 0);
  for (size_t t = 0; t < n; ++t) {
    for (size_t key = 0; key < kKeyLengths; ++key) {
      const bool used = key <= words[t].size();
      const uint8_t count = used ? codes[t].codes[key] : 0;
      const bool storable = count <= kMaxNibble;
      codeTotals[(t + 1) * kKeyLengths + key] = codeTotals[t * kKeyLengths + key] + (storable ? count : kMaxNibble);
      unstorableTotals[(t + 1) * kKeyLengths + key] = unstorableTotals[t * kKeyLengths + key] + (storable ? 0 : 1);
    }
  }

  // best[j]: the least cost of words 0..j-1 split into blocks; the last of
  // those blocks starts at start[j] and has a key of keyLength[j] bytes.
  std::vector<uint64_t> best(n + 1, kNoPartition);
  std::vector<size_t> start(n + 1, 0);
  std::vector<uint8_t> keyLength(n + 1, 0);
  best[0] = 0;
  for (size_t j = 1; j <= n; ++j) {
    size_t common = words[j - 1].size();  // what words i .. j-1 all share
    for (size_t i = j; i-- > 0;) {
      const size_t count = j - i;
      if (i + 1 < j) common = std::min(common, shared[i + 1]);
      // Longer blocks only where no shorter one works: a run that cannot be
      // split.  No block holds more entries than 65535 bytes of nibbles.
      if ((count > maxEntries && best[j] != kNoPartition) || (count + 1) / 2 > kMaxBlockBytes) break;
      if (i > 0 && common == 0) {
        i = 1;  // no key can follow the words before i; only a block from word 0 is left
        continue;
      }
      if (best[i] == kNoPartition || (i > 0 && shared[i] >= static_cast<size_t>(kMaxNibble))) continue;
      const size_t firstKey = std::min<size_t>(words[0].size(), kMaxNibble);
      const size_t minKey = i == 0 ? firstKey : shared[i] + 1;
      const size_t maxKey = std::min<size_t>(common, kMaxNibble);
      const size_t nibbleBytes = (count + 1) / 2;
      for (size_t key = minKey; key <= maxKey; ++key) {
        const uint64_t codeBytes = codeTotals[j * kKeyLengths + key] - codeTotals[i * kKeyLengths + key];
        if (nibbleBytes + codeBytes > kMaxBlockBytes) continue;
        const uint64_t unstorable = unstorableTotals[j * kKeyLengths + key] - unstorableTotals[i * kKeyLengths + key];
        const uint64_t cost = best[i] + kBlockFieldsCost + 2 * key + 2 * nibbleBytes + 2 * codeBytes +
                              unstorable * kUnstorableCost;
        if (cost < best[j]) {
          best[j] = cost;
          start[j] = i;
          keyLength[j] = static_cast<uint8_t>(key);
        }
      }
    }
  }
  if (best[n] == kNoPartition) return {};

  std::vector<BlockPlan> plan;
  for (size_t j = n; j > 0; j = start[j]) plan.push_back({words[start[j]].substr(0, keyLength[j]), j - start[j]});
  std::reverse(plan.begin(), plan.end());
  return plan;
}

std::vector<BlockPlan> planBlocks(const std::vector<std::string>& words, size_t perBlock) {
  std::vector<SuffixCodes> codes(words.size());
  for (size_t t = 0; t < words.size(); ++t) {
    for (size_t key = 0; key < kKeyLengths; ++key) {
      const size_t rest = words[t].size() > key ? words[t].size() - key : 0;
      codes[t].codes[key] = static_cast<uint8_t>(std::min<size_t>(rest, kMaxNibble + 1));
    }
  }
  return partitionBlocks(words, codes, perBlock);
}

}  // namespace lexcore
