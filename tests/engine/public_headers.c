/* The engine's public headers are C11 as well as C++: this file includes both as strict C and
   uses their constants where C needs constant expressions, so a C++-only construct in either
   stops the build. */
#include "trov.h"
#include "trov_ext.h"

static char wordBuffer[TROV_WORD_BUFFER];
static const uint32_t defaultOptions = TROV_DEFAULT_OPTIONS;

int16_t trov_c_header_verdict(int16_t flags);
int16_t trov_c_header_verdict(int16_t flags) {
  switch (flags) {
    case 0:
      return 0;
    case TROV_RESULT_MISSPELLED:
      return 1;
    case TROV_ERR_BAD_SESSION:
      return 2;
    default:
      return (int16_t)((TROV_CharClassExt((uint8_t)wordBuffer[0]) & TROV_CHAR_UPPER) != 0 &&
                       defaultOptions != 0);
  }
}
