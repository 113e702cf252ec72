#include "suggest/typo_score.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "engine/suggest/word_buffers.h"
#include "text/charset.h"

namespace trov {
namespace {

class TypoScoreTest : public ::testing::Test {
 protected:
  void SetUp() override { SelectCharSet(1); }
  void TearDown() override { SelectCharSet(1); }
};

TEST_F(TypoScoreTest, WorkedValues) {
  EXPECT_EQ(TypoScore("test", "test"), 100);
  EXPECT_EQ(TypoScore("Test", "test"), 98);
  EXPECT_EQ(TypoScore("tset", "test"), 87);
  EXPECT_EQ(TypoScore("teh", "the"), 83);
  EXPECT_EQ(TypoScore("helo", "hello"), 96);
  EXPECT_EQ(TypoScore("adresss", "address"), 91);
  EXPECT_EQ(TypoScore("abc", "abcde"), 80);
  EXPECT_EQ(TypoScore("cat", "dog"), 20);
  EXPECT_EQ(TypoScore("a", "b"), 0);
  EXPECT_EQ(TypoScore("wrod", "word"), 87);
  EXPECT_EQ(TypoScore("fone", "phone"), 71);
  EXPECT_EQ(TypoScore("kat", "cats"), 67);
}

TEST_F(TypoScoreTest, CaseAndAccentDifferences) {
  EXPECT_EQ(TypoScore("e", "E"), 95);
  EXPECT_EQ(TypoScore("E", "e"), 95);
  EXPECT_EQ(TypoScore("e", "\xE9"), 95);  // é
  EXPECT_EQ(TypoScore("e", "\xC9"), 90);  // É
  EXPECT_EQ(TypoScore("\xC9", "\xE9"), 95);
  EXPECT_EQ(TypoScore("Word", "word"), 98);  // (95 + 300) / 4
  EXPECT_LT(TypoScore("Word", "word"), 100);
}

TEST_F(TypoScoreTest, SwappedNeighbours) {
  EXPECT_EQ(TypoScore("ea", "ae"), 80);    // two vowels: 160 for two positions
  EXPECT_EQ(TypoScore("bac", "abc"), 83);  // (150 + 100) / 3
  // A swap costs less than two substitutions.
  EXPECT_GT(TypoScore("wrod", "word"), TypoScore("wxyd", "word"));
  EXPECT_EQ(TypoScore("ab", "ba"), 75);
  EXPECT_EQ(TypoScore("abx", "ba"), 66);  // (150 + 50) / 3
  // A swap needs a next character in both words: here 'a' is an extra character.
  EXPECT_EQ(TypoScore("ab", "b"), 75);  // (50 + 100) / 2
}

TEST_F(TypoScoreTest, ExtraAndMissingCharacters) {
  EXPECT_EQ(TypoScore("bok", "book"), 93);    // doubled vowel typed once: 75
  EXPECT_EQ(TypoScore("book", "bok"), 93);    // typed twice: 75
  EXPECT_EQ(TypoScore("hello", "helo"), 96);  // doubled consonant: 80
  EXPECT_EQ(TypoScore("cart", "cat"), 87);    // any other extra character: 50
  EXPECT_EQ(TypoScore("cat", "cart"), 87);
  EXPECT_EQ(TypoScore("abbc", "abc"), 95);  // (300 + 80) / 4
  EXPECT_EQ(TypoScore("aab", "ab"), 91);    // (200 + 75) / 3
  // An extra character doubles a letter only when both words have that letter just before.
  EXPECT_EQ(TypoScore("axbc", "abc"), 87);  // (300 + 50) / 4
  EXPECT_EQ(TypoScore("xab", "ab"), 83);    // first position: (50 + 200) / 3
  // Trailing characters of either word count 50 each.
  EXPECT_EQ(TypoScore("abcde", "abc"), 80);
}

TEST_F(TypoScoreTest, SubstitutionsUseLetterSimilarity) {
  EXPECT_EQ(TypoScore("m", "n"), 60);
  EXPECT_EQ(TypoScore("c", "t"), 0);      // row C, column T
  EXPECT_EQ(TypoScore("t", "c"), 20);     // row T, column C
  EXPECT_EQ(TypoScore("\xE9", "a"), 40);  // é is compared as its base letter E
  // Non-letters earn nothing.
  EXPECT_EQ(TypoScore("1", "2"), 0);
  EXPECT_EQ(TypoScore("a1c", "a2c"), 66);
  EXPECT_EQ(TypoScore("a", "-"), 0);
}

TEST_F(TypoScoreTest, LettersWithoutBaseLetter) {
  // Š and š have no base letter: a letter against its other case is a case difference, any
  // other pair earns nothing.
  EXPECT_EQ(TypoScore("\x8A", "\x9A"), 95);
  EXPECT_EQ(TypoScore("\x8A", "s"), 0);
  EXPECT_EQ(TypoScore("\x8A", "\x8E"), 0);
  SelectCharSet(5);
  EXPECT_EQ(TypoScore("\xB0\xD1", "\xD0\xD1"), 97);  // Cyrillic capital against small letter
  EXPECT_EQ(TypoScore("\xB0", "\xD1"), 0);
}

TEST_F(TypoScoreTest, EmptyWords) {
  EXPECT_EQ(TypoScore("", ""), 0);
  EXPECT_EQ(TypoScore("", "abc"), 0);
  EXPECT_EQ(TypoScore("abc", ""), 0);
  // Nothing aligned scores 0 even though leftovers would earn 50 each.
  EXPECT_EQ(TypoScore("xyz", "qqq"), 0);
}

TEST_F(TypoScoreTest, LetterSimilarityTable) {
  // The five pairs that differ by direction: {row, column, value, mirrored value}.
  struct Asymmetric {
    char row, column;
    int value, mirrored;
  };
  const Asymmetric asymmetric[] = {
      {'C', 'T', 0, 20}, {'D', 'T', 20, 5}, {'E', 'T', 5, 10}, {'G', 'T', 10, 0}, {'L', 'O', 5, 0}};
  int differing = 0;
  for (unsigned char row = 'A'; row <= 'Z'; ++row) {
    EXPECT_EQ(LetterSimilarity(row, row), 100);
    for (unsigned char column = row + 1; column <= 'Z'; ++column) {
      if (LetterSimilarity(row, column) != LetterSimilarity(column, row)) ++differing;
      EXPECT_GE(LetterSimilarity(row, column), 0);
      EXPECT_LT(LetterSimilarity(row, column), 100);
    }
  }
  EXPECT_EQ(differing, 5);
  for (const Asymmetric& pair : asymmetric) {
    EXPECT_EQ(LetterSimilarity(pair.row, pair.column), pair.value) << pair.row << pair.column;
    EXPECT_EQ(LetterSimilarity(pair.column, pair.row), pair.mirrored) << pair.row << pair.column;
  }
  // Spot checks across the grid.
  EXPECT_EQ(LetterSimilarity('A', 'Q'), 40);
  EXPECT_EQ(LetterSimilarity('F', 'V'), 30);
  EXPECT_EQ(LetterSimilarity('S', 'Z'), 25);
  EXPECT_EQ(LetterSimilarity('Z', 'X'), 20);
  EXPECT_EQ(LetterSimilarity('I', 'L'), 25);
  EXPECT_EQ(LetterSimilarity('Y', 'U'), 20);
  EXPECT_EQ(LetterSimilarity('B', 'Z'), 0);
  // Outside A-Z there is no value.
  EXPECT_EQ(LetterSimilarity('a', 'a'), 0);
  EXPECT_EQ(LetterSimilarity('@', 'A'), 0);
  EXPECT_EQ(LetterSimilarity('A', '['), 0);
  EXPECT_EQ(LetterSimilarity(0x8A, 0x8A), 0);
}

TEST_F(TypoScoreTest, LongWords) {
  const std::string word(80, 'q');
  const std::string other = std::string(79, 'q') + "z";
  EXPECT_EQ(TypoScore(word.c_str(), word.c_str()), 100);
  EXPECT_EQ(TypoScore(word.c_str(), other.c_str()), 98);  // 7900 / 80
  EXPECT_EQ(TypoScore(word.c_str(), "q"), 50);            // (100 + 79 * 50) / 80
}

// Any pair of 8-bit words, in every set: the score stays in 0..100, reaches 100 only for equal
// words, and the walk never reads past either terminator (words sit in exact-size blocks).
TEST_F(TypoScoreTest, BoundsOverRandomWords) {
  std::mt19937 random(20240611);
  for (int setId = kFirstCharSet; setId <= kLastCharSet; ++setId) {
    SelectCharSet(setId);
    for (int i = 0; i < 3000; ++i) {
      // Half the pairs from a small alphabet, so swaps, doublings and accents actually occur.
      const std::string alphabet = i % 2 ? "aeEo\xE9\xC9l\xDF" : "";
      const std::string a = test::RandomWord(random, 80, alphabet);
      const std::string b = test::RandomWord(random, 80, alphabet);
      const auto wordA = test::ExactCopy(a);
      const auto wordB = test::ExactCopy(b);
      const int16_t score = TypoScore(wordA.get(), wordB.get());
      ASSERT_GE(score, 0) << setId << " [" << a << "] [" << b << "]";
      ASSERT_LE(score, 100) << setId << " [" << a << "] [" << b << "]";
      ASSERT_EQ(score == 100, !a.empty() && a == b) << setId << " [" << a << "] [" << b << "]";
      ASSERT_EQ(TypoScore(wordA.get(), wordA.get()), a.empty() ? 0 : 100);
    }
  }
}

}  // namespace
}  // namespace trov
