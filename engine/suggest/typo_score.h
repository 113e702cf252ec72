// How close a candidate is to a misspelled word, for ranking suggestions.
#ifndef TROV_TYPO_SCORE_H
#define TROV_TYPO_SCORE_H

#include <cstdint>

namespace trov {

// 0..100, 100 only for byte-identical words: the average credit of the aligned positions of the
// two zero-terminated words. A WordComparator.
int16_t TypoScore(const char* word, const char* candidate);

// How alike two base letters 'A'..'Z' are (row: the misspelled word's letter), 100 for the same
// letter; 0 when either is outside 'A'..'Z'.
int LetterSimilarity(unsigned char wordBase, unsigned char candidateBase);

}  // namespace trov

#endif  // TROV_TYPO_SCORE_H
