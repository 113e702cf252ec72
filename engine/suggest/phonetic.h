// Sound-alike matching for English spelling: words whose phonetic codes agree are ranked by their
// typing-error score, so 'fone' finds 'phone'.
#ifndef TROV_PHONETIC_H
#define TROV_PHONETIC_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "scan/word_comparator.h"
#include "suggest/typo_score.h"
#include "trov.h"

namespace trov {

// A code is at most twice as long as its word ('x' gives two characters).
inline constexpr size_t kPhoneticCodeBuffer = 2 * TROV_MAX_WORD + 1;

// Writes the code of a lower-cased word (letters B F H J K L M N P R S T W X Y, '0' for "th")
// into code, always zero-terminated; a code that does not fit is cut at the buffer's end.
void PhoneticCode(const char* lowerWord, std::span<char> code);

// TypoScore(word, candidate) when the code of one word begins the code of the other (or they are
// equal), else 0.
int16_t PhoneticScore(const char* word, const char* candidate);

// PhoneticScore against one word for every candidate of a scan: the word is coded once, and the
// candidates whose codes agree are scored by one TypoScorer.
class PhoneticScorer final : public WordComparator {
 public:
  // word must outlive the scorer and stay unchanged.
  explicit PhoneticScorer(const char* word);

  const char* Word() const override { return typo_.Word(); }
  int16_t Score(const char* candidate, int length, int unchanged, int floor) override;
  int16_t ScoreBeginning(const char* candidate, int length, int floor) override;
  // A phonetic score is the typing-error score or 0, so what rules out the one rules out both.
  const SketchClasses* Classes() const override { return typo_.Classes(); }
  uint64_t RuleOut(std::span<const WordSketch> candidates, int floor) override {
    return typo_.RuleOut(candidates, floor);
  }
  uint64_t RuleOutBeginnings(std::span<const WordSketch> beginnings, int length,
                             int floor) override {
    return typo_.RuleOutBeginnings(beginnings, length, floor);
  }

 private:
  // A rule consumes at least one character and emits at most four.
  using Code = std::array<char, 4 * TROV_MAX_WORD + 1>;

  TypoScorer typo_;
  Code code_;
  // The code of the word's first beginningLength_ characters, once asked for.
  Code beginningCode_;
  int beginningLength_ = -1;
  // Characters shared with the candidate typo_ scored last, across the candidates since.
  int typoUnchanged_ = 0;
};

}  // namespace trov

#endif  // TROV_PHONETIC_H
