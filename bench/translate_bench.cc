// TD_Translate on the bundled sample dictionaries and on a generated
// dictionary of 60,000 entries: a word found as typed, a word found only
// through case folding, and a word not found with all four options on (the
// full ending and variant passes).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "generated_dictionary.h"
#include "translator_client.h"

namespace {

std::u16string wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::string programFolder() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string p(path, static_cast<size_t>(n));
  return p.substr(0, p.rfind('/'));
}

// A translator on `listFile` with both data files open; not open when they
// are missing.
vocaro::Translator openTranslator(const std::string& listFile) {
  vocaro::Translator translator;
  translator.open(wide(listFile));
  return translator;
}

void translateLoop(benchmark::State& state, const vocaro::Translator& translator, int options,
                   const std::vector<std::string>& words, int16_t expectedStatus) {
  if (!translator.isOpen()) {
    state.SkipWithError("dictionary not available");
    return;
  }
  translator.setOptions(options);
  size_t i = 0;
  for (auto _ : state) {
    const std::string& word = words[i++ % words.size()];
    const vocaro::Translation translation = translator.translate(word);
    if (translation.result != TD_OK || translation.status != expectedStatus) {
      state.SkipWithError(("unexpected status for " + word).c_str());
      return;
    }
    benchmark::DoNotOptimize(translation.translations.size());
  }
}

struct Generated {
  Generated() {
    char pattern[] = "/tmp/vocaro-bench-XXXXXX";
    folder = mkdtemp(pattern);
    dictionary = generateDictionary(folder, 60000, 7);
    translator = openTranslator(dictionary.listFile);
    for (size_t i = 0; i < dictionary.primaryWords.size(); i += 997) {
      const std::string& w = dictionary.primaryWords[i];
      found.push_back(w);
      std::string upper = w;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      folded.push_back(upper);
      notFound.push_back("zq" + w + "x");
    }
  }
  ~Generated() {
    translator.close();
    std::system(("rm -rf '" + folder + "'").c_str());
  }
  std::string folder;
  GeneratedDictionary dictionary;
  vocaro::Translator translator;
  std::vector<std::string> found, folded, notFound;
};

Generated& generated() {
  static Generated g;
  return g;
}

const vocaro::Translator& sample() {
  static const vocaro::Translator t = openTranslator(programFolder() + "/dictionaries/en_de.tdl");
  return t;
}

void BM_Sample_Found(benchmark::State& s) { translateLoop(s, sample(), 0, {"house", "dog", "water"}, TD_FOUND); }
void BM_Sample_Folded(benchmark::State& s) {
  translateLoop(s, sample(), TD_OPT_CASE_INSENSITIVE, {"HOUSE", "Dog", "WaTeR"}, TD_FOUND);
}
void BM_Sample_NotFound(benchmark::State& s) {
  translateLoop(s, sample(), 15, {"qqxyzzy", "blorpt", "zzzzzz"}, TD_NOT_FOUND);
}
void BM_Generated60k_Found(benchmark::State& s) {
  translateLoop(s, generated().translator, 0, generated().found, TD_FOUND);
}
void BM_Generated60k_Folded(benchmark::State& s) {
  translateLoop(s, generated().translator, TD_OPT_CASE_INSENSITIVE, generated().folded, TD_FOUND);
}
void BM_Generated60k_NotFound(benchmark::State& s) {
  translateLoop(s, generated().translator, 15, generated().notFound, TD_NOT_FOUND);
}

BENCHMARK(BM_Sample_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sample_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sample_NotFound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_NotFound)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
