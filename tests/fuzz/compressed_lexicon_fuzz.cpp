// Arbitrary bytes as a compressed lexicon file: opened resident and paged (unbounded and with a
// budget small enough to evict), then looked up, traversed and enumerated. Any out-of-bounds
// access or leak is a finding, and so is a word that the resident form, which answers from its
// word index, and the unbounded paged form, which decodes its segments, answer differently, or
// a scan that lists differently.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon/lexicon.h"
#include "scan/suggestion_list.h"
#include "suggest/typo_score.h"
#include "text/charset.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = [] {
    std::random_device random;
    return (std::filesystem::temp_directory_path() /
            ("trov-clx-fuzz-" + std::to_string(random()) + std::to_string(random())))
        .string();
  }();
  return path;
}

// Traversals read every segment; under a small budget each read opens the file again, so the
// evicting form is only looked up, which keeps the fuzzer fast.
void Exercise(trov::LexiconSlot& slot, const std::string& probe, bool traverse) {
  for (const char* word : {"a", "ab", "cat", "cats", "catches", "Paris", "", probe.c_str()}) {
    slot->Find(word, true, nullptr, 0);
    slot->Find(word, false, nullptr, 0);
  }
  if (!traverse) return;
  std::array<trov::SuggestionEntry, 8> storage{};
  for (const char* pattern : {"?", "ca?", "c?ts", "?at?", "cat?es", "a?"}) {
    for (bool caseSensitive : {true, false}) {
      trov::SuggestionList list(storage);
      slot->MatchPattern(pattern, caseSensitive, list);
    }
  }
  for (int16_t depth : {10, 100}) {
    trov::SuggestionList list(storage);
    trov::TypoScorer scorer(probe.empty() ? "cat" : probe.c_str());
    slot->ScoreWords(depth, scorer, list);
  }
  size_t total = 0;
  static_cast<trov::CompressedLexicon*>(slot.get())->ForEachWord([&](const char* word) {
    total += std::char_traits<char>::length(word);
    return total < (1u << 20);
  });
}

// The words and scores a short list ends with after a typing-error scan of the whole lexicon.
std::vector<std::pair<std::string, int16_t>> ScanOf(trov::LexiconSlot& slot,
                                                    const std::string& word) {
  std::array<trov::SuggestionEntry, 4> storage{};
  trov::SuggestionList list(storage);
  trov::TypoScorer scorer(word.c_str());
  slot->ScoreWords(100, scorer, list);
  std::vector<std::pair<std::string, int16_t>> listed;
  for (int32_t i = 0; i < list.Count(); ++i) listed.emplace_back(list[i].word, list[i].score);
  return listed;
}

// The file's own words and their neighbours, both case modes, under the set selected by the
// input's first byte.
void CompareIndexedWithPlain(const std::string& path, const std::string& probe, uint8_t charSet) {
  trov::LexiconSlot indexed;
  trov::LexiconSlot plain;
  if (trov::OpenCompressedLexicon(path.c_str(), -1, indexed) == 0 &&
      trov::OpenCompressedLexicon(path.c_str(), 0, plain) == 0) {
    trov::SelectCharSet(trov::kFirstCharSet + charSet % trov::kLastCharSet);
    std::vector<std::string> words = {probe};
    static_cast<trov::CompressedLexicon*>(plain.get())->ForEachWord([&](const char* word) {
      words.emplace_back(word);
      return words.size() < 64;
    });
    for (std::size_t i = 0, n = words.size(); i < n; ++i) {
      std::string upper = words[i];
      for (char& c : upper) c = static_cast<char>(trov::ToUpper(static_cast<unsigned char>(c)));
      words.push_back(upper);
      if (!words[i].empty()) words.push_back(words[i].substr(0, words[i].size() - 1));
      words.push_back(words[i] + probe);
    }
    for (const std::string& word : words) {
      for (bool caseSensitive : {true, false}) {
        if (indexed->Find(word.c_str(), caseSensitive, nullptr, 0) !=
            plain->Find(word.c_str(), caseSensitive, nullptr, 0)) {
          std::abort();
        }
      }
    }
    // The resident form scans the words of its index by their sketches, the paged one decodes
    // every segment: both must list the same.
    for (const std::string& word : {probe, words.back()}) {
      if (word.empty() || word.size() > TROV_MAX_WORD) continue;
      if (ScanOf(indexed, word) != ScanOf(plain, word)) std::abort();
    }
    trov::SelectCharSet(trov::kFirstCharSet);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string& path = ScratchFile();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);

  // The last few bytes double as a word to look up.
  std::string probe(reinterpret_cast<const char*>(data) + (size > 6 ? size - 6 : 0),
                    size > 6 ? 6 : size);
  probe = probe.substr(0, probe.find('\0'));

  trov::DetectCompressedFile(path.c_str());
  for (int32_t budget : {-1, 0, 16}) {
    trov::LexiconSlot slot;
    if (trov::OpenCompressedLexicon(path.c_str(), budget, slot) == 0) {
      Exercise(slot, probe, budget <= 0);
      slot.reset();
    }
  }
  CompareIndexedWithPlain(path, probe, size > 0 ? data[0] : 0);
  std::remove(path.c_str());
  return 0;
}
