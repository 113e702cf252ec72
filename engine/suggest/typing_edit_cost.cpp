#include "suggest/typing_edit_cost.h"

#include <algorithm>
#include <array>

#include "suggest/keyboard_layout.h"
#include "trov.h"

namespace trov {
namespace {

constexpr double kSubstitution = 1.0;
constexpr double kNeighbouringKey = 0.6;
constexpr double kVowelForVowel = 0.6;
constexpr double kInsertion = 1.0;
constexpr double kDoubledByMistake = 0.5;  // a letter typed twice where the word has it once
constexpr double kDeletion = 1.0;
constexpr double kDoubleTypedOnce = 0.4;  // a doubled letter of the word typed once
constexpr double kTransposition = 0.7;

bool IsVowel(char c) {
  return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y';
}

double SubstitutionCost(char typed, char intended) {
  if (typed == intended) return 0.0;
  const auto a = static_cast<unsigned char>(typed);
  const auto b = static_cast<unsigned char>(intended);
  if (NeighbouringKeys(a, b)) return kNeighbouringKey;
  if (IsVowel(typed) && IsVowel(intended)) return kVowelForVowel;
  return kSubstitution;
}

}  // namespace

double TypingEditCost(std::string_view typed, std::string_view intended) {
  typed = typed.substr(0, TROV_MAX_WORD);
  intended = intended.substr(0, TROV_MAX_WORD);
  const size_t n = typed.size();
  const size_t m = intended.size();
  // cost[i][j]: typed's first i characters from intended's first j.
  std::array<std::array<double, TROV_MAX_WORD + 1>, TROV_MAX_WORD + 1> cost;
  cost[0][0] = 0.0;
  for (size_t i = 1; i <= n; ++i) cost[i][0] = cost[i - 1][0] + kInsertion;
  for (size_t j = 1; j <= m; ++j) cost[0][j] = cost[0][j - 1] + kDeletion;
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= m; ++j) {
      const char t = typed[i - 1];
      const char w = intended[j - 1];
      const bool doubledByMistake = i >= 2 && typed[i - 2] == t;
      const bool doubleTypedOnce = j >= 2 && intended[j - 2] == w;
      double best = cost[i - 1][j - 1] + SubstitutionCost(t, w);
      best = std::min(best, cost[i - 1][j] + (doubledByMistake ? kDoubledByMistake : kInsertion));
      best = std::min(best, cost[i][j - 1] + (doubleTypedOnce ? kDoubleTypedOnce : kDeletion));
      if (i >= 2 && j >= 2 && t == intended[j - 2] && typed[i - 2] == w && t != w) {
        best = std::min(best, cost[i - 2][j - 2] + kTransposition);
      }
      cost[i][j] = best;
    }
  }
  return cost[n][m];
}

}  // namespace trov
