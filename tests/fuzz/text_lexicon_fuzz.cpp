// Arbitrary bytes loaded as a text lexicon file: the load refuses or reads them safely, and
// whatever loads lists, looks up, matches and rewrites consistently.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "lexicon/lexicon.h"
#include "lexicon/text_lexicon.h"
#include "scan/suggestion_list.h"
#include "suggest/typo_score.h"

namespace {

// One directory per fuzzing process, removed at exit.
const std::filesystem::path& Scratch() {
  static const std::filesystem::path path = [] {
    auto dir = std::filesystem::temp_directory_path() /
               ("trov-fuzz-lex-" + std::to_string(reinterpret_cast<std::uintptr_t>(&path)));
    std::filesystem::create_directories(dir);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(Scratch(), ignored);
    });
    return dir;
  }();
  return path;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = (Scratch() / "input.tlx").string();
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
  }
  trov::LexiconSlot slot;
  if (trov::OpenTextLexicon(path.c_str(), slot) < 0) {
    Check(slot == nullptr);
    return 0;
  }
  const int32_t listSize = slot->ListSize();
  Check(listSize >= 1);
  std::vector<char> listing(static_cast<size_t>(listSize));
  const int32_t count = slot->List(listing.data(), listSize);
  Check(count >= 0);
  Check(slot->List(listing.data(), listSize - 1) == -8);

  // Every listed entry is found again, exactly and case-blind, with its action letter.
  const char* entry = listing.data();
  for (int32_t i = 0; i < count; ++i) {
    const size_t length = std::strlen(entry);
    const char* tab = std::strchr(entry, '\t');
    Check(tab != nullptr);
    const std::string word(entry, static_cast<size_t>(tab - entry));
    const auto action = static_cast<unsigned char>(tab[1]);
    char other[81];
    Check(slot->Find(word.c_str(), true, other, sizeof other) == action);
    Check(slot->Find(word.c_str(), false, nullptr, 0) >= 0);
    entry += length + 1;
  }
  Check(*entry == '\0' && entry + 1 == listing.data() + listSize);

  trov::SuggestionEntry storage[8];
  trov::SuggestionList list{storage};
  Check(slot->MatchPattern("?a?", true, list) == 0);
  Check(slot->MatchPattern("A?", false, list) == 0);
  trov::TypoScorer scorer("word");
  Check(slot->ScoreWords(100, scorer, list) == 0);

  // What the engine writes always loads again, and writing only ever cuts or drops: long lines
  // are cut, an external list loses its actions.
  if (slot->Add("zzz", 'i', nullptr) == 0) {
    Check(slot->Delete("zzz") == 0);
    trov::LexiconSlot again;
    Check(trov::OpenTextLexicon(path.c_str(), again) == 0);
    Check(again->ListSize() <= listSize);
    again.reset();
  }
  slot.reset();
  return 0;
}
