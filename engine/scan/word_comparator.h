// What a scored candidate scan asks of the word it scores candidates against: a score per
// candidate, per shared beginning, and the sketches that rule candidates out unread. Every kind of
// lexicon runs its scan through this interface; the scorers of suggest/ implement it.
#ifndef TROV_WORD_COMPARATOR_H
#define TROV_WORD_COMPARATOR_H

#include <cstdint>
#include <span>

#include "scan/word_sketch.h"

namespace trov {

// How many sketched candidates a comparator judges in one call.
inline constexpr int kMostSketchedAtOnce = 64;

// Scores the candidates of one scan against the misspelled word it was made for (TypoScorer,
// PhoneticScorer). A scan only keeps candidates that score above a floor, so a comparator may give
// up on a candidate as soon as it cannot beat the floor and answer any score not above it.
class WordComparator {
 public:
  virtual const char* Word() const = 0;
  // candidate holds length characters, not necessarily followed by a NUL; its first unchanged
  // characters are those of the candidate this comparator scored last (0 when that is not
  // known), so the work on them may be reused.
  virtual int16_t Score(const char* candidate, int length, int unchanged, int floor) = 0;
  // The same for a zero-terminated candidate of length characters against the word's first
  // length characters (the whole word when it is shorter): how a scan judges a group of
  // candidates by the beginning they share.
  virtual int16_t ScoreBeginning(const char* candidate, int length, int floor) = 0;
  // The classes to sketch candidates with, when this comparator can rule some out by sketch.
  virtual const SketchClasses* Classes() const { return nullptr; }
  // Of at most kMostSketchedAtOnce candidates sketched with Classes(), a bit (1 << i) for each
  // candidates[i] that surely scores floor or less, so a scan need not read it.
  virtual uint64_t RuleOut(std::span<const WordSketch> /*candidates*/, int /*floor*/) { return 0; }
  // The same for ScoreBeginning against the word's first length characters.
  virtual uint64_t RuleOutBeginnings(std::span<const WordSketch> /*beginnings*/, int /*length*/,
                                     int /*floor*/) {
    return 0;
  }

 protected:
  ~WordComparator() = default;
};

}  // namespace trov

#endif  // TROV_WORD_COMPARATOR_H
