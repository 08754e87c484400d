// TD_Translate on the dictionaries that scripts/build-real-dictionaries
// builds from FreeDict (English-German, 65535 words a language), in both
// directions: a word found as typed, a word found only through case folding,
// and a word that is not in the dictionary with all four options on (user
// dictionary, case folding, smart search, spell checking).  The not-found
// words are misspellings and other forms of real entries: a letter dropped,
// two letters swapped, an ending added.
//
// The dictionaries are looked for in the folder named by the environment
// variable VOCARO_REAL_DICTIONARIES, else in real-dictionaries beside this
// program; without them every benchmark is skipped.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "datafile/dictionary_file.h"
#include "translator/lexcore.h"
#include "translator_client.h"

namespace {

// Words of each kind taken from the dictionary, spread over all of it.
constexpr size_t kSampleWords = 512;

std::u16string wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::string dictionaryFolder() {
  if (const char* folder = std::getenv("VOCARO_REAL_DICTIONARIES")) return folder;
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  const std::string self = n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string("./x");
  return self.substr(0, self.rfind('/')) + "/real-dictionaries";
}

bool isPlainWord(const std::string& w) {
  if (w.size() < 4) return false;
  for (const char c : w) {
    if (!std::isalpha(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80) return false;
  }
  return true;
}

// One translation direction of the real dictionary, open for the whole run,
// and its sample words.
struct Direction {
  Direction(const std::string& list, const std::string& primary) {
    const std::string folder = dictionaryFolder() + "/";
    lexcore::DictionaryFile file(wide(folder + primary).c_str());
    if (!file.isOpen() || !translator.open(wide(folder + list)).ok()) return;
    const uint32_t entries = file.entryCount();
    for (uint32_t i = 0; i < entries; i += entries / kSampleWords) {
      char text[lexcore::kWordBufferSize];
      if (!file.decodeEntry(static_cast<int32_t>(i), text) || !isPlainWord(text)) continue;
      const std::string word = text;
      found.push_back(word);
      std::string upper = word;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (file.findExact(upper.c_str()) == lexcore::kNoEntry) folded.push_back(upper);
      const size_t middle = word.size() / 2;
      std::string swapped = word;
      std::swap(swapped[middle - 1], swapped[middle]);
      for (const std::string& miss :
           {word.substr(0, middle) + word.substr(middle + 1), swapped, word + "s", word + "en", word + "ed"}) {
        if (file.findExact(miss.c_str()) == lexcore::kNoEntry) notFound.push_back(miss);
      }
    }
  }
  vocaro::Translator translator;
  std::vector<std::string> found, folded, notFound;
};

Direction& englishGerman() {
  static Direction d("en_de.tdl", "ende_en.tdd");
  return d;
}

Direction& germanEnglish() {
  static Direction d("de_en.tdl", "ende_de.tdd");
  return d;
}

void translateLoop(benchmark::State& state, const Direction& d, int options, const std::vector<std::string>& words,
                   bool mustBeFound) {
  if (!d.translator.isOpen() || words.empty()) {
    state.SkipWithError("real dictionary not built (scripts/build-real-dictionaries)");
    return;
  }
  d.translator.setOptions(options);
  size_t i = 0;
  for (auto _ : state) {
    const std::string& word = words[i++ % words.size()];
    const vocaro::Translation translation = d.translator.translate(word);
    if (translation.result != TD_OK ||
        (mustBeFound && translation.status != TD_FOUND && translation.status != TD_LIST_FULL)) {
      state.SkipWithError(("unexpected status for " + word).c_str());
      return;
    }
    benchmark::DoNotOptimize(translation.translations.size());
  }
}

void BM_RealEnDe_Found(benchmark::State& s) { translateLoop(s, englishGerman(), 0, englishGerman().found, true); }
void BM_RealEnDe_Folded(benchmark::State& s) {
  translateLoop(s, englishGerman(), TD_OPT_CASE_INSENSITIVE, englishGerman().folded, true);
}
void BM_RealEnDe_NotFoundAllOptions(benchmark::State& s) {
  translateLoop(s, englishGerman(), 15, englishGerman().notFound, false);
}
void BM_RealDeEn_Found(benchmark::State& s) { translateLoop(s, germanEnglish(), 0, germanEnglish().found, true); }
void BM_RealDeEn_Folded(benchmark::State& s) {
  translateLoop(s, germanEnglish(), TD_OPT_CASE_INSENSITIVE, germanEnglish().folded, true);
}
void BM_RealDeEn_NotFoundAllOptions(benchmark::State& s) {
  translateLoop(s, germanEnglish(), 15, germanEnglish().notFound, false);
}

// Opening a translator (list file and both data files); the counter
// IndexBytes is the heap it holds while open: the index of both data files
// that stays in memory, measured by malloc's own statistics.
void BM_RealEnDe_OpenTranslator(benchmark::State& state) {
  const std::u16string listPath = wide(dictionaryFolder() + "/en_de.tdl");
  size_t held = 0;
  for (auto _ : state) {
    const size_t before = mallinfo2().uordblks;
    vocaro::Translator translator;
    if (!translator.open(listPath).ok()) {
      state.SkipWithError("real dictionary not built (scripts/build-real-dictionaries)");
      return;
    }
    held = mallinfo2().uordblks - before;
  }
  state.counters["IndexBytes"] = static_cast<double>(held);
}

BENCHMARK(BM_RealEnDe_OpenTranslator)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealEnDe_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealEnDe_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealEnDe_NotFoundAllOptions)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealDeEn_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealDeEn_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RealDeEn_NotFoundAllOptions)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
