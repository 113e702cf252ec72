// Sketches stand in for candidates a scan does not read, so what they count must never fall short
// of the words themselves.
#include "scan/word_sketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "engine/lexicon/modulo_classes.h"

namespace trov {
namespace {

// Every byte its own class modulo 32; 'a' and 'A' (and '!') share one.
SketchClasses ModuloClasses() { return test::ModuloClasses(32); }

// The characters of the two words that pair off one to one within their classes.
int PairedOff(const std::string& a, const std::string& b, const SketchClasses& classes) {
  std::array<int, 32> countA{};
  std::array<int, 32> countB{};
  for (char c : a) ++countA[classes[static_cast<unsigned char>(c)]];
  for (char c : b) ++countB[classes[static_cast<unsigned char>(c)]];
  int paired = 0;
  for (int k = 0; k < 32; ++k) paired += std::min(countA[k], countB[k]);
  return paired;
}

TEST(WordSketch, CountsClassesOnceTwiceAndDoubledCharacters) {
  const SketchClasses classes = ModuloClasses();
  const WordSketch letter = SketchOf("letter", classes);
  EXPECT_EQ(letter.length, 6);
  EXPECT_EQ(letter.doubled, 1);  // tt
  const auto bit = [&](char c) { return uint32_t{1} << classes[static_cast<unsigned char>(c)]; };
  EXPECT_EQ(letter.once, bit('l') | bit('e') | bit('t') | bit('r'));
  EXPECT_EQ(letter.twice, bit('e') | bit('t'));
  // Alike characters that are not the same byte are counted together but are no doubled letter.
  const WordSketch mixed = SketchOf("aA", classes);
  EXPECT_EQ(mixed.twice, bit('a'));
  EXPECT_EQ(mixed.doubled, 0);
  const WordSketch empty = SketchOf("", classes);
  EXPECT_EQ(empty.length, 0);
  EXPECT_EQ(empty.once, 0u);
  const WordSketch longest = SketchOf(std::string(kMaxSketched, 'z'), classes);
  EXPECT_EQ(longest.length, kMaxSketched);
  EXPECT_EQ(longest.doubled, kMaxSketched - 1);
}

TEST(WordSketch, PairsOffExactlyUpToTwiceAndNeverTooFewBeyond) {
  const SketchClasses classes = ModuloClasses();
  EXPECT_EQ(ClassCounts("letter", classes).MostAlike(SketchOf("better", classes)), 5);
  EXPECT_EQ(ClassCounts("abc", classes).MostAlike(SketchOf("xyz", classes)), 0);
  // A sketch knows a class only as held once or twice or more, so a word holding it four times
  // pairs off all four against one holding it twice or more, as far as that word's length goes.
  EXPECT_EQ(ClassCounts("eee", classes).MostAlike(SketchOf("eeee", classes)), 3);
  EXPECT_EQ(ClassCounts("eeee", classes).MostAlike(SketchOf("eeeeee", classes)), 4);
  EXPECT_EQ(ClassCounts("eeee", classes).MostAlike(SketchOf("xeex", classes)), 4);
  EXPECT_EQ(ClassCounts("eeee", classes).MostAlike(SketchOf("ee", classes)), 2);
  EXPECT_EQ(ClassCounts("eeee", classes).MostAlike(SketchOf("e", classes)), 1);

  std::mt19937 random(11);
  const std::string alphabet = "aAbBcdeeeffgg!";
  const auto randomWord = [&] {
    std::string word(1 + random() % 12, ' ');
    for (char& c : word) c = alphabet[random() % alphabet.size()];
    return word;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string a = randomWord();
    const std::string b = randomWord();
    const int exact = PairedOff(a, b, classes);
    const int counted = ClassCounts(a, classes).MostAlike(SketchOf(b, classes));
    ASSERT_GE(counted, exact) << a << " / " << b;
    ASSERT_LE(counted, static_cast<int>(b.size())) << a << " / " << b;
    // Only a class the word holds three times or more can be counted over.
    std::array<int, 32> inA{};
    for (char c : a) ++inA[classes[static_cast<unsigned char>(c)]];
    if (std::all_of(inA.begin(), inA.end(), [](int n) { return n <= 2; })) {
      ASSERT_EQ(counted, exact) << a << " / " << b;
    }
  }
}

// Resuming from the characters shared with the word before must give the sketch made afresh,
// whatever is shared: nothing, a doubled letter cut in two, a whole word, the longest word.
TEST(WordSketch, RunningSketchesMatchFreshOnes) {
  const SketchClasses classes = ModuloClasses();
  const SketchClassBits bits = ClassBitsOf(classes);
  std::mt19937 random(13);
  std::vector<std::string> words = {
      "", "a", "aa", "aab", "aab", "aabb", "ab", "b", std::string(kMaxSketched, 'z')};
  for (int i = 0; i < 3000; ++i) {
    std::string word(random() % 14, ' ');
    for (char& c : word) c = "aabbcdeE!"[random() % 9];
    words.push_back(word);
  }
  std::sort(words.begin(), words.end());
  RunningSketcher sketcher(bits);
  std::string previous;
  for (const std::string& word : words) {
    std::size_t shared = 0;
    while (shared < std::min(word.size(), previous.size()) && word[shared] == previous[shared]) {
      ++shared;
    }
    const WordSketch running = sketcher.Next(word, shared);
    const WordSketch fresh = SketchOf(word, classes);
    ASSERT_EQ(running.once, fresh.once) << previous << " / " << word;
    ASSERT_EQ(running.twice, fresh.twice) << previous << " / " << word;
    ASSERT_EQ(running.length, fresh.length) << previous << " / " << word;
    ASSERT_EQ(running.doubled, fresh.doubled) << previous << " / " << word;
    previous = word;
  }
}

// Both ways of counting bits must agree with counting them one by one, at the ends of the word
// and with every bit set.
TEST(BitCount, CountsEveryBit) {
  std::mt19937_64 random(5);
  std::vector<uint64_t> masks = {0, ~uint64_t{0}, uint64_t{1} << 63, 1, 0x8000000000000001ull};
  for (int i = 0; i < 2000; ++i) masks.push_back(random() & random());
  for (const uint64_t mask : masks) {
    int oneByOne = 0;
    for (int bit = 0; bit < 64; ++bit) oneByOne += static_cast<int>((mask >> bit) & 1);
    ASSERT_EQ(PortableBitCount::Of(mask), oneByOne) << mask;
#ifdef TROV_BIT_COUNT_INSTRUCTION
    ASSERT_EQ(InstructionBitCount::Of(mask), oneByOne) << mask;
#endif
  }
}

}  // namespace
}  // namespace trov
