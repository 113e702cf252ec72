// The forms a word takes on its way to a lexicon lookup, and the rules that judge a word by its
// letters alone: normalisation, the ignore rules, mixed case, capitalisation transfer, the
// possessive ending and the split at a hyphen or apostrophe.
#ifndef TROV_WORD_FORMS_H
#define TROV_WORD_FORMS_H

#include <cstdint>

#include "trov.h"

namespace trov {

// The form a word is looked up in: entities decoded (IgnoreHTMLMarkups), a trailing apostrophe-s
// or apostrophe removed (StripPossessives), cut to 80 characters. Returns its length.
int32_t NormaliseWord(const char* word, uint32_t options, char (&out)[TROV_WORD_BUFFER]);

// An irregular mix of cases after the first character (HeLLo, iPhone; not Hello, HELLO, hELLO).
bool HasMixedCase(const char* word);

// True when the options accept word without a lookup (capitalised, mixed case, digits, all
// capitals, no letter, domain name).
bool IsIgnoredWord(const char* word, uint32_t options);

bool HasLowerCaseLetter(const char* word);
// Every character an upper-case letter; false for an empty word.
bool IsAllCapitals(const char* word);

// Gives target the capitalisation pattern of pattern (all capitals or capitalised), in place;
// unless keepAccents, capitals of target then lose their accents.
void TransferCase(const char* pattern, bool keepAccents, char* target);

// With StripPossessives: puts the possessive ending of word back on a non-empty replacement
// (buffer of replacementSize bytes) that has lost it, staying within 80 characters.
void RestorePossessive(const char* word, uint32_t options, char* replacement,
                       int32_t replacementSize);

// Copies word up to its first separator ("-" with SplitHyphenatedWords, an apostrophe with
// SplitContractedWords) into out, at most 80 characters; returns the rest of word after the
// separator, which is empty when there is none.
const char* SplitOff(const char* word, uint32_t options, char (&out)[TROV_WORD_BUFFER]);

// Copies source into a buffer of size bytes, cut to size - 1; nothing when size < 1.
void CopyBounded(char* buffer, int32_t size, const char* source);

}  // namespace trov

#endif  // TROV_WORD_FORMS_H
