#include "text/charset.h"

#include <gtest/gtest.h>

#include <vector>

namespace trov {
namespace {

constexpr uint8_t kUpperLetter = kClassLetter | kClassUpper;
constexpr uint8_t kUpperVowel = kClassLetter | kClassUpper | kClassVowel;
constexpr uint8_t kLowerLetter = kClassLetter | kClassLower;
constexpr uint8_t kLowerVowel = kClassLetter | kClassLower | kClassVowel;

// The selection is process-wide: every test that changes it puts set 1 back.
class CharSetChoice : public ::testing::Test {
 protected:
  void TearDown() override { SelectCharSet(1); }
};

struct Expected {
  int code;
  uint8_t classes;
  uint8_t base;
  uint8_t lower;
  uint8_t upper;
};

void ExpectEntries(int setId, const std::vector<Expected>& entries) {
  const CharSetTables& set = CharSetById(setId);
  for (const Expected& e : entries) {
    SCOPED_TRACE(::testing::Message() << "set " << setId << " code " << std::hex << e.code);
    EXPECT_EQ(set.classes[e.code], e.classes);
    EXPECT_EQ(set.base[e.code], e.base);
    EXPECT_EQ(set.lower[e.code], e.lower);
    EXPECT_EQ(set.upper[e.code], e.upper);
  }
}

TEST(CharSetTables, Set1WesternLetters) {
  ExpectEntries(1, {
                       {0xC9, kUpperVowel, 'E', 0xE9, 0xC9},      // É
                       {0xE9, kLowerVowel, 'E', 0xE9, 0xC9},      // é
                       {0xDF, kLowerLetter, 'S', 0xDF, 0xDF},     // ß has no upper case
                       {0xD7, kClassPunctuation, 0, 0xD7, 0xD7},  // ×
                       {0xF7, kClassPunctuation, 0, 0xF7, 0xF7},  // ÷
                       {0xAA, kClassPunctuation, 0, 0xAA, 0xAA},  // ª
                       {0xB5, kClassPunctuation, 0, 0xB5, 0xB5},  // µ
                       {0xBA, kClassPunctuation, 0, 0xBA, 0xBA},  // º
                       {0xA0, 0, 0, 0xA0, 0xA0},                  // no-break space
                       {0x8A, kUpperLetter, 0, 0x9A, 0x8A},       // Š
                       {0x9A, kLowerLetter, 0, 0x9A, 0x8A},       // š
                       {0x8C, kUpperVowel, 0, 0x9C, 0x8C},        // Œ
                       {0xFF, kLowerLetter, 'Y', 0xFF, 0x9F},     // ÿ
                       {0x9F, kUpperLetter, 0, 0xFF, 0x9F},       // Ÿ
                       {0xD0, kUpperLetter, 0, 0xF0, 0xD0},       // Ð
                       {0xF0, kLowerVowel, 0, 0xF0, 0xD0},
                       {0xD1, kUpperLetter, 'N', 0xF1, 0xD1},  // Ñ
                       {0x91, 0, 0, 0x91, 0x91},
                       {0x92, kClassPunctuation, 0, 0x92, 0x92},
                   });
}

TEST(CharSetTables, Set2CentralEuropean) {
  ExpectEntries(2, {
                       {0x8A, 0, 0, 0x8A, 0x8A},              // no letter outside set 1
                       {0xA1, kUpperVowel, 'A', 0xB1, 0xA1},  // Ą
                       {0xB1, kLowerVowel, 'A', 0xB1, 0xA1},
                       {0xA9, kUpperLetter, 'S', 0xB9, 0xA9},  // Š
                       {0xC8, kUpperLetter, 'C', 0xE8, 0xC8},  // Č
                       {0xFE, kLowerLetter, 'T', 0xFE, 0xDE},
                       {0xDF, kUpperLetter, 'S', 0xDF, 0xDF},
                       {0xFF, kLowerLetter, 0, 0xFF, 0xDF},
                       {0xBD, kClassPunctuation, 0, 0xBD, 0xBD},
                       {0xA0, 0, 0, 0xA0, 0xA0},
                   });
}

TEST(CharSetTables, Set3SouthEuropean) {
  ExpectEntries(3, {
                       {0xA1, kUpperLetter, 'H', 0xB1, 0xA1},
                       {0xA9, kUpperVowel, 'I', 0xB9, 0xA9},
                       {0xC3, 0, 0, 0xC3, 0xC3},  // undefined code
                       {0xD5, kUpperLetter, 'G', 0xF5, 0xD5},
                       {0xE3, 0, 0, 0xE3, 0xE3},
                       {0xFE, kLowerLetter, 'S', 0xFE, 0xDE},
                       {0xDF, kUpperLetter, 'S', 0xDF, 0xDF},
                       {0xBC, kLowerLetter, 'J', 0xBC, 0xAC},
                   });
}

TEST(CharSetTables, Set4NorthEuropean) {
  ExpectEntries(4, {
                       {0xA2, kUpperLetter, 'K', 0xA2, 0xA2},
                       {0xA3, kUpperLetter, 'R', 0xB3, 0xA3},
                       {0xDF, kUpperLetter, 'A', 0xDF, 0xDF},
                       {0xF2, kLowerVowel, 'K', 0xF2, 0xD2},
                       {0xF7, kClassPunctuation, 0, 0xF7, 0xF7},  // punctuation has no base
                       {0xF8, kLowerVowel, 'U', 0xF8, 0xD8},
                       {0xFF, kClassPunctuation, 0, 0xFF, 0xFF},
                       {0xBD, kLowerLetter, 'N', 0xBD, 0xBD},
                   });
}

TEST(CharSetTables, Set5CyrillicHasNoBaseLetters) {
  ExpectEntries(5, {
                       {0xB0, kUpperLetter, 0, 0xD0, 0xB0},
                       {0xCF, kUpperVowel, 0, 0xEF, 0xCF},
                       {0xD0, kLowerLetter, 0, 0xD0, 0xB0},
                       {0xEF, kLowerVowel, 0, 0xEF, 0xCF},
                       {0xA1, kUpperLetter, 0, 0xF1, 0xA1},
                       {0xF1, kLowerLetter, 0, 0xF1, 0xA1},
                       {0xA7, kUpperLetter, 0, 0xA7, 0xA7},  // no lower-case partner listed
                       {0xAD, kClassPunctuation, 0, 0xAD, 0xAD},
                       {0xF0, kClassPunctuation, 0, 0xF0, 0xF0},
                   });
  for (int code = 0x80; code <= 0xFF; ++code) EXPECT_EQ(CharSetById(5).base[code], 0) << code;
}

TEST(CharSetTables, Sets6And8LettersHaveNoCase) {
  ExpectEntries(6, {
                       {0xC1, kUpperLetter, 0, 0xC1, 0xC1},
                       {0xF2, kUpperLetter, 0, 0xF2, 0xF2},
                       {0xBF, kClassPunctuation, 0, 0xBF, 0xBF},
                       {0xDB, 0, 0, 0xDB, 0xDB},
                   });
  ExpectEntries(8, {
                       {0xE0, kUpperLetter, 0, 0xE0, 0xE0},
                       {0xFA, kUpperLetter, 0, 0xFA, 0xFA},
                       {0xDF, kClassPunctuation, 0, 0xDF, 0xDF},
                       {0xFB, 0, 0, 0xFB, 0xFB},
                   });
  for (int setId : {6, 8}) {
    const CharSetTables& set = CharSetById(setId);
    for (int code = 0x80; code <= 0xFF; ++code) {
      EXPECT_FALSE(set.classes[code] & kClassLower) << setId << " " << code;
      EXPECT_EQ(set.lower[code], code) << setId << " " << code;
      EXPECT_EQ(set.upper[code], code) << setId << " " << code;
    }
  }
}

TEST(CharSetTables, Set7Greek) {
  ExpectEntries(7, {
                       {0xC1, kUpperVowel, 0, 0xE1, 0xC1},
                       {0xE1, kLowerVowel, 0, 0xE1, 0xC1},
                       {0xD2, 0, 0, 0xD2, 0xD2},
                       {0xF2, kLowerLetter, 0, 0xF2, 0xF2},  // final sigma keeps its form
                       {0xDF, kLowerVowel, 0, 0xDF, 0xBF},
                       {0xB6, kUpperVowel, 0, 0xB6, 0xB6},
                   });
}

TEST(CharSetTables, Set9Turkish) {
  ExpectEntries(9, {
                       {0xD0, kUpperLetter, 'G', 0xF0, 0xD0},
                       {0xDD, kUpperVowel, 'I', 0xFD, 0xDD},
                       {0xFD, kLowerVowel, 'I', 0xFD, 0xDD},
                       {0xFE, kLowerLetter, 'S', 0xFE, 0xDE},
                       {0xFF, kLowerLetter, 'Y', 0xFF, 0xDF},
                       {0xAA, kClassPunctuation, 0, 0xAA, 0xAA},
                   });
}

TEST(CharSetTables, Set10Nordic) {
  ExpectEntries(10, {
                        {0xA1, kUpperVowel, 'A', 0xB1, 0xA1},
                        {0xA6, kUpperLetter, 'K', 0xB6, 0xA6},
                        {0xD7, kUpperVowel, 'U', 0xD7, 0xD7},  // outside the +0x20 run
                        {0xF7, kLowerVowel, 'U', 0xF7, 0xF7},
                        {0xDE, kUpperLetter, 'P', 0xFE, 0xDE},
                        {0xFF, kLowerLetter, 'K', 0xFF, 0xDF},
                        {0xBD, kLowerLetter, 0, 0xBD, 0xBD},
                        {0xB7, kClassPunctuation, 0, 0xB7, 0xB7},
                    });
}

// The lower half, written out independently of the lists the tables are built from.
uint8_t AsciiClass(int c) {
  const bool vowel = c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U' || c == 'a' ||
                     c == 'e' || c == 'i' || c == 'o' || c == 'u';
  if (c >= 'A' && c <= 'Z') return vowel ? kUpperVowel : kUpperLetter;
  if (c >= 'a' && c <= 'z') return vowel ? kLowerVowel : kLowerLetter;
  if (c >= '0' && c <= '9') return kClassDigit;
  if (c == '\t' || c == '\n' || c == '\r' || c == ' ') return kClassSpace;
  if (c > ' ' && c <= 0x7F) return kClassPunctuation;
  return 0;
}

TEST(CharSetTables, LowerHalfIsAsciiInEverySet) {
  for (int setId = kFirstCharSet; setId <= kLastCharSet; ++setId) {
    const CharSetTables& set = CharSetById(setId);
    for (int c = 0; c < 0x80; ++c) {
      SCOPED_TRACE(::testing::Message() << "set " << setId << " code " << c);
      const bool upper = c >= 'A' && c <= 'Z';
      const bool lower = c >= 'a' && c <= 'z';
      EXPECT_EQ(set.classes[c], AsciiClass(c));
      EXPECT_EQ(set.lower[c], upper ? c + 0x20 : c);
      EXPECT_EQ(set.upper[c], lower ? c - 0x20 : c);
      EXPECT_EQ(set.base[c], upper ? c : (lower ? c - 0x20 : 0));
    }
  }
  EXPECT_EQ(CharSetById(1).classes[0x0B], 0);
  EXPECT_EQ(CharSetById(1).classes[0x0C], 0);
  EXPECT_EQ(CharSetById(1).classes['Y'], kUpperLetter);
}

TEST(CharSetTables, InvariantsHoldInEverySet) {
  for (int setId = kFirstCharSet; setId <= kLastCharSet; ++setId) {
    const CharSetTables& set = CharSetById(setId);
    for (int c = 0; c < 256; ++c) {
      SCOPED_TRACE(::testing::Message() << "set " << setId << " code " << c);
      const uint8_t cls = set.classes[c];
      const bool letter = cls & kClassLetter;
      const int caseBits = ((cls & kClassLower) ? 1 : 0) + ((cls & kClassUpper) ? 1 : 0);
      // A letter has exactly one case; nothing else has a case or is a vowel.
      EXPECT_EQ(caseBits, letter ? 1 : 0);
      if (cls & kClassVowel) {
        EXPECT_TRUE(letter);
      }
      if (!letter) {
        EXPECT_TRUE(cls == 0 || cls == kClassDigit || cls == kClassPunctuation ||
                    cls == kClassSpace);
      }
      // Base letters only for letters, and only A-Z.
      if (set.base[c] != 0) {
        EXPECT_TRUE(letter);
        EXPECT_GE(set.base[c], 'A');
        EXPECT_LE(set.base[c], 'Z');
      }
      // The maps only move letters to the other case.
      if (set.lower[c] != c) {
        EXPECT_TRUE(cls & kClassUpper);
        EXPECT_TRUE(set.classes[set.lower[c]] & kClassLower);
      }
      if (set.upper[c] != c) {
        EXPECT_TRUE(cls & kClassLower);
        EXPECT_TRUE(set.classes[set.upper[c]] & kClassUpper);
      }
      // Where both directions are mapped they undo each other.
      const uint8_t up = set.upper[c];
      if (up != c && set.lower[up] != up) {
        EXPECT_EQ(set.lower[up], c);
      }
      const uint8_t down = set.lower[c];
      if (down != c && set.upper[down] != down) {
        EXPECT_EQ(set.upper[down], c);
      }
    }
    EXPECT_EQ(set.classes[0xA0], 0) << setId;
    if (setId != 1) {
      // Only set 1 places letters among the codes 80-9F.
      for (int c = 0x80; c <= 0x9F; ++c) EXPECT_EQ(set.classes[c], 0) << setId << " " << c;
    }
  }
}

TEST_F(CharSetChoice, SelectionChangesEveryTableAtOnce) {
  ASSERT_TRUE(SelectCharSet(5));
  EXPECT_EQ(SelectedCharSetId(), 5);
  EXPECT_EQ(&SelectedCharSet(), &CharSetById(5));
  EXPECT_EQ(ToLower(0xB0), 0xD0);
  EXPECT_EQ(ToUpper(0xF1), 0xA1);
  EXPECT_TRUE(IsUpper(0xB0));
  EXPECT_EQ(BaseLetter(0xC9), 0);

  ASSERT_TRUE(SelectCharSet(1));
  EXPECT_EQ(SelectedCharSetId(), 1);
  EXPECT_EQ(ToLower(0xB0), 0xB0);
  EXPECT_EQ(ToLower(0xC9), 0xE9);
  EXPECT_EQ(BaseLetter(0xC9), 'E');
  EXPECT_TRUE(IsVowel(0xC9));
  EXPECT_FALSE(IsVowel('y'));
  EXPECT_TRUE(IsAlphanumeric('7'));
  EXPECT_FALSE(IsAlphanumeric(0xA0));
  EXPECT_TRUE(IsSpace('\r'));
  EXPECT_TRUE(IsDigit('0'));
  EXPECT_TRUE(IsLetter(0xDF));
  EXPECT_TRUE(IsLower(0xDF));
}

TEST_F(CharSetChoice, InvalidIdsLeaveSelectionUnchanged) {
  ASSERT_TRUE(SelectCharSet(10));
  for (int id : {0, 11, -1, 1000}) {
    EXPECT_FALSE(SelectCharSet(id)) << id;
    EXPECT_EQ(SelectedCharSetId(), 10) << id;
  }
  for (int id = kFirstCharSet; id <= kLastCharSet; ++id) {
    EXPECT_TRUE(SelectCharSet(id));
    EXPECT_EQ(SelectedCharSetId(), id);
  }
}

std::vector<int> EnumerateBase(unsigned char base) {
  std::vector<int> codes;
  for (int code = NextWithSameBase(base, 0); code != 0; code = NextWithSameBase(base, code)) {
    codes.push_back(code);
  }
  return codes;
}

TEST_F(CharSetChoice, NextWithSameBaseEnumeratesInCodeOrder) {
  EXPECT_EQ(EnumerateBase('E'),
            (std::vector<int>{0x45, 0x65, 0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB}));
  EXPECT_EQ(EnumerateBase('S'), (std::vector<int>{0x53, 0x73, 0xDF}));
  EXPECT_EQ(EnumerateBase('B'), (std::vector<int>{0x42, 0x62}));
  EXPECT_EQ(NextWithSameBase('E', 0xC9), 0xCA);
  EXPECT_EQ(NextWithSameBase('E', 0xEB), 0);
  EXPECT_EQ(NextWithSameBase('E', 0xFF), 0);
  EXPECT_EQ(NextWithSameBase('A', -5), 0x41);
  EXPECT_EQ(NextWithSameBase('Y', 0xFD), 0xFF);

  SelectCharSet(2);
  EXPECT_EQ(EnumerateBase('Z'), (std::vector<int>{0x5A, 0x7A, 0xAC, 0xAE, 0xAF, 0xBC, 0xBE, 0xBF}));
  SelectCharSet(5);
  EXPECT_EQ(EnumerateBase('E'), (std::vector<int>{0x45, 0x65}));
}

TEST_F(CharSetChoice, Comparisons) {
  EXPECT_EQ(CaselessCompare("Apple", "aPPLE"), 0);
  EXPECT_EQ(ExactCompare("Apple", "aPPLE"), -1);
  EXPECT_EQ(ExactCompare("aPPLE", "Apple"), 1);
  EXPECT_EQ(ExactCompare("", ""), 0);
  EXPECT_EQ(ExactCompare("abc", "abc"), 0);
  EXPECT_EQ(ExactCompare("abc", "abcd"), -1);
  EXPECT_EQ(ExactCompare("abcd", "abc"), 1);
  EXPECT_EQ(ExactCompare("", "a"), -1);
  // Bytes compare unsigned: é (E9) sorts after z.
  EXPECT_EQ(ExactCompare("\xE9", "z"), 1);
  EXPECT_EQ(CaselessCompare("\xC9T\xC9", "\xE9t\xE9"), 0);
  EXPECT_EQ(CaselessCompare("ABC", "abd"), -1);
  EXPECT_EQ(CaselessCompare("ab", "AB C"), -1);
  EXPECT_EQ(CaselessCompare("\xDE", "\xFE"), 0);
  // Caseless compare goes through the selected set.
  EXPECT_NE(CaselessCompare("\xB0", "\xD0"), 0);
  SelectCharSet(5);
  EXPECT_EQ(CaselessCompare("\xB0", "\xD0"), 0);
  EXPECT_EQ(CaselessCompare("\xDE", "\xFE"), -1);
}

TEST_F(CharSetChoice, PatternMatching) {
  EXPECT_EQ(CaselessPatternMatch("c?t", "CAT"), 100);
  EXPECT_EQ(PatternMatch("c?t", "cart"), 0);
  EXPECT_EQ(PatternMatch("c?t", "cat"), 100);
  EXPECT_EQ(PatternMatch("c?t", "CAT"), 0);
  EXPECT_EQ(PatternMatch("c??t", "cart"), 100);
  EXPECT_EQ(PatternMatch("cat", "cats"), 0);
  EXPECT_EQ(PatternMatch("cats", "cat"), 0);
  EXPECT_EQ(PatternMatch("ca?", "ca"), 0);   // '?' needs a character
  EXPECT_EQ(PatternMatch("cat", "c?t"), 0);  // '?' in the word is no wildcard
  EXPECT_EQ(PatternMatch("", ""), 100);
  EXPECT_EQ(PatternMatch("?", ""), 0);
  EXPECT_EQ(PatternMatch("???", "\xE9t\xE9"), 100);
  EXPECT_EQ(CaselessPatternMatch("\xE9?\xE9", "\xC9T\xC9"), 100);
  SelectCharSet(5);
  EXPECT_EQ(CaselessPatternMatch("\xFE?\xFE", "\xDEt\xDE"), 0);
  EXPECT_EQ(CaselessPatternMatch("\xD0?", "\xB0\xB1"), 100);
}

}  // namespace
}  // namespace trov
