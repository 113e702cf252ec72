// Sound-alike matching for English spelling: words whose phonetic codes agree are ranked by their
// typing-error score, so 'fone' finds 'phone'.
#ifndef TROV_PHONETIC_H
#define TROV_PHONETIC_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "trov.h"

namespace trov {

// A code is at most twice as long as its word ('x' gives two characters).
inline constexpr size_t kPhoneticCodeBuffer = 2 * TROV_MAX_WORD + 1;

// Writes the code of a lower-cased word (letters B F H J K L M N P R S T W X Y, '0' for "th")
// into code, always zero-terminated; a code that does not fit is cut at the buffer's end.
void PhoneticCode(const char* lowerWord, std::span<char> code);

// TypoScore(word, candidate) when the code of one word begins the code of the other (or they are
// equal), else 0. A WordComparator.
int16_t PhoneticScore(const char* word, const char* candidate);

}  // namespace trov

#endif  // TROV_PHONETIC_H
