// Choosing the suffix tables of a compressed lexicon from the entry tails they will shorten.
#ifndef TROV_LEXCOMPILE_SUFFIX_CHOICE_H
#define TROV_LEXCOMPILE_SUFFIX_CHOICE_H

#include <string>
#include <vector>

namespace trov::lexcompile {

// Longest suffix the compiler considers: longer endings are rarely shared.
inline constexpr int kMaxChosenSuffix = 16;

struct SuffixTables {
  std::vector<std::string> simple;    // at most 30, one-byte codes: save their length
  std::vector<std::string> extended;  // at most 256, two-byte codes: save their length less one
};

// Greedy choice, best total saving first, over the tails (the characters an entry spells out
// after front coding): simple suffixes first, then extended ones for what they still save.
SuffixTables ChooseSuffixes(const std::vector<std::string>& tails);

}  // namespace trov::lexcompile

#endif  // TROV_LEXCOMPILE_SUFFIX_CHOICE_H
