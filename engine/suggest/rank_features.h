// What the ranked suggestions weigh about one candidate for a typed word: the likely slips that
// lead from it to the typed word, how common it is, whether it sounds the same, and how its length
// and first letter agree.
#ifndef TROV_RANK_FEATURES_H
#define TROV_RANK_FEATURES_H

#include <array>
#include <cstddef>

#include "suggest/word_frequencies.h"

namespace trov {

enum RankFeature : size_t {
  kTypingCost,        // TypingEditCost of the typed word from the candidate
  kLogCount,          // log10(1 + count) in the frequency table; 0 without a table
  kUnlistedWord,      // 1 when a table is there and does not list the candidate
  kSameSound,         // 1 when the phonetic codes are equal
  kSoundBeginsAlike,  // 1 when one phonetic code begins the other but they differ
  kFirstLetterDiffers,
  kLengthDifference,  // in characters
  kTypoScore,         // the default ranking's score, 0..1
  kSearchPlace,       // log2(1 + place in the default ranking)
  kSplitWord,         // 1 for two words joined by a space
  kSharedEnds,        // characters shared at the start and at the end, per typed character
  kLastLetterDiffers,
  kCapitalised,  // 1 for a capitalised candidate (a name, say) of a lower-case typed word
  kFeatureCount
};

using RankFeatures = std::array<double, kFeatureCount>;

// The features of candidate (as the default ranking listed it, at place, 0 first, with the
// default score typoScore) for typed; frequencies may be null.
RankFeatures DescribeCandidate(const char* typed, const char* candidate, int place, int typoScore,
                               const WordFrequencies* frequencies);

}  // namespace trov

#endif  // TROV_RANK_FEATURES_H
