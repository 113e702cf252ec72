#include "scan/suggestion_list.h"

#include <algorithm>
#include <cstring>

namespace trov {

void SuggestionList::Insert(const char* word, int16_t score) {
  const int32_t capacity = Capacity();
  if (capacity == 0) return;
  const bool full = count_ == capacity;
  if (full && score <= entries_[count_ - 1].score) return;

  int32_t position = 0;
  while (position < count_ && entries_[position].score >= score) ++position;
  for (int32_t i = 0; i < count_; ++i) {
    // An existing entry keeps its score, even a lower one.
    if (std::strcmp(entries_[i].word, word) == 0) return;
  }

  const int32_t last = full ? count_ - 1 : count_;
  for (int32_t i = last; i > position; --i) entries_[i] = entries_[i - 1];
  SuggestionEntry& entry = entries_[position];
  std::strncpy(entry.word, word, sizeof entry.word - 1);
  entry.word[sizeof entry.word - 1] = '\0';
  entry.score = score;
  if (!full) ++count_;
}

void SuggestionList::Remove(const char* word) {
  for (int32_t i = 0; i < count_; ++i) {
    if (std::strcmp(entries_[i].word, word) == 0) {
      RemoveAt(i);
      return;
    }
  }
}

void SuggestionList::RemoveAt(int32_t index) {
  for (int32_t j = index; j + 1 < count_; ++j) entries_[j] = entries_[j + 1];
  --count_;
}

void SuggestionList::SortByScore() {
  std::sort(entries_.begin(), entries_.begin() + count_,
            [](const SuggestionEntry& a, const SuggestionEntry& b) { return a.score > b.score; });
}

}  // namespace trov
