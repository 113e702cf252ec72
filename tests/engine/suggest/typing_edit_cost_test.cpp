#include "suggest/typing_edit_cost.h"

#include <gtest/gtest.h>

#include <string>

#include "suggest/keyboard_layout.h"

namespace {

using trov::NeighbouringKeys;
using trov::TypingEditCost;

TEST(KeyboardLayout, KeysTouchAlongTheRowAndAcrossTheStagger) {
  // 's' sits between 'a' and 'd', under 'w' and 'e', above 'z' and 'x'.
  for (char near : std::string("adwezx")) EXPECT_TRUE(NeighbouringKeys('s', near)) << near;
  for (char far : std::string("sqrcfl")) EXPECT_FALSE(NeighbouringKeys('s', far)) << far;
  // The bottom row is staggered half a key from the middle one: 'b' touches 'g' and 'h'.
  EXPECT_TRUE(NeighbouringKeys('b', 'g'));
  EXPECT_TRUE(NeighbouringKeys('b', 'h'));
  EXPECT_FALSE(NeighbouringKeys('b', 'f'));
  EXPECT_FALSE(NeighbouringKeys('b', 'j'));
}

TEST(KeyboardLayout, NeighbourhoodIsSymmetricAndOnlyForLowerCaseLetters) {
  for (unsigned char a = 'a'; a <= 'z'; ++a) {
    for (unsigned char b = 'a'; b <= 'z'; ++b) {
      EXPECT_EQ(NeighbouringKeys(a, b), NeighbouringKeys(b, a)) << a << b;
    }
  }
  EXPECT_FALSE(NeighbouringKeys('S', 'D'));
  EXPECT_FALSE(NeighbouringKeys('1', '2'));
  EXPECT_FALSE(NeighbouringKeys(0xE9, 'e'));
}

TEST(TypingEditCost, EqualWordsCostNothingAndPlainEditsCostOne) {
  EXPECT_EQ(TypingEditCost("", ""), 0.0);
  EXPECT_EQ(TypingEditCost("word", "word"), 0.0);
  EXPECT_DOUBLE_EQ(TypingEditCost("wxrd", "word"), 1.0);  // far keys, not two vowels
  EXPECT_DOUBLE_EQ(TypingEditCost("wrd", "word"), 1.0);
  EXPECT_DOUBLE_EQ(TypingEditCost("wobrd", "word"), 1.0);
  EXPECT_DOUBLE_EQ(TypingEditCost("", "abc"), 3.0);
  EXPECT_DOUBLE_EQ(TypingEditCost("abc", ""), 3.0);
}

TEST(TypingEditCost, CommonSlipsCostLessThanAPlainEdit) {
  EXPECT_DOUBLE_EQ(TypingEditCost("wprd", "word"), 0.6);          // 'p' beside 'o'
  EXPECT_DOUBLE_EQ(TypingEditCost("seperate", "separate"), 0.6);  // one vowel for another
  EXPECT_DOUBLE_EQ(TypingEditCost("wrod", "word"), 0.7);          // swapped neighbours
  EXPECT_DOUBLE_EQ(TypingEditCost("helo", "hello"), 0.4);         // a double typed once
  EXPECT_DOUBLE_EQ(TypingEditCost("wordd", "word"), 0.5);         // a letter typed twice
  // Two slips add up; the cheapest path counts.
  EXPECT_DOUBLE_EQ(TypingEditCost("acommodate", "accommodate"), 0.4);
  EXPECT_DOUBLE_EQ(TypingEditCost("recieve", "receive"), 0.7);
}

TEST(TypingEditCost, WordsLongerThanEightyCharactersAreCut) {
  const std::string base(80, 'a');
  EXPECT_EQ(TypingEditCost(base + "xyz", base), 0.0);
  EXPECT_EQ(TypingEditCost(base, base + "q"), 0.0);
  EXPECT_DOUBLE_EQ(TypingEditCost(std::string(79, 'a') + "x" + "tail", base), 1.0);
}

}  // namespace
