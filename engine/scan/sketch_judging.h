// Ruling sketched candidates out unread. The most a candidate can score against a word follows
// from its length, its doubled characters and how many of its characters pair off with the
// word's, so with a table of those bounds per word, judging a candidate takes a few operations.
#ifndef TROV_SKETCH_JUDGING_H
#define TROV_SKETCH_JUDGING_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "scan/word_sketch.h"
#include "trov.h"

namespace trov {

// The most a candidate can score against one word, by the candidate's length (0 to
// TROV_MAX_WORD), doubled characters and alike characters (0 to its length).
class ReachableScores {
 public:
  void Reset(int wordLength, int wordDoubled);
  // Makes room for every row; rows are filled as candidates first need them.
  void Prepare() {
    if (rows_.empty()) rows_.assign(std::size_t{kRowSize} * kRowSize * kDoubledRows, kUnknown);
  }
  // After Prepare: the row of a candidate, indexed by its alike characters.
  const uint8_t* Row(int candidateLength, int candidateDoubled) {
    const int doubledRow = candidateDoubled < kDoubledRows ? candidateDoubled : kDoubledRows - 1;
    uint8_t* row =
        &rows_[static_cast<std::size_t>((candidateLength * kDoubledRows + doubledRow) * kRowSize)];
    if (row[0] == kUnknown) Fill(row, candidateLength, doubledRow);
    return row;
  }
  int WordLength() const { return wordLength_; }
  int WordDoubled() const { return wordDoubled_; }

  // Candidates with this many doubled characters or more share the last row of their length,
  // which must hold for any number of them.
  static constexpr int kDoubledRows = 4;

 private:
  void Fill(uint8_t* row, int candidateLength, int doubledRow) const;

  static constexpr int kRowSize = TROV_MAX_WORD + 1;
  static constexpr uint8_t kUnknown = 0xFF;
  int wordLength_ = 0;
  int wordDoubled_ = 0;
  std::vector<uint8_t> rows_;
};

// Of at most 64 sketched candidates, a bit (1 << i) for each candidates[i] that cannot score
// above floor against the word of counts and reachable, by the fastest way this processor runs.
uint64_t RuleOutSketched(const ClassCounts& counts, ReachableScores& reachable,
                         std::span<const WordSketch> candidates, int floor);

// Every way of judging gives the same answers; the tests hold them to that. A way must be one
// CanJudgeBy allows.
enum class SketchJudging { kPortable, kBitCountInstruction, kSixteenAtOnce };
bool CanJudgeBy(SketchJudging way);
uint64_t RuleOutSketchedBy(SketchJudging way, const ClassCounts& counts, ReachableScores& reachable,
                           std::span<const WordSketch> candidates, int floor);

}  // namespace trov

#endif  // TROV_SKETCH_JUDGING_H
