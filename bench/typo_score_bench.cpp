// The scorers run once per candidate of every lexicon scan, so their cost per pair bounds how
// deep a suggestion search can go. A scan scores the words of the default dictionary in their
// order against one word, each under the list's floor and resuming from the word before.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "suggest/phonetic.h"
#include "suggest/typo_score.h"

namespace {

constexpr const char* kPairs[][2] = {
    {"adresss", "address"},
    {"helo", "hello"},
    {"tset", "test"},
    {"recieve", "receive"},
    {"definately", "definitely"},
    {"fone", "phone"},
    {"accomodation", "accommodation"},
    {"cat", "dog"},
};

void BM_TypoScore(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& pair : kPairs) benchmark::DoNotOptimize(trov::TypoScore(pair[0], pair[1]));
  }
  state.SetItemsProcessed(state.iterations() * std::size(kPairs));
}
BENCHMARK(BM_TypoScore);

void BM_TypoScoreLongWords(benchmark::State& state) {
  const std::string a(80, 'e');
  const std::string b = std::string(40, 'e') + std::string(40, 'a');
  for (auto _ : state) benchmark::DoNotOptimize(trov::TypoScore(a.c_str(), b.c_str()));
}
BENCHMARK(BM_TypoScoreLongWords);

void BM_PhoneticScore(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto& pair : kPairs) {
      benchmark::DoNotOptimize(trov::PhoneticScore(pair[0], pair[1]));
    }
  }
  state.SetItemsProcessed(state.iterations() * std::size(kPairs));
}
BENCHMARK(BM_PhoneticScore);

// Every word of the default compressed dictionary in order, with the characters each shares
// with the word before it.
struct ScanWord {
  std::string text;
  int unchanged;
};
const std::vector<ScanWord>& DictionaryWords() {
  static const std::vector<ScanWord> words = [] {
    std::vector<ScanWord> all;
    trov::LexiconSlot slot;
    const std::string path = std::string(TROV_DICT_DIR) + "/trovam2.clx";
    if (trov::OpenCompressedLexicon(path.c_str(), -1, slot) != 0) return all;
    static_cast<trov::CompressedLexicon*>(slot.get())->ForEachWord([&](const char* word) {
      int shared = 0;
      if (!all.empty()) {
        while (word[shared] != '\0' && word[shared] == all.back().text[shared]) ++shared;
      }
      all.push_back({word, shared});
      return true;
    });
    slot.reset();
    return all;
  }();
  return words;
}

// state.range(0): the floor, as a filling list raises it; -1 scores every word in full.
template <typename Scorer>
void ScanDictionary(benchmark::State& state) {
  const std::vector<ScanWord>& words = DictionaryWords();
  if (words.empty()) {
    state.SkipWithError("build trovam2.clx");
    return;
  }
  const auto floor = static_cast<int>(state.range(0));
  for (auto _ : state) {
    for (const char* misspelling : {"definately", "recieve", "accomodation"}) {
      Scorer scorer(misspelling);
      for (const ScanWord& word : words) {
        benchmark::DoNotOptimize(scorer.Score(word.text.c_str(), static_cast<int>(word.text.size()),
                                              word.unchanged, floor));
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * 3 * static_cast<int64_t>(words.size()));
}
BENCHMARK(ScanDictionary<trov::TypoScorer>)->Arg(-1)->Arg(70)->Arg(80);
BENCHMARK(ScanDictionary<trov::PhoneticScorer>)->Arg(-1)->Arg(70);

}  // namespace
