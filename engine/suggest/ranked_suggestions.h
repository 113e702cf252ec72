// The ranked suggestion mode: the default candidate search, run wider, then the candidates put in
// the order of how likely each is the word meant, from how common it is, the typing slips that
// lead from it to the typed word, and how it sounds.
#ifndef TROV_RANKED_SUGGESTIONS_H
#define TROV_RANKED_SUGGESTIONS_H

#include <cstdint>

#include "lexicon/lexicon.h"
#include "suggest/rank_features.h"
#include "scan/suggestion_list.h"
#include "suggest/word_frequencies.h"

namespace trov {

// How many candidates the wider search keeps for the re-ranking.
inline constexpr int32_t kRankedCandidates = 24;

// The depth the candidate search runs at for a requested depth: shallower by 15 (at least 1),
// since the re-ranking finds the intended word among fewer candidates as often as the default
// ranking does among the deeper search's (measured on real misspellings, depth 35 against 50),
// and the shallower search pays for the re-ranking. Deeper requests still search deeper.
int16_t RankedSearchDepth(int16_t depth);

// The lower the likelier: the weighted sum of a candidate's features.
double RankCost(const RankFeatures& features);

// CollectSuggestions' arguments and result; list receives the likeliest candidates, best first,
// the first scored 99 and each later one less by its added cost in points (at least 1), so scores
// still fall along the list. frequencies may be null: the ranking then goes by the other features
// alone.
int32_t CollectRankedSuggestions(const char* word, int16_t depth, Lexicon* const* lexicons,
                                 uint32_t options, const WordFrequencies* frequencies,
                                 SuggestionList& list);

}  // namespace trov

#endif  // TROV_RANKED_SUGGESTIONS_H
