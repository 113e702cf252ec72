// The scorers run once per candidate of every lexicon scan, so their cost per pair bounds how
// deep a suggestion search can go.
#include <benchmark/benchmark.h>

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

}  // namespace
