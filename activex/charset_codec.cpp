// The engine holds the mapping of each set; this adds what automation strings need on top: codes
// a set leaves undefined keep a character of their own (the C1 control of the same value in
// set 1, private-use U+F000 plus the byte elsewhere), so every byte survives the round trip to
// UTF-16 and back.
#include "charset_codec.h"

#include "trov_ext.h"

namespace trov {

namespace {

constexpr wchar_t kPrivateUseBase = 0xF000;

int16_t KnownSet(int charSet) {
  return static_cast<int16_t>(charSet >= 1 && charSet <= 10 ? charSet : 1);
}

wchar_t StandInFor(int16_t set, unsigned char byte) {
  return static_cast<wchar_t>(set == 1 ? byte : kPrivateUseBase + byte);
}

}  // namespace

wchar_t CharSetByteToWide(int charSet, unsigned char byte) {
  const int16_t set = KnownSet(charSet);
  const int32_t codePoint = TROV_CharSetByteToUnicodeExt(set, byte);
  return codePoint < 0 ? StandInFor(set, byte) : static_cast<wchar_t>(codePoint);
}

char WideToCharSetByte(int charSet, wchar_t ch) {
  const int16_t set = KnownSet(charSet);
  const int32_t byte = TROV_UnicodeToCharSetByteExt(set, static_cast<uint16_t>(ch));
  if (byte >= 0) return static_cast<char>(byte);
  // A stand-in comes back as the undefined code it stands for.
  const int standInByte = set == 1 ? ch : ch - kPrivateUseBase;
  if (standInByte >= 0x80 && standInByte <= 0xFF &&
      TROV_CharSetByteToUnicodeExt(set, static_cast<uint8_t>(standInByte)) < 0) {
    return static_cast<char>(standInByte);
  }
  return '?';
}

std::wstring CharSetToWide(int charSet, std::string_view text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (char c : text) wide.push_back(CharSetByteToWide(charSet, static_cast<unsigned char>(c)));
  return wide;
}

std::string WideToCharSet(int charSet, std::wstring_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t ch : text) narrow.push_back(WideToCharSetByte(charSet, ch));
  return narrow;
}

}  // namespace trov
