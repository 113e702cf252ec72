// The check driver: walks a text word by word to the first word that needs attention, or checks
// one word as it stands (SingleWordMode). Behind TROV_CheckString, TROV_CheckText and the
// suggestion search's tests of candidate words.
#ifndef TROV_CHECK_DRIVER_H
#define TROV_CHECK_DRIVER_H

#include <cstdint>

#include "lexicon/lexicon.h"

namespace trov {

// textLength for a text whose length the caller does not know: the text is then read up to the
// offset to find out whether the offset lies inside it.
inline constexpr int64_t kLengthUnknown = -1;

// The flags of the first problem word at or after *offset, or 0x40 when the text has none. On a
// problem word *offset, word and replacement (may be null) describe it; on 0x40 *offset is -3
// when no word was found, else the offset of the last word examined. lexicons: the session's
// slots in order, ending with null. Never 0. May throw std::bad_alloc.
int16_t RunCheck(const char* text, int64_t textLength, Lexicon* const* lexicons, uint32_t options,
                 int32_t* offset, char* word, int32_t wordSize, char* replacement,
                 int32_t replacementSize);

}  // namespace trov

#endif  // TROV_CHECK_DRIVER_H
