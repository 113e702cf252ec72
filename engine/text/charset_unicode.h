// What each byte of the ten character sets stands for in Unicode, both ways. The one mapping of
// the product: the control converts automation strings through it, the command-line tool and the
// lexicon compiler convert UTF-8 through it (they reach it by way of trov_ext.h).
#ifndef TROV_CHARSET_UNICODE_H
#define TROV_CHARSET_UNICODE_H

#include <cstdint>
#include <optional>

namespace trov {

// The character byte stands for in set id (1..10), or nullopt where the set defines none (the
// five holes of Windows-1252 in set 1, the unassigned codes of ISO 8859-N in set N) or for an id
// outside 1..10. Bytes below 0x80 are ASCII in every set.
std::optional<char32_t> CharSetByteToUnicode(int id, unsigned char byte);

// The byte of set id that stands for codePoint, or nullopt when the set has none or id is outside
// 1..10.
std::optional<unsigned char> UnicodeToCharSetByte(int id, char32_t codePoint);

}  // namespace trov

#endif  // TROV_CHARSET_UNICODE_H
