// Session options (the option word and the language) and the process-wide character set.
#include "base/log.h"
#include "api/session.h"
#include "text/charset.h"
#include "trov.h"
#include "trov_ext.h"

using namespace trov;

extern "C" int32_t TROV_SetOption(int16_t id, uint32_t option, int32_t value) {
  ApiFrame frame("TROV_SetOption");
  Session* session = frame.FindSession(id);
  if (session == nullptr) return TROV_ERR_BAD_SESSION;
  if (option == TROV_OPT_LANGUAGE) {
    const int16_t previous = session->language;
    session->language = static_cast<int16_t>(value & 0xFFFF);
    return previous;
  }
  const int32_t wasSet = (session->options & option) != 0 ? 1 : 0;
  if (value != 0) {
    session->options |= option;
  } else {
    session->options &= ~option;
  }
  return wasSet;
}

extern "C" int32_t TROV_GetOption(int16_t id, uint32_t option) {
  ApiFrame frame("TROV_GetOption");
  Session* session = frame.FindSession(id);
  if (session == nullptr) return TROV_ERR_BAD_SESSION;
  if (option == TROV_OPT_LANGUAGE) return session->language;
  return (session->options & option) != 0 ? 1 : 0;
}

// The character-set functions take no session and no lock: the selection is process-wide and
// changed only while no other call runs.
extern "C" int16_t TROV_SetCharSet(int32_t charSet) {
  if (!SelectCharSet(charSet)) {
    LogLine("TROV_SetOption: Unrecognized character set %ld", static_cast<long>(charSet));
    return TROV_ERR_UNSUPPORTED;
  }
  return 0;
}

extern "C" int16_t TROV_GetCharSet() { return static_cast<int16_t>(SelectedCharSetId()); }

static_assert(TROV_CHAR_LETTER == kClassLetter && TROV_CHAR_DIGIT == kClassDigit &&
                  TROV_CHAR_PUNCTUATION == kClassPunctuation && TROV_CHAR_SPACE == kClassSpace &&
                  TROV_CHAR_LOWER == kClassLower && TROV_CHAR_UPPER == kClassUpper &&
                  TROV_CHAR_VOWEL == kClassVowel,
              "the published class bits are the class table's own");

extern "C" int32_t TROV_CharClassExt(uint8_t code) { return CharClass(code); }
