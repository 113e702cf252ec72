#include "lexicon/word_store.h"

#include "base/log.h"

namespace trov {

int16_t CheckStorableWord(const char* word) {
  constexpr uint8_t kStorableClasses = kClassLetter | kClassDigit | kClassPunctuation | kClassSpace;
  for (const char* p = word; *p != '\0'; ++p) {
    const auto byte = static_cast<unsigned char>(*p);
    if (byte < 0x20 || (CharClass(byte) & kStorableClasses) == 0) {
      LogLine("AddWord: %s contains invalid character (0x%x)", word, static_cast<unsigned>(byte));
      return TROV_ERR_BAD_CHAR;
    }
  }
  return 0;
}

}  // namespace trov
