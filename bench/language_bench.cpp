// Per language of dict/languages.txt: checking speed in words per second over a text made of its
// own word list, and the main dictionary's file size and open time. Languages whose dictionary
// is not built are left out.
//
// Run from the build's bin folder or with the build's dictionary folder compiled in; the word
// lists are read from /usr/share/dict (the 8-bit ones as the build converted them).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "language.h"
#include "lexicon_compiler.h"
#include "trov.h"
#include "trov_ext.h"

namespace {

namespace fs = std::filesystem;
using vantor::Language;

constexpr std::size_t kTextWords = 50'000;

fs::path DictionaryPath(const Language& language) {
  return fs::path(TROV_DICT_DIR) / vantor::MainDictionaryFile(language);
}

std::string Utf8ListPath(const Language& language) {
  const std::string name(language.wordList);
  if (language.listEncoding == "UTF-8") return "/usr/share/dict/" + name;
  return std::string(TROV_CONVERTED_LISTS) + "/" + name + ".utf8";
}

// An even sample of the held words of the list, space-separated, in the language's set.
std::string TextFromList(const Language& language, std::size_t& words) {
  std::vector<std::string> held;
  trov::lexcompile::SetConversion conversion;
  std::string error;
  if (!trov::lexcompile::ReadWordListInSet(Utf8ListPath(language), language.characterSet, held,
                                           conversion, error)) {
    return {};
  }
  const std::size_t stride = std::max<std::size_t>(1, held.size() / kTextWords);
  std::string text;
  words = 0;
  for (std::size_t i = 0; i < held.size(); i += stride, ++words) text += held[i] + " ";
  return text;
}

void OpenDictionary(benchmark::State& state, const Language& language) {
  const std::string path = DictionaryPath(language).string();
  const int16_t session = TROV_OpenSession();
  for (auto _ : state) {
    const int16_t lexicon = TROV_OpenLex(session, path.c_str(), -1);
    if (lexicon < 0) {
      state.SkipWithError("cannot open the dictionary");
      break;
    }
    TROV_CloseLex(session, lexicon);
  }
  TROV_CloseSession(session);
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(path));
}

void CheckListText(benchmark::State& state, const Language& language) {
  std::size_t words = 0;
  const std::string text = TextFromList(language, words);
  TROV_SetCharSet(language.characterSet);
  const int16_t session = TROV_OpenSession();
  const int16_t lexicon = TROV_OpenLex(session, DictionaryPath(language).string().c_str(), -1);
  if (text.empty() || lexicon < 0) state.SkipWithError("no word list or dictionary");
  char word[TROV_PROBLEM_BUFFER];
  char replacement[TROV_WORD_BUFFER];
  int64_t stops = 0;
  for (auto _ : state) {
    int32_t offset = 0;
    while (TROV_CheckStringExt(session, text.c_str(), static_cast<int32_t>(text.size()), &offset,
                               word, sizeof word, replacement,
                               sizeof replacement) != TROV_RESULT_END_OF_TEXT) {
      ++stops;
      offset += std::max<int32_t>(1, static_cast<int32_t>(std::char_traits<char>::length(word)));
    }
  }
  TROV_CloseSession(session);
  TROV_SetCharSet(1);
  state.counters["words_per_second"] =
      benchmark::Counter(static_cast<double>(words) * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate);
  state.counters["stops"] = static_cast<double>(stops) / static_cast<double>(state.iterations());
}

// Registered before main runs: one pair of benchmarks per built dictionary.
const bool kRegistered = [] {
  for (const Language& language : vantor::Languages()) {
    if (!fs::exists(DictionaryPath(language))) continue;
    const std::string code(language.code);
    benchmark::RegisterBenchmark(("Open/" + code).c_str(), OpenDictionary, language)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Check/" + code).c_str(), CheckListText, language)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
