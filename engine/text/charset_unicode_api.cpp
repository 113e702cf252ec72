// The character-set conversions and class look-up of trov_ext.h.
#include "text/charset.h"
#include "text/charset_unicode.h"
#include "trov_ext.h"

extern "C" int32_t TROV_CharSetByteToUnicodeExt(int16_t charSet, uint8_t byte) {
  const auto codePoint = trov::CharSetByteToUnicode(charSet, byte);
  return codePoint ? static_cast<int32_t>(*codePoint) : -1;
}

extern "C" int32_t TROV_UnicodeToCharSetByteExt(int16_t charSet, uint32_t codePoint) {
  const auto byte = trov::UnicodeToCharSetByte(charSet, codePoint);
  return byte ? *byte : -1;
}

extern "C" int32_t TROV_CharSetClassExt(int16_t charSet, uint8_t byte) {
  if (charSet < trov::kFirstCharSet || charSet > trov::kLastCharSet) return -1;
  return trov::CharSetById(charSet).classes[byte];
}
