// What the typing-error score credits an aligned position with, out of 100; shared by the walk
// that scores a candidate and the bounds that rule candidates out unread.
#ifndef TROV_TYPO_CREDITS_H
#define TROV_TYPO_CREDITS_H

namespace trov {

inline constexpr int kIdentical = 100;
inline constexpr int kCaseDifference = 5;    // exactly one of the two is lower-case
inline constexpr int kAccentDifference = 5;  // their lower-case forms still differ
inline constexpr int kSwappedVowels = 160;   // credits two positions
inline constexpr int kSwappedOther = 150;
inline constexpr int kDoubledVowel = 75;
inline constexpr int kDoubledOther = 80;
inline constexpr int kExtraCharacter = 50;  // also every character one word has beyond the other
// Most that a substitution of two letters earns outside the diagonal of the letter similarity
// table, apart from M and N (60), which count as alike.
inline constexpr int kMostUnalikeCredit = 40;

}  // namespace trov

#endif  // TROV_TYPO_CREDITS_H
