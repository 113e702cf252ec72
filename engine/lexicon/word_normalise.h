// The form in which a word given to the lexicon functions is stored and looked up: the form in
// which the check driver looks words up.
#ifndef TROV_WORD_NORMALISE_H
#define TROV_WORD_NORMALISE_H

#include <cstdint>

#include "trov.h"

namespace trov {

// Copies word (null reads as empty) into normalised, cut to 80 characters, and applies the
// session's options: possessive endings go with StripPossessives. Answers the length.
int32_t NormaliseLexiconWord(const char* word, uint32_t options,
                             char (&normalised)[TROV_WORD_BUFFER]);

}  // namespace trov

#endif  // TROV_WORD_NORMALISE_H
