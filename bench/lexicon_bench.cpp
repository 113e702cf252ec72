// Memory and text lexicon speed: loading a user dictionary, exact and case-blind lookups, and the
// whole-file rewrite that every change of a text lexicon costs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "trov.h"

namespace {

namespace fs = std::filesystem;

// Distinct lower-case words of 5 to 10 letters, in no particular order.
std::vector<std::string> Words(int count) {
  std::mt19937 random(7);
  std::vector<std::string> words;
  for (int i = 0; i < count; ++i) {
    std::string word;
    for (int n = 5 + static_cast<int>(random() % 6); n > 0; --n)
      word += static_cast<char>('a' + random() % 26);
    words.push_back(word + std::to_string(i));
  }
  return words;
}

fs::path WriteUserDictionary(const std::vector<std::string>& words) {
  const fs::path path = fs::temp_directory_path() / "trov-lexicon-bench.tlx";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << "#LID 24941\r\n";
  for (const std::string& word : words) out << word << "\r\n";
  return path;
}

void BM_OpenTextLexicon(benchmark::State& state) {
  const auto words = Words(static_cast<int>(state.range(0)));
  const fs::path path = WriteUserDictionary(words);
  const int16_t session = TROV_OpenSession();
  for (auto _ : state) {
    const int16_t lex = TROV_OpenLex(session, path.string().c_str(), -1);
    benchmark::DoNotOptimize(lex);
    TROV_CloseLex(session, lex);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  TROV_CloseSession(session);
  fs::remove(path);
}
BENCHMARK(BM_OpenTextLexicon)->Arg(1000)->Arg(20000);

void BM_FindWord(benchmark::State& state) {
  const auto words = Words(static_cast<int>(state.range(0)));
  const int16_t session = TROV_OpenSession();
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, state.range(1));
  const int16_t lex = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
  for (const std::string& word : words) TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr);
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TROV_FindLexWord(session, lex, words[next].c_str(), nullptr, 0));
    next = (next + 7919) % words.size();
  }
  state.SetItemsProcessed(state.iterations());
  TROV_CloseSession(session);
}
// Second argument: the CaseSensitive option (binary search) or not (linear scan).
BENCHMARK(BM_FindWord)->Args({20000, 1})->Args({20000, 0});

void BM_AddToTextLexicon(benchmark::State& state) {
  const auto words = Words(static_cast<int>(state.range(0)));
  const fs::path path = WriteUserDictionary(words);
  const int16_t session = TROV_OpenSession();
  const int16_t lex = TROV_OpenLex(session, path.string().c_str(), -1);
  int added = 0;
  for (auto _ : state) {
    const std::string word = "zz" + std::to_string(added++);
    benchmark::DoNotOptimize(TROV_AddToLex(session, lex, word.c_str(), 'i', nullptr));
  }
  state.SetItemsProcessed(state.iterations());
  TROV_CloseSession(session);
  fs::remove(path);
}
BENCHMARK(BM_AddToTextLexicon)->Arg(1000)->Arg(20000);

}  // namespace
