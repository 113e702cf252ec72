// Automation strings against the ten 8-bit sets: every byte maps to one character and back.
#include <gtest/gtest.h>

#include <set>

#include "charset_codec.h"

namespace trov {
namespace {

TEST(CharSetCodec, EveryByteOfEverySetRoundTripsThroughADistinctCharacter) {
  for (int set = 1; set <= 10; ++set) {
    std::set<wchar_t> seen;
    for (int byte = 0; byte < 256; ++byte) {
      const wchar_t ch = CharSetByteToWide(set, static_cast<unsigned char>(byte));
      EXPECT_TRUE(seen.insert(ch).second) << "set " << set << " byte " << byte;
      EXPECT_EQ(static_cast<unsigned char>(WideToCharSetByte(set, ch)), byte)
          << "set " << set << " byte " << byte;
    }
  }
}

TEST(CharSetCodec, KnownCharactersOfEachSet) {
  struct Case {
    int set;
    unsigned char byte;
    wchar_t ch;
  };
  const Case cases[] = {
      {1, 0x80, 0x20AC},   // euro sign in Windows-1252
      {1, 0x92, 0x2019},   // right single quotation mark
      {1, 0x9F, 0x0178},   // Y with diaeresis
      {1, 0xE9, 0x00E9},   // e acute
      {2, 0xA1, 0x0104},   // A ogonek
      {2, 0xE8, 0x010D},   // c caron
      {3, 0xA1, 0x0126},   // H stroke
      {4, 0xA2, 0x0138},   // kra
      {5, 0xB0, 0x0410},   // Cyrillic A
      {5, 0xF0, 0x2116},   // numero sign
      {6, 0xC7, 0x0627},   // Arabic alef
      {7, 0xC1, 0x0391},   // Greek Alpha
      {8, 0xE0, 0x05D0},   // Hebrew alef
      {9, 0xD0, 0x011E},   // G breve
      {9, 0xFD, 0x0131},   // dotless i
      {10, 0xA1, 0x0104},  // A ogonek
      {10, 0xBD, 0x2015},  // horizontal bar
      {2, 0x80, 0x0080},   // ISO sets keep the C1 controls
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharSetByteToWide(c.set, c.byte), c.ch) << "set " << c.set;
    EXPECT_EQ(static_cast<unsigned char>(WideToCharSetByte(c.set, c.ch)), c.byte)
        << "set " << c.set;
  }
}

TEST(CharSetCodec, CharactersOutsideTheSetBecomeQuestionMarks) {
  EXPECT_EQ(WideToCharSetByte(1, 0x0416), '?');  // Cyrillic Zhe is not in Windows-1252
  EXPECT_EQ(WideToCharSetByte(5, 0x00E9), '?');  // e acute is not in ISO 8859-5
  EXPECT_EQ(WideToCharSet(2,
                          L"a\x20AC"
                          L"b"),
            "a?b");
}

TEST(CharSetCodec, StringsConvertCharacterByCharacter) {
  const std::string latin = "na\xEFve caf\xE9";
  EXPECT_EQ(CharSetToWide(1, latin), L"na\x00EFve caf\x00E9");
  EXPECT_EQ(WideToCharSet(1, CharSetToWide(1, latin)), latin);
  // The same bytes read as Cyrillic.
  EXPECT_EQ(CharSetToWide(5, "\xB0\xC1"), L"\x0410\x0421");
}

TEST(CharSetCodec, UnknownSetReadsAsSetOne) {
  EXPECT_EQ(CharSetByteToWide(0, 0x80), 0x20AC);
  EXPECT_EQ(CharSetByteToWide(11, 0x80), 0x20AC);
}

}  // namespace
}  // namespace trov
