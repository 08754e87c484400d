// Adding a pair to a user dictionary that already holds 999 pairs: the add
// reloads the file, inserts the pair and writes the file anew.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "translator_client.h"

namespace {

std::u16string wide(const std::string& s) { return std::u16string(s.begin(), s.end()); }

void BM_AddThousandthPair(benchmark::State& state) {
  char pattern[] = "/tmp/vocaro-udr-XXXXXX";
  const std::string folder = mkdtemp(pattern);
  const std::string list = folder + "/aa_bb.tdl";
  std::string header(128, '\0');
  header.replace(0, 4, std::string("TDL\0", 4));
  header[8] = static_cast<char>(128);
  std::ofstream(list, std::ios::binary) << header;
  std::string pairs;
  for (int i = 0; i < 999; ++i) pairs += "word" + std::to_string(i) + ":translation" + std::to_string(i) + "\r\n";

  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream(folder + "/aa_bb.udr", std::ios::binary | std::ios::trunc) << pairs;
    vocaro::Translator translator;
    translator.open(wide(list), false);
    const std::string word = "new" + std::to_string(round++);
    state.ResumeTiming();
    if (TD_TransAddUdr(translator.get(), word.c_str(), "neu") != 1) state.SkipWithError("add failed");
    state.PauseTiming();
    translator.close();
    state.ResumeTiming();
  }
  std::system(("rm -rf '" + folder + "'").c_str());
}

BENCHMARK(BM_AddThousandthPair)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
