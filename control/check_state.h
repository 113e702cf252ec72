// What the control core keeps about the text being checked. The check loop works on it; the core
// creates and releases it with the session, so a closed control holds no text.
#ifndef VANTOR_CHECK_STATE_H
#define VANTOR_CHECK_STATE_H

#include <array>
#include <cstdint>
#include <vector>

#include "text_copy.h"
#include "trov.h"

namespace trov {

inline constexpr int16_t kDefaultSuggestionDepth = 50;

// One word of the suggestion list kept for the host, with its score.
struct SuggestedWord {
  char word[TROV_WORD_BUFFER];
  int16_t score;  // 0..100
};

struct UndoRecord {
  int32_t offset;
  std::array<char, TROV_PROBLEM_BUFFER> oldText;  // what the change removed
  std::array<char, TROV_WORD_BUFFER> newText;     // what it put in
};

struct CheckState {
  // The copy being checked; not loaded when there is no text.
  TextCopy text;
  // Where the next check starts and where the current problem word begins; negative when the
  // text holds no further word.
  int32_t offset = 0;
  std::array<char, TROV_PROBLEM_BUFFER> misspelledWord{};
  std::array<char, TROV_WORD_BUFFER> replacementWord{};
  std::array<char, TROV_WORD_BUFFER> currentWord{};
  int32_t misspelledCount = 0;
  int32_t replacedCount = 0;
  std::vector<UndoRecord> undoStack;  // newest last
  int32_t undoOffset = 0;
  std::array<char, TROV_PROBLEM_BUFFER> undoNewText{};
  std::array<char, TROV_PROBLEM_BUFFER> undoOldText{};
  int16_t autoCorrect = 1;
  std::vector<SuggestedWord> suggestions;
  int16_t suggestDepth = kDefaultSuggestionDepth;
  std::array<char, TROV_WORD_BUFFER> lastSuggestWord{};
};

}  // namespace trov

#endif  // VANTOR_CHECK_STATE_H
