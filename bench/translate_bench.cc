// TD_Translate on the bundled sample dictionaries and on a generated
// dictionary of 60,000 entries: a word found as typed, a word found only
// through case folding, and a word not found with all four options on (the
// full ending and variant passes).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "generated_dictionary.h"
#include "lexcore.h"

namespace {

std::u16string wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

std::string programFolder() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string p(path, static_cast<size_t>(n));
  return p.substr(0, p.rfind('/'));
}

// A translator with both data files open, closed at the end of the run.
class OpenTranslator {
 public:
  explicit OpenTranslator(const std::string& listFile) {
    const std::string folder = listFile.substr(0, listFile.rfind('/') + 1);
    TD_WCHAR primary[20], secondary[20];
    if (TD_TransGetTDDFiles(wide(listFile).c_str(), primary, secondary, 20) != TD_OK ||
        TD_TransOpen(&handle_, wide(listFile).c_str(), 0) != TD_OK)
      return;
    if (TD_TransOpenPrim(handle_, (wide(folder) + primary).c_str()) != TD_OK ||
        TD_TransOpenSec(handle_, (wide(folder) + secondary).c_str()) != TD_OK)
      TD_TransClose(&handle_);
  }
  ~OpenTranslator() {
    if (handle_ != nullptr) TD_TransClose(&handle_);
  }
  TD_HANDLE handle() const { return handle_; }

 private:
  TD_HANDLE handle_ = nullptr;
};

void translateLoop(benchmark::State& state, TD_HANDLE handle, int options, const std::vector<std::string>& words,
                   int16_t expectedStatus) {
  if (handle == nullptr) {
    state.SkipWithError("dictionary not available");
    return;
  }
  TD_TransOptions(handle, options);
  char translations[256], suggestions[256];
  size_t i = 0;
  for (auto _ : state) {
    TRANSLATE request{};
    request.word = words[i++ % words.size()].c_str();
    request.transSize = request.suggestSize = 256;
    request.transList = translations;
    request.suggestList = suggestions;
    if (TD_Translate(handle, &request) != TD_OK || request.status != expectedStatus) {
      state.SkipWithError(("unexpected status for " + std::string(request.word)).c_str());
      return;
    }
    benchmark::DoNotOptimize(request.transCount);
  }
}

struct Generated {
  Generated() {
    char pattern[] = "/tmp/vocaro-bench-XXXXXX";
    folder = mkdtemp(pattern);
    dictionary = generateDictionary(folder, 60000, 7);
    translator.reset(new OpenTranslator(dictionary.listFile));
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
    translator.reset();
    std::system(("rm -rf '" + folder + "'").c_str());
  }
  std::string folder;
  GeneratedDictionary dictionary;
  std::unique_ptr<OpenTranslator> translator;
  std::vector<std::string> found, folded, notFound;
};

Generated& generated() {
  static Generated g;
  return g;
}

OpenTranslator& sample() {
  static OpenTranslator t(programFolder() + "/dictionaries/en_de.tdl");
  return t;
}

void BM_Sample_Found(benchmark::State& s) { translateLoop(s, sample().handle(), 0, {"house", "dog", "water"}, TD_FOUND); }
void BM_Sample_Folded(benchmark::State& s) {
  translateLoop(s, sample().handle(), TD_OPT_CASE_INSENSITIVE, {"HOUSE", "Dog", "WaTeR"}, TD_FOUND);
}
void BM_Sample_NotFound(benchmark::State& s) {
  translateLoop(s, sample().handle(), 15, {"qqxyzzy", "blorpt", "zzzzzz"}, TD_NOT_FOUND);
}
void BM_Generated60k_Found(benchmark::State& s) {
  translateLoop(s, generated().translator->handle(), 0, generated().found, TD_FOUND);
}
void BM_Generated60k_Folded(benchmark::State& s) {
  translateLoop(s, generated().translator->handle(), TD_OPT_CASE_INSENSITIVE, generated().folded, TD_FOUND);
}
void BM_Generated60k_NotFound(benchmark::State& s) {
  translateLoop(s, generated().translator->handle(), 15, generated().notFound, TD_NOT_FOUND);
}

BENCHMARK(BM_Sample_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sample_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sample_NotFound)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_Found)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_Folded)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Generated60k_NotFound)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
