// The suggestion list of the check loop: a deeper search on each repeated request for one word,
// keeping only the entries within the score limits.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "bounded_copy.h"
#include "check_loop.h"
#include "trov_ext.h"

namespace trov {
namespace {

inline constexpr int kMaxSuggestionDepth = 100;

bool TryReserve(std::vector<SuggestedWord>& list, int16_t count) {
  try {
    list.reserve(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

}  // namespace

void CheckLoop::Suggest() { SuggestFor(core_.State().misspelledWord.data()); }

void CheckLoop::SuggestFor(const char* word) {
  CheckState& state = core_.State();
  core_.SetErrorCode(0);
  if (std::strcmp(word, state.lastSuggestWord.data()) != 0) {
    state.suggestDepth = core_.MinSuggestionDepth();
  }
  const int16_t capacity = core_.MaxSuggestions();
  const std::size_t wordsSize = static_cast<std::size_t>(capacity) * TROV_WORD_BUFFER + 1;
  std::unique_ptr<char[]> words(new (std::nothrow) char[wordsSize]);
  std::unique_ptr<int16_t[]> scores(new (std::nothrow)
                                        int16_t[static_cast<std::size_t>(capacity)]());
  std::vector<SuggestedWord> kept;
  if (words == nullptr || scores == nullptr || !TryReserve(kept, capacity)) {
    TROV_LogLineExt("out of memory");
    return;
  }
  const int16_t result = TROV_Suggest(core_.Session(), word, state.suggestDepth, words.get(),
                                      static_cast<int32_t>(wordsSize), scores.get(), capacity);
  if (result < 0) return;  // the old list, depth and word stay
  // The words are zero-separated and end with an empty one, the i-th word scored by the i-th
  // score; the walk also stops at the buffer's end and after as many words as there are scores.
  const char* found = words.get();
  const char* const end = words.get() + wordsSize;
  const int top = scores[0];  // zeroed, so defined even without words
  for (int16_t i = 0; i < capacity && found < end && *found != '\0'; ++i) {
    const int16_t score = scores[i];
    if (score < core_.MinSuggestionScore() || score < top - core_.SuggestionScoreRange()) break;
    const char* const foundEnd = std::find(found, end, '\0');
    SuggestedWord entry{};
    const std::size_t length =
        std::min(static_cast<std::size_t>(foundEnd - found), sizeof entry.word - 1);
    std::memcpy(entry.word, found, length);
    entry.score = score;
    kept.push_back(entry);
    found = foundEnd + 1;
  }
  state.suggestions = std::move(kept);
  state.suggestDepth = static_cast<int16_t>(
      std::min(state.suggestDepth + core_.SuggestionDepthIncrement(), kMaxSuggestionDepth));
  CopyBounded(state.lastSuggestWord, word);
}

std::string CheckLoop::Suggestion(int16_t index) const {
  const std::vector<SuggestedWord>& list = core_.State().suggestions;
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return {};
  return list[static_cast<std::size_t>(index)].word;
}

int16_t CheckLoop::SuggestionCount() const {
  return static_cast<int16_t>(core_.State().suggestions.size());
}

}  // namespace trov
