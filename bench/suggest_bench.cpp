// Suggestion latency per word against the default dictionaries, laid out as the control lays them
// out, at the depths the control asks for (its first request, 50, and the deepest, 100), with and
// without the phonetic scans. The misspellings are those of the suggestion quality tests; the
// worst word is the slowest found among long words, vowel runs and repeated three-letter
// beginnings: 80 characters (the longest word the engine takes) that begin with the dictionary's
// largest segment key, 'con', and repeat it, so that every wildcard pattern with a literal
// beginning decodes that segment and every scanned word is compared with a long word.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "../tests/engine/suggest/common_misspellings.h"
#include "trov.h"

namespace {

constexpr int16_t kListSize = 16;  // the control's default number of suggestions

std::string Path(const char* name) { return std::string(TROV_DICT_DIR) + "/" + name; }

// The temporary lexicon first, then the main dictionaries (the compressed one loaded whole),
// then the user dictionaries, as the control opens them.
class ControlSession {
 public:
  ControlSession() {
    session_ = TROV_OpenSession();
    if (session_ < 0 || TROV_CreateLex(session_, nullptr, TROV_LANGUAGE_ANY) < 0) {
      problem_ = "cannot open a session";
      return;
    }
    for (const char* name : {"trovam.tlx", "trovam2.clx", "userdic.tlx", "correct.tlx"}) {
      if (TROV_OpenLex(session_, Path(name).c_str(), -1) < 0) {
        problem_ += Path(name) + " does not open (build the dictionaries); ";
      }
    }
  }
  ~ControlSession() {
    if (session_ >= 0) TROV_CloseSession(session_);
  }

  int16_t Session() const { return session_; }
  const std::string& Problem() const { return problem_; }

 private:
  int16_t session_ = -1;
  std::string problem_;
};

ControlSession& Session() {
  static ControlSession session;
  return session;
}

std::vector<const char*> CommonMisspellings() {
  std::vector<const char*> words;
  for (const auto& m : trov::test::kListedMisspellings) words.push_back(m.typed);
  for (const auto& m : trov::test::kUnlistedMisspellings) words.push_back(m.typed);
  return words;
}

std::string WorstWord() {
  std::string word;
  while (word.size() < TROV_MAX_WORD) word += "con";
  return word.substr(0, TROV_MAX_WORD);
}

// state.range(0) is the depth, state.range(1) whether the phonetic scans run.
void SuggestEach(benchmark::State& state, const std::vector<const char*>& words) {
  ControlSession& control = Session();
  if (!control.Problem().empty()) {
    state.SkipWithError(control.Problem().c_str());
    return;
  }
  const int16_t session = control.Session();
  const auto depth = static_cast<int16_t>(state.range(0));
  TROV_SetOption(session, TROV_OPT_PHONETIC_SUGGESTIONS, static_cast<int32_t>(state.range(1)));
  char suggestions[kListSize * TROV_WORD_BUFFER + 1];
  int16_t scores[kListSize];
  int64_t offered = 0;
  for (auto _ : state) {
    for (const char* word : words) {
      if (TROV_Suggest(session, word, depth, suggestions, sizeof suggestions, scores, kListSize) !=
          0) {
        state.SkipWithError("TROV_Suggest failed");
        return;
      }
      offered += suggestions[0] != '\0';
    }
  }
  TROV_SetOption(session, TROV_OPT_PHONETIC_SUGGESTIONS, 0);
  const auto count = static_cast<double>(words.size());
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
  state.counters["per_word"] = benchmark::Counter(
      count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["offered_share"] =
      static_cast<double>(offered) / (count * static_cast<double>(state.iterations()));
}

void BM_SuggestCommonMisspellings(benchmark::State& state) {
  static const std::vector<const char*> words = CommonMisspellings();
  SuggestEach(state, words);
}
BENCHMARK(BM_SuggestCommonMisspellings)
    ->ArgNames({"depth", "phonetic"})
    ->ArgsProduct({{10, 50, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_SuggestWorstWord(benchmark::State& state) {
  static const std::string worst = WorstWord();
  SuggestEach(state, {worst.c_str()});
}
BENCHMARK(BM_SuggestWorstWord)
    ->ArgNames({"depth", "phonetic"})
    ->ArgsProduct({{10, 50, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
