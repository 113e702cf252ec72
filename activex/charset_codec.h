// Conversion between automation strings (UTF-16) and the engine's 8-bit text in one of its ten
// character sets. The mapping is the engine's constant data (trov_ext.h), so a result never
// depends on the code pages of the machine the control runs on.
#ifndef VANTOR_CHARSET_CODEC_H
#define VANTOR_CHARSET_CODEC_H

#include <string>
#include <string_view>

namespace trov {

// The character a byte stands for in set charSet (1..10; anything else reads as set 1).
wchar_t CharSetByteToWide(int charSet, unsigned char byte);
// The byte that stands for ch in set charSet, or '?' when the set has no such character.
char WideToCharSetByte(int charSet, wchar_t ch);

std::wstring CharSetToWide(int charSet, std::string_view text);
std::string WideToCharSet(int charSet, std::wstring_view text);

}  // namespace trov

#endif  // VANTOR_CHARSET_CODEC_H
