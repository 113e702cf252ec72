// The vector judging works the bound out lane by lane instead of reading it from the rows, and
// loads its sketches sixteen at a time, so it is held to the one-by-one judging on every kind of
// batch: tails shorter than sixteen, candidates longer than any word, classes held three times
// or more, floors below zero and empty words.
#include "scan/sketch_judging.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

#include "engine/lexicon/modulo_classes.h"

namespace trov {
namespace {

SketchClasses FewClasses() { return test::ModuloClasses(7); }

class SketchJudgingTest : public ::testing::TestWithParam<SketchJudging> {};

TEST_P(SketchJudgingTest, RulesOutWhatJudgingOneByOneRulesOut) {
  if (!CanJudgeBy(GetParam())) GTEST_SKIP() << "this processor cannot judge that way";
  const SketchClasses classes = FewClasses();
  std::mt19937 random(23);
  // Few classes and doubled letters make classes held three times or more common.
  const auto randomWord = [&](int longest) {
    std::string word(random() % (longest + 1), ' ');
    for (std::size_t i = 0; i < word.size(); ++i) {
      word[i] = i > 0 && random() % 4 == 0 ? word[i - 1] : static_cast<char>('a' + random() % 9);
    }
    return word;
  };
  int ruledOut = 0;
  int judged = 0;
  for (int round = 0; round < 3000; ++round) {
    const std::string word = randomWord(round % 10 == 0 ? 0 : 24);
    const ClassCounts counts(word, classes);
    ReachableScores reachable;
    reachable.Reset(static_cast<int>(word.size()), counts.Sketch().doubled);
    ReachableScores oneByOne;
    oneByOne.Reset(static_cast<int>(word.size()), counts.Sketch().doubled);

    // Exactly as many sketches as the batch holds, so no load may reach past them.
    std::vector<WordSketch> batch(1 + random() % 64);
    for (WordSketch& sketch : batch) {
      sketch = SketchOf(randomWord(random() % 8 == 0 ? 120 : 30), classes);
    }
    const int floor = static_cast<int>(random() % 103) - 2;
    const uint64_t expected =
        RuleOutSketchedBy(SketchJudging::kPortable, counts, oneByOne, batch, floor);
    const uint64_t got = RuleOutSketchedBy(GetParam(), counts, reachable, batch, floor);
    ASSERT_EQ(got, expected) << "word " << word << ", floor " << floor << ", batch of "
                             << batch.size();
    ASSERT_EQ(got >> (batch.size() - 1) >> 1, 0u) << "bits past the batch";
    ruledOut += std::popcount(got);
    judged += static_cast<int>(batch.size());
  }
  // The batches must have tried both answers many times over.
  EXPECT_GT(ruledOut, judged / 10);
  EXPECT_LT(ruledOut, judged - judged / 10);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, SketchJudgingTest,
                         ::testing::Values(SketchJudging::kBitCountInstruction,
                                           SketchJudging::kSixteenAtOnce));

// Scans judge by the fastest way the processor runs, through the same bound.
TEST(SketchJudging, ScansRuleOutWhatCannotBeatTheFloor) {
  const SketchClasses classes = FewClasses();
  const ClassCounts counts("abcabc", classes);
  ReachableScores reachable;
  reachable.Reset(6, 0);
  const std::vector<WordSketch> batch = {SketchOf("abcabc", classes),
                                         SketchOf("ggggggggg", classes)};
  // The word itself can score 100; a word of none of its classes cannot beat 60.
  EXPECT_EQ(RuleOutSketched(counts, reachable, batch, 60), 0b10u);
  EXPECT_EQ(RuleOutSketched(counts, reachable, batch, -1), 0u);
  EXPECT_TRUE(CanJudgeBy(SketchJudging::kPortable));
}

}  // namespace
}  // namespace trov
