#include "compiled_pair.h"

#include <unordered_set>

#include "dictionary_text.h"

namespace lexmake {
namespace {

// Lays out one language's file; words that cannot be encoded are warned
// about and added to `unencodable`.
bool layOut(const std::vector<WordPair>& pairs, const std::vector<std::string>& words, Side side,
            const Language& language, lexcore::DataFileLayout* layout, std::unordered_set<std::string>* unencodable,
            Diagnostics* diagnostics) {
  std::vector<std::string> failed;
  std::string error;
  if (layOutLanguageFile(words, language, layout, &failed, &error)) return true;
  if (!error.empty()) {
    diagnostics->error(language.code, error);
    return false;
  }
  for (const std::string& word : failed) unencodable->insert(word);
  for (const WordPair& pair : pairs) {
    const std::string& word = side == Side::A ? pair.a : pair.b;
    if (unencodable->count(word) != 0) {
      diagnostics->warning(pair.where,
                           "pair left out: " + quoted(word) + " does not encode in 15 codes after its block key");
    }
  }
  return false;
}

}  // namespace

bool compilePair(const std::vector<WordPair>& pairs, const Language& a, const Language& b, CompiledPair* result,
                 Diagnostics* diagnostics) {
  *result = CompiledPair();
  result->a = a;
  result->b = b;
  std::vector<WordPair> kept = selectPairs(pairs, &result->leftOut, diagnostics);
  // Leaving a word out changes the blocks and so the text other words must
  // encode; each round leaves out at least one word, so this ends.
  for (;;) {
    if (kept.empty()) {
      diagnostics->error("input", "no word pairs to compile");
      return false;
    }
    result->wordsA = distinctWords(kept, Side::A);
    result->wordsB = distinctWords(kept, Side::B);
    std::unordered_set<std::string> failedA;
    std::unordered_set<std::string> failedB;
    const size_t errorsBefore = diagnostics->errors.size();
    const bool okA = layOut(kept, result->wordsA, Side::A, a, &result->fileA, &failedA, diagnostics);
    const bool okB = layOut(kept, result->wordsB, Side::B, b, &result->fileB, &failedB, diagnostics);
    if (diagnostics->errors.size() != errorsBefore) return false;
    if (okA && okB) break;
    result->leftOut.unencodable += failedA.size() + failedB.size();
    kept = dropWords(dropWords(kept, Side::A, failedA), Side::B, failedB);
  }
  result->aToB =
      linkTranslations(kept, Side::A, result->wordsA, result->wordsB, &result->leftOut.translationsAB, diagnostics);
  result->bToA =
      linkTranslations(kept, Side::B, result->wordsB, result->wordsA, &result->leftOut.translationsBA, diagnostics);
  return true;
}

}  // namespace lexmake
