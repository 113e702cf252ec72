#include "lexicon/word_normalise.h"

#include <cstring>

namespace trov {
namespace {

// 0x27 is the typewriter apostrophe, 0x92 the right single quotation mark of the 8-bit sets.
bool IsApostrophe(char c) { return c == '\'' || static_cast<unsigned char>(c) == 0x92; }

// John's and John's (either apostrophe) lose the ending; a trailing lone apostrophe goes too.
std::size_t StripPossessive(char* word, std::size_t length) {
  if (length < 2) return length;
  const char last = word[length - 1];
  if ((last == 's' || last == 'S') && IsApostrophe(word[length - 2])) length -= 2;
  else if (IsApostrophe(last)) length -= 1;
  word[length] = '\0';
  return length;
}

}  // namespace

int32_t NormaliseLexiconWord(const char* word, uint32_t options,
                             char (&normalised)[TROV_WORD_BUFFER]) {
  std::strncpy(normalised, word != nullptr ? word : "", TROV_MAX_WORD);
  normalised[TROV_MAX_WORD] = '\0';
  std::size_t length = std::strlen(normalised);
  if (options & TROV_OPT_STRIP_POSSESSIVES) length = StripPossessive(normalised, length);
  return static_cast<int32_t>(length);
}

}  // namespace trov
