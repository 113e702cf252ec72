// The default compressed dictionary: lookups per second (exact and case-blind, words and
// non-words) resident and paged under a small budget, open time, file size against the plain
// word list, and the memory each form holds. The resident form answers from its word index; the
// unbounded paged form holds the same segments but decodes one for every lookup, so the two
// compare the index with the plain search.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "lexicon/compressed/image_lexicon.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon/lexicon.h"
#include "trov.h"

namespace {

const std::string kDictionary = std::string(TROV_DICT_DIR) + "/trovam2.clx";
const char* const kWordList = "/usr/share/dict/american-english";
constexpr int32_t kResident = -1;
// A small paged budget: a few dozen of the dictionary's segments at a time.
constexpr int32_t kSmallBudget = 64 * 1024;

class Opened {
 public:
  explicit Opened(int32_t budget)
      : result_(trov::OpenCompressedLexicon(kDictionary.c_str(), budget, slot_)) {}
  bool Ok() const { return result_ == 0; }
  const trov::LexiconSlot& Slot() const { return slot_; }
  trov::CompressedLexicon& Kind() { return *static_cast<trov::CompressedLexicon*>(slot_.get()); }
  // Bytes of the word index: 0 for the paged form, which keeps none.
  double WordIndexBytes() const {
    const auto* image = dynamic_cast<const trov::ImageLexicon*>(slot_.get());
    return image ? static_cast<double>(image->WordIndexBytes()) : 0.0;
  }

 private:
  trov::LexiconSlot slot_;
  int16_t result_;
};

// Every tenth word of the dictionary, and as many near misses (a letter doubled inside), in a
// shuffled order so that successive lookups fall in different segments.
std::vector<std::string> Probes(bool capitalise) {
  Opened lex(kResident);
  std::vector<std::string> probes;
  if (!lex.Ok()) return probes;
  int n = 0;
  lex.Kind().ForEachWord([&](const char* word) {
    if (n++ % 10 != 0) return true;
    std::string w(word);
    probes.push_back(w);
    if (w.size() > 3) probes.push_back(w.substr(0, 3) + w[3] + w.substr(3));
    return true;
  });
  if (capitalise) {
    for (auto& w : probes) {
      for (char& c : w) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    }
  }
  std::shuffle(probes.begin(), probes.end(), std::mt19937(42));
  return probes;
}

void Lookups(benchmark::State& state, int32_t budget, bool caseSensitive) {
  const std::vector<std::string> probes = Probes(!caseSensitive);
  Opened lex(budget);
  if (!lex.Ok() || probes.empty()) {
    state.SkipWithError("cannot open the default dictionary");
    return;
  }
  size_t i = 0;
  int64_t found = 0;
  for (auto _ : state) {
    found += lex.Slot()->Find(probes[i].c_str(), caseSensitive, nullptr, 0) >= 0;
    if (++i == probes.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.counters["found_share"] =
      static_cast<double>(found) / static_cast<double>(state.iterations());
  state.counters["segment_bytes_held"] = static_cast<double>(lex.Kind().SegmentBytesHeld());
  state.counters["word_index_bytes"] = lex.WordIndexBytes();
}

void BM_FindResident(benchmark::State& state) { Lookups(state, kResident, state.range(0) != 0); }
BENCHMARK(BM_FindResident)->ArgName("case_sensitive")->Arg(1)->Arg(0);

void BM_FindPagedSmallBudget(benchmark::State& state) {
  Lookups(state, kSmallBudget, state.range(0) != 0);
}
BENCHMARK(BM_FindPagedSmallBudget)->ArgName("case_sensitive")->Arg(1)->Arg(0);

void BM_FindPagedUnbounded(benchmark::State& state) { Lookups(state, 0, state.range(0) != 0); }
BENCHMARK(BM_FindPagedUnbounded)->ArgName("case_sensitive")->Arg(1)->Arg(0);

void Open(benchmark::State& state, int32_t budget) {
  int64_t held = 0;
  double indexBytes = 0;
  for (auto _ : state) {
    Opened lex(budget);
    if (!lex.Ok()) {
      state.SkipWithError("cannot open the default dictionary");
      return;
    }
    held = lex.Kind().SegmentBytesHeld();
    indexBytes = lex.WordIndexBytes();
  }
  state.counters["word_index_bytes"] = indexBytes;
  std::error_code ignored;
  state.counters["file_bytes"] =
      static_cast<double>(std::filesystem::file_size(kDictionary, ignored));
  state.counters["word_list_bytes"] =
      static_cast<double>(std::filesystem::file_size(kWordList, ignored));
  state.counters["segment_bytes_held"] = static_cast<double>(held);
}

void BM_OpenResident(benchmark::State& state) { Open(state, kResident); }
BENCHMARK(BM_OpenResident)->Unit(benchmark::kMillisecond);

void BM_OpenPaged(benchmark::State& state) { Open(state, kSmallBudget); }
BENCHMARK(BM_OpenPaged)->Unit(benchmark::kMillisecond);

}  // namespace
