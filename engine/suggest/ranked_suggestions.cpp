#include "suggest/ranked_suggestions.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "suggest/collect_suggestions.h"

namespace trov {
namespace {

// Chosen on a training part of real misspellings (bench/tune_ranking.py); see dict/README.md.
constexpr RankFeatures kWeights = {
    1.00,   // kTypingCost
    -0.50,  // kLogCount
    -0.06,  // kUnlistedWord
    -0.78,  // kSameSound
    0.00,   // kSoundBeginsAlike
    0.50,   // kFirstLetterDiffers
    0.00,   // kLengthDifference
    -2.50,  // kTypoScore
    0.50,   // kSearchPlace
    5.00,   // kSplitWord
    -0.75,  // kSharedEnds
    0.48,   // kLastLetterDiffers
    2.00,   // kCapitalised
};

// Score points per unit of cost, counted down from kTopScore: below 100, which marks the word
// itself.
constexpr double kPointsPerCost = 5.0;
constexpr double kTopScore = 99.0;

struct Ranked {
  SuggestionEntry entry;
  double cost;
};

}  // namespace

int16_t RankedSearchDepth(int16_t depth) { return static_cast<int16_t>(std::max(1, depth - 15)); }

double RankCost(const RankFeatures& features) {
  double cost = 0.0;
  for (size_t i = 0; i < features.size(); ++i) cost += kWeights[i] * features[i];
  return cost;
}

int32_t CollectRankedSuggestions(const char* word, int16_t depth, Lexicon* const* lexicons,
                                 uint32_t options, const WordFrequencies* frequencies,
                                 SuggestionList& list) {
  std::vector<SuggestionEntry> storage(kRankedCandidates);
  SuggestionList candidates(storage);
  CollectSuggestions(word, RankedSearchDepth(depth), lexicons, options, candidates);

  std::vector<Ranked> ranked;
  ranked.reserve(static_cast<size_t>(candidates.Count()));
  for (int32_t i = 0; i < candidates.Count(); ++i) {
    const SuggestionEntry& entry = candidates[i];
    ranked.push_back(
        {entry, RankCost(DescribeCandidate(word, entry.word, i, entry.score, frequencies))});
  }
  // Stable, so that equally likely candidates keep the default order.
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const Ranked& a, const Ranked& b) { return a.cost < b.cost; });
  if (ranked.empty()) return list.Count();
  const double best = ranked.front().cost;
  for (const Ranked& candidate : ranked) {
    const double points = std::round((candidate.cost - best) * kPointsPerCost);
    const auto score = static_cast<int16_t>(std::clamp(kTopScore - points, 1.0, kTopScore));
    list.Insert(candidate.entry.word, score);
  }
  return list.Count();
}

}  // namespace trov
