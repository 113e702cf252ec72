// How close a candidate is to a misspelled word, for ranking suggestions.
#ifndef TROV_TYPO_SCORE_H
#define TROV_TYPO_SCORE_H

#include <array>
#include <cstdint>
#include <span>

#include "scan/word_comparator.h"
#include "scan/word_sketch.h"
#include "scan/sketch_judging.h"
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
  // Characters count as alike when they share a base letter or a lower-case form, and M with N.
  const SketchClasses* Classes() const override { return &classes_; }
  uint64_t RuleOut(std::span<const WordSketch> candidates, int floor) override;
  uint64_t RuleOutBeginnings(std::span<const WordSketch> beginnings, int length,
                             int floor) override;

  // One point of a walk: the cursors in the word and the candidate, the credit so far and the
  // number of positions it was earned over.
  struct Walk {
    int32_t word = 0;
    int32_t candidate = 0;
    int32_t sum = 0;
    int32_t positions = 0;
  };
  // The points of the walk over the last candidate, one per step from the start (points[0]), as
  // far as they fit.
  struct Trail {
    static constexpr int kCapacity = 2 * TROV_WORD_BUFFER + 4;
    // Cursors are kept below kCursorsFrom (a point found earlier only resumes earlier).
    static constexpr int kCursorsFrom = 127;
    std::array<Walk, kCapacity> points{};
    // The candidate cursor of each point, read eight at a time, so eight more.
    std::array<uint8_t, kCapacity + 8> cursors{};
    int length = 1;
  };

 private:
  const CharSetTables& set_;
  const SketchClasses& classes_;
  const char* const word_;
  const int length_;
  const ClassCounts counts_;
  // The word's first beginningLength_ characters, as the last RuleOutBeginnings took them.
  ClassCounts beginning_;
  int beginningLength_ = -1;
  // The most sketched candidates can score against the word and against its beginning.
  ReachableScores reachable_;
  ReachableScores beginningReachable_;

  Trail trail_;
  // The beginning scored last: its first two characters, the lengths, and the point its walk
  // reached when its candidate cursor first moved (or the walk ended).
  struct BeginningStart {
    unsigned char first = 0;
    unsigned char second = 0;
    int wordLength = -1;
    int length = -1;
    Walk reached;
  };
  BeginningStart beginningStart_;
};

}  // namespace trov

#endif  // TROV_TYPO_SCORE_H
