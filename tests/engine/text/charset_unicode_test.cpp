// The one mapping between the ten sets and Unicode: against the class tables it must agree with,
// and both ways through trov_ext.h. (The tool's tests hold it against glibc's converter.)
#include "text/charset_unicode.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/charset.h"
#include "trov_ext.h"

namespace trov {
namespace {

TEST(CharSetUnicode, EveryDefinedByteComesBackFromItsCharacter) {
  for (int set = kFirstCharSet; set <= kLastCharSet; ++set) {
    int undefined = 0;
    for (int byte = 0; byte < 256; ++byte) {
      const auto codePoint = CharSetByteToUnicode(set, static_cast<unsigned char>(byte));
      if (!codePoint) {
        ++undefined;
        continue;
      }
      EXPECT_EQ(UnicodeToCharSetByte(set, *codePoint), byte) << "set " << set << " byte " << byte;
    }
    // The holes of each standard: 5 in Windows-1252, none in 8859-2, 7 in -3 and so on.
    const int expected[] = {5, 0, 7, 0, 0, 45, 3, 36, 0, 0};
    EXPECT_EQ(undefined, expected[set - 1]) << "set " << set;
  }
}

TEST(CharSetUnicode, EveryLetterOfTheClassTablesIsACharacter) {
  for (int set = kFirstCharSet; set <= kLastCharSet; ++set) {
    const CharSetTables& tables = CharSetById(set);
    for (int byte = 0; byte < 256; ++byte) {
      if (tables.classes[byte] == 0) continue;
      EXPECT_TRUE(CharSetByteToUnicode(set, static_cast<unsigned char>(byte)))
          << "set " << set << " byte " << byte << " is classed but stands for nothing";
    }
  }
}

TEST(CharSetUnicode, CharactersOutsideASetAndBadSetsHaveNoByte) {
  EXPECT_FALSE(UnicodeToCharSetByte(1, 0x0416));     // Cyrillic Zhe is not in Windows-1252
  EXPECT_FALSE(UnicodeToCharSetByte(5, 0x00E9));     // e acute is not in ISO 8859-5
  EXPECT_FALSE(UnicodeToCharSetByte(1, 0x0081));     // a hole of Windows-1252, not a character
  EXPECT_EQ(UnicodeToCharSetByte(2, 0x0081), 0x81);  // ISO sets keep the C1 controls
  EXPECT_FALSE(UnicodeToCharSetByte(1, 0x1F600));    // beyond the 16-bit plane
  EXPECT_FALSE(UnicodeToCharSetByte(1, 0x10000 + 0xE9)) << "no truncation to 16 bits";
  EXPECT_FALSE(CharSetByteToUnicode(0, 'a'));
  EXPECT_FALSE(CharSetByteToUnicode(11, 'a'));
  EXPECT_FALSE(UnicodeToCharSetByte(11, 'a'));
}

TEST(CharSetUnicode, ExtensionEntryPointsGiveTheSameAnswers) {
  EXPECT_EQ(TROV_CharSetByteToUnicodeExt(2, 0xB1), 0x0105);  // a ogonek
  EXPECT_EQ(TROV_CharSetByteToUnicodeExt(3, 0xF8), 0x011D);  // g circumflex
  EXPECT_EQ(TROV_CharSetByteToUnicodeExt(5, 0xD0), 0x0430);  // Cyrillic a
  EXPECT_EQ(TROV_CharSetByteToUnicodeExt(3, 0xA5), -1);
  EXPECT_EQ(TROV_CharSetByteToUnicodeExt(0, 'a'), -1);
  EXPECT_EQ(TROV_UnicodeToCharSetByteExt(1, 0x0153), 0x9C);  // oe
  EXPECT_EQ(TROV_UnicodeToCharSetByteExt(1, 'z'), 'z');
  EXPECT_EQ(TROV_UnicodeToCharSetByteExt(5, 0x0491), -1);  // Ukrainian ghe with upturn
  EXPECT_EQ(TROV_UnicodeToCharSetByteExt(-1, 'a'), -1);
}

TEST(CharSetUnicode, ClassOfAnySetWithoutSelectingIt) {
  ASSERT_EQ(TROV_GetCharSet(), 1);
  EXPECT_EQ(TROV_CharSetClassExt(2, 0xB1), kClassLetter | kClassLower | kClassVowel);  // a ogonek
  EXPECT_EQ(TROV_CharSetClassExt(1, 0xB1), kClassPunctuation);                         // plus-minus
  EXPECT_EQ(TROV_CharSetClassExt(1, 0xB7), kClassPunctuation);  // middle dot joins no words
  EXPECT_EQ(TROV_CharSetClassExt(5, 0xA0), 0);                  // no-break space
  EXPECT_EQ(TROV_CharSetClassExt(11, 'a'), -1);
  EXPECT_EQ(TROV_GetCharSet(), 1) << "the selection is left alone";
}

}  // namespace
}  // namespace trov
