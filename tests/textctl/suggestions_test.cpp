#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "check_fixture.h"
#include "check_loop.h"

namespace {

using vantor_test::CheckLoopTest;

using Ranked = std::vector<std::pair<std::string, int16_t>>;

class CheckLoopSuggest : public CheckLoopTest {
 protected:
  // What the engine itself ranks for word at depth, up to count entries.
  Ranked EngineList(const char* word, int16_t depth, int16_t count) {
    std::vector<char> words(static_cast<std::size_t>(count) * TROV_WORD_BUFFER + 1);
    std::vector<int16_t> scores(static_cast<std::size_t>(count));
    EXPECT_EQ(TROV_Suggest(core.Session(), word, depth, words.data(),
                           static_cast<int32_t>(words.size()), scores.data(), count),
              0);
    Ranked ranked;
    const char* next = words.data();
    for (std::size_t i = 0; i < scores.size() && *next != '\0'; ++i) {
      ranked.emplace_back(next, scores[i]);
      next += ranked.back().first.size() + 1;
    }
    return ranked;
  }

  Ranked LoopList() {
    Ranked ranked;
    for (int16_t i = 0; i < loop.SuggestionCount(); ++i) {
      ranked.emplace_back(loop.Suggestion(i), core.State().suggestions[i].score);
    }
    return ranked;
  }
};

TEST_F(CheckLoopSuggest, RepeatedRequestsSearchDeeperUpToOneHundred) {
  loop.SetMisspelledWord("qat");
  core.SetSuggestionDepthIncrement(30);
  EXPECT_EQ(core.SuggestionDepth(), 50);
  core.SetErrorCode(-4);
  loop.Suggest();
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(core.SuggestionDepth(), 80);
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 100);
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 100);

  // Setting the word starts again from the shallowest depth, even for the same word; the word
  // of the last search then goes on from the depth the host set.
  loop.SetMisspelledWord("qat");
  EXPECT_EQ(core.SuggestionDepth(), 50);
  core.SetSuggestionDepth(60);
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 90);

  // Another word than the last search's starts from the minimum whatever depth was set.
  loop.SetMisspelledWord("dgo");
  core.SetSuggestionDepth(90);
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 80);

  // A word found by the check counts as another word too.
  Attach("the qat");
  loop.Resume();
  core.SetMinSuggestionDepth(20);
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 50);
}

TEST_F(CheckLoopSuggest, TheListHoldsTheEngineRankingWithinTheScoreLimits) {
  loop.SetMisspelledWord("qat");
  const Ranked all = EngineList("qat", 50, 16);
  ASSERT_FALSE(all.empty());
  // The defaults: at least 50, and at most 20 below the first.
  Ranked expected;
  for (const auto& entry : all) {
    if (entry.second < 50 || entry.second < all.front().second - 20) break;
    expected.push_back(entry);
  }
  ASSERT_LT(expected.size(), all.size()) << "the limits must cut this list for the test to show";
  loop.Suggest();
  EXPECT_EQ(LoopList(), expected);
  EXPECT_EQ(loop.Suggestion(-1), "");
  EXPECT_EQ(loop.Suggestion(loop.SuggestionCount()), "");
  EXPECT_EQ(loop.Suggestion(0), all[0].first);
}

TEST_F(CheckLoopSuggest, EntriesBelowTheMinimumOrTooFarBelowTheTopAreDropped) {
  loop.SetMisspelledWord("dgo");
  const Ranked all = EngineList("dgo", 50, 16);
  ASSERT_FALSE(all.empty());
  const int16_t top = all.front().second;

  // Nothing reaches a minimum above the best score.
  core.SetMinSuggestionScore(static_cast<int16_t>(top + 1));
  loop.Suggest();
  EXPECT_EQ(loop.SuggestionCount(), 0);

  // A range of 0 keeps only the entries that score as high as the first.
  loop.SetMisspelledWord("dgo");
  core.SetMinSuggestionScore(0);
  core.SetSuggestionScoreRange(0);
  loop.Suggest();
  Ranked expected;
  for (const auto& entry : all) {
    if (entry.second < top) break;
    expected.push_back(entry);
  }
  EXPECT_EQ(LoopList(), expected);
}

TEST_F(CheckLoopSuggest, MaxSuggestionsBoundsTheList) {
  loop.SetMisspelledWord("qat");
  core.SetMinSuggestionScore(0);
  core.SetSuggestionScoreRange(100);
  core.SetMaxSuggestions(1);
  loop.Suggest();
  EXPECT_EQ(loop.SuggestionCount(), 1);
  EXPECT_EQ(LoopList(), EngineList("qat", 50, 1));
}

TEST_F(CheckLoopSuggest, AWordWithoutSuggestionsEmptiesTheList) {
  loop.SetMisspelledWord("qat");
  loop.Suggest();
  ASSERT_GT(loop.SuggestionCount(), 0);
  loop.SetMisspelledWord("");
  loop.Suggest();
  EXPECT_EQ(loop.SuggestionCount(), 0);
  EXPECT_EQ(loop.Suggestion(0), "");
  EXPECT_EQ(core.SuggestionDepth(), 60);
}

TEST_F(CheckLoopSuggest, AFailedSearchKeepsTheOldList) {
  loop.SetMisspelledWord("qat");
  loop.Suggest();
  const Ranked before = LoopList();
  ASSERT_FALSE(before.empty());
  const int16_t depth = core.SuggestionDepth();
  TROV_CloseSession(core.Session());
  loop.Suggest();
  EXPECT_EQ(LoopList(), before);
  EXPECT_EQ(core.SuggestionDepth(), depth);
}

TEST_F(CheckLoopSuggest, SuggestionsForATypedWordGoDeeperForThatWordAlone) {
  loop.SetMisspelledWord("qat");
  loop.SuggestFor("dgo");
  EXPECT_EQ(loop.Suggestion(0), EngineList("dgo", 50, 16).front().first);
  EXPECT_EQ(loop.MisspelledWord(), "qat") << "the problem word stays";
  EXPECT_EQ(core.SuggestionDepth(), 60);
  loop.SuggestFor("dgo");
  EXPECT_EQ(core.SuggestionDepth(), 70);
  // The problem word is another word than the typed one: its search starts shallow again.
  loop.Suggest();
  EXPECT_EQ(core.SuggestionDepth(), 60);
  EXPECT_EQ(loop.Suggestion(0), EngineList("qat", 50, 16).front().first);
}

}  // namespace
