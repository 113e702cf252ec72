// The rules that judge one word against a session's lexicons: the lookup with its capitalisation
// variants and accent restoration, and the check that adds split words, hyphens, contractions,
// mixed case, digits, capitalisation errors and accented capitals.
//
// lexicons is the session's lexicon table as addresses in slot order, free slots included,
// ending with null; the first lexicon that knows a word decides its action.
#ifndef TROV_CHECK_RULES_H
#define TROV_CHECK_RULES_H

#include <cstdint>

#include "lexicon/lexicon.h"

namespace trov {

// One check tries at most this many accented forms of all-capitals words, fewest accents first:
// enough to reach any form with two accents in a word of up to 25 accentable letters, or with
// three in one of up to 7. All combinations of a long word of vowels run to astronomical numbers.
inline constexpr int32_t kMaxAccentTrials = 20000;

// The action code of the first lexicon that holds word (in the given case sensitivity), or -3.
// For a change action the other word goes into replacement; with A and C it first takes the
// capitalisation of pattern.
int16_t FindInLexicons(const char* word, const char* pattern, Lexicon* const* lexicons,
                       uint32_t options, bool caseSensitive, char* replacement,
                       int32_t replacementSize);

// Check-result flags of a normalised word: 0, 0x2, 0x4 or 0x1000 when found, 0x1 when not.
int16_t LookupWord(const char* word, Lexicon* const* lexicons, uint32_t options, char* replacement,
                   int32_t replacementSize);

// Check-result flags of word (0 = acceptable). replacement (may be null) receives the word
// itself or what a rule offers instead; offsetAdjustment (may be null) grows by the offset of
// the reported part when only a later part of the word is at fault. May throw std::bad_alloc.
int16_t CheckWord(const char* word, Lexicon* const* lexicons, uint32_t options, char* replacement,
                  int32_t replacementSize, int32_t* offsetAdjustment);

}  // namespace trov

#endif  // TROV_CHECK_RULES_H
