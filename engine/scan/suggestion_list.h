// The candidate list that every suggestion step shares, best score first.
#ifndef TROV_SUGGESTION_LIST_H
#define TROV_SUGGESTION_LIST_H

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

namespace trov {

struct SuggestionEntry {
  char word[81];  // at most 80 characters, zero-terminated
  int16_t score;  // 0..100; 100 marks an exact match
};

class SuggestionList {
 public:
  // Works in the caller's storage; its size is the list's capacity.
  explicit SuggestionList(std::span<SuggestionEntry> storage) : entries_(storage) {}

  // Inserts behind every entry scoring as high or higher; a word already listed, or one that
  // scores no better than the last entry of a full list, is not inserted.
  void Insert(const char* word, int16_t score);
  // Removes the first entry holding exactly word, if any.
  void Remove(const char* word);
  void RemoveAt(int32_t index);
  // Best score first; the order among equal scores is not kept.
  void SortByScore();
  bool Full() const { return count_ == Capacity(); }
  // What a scanned candidate must score above to be inserted: scans keep only scores above 0,
  // and a full list takes only a score above its last entry's.
  int16_t ScanFloor() const {
    if (Full()) return Capacity() == 0 ? kNoRoom : std::max<int16_t>(entries_[count_ - 1].score, 0);
    return 0;
  }

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return static_cast<int32_t>(entries_.size()); }
  const SuggestionEntry& operator[](int32_t index) const { return entries_[index]; }
  SuggestionEntry& operator[](int32_t index) { return entries_[index]; }

 private:
  // Above every score: what a list without room asks a candidate to beat.
  static constexpr int16_t kNoRoom = std::numeric_limits<int16_t>::max();

  std::span<SuggestionEntry> entries_;
  int32_t count_ = 0;
};

}  // namespace trov

#endif  // TROV_SUGGESTION_LIST_H
