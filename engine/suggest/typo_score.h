// How close a candidate is to a misspelled word, for ranking suggestions.
#ifndef TROV_TYPO_SCORE_H
#define TROV_TYPO_SCORE_H

#include <array>
#include <cstdint>

#include "lexicon/lexicon.h"
#include "trov.h"

namespace trov {

struct CharSetTables;

// 0..100, 100 only for byte-identical words: the average credit of the aligned positions of the
// two zero-terminated words.
int16_t TypoScore(const char* word, const char* candidate);

// How alike two base letters 'A'..'Z' are (row: the misspelled word's letter), 100 for the same
// letter; 0 when either is outside 'A'..'Z'.
int LetterSimilarity(unsigned char wordBase, unsigned char candidateBase);

// TypoScore against one word for every candidate of a scan. The walk over a candidate stops once
// its score cannot beat the floor, and a candidate that begins like the one before it resumes
// the walk where the two part.
class TypoScorer final : public WordComparator {
 public:
  // word must outlive the scorer and stay unchanged.
  explicit TypoScorer(const char* word);

  const char* Word() const override { return word_; }
  int16_t Score(const char* candidate, int length, int unchanged, int floor) override;
  int16_t ScoreBeginning(const char* candidate, int length, int floor) override;

  // One point of a walk: the cursors in the word and the candidate, the credit so far and the
  // number of positions it was earned over.
  struct Walk {
    int32_t word = 0;
    int32_t candidate = 0;
    int32_t sum = 0;
    int32_t positions = 0;
  };
  // The points of the walk over the last candidate, one per step from the start (points[0]), as
  // far as they fit; firstAt[c] is the first point whose candidate cursor is c or more, for every
  // c up to the last point's cursor.
  struct Trail {
    static constexpr int kCapacity = 2 * TROV_WORD_BUFFER + 4;
    std::array<Walk, kCapacity> points{};
    std::array<uint8_t, kCapacity> firstAt{};
    int length = 1;
  };

 private:
  const CharSetTables& set_;
  const char* const word_;
  const int length_;
  Trail trail_;
};

}  // namespace trov

#endif  // TROV_TYPO_SCORE_H
