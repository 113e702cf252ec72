// The check loop through long documents: the time per word of walking documents of 10 KB, 1 MB
// and 10 MB with a misspelling every 50 words, stopping at each one and ignoring it; and of the
// Resume that replaces a frequent misspelling everywhere after one ReplaceAllWord. The time per
// word should not grow with the document's length.
// The dictionaries are the default ones the build puts beside its programs.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "check_loop.h"
#include "control_core.h"

namespace {

namespace fs = std::filesystem;

// Common words the default dictionaries hold, in lower case so no capitalisation rule stops.
constexpr const char* kVocabulary[] = {
    "the",  "of",    "and",   "to",    "in",    "is",     "was",   "that", "for",   "it",
    "with", "as",    "his",   "on",    "be",    "at",     "by",    "had",  "not",   "are",
    "but",  "from",  "or",    "have",  "an",    "they",   "which", "one",  "you",   "were",
    "her",  "all",   "she",   "there", "would", "their",  "we",    "him",  "been",  "has",
    "when", "who",   "will",  "more",  "no",    "if",     "out",   "so",   "said",  "what",
    "up",   "its",   "about", "into",  "than",  "them",   "can",   "only", "other", "new",
    "some", "could", "time",  "these", "two",   "may",    "then",  "do",   "first", "any",
    "my",   "now",   "such",  "like",  "our",   "over",   "man",   "me",   "even",  "most",
    "made", "after", "also",  "did",   "many",  "before", "must",  "back", "years", "where",
    "much", "your",  "way",   "well",  "down",  "should", "each",  "just", "those", "people",
};
constexpr std::size_t kVocabularySize = sizeof kVocabulary / sizeof kVocabulary[0];
constexpr int kWordsPerProblem = 50;
constexpr int kWordsPerLine = 12;
constexpr char kMisspelling[] = "zorbletz";
constexpr char kReplacement[] = "widgets";

struct Document {
  std::string text;
  int64_t words = 0;
};

// Words of the vocabulary (never the same twice in a row) with the misspelling as every 50th
// word, twelve words to a line, until the text holds bytes characters.
Document MakeDocument(std::size_t bytes) {
  Document document;
  document.text.reserve(bytes + 16);
  while (document.text.size() < bytes) {
    ++document.words;
    const bool problem = document.words % kWordsPerProblem == 0;
    document.text += problem ? kMisspelling : kVocabulary[(document.words * 7) % kVocabularySize];
    document.text += document.words % kWordsPerLine == 0 ? '\n' : ' ';
  }
  return document;
}

class IgnoringListener : public trov::CheckListener {
 public:
  void OnCheckEvent(trov::CheckEvent, int32_t) override {}
  void OnReplaceOutOfSpace() override {}
};

// A check loop over the default dictionaries, as the control opens them.
class DefaultLoop {
 public:
  DefaultLoop() : core_(TROV_DICT_DIR) {
    const fs::path folder = TROV_DICT_DIR;
    core_.SetMemoryBudget(-1);
    const std::string main =
        (folder / "trovam.tlx").string() + "," + (folder / "trovam2.clx").string();
    const std::string user =
        (folder / "userdic.tlx").string() + "," + (folder / "correct.tlx").string();
    if (core_.SetLists(main, user) < 0) problem_ = "the default dictionaries do not all open";
  }

  const std::string& Problem() const { return problem_; }
  trov::ControlCore& Core() { return core_; }
  trov::CheckLoop& Loop() { return loop_; }

 private:
  trov::ControlCore core_;
  IgnoringListener listener_;
  trov::CheckLoop loop_{core_, listener_};
  std::string problem_;
};

// The loop every benchmark shares, or null after marking the benchmark skipped.
DefaultLoop* SharedLoopOrSkip(benchmark::State& state) {
  static DefaultLoop loop;
  if (loop.Problem().empty()) return &loop;
  state.SkipWithError(loop.Problem().c_str());
  return nullptr;
}

void ReportPerWord(benchmark::State& state, const Document& document, const char* countName,
                   int64_t count) {
  state.counters["words"] = static_cast<double>(document.words);
  state.counters[countName] = static_cast<double>(count);
  // Seconds per word, shown with its prefix (n for nanoseconds).
  state.counters["per_word"] = benchmark::Counter(
      static_cast<double>(document.words),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// 10 KB, 1 MB and 10 MB.
void DocumentSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(10 * 1024)->Arg(1024 * 1024)->Arg(10 * 1024 * 1024)->Unit(benchmark::kMillisecond);
}

// Resume to every problem and IgnoreWord it, to the end of the text.
void BM_ResumeIgnoringEveryProblem(benchmark::State& state) {
  DefaultLoop* shared = SharedLoopOrSkip(state);
  if (shared == nullptr) return;
  trov::CheckLoop& loop = shared->Loop();
  const Document document = MakeDocument(static_cast<std::size_t>(state.range(0)));
  int64_t stops = 0;
  for (auto _ : state) {
    loop.SetText(document.text.c_str());
    stops = 0;
    while (!(loop.Resume() & TROV_RESULT_END_OF_TEXT)) {
      ++stops;
      loop.IgnoreWord();
    }
  }
  ReportPerWord(state, document, "stops", stops);
}
BENCHMARK(BM_ResumeIgnoringEveryProblem)->Apply(DocumentSizes);

// The first stop is answered with ReplaceAllWord; the next Resume replaces every occurrence.
void BM_ResumeReplacingEverywhere(benchmark::State& state) {
  DefaultLoop* shared = SharedLoopOrSkip(state);
  if (shared == nullptr) return;
  trov::CheckLoop& loop = shared->Loop();
  const Document document = MakeDocument(static_cast<std::size_t>(state.range(0)));
  int64_t replaced = 0;
  for (auto _ : state) {
    shared->Core().ClearTempDictionary();
    loop.SetText(document.text.c_str());
    if (loop.Resume() != TROV_RESULT_MISSPELLED) {
      state.SkipWithError("the misspelling did not stop the check");
      return;
    }
    loop.SetReplacementWord(kReplacement);
    loop.ReplaceAllWord();
    if (loop.Resume() != TROV_RESULT_END_OF_TEXT) {
      state.SkipWithError("a stop other than the misspelling");
      return;
    }
    replaced = loop.WordsReplacedCount();
  }
  ReportPerWord(state, document, "replaced", replaced);
}
BENCHMARK(BM_ResumeReplacingEverywhere)->Apply(DocumentSizes);

}  // namespace
