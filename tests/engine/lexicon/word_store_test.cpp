// The two suggestion traversals over the sorted word stores, the temporary lexicon's and the
// built-in word list's, which must behave alike.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/lexicon/function_comparator.h"
#include "lexicon/builtin_lex.h"
#include "lexicon/lexicon.h"
#include "lexicon/mem_lex.h"
#include "scan/suggestion_list.h"
#include "trov.h"

namespace {

// 100 for the same word, 60 for the same first letter, else 0: enough to tell entries apart.
int16_t FirstLetterScore(const char* word, const char* candidate) {
  if (std::strcmp(word, candidate) == 0) return 100;
  return word[0] == candidate[0] ? 60 : 0;
}

enum class Kind { kTemporary, kWordList };

class WordStoreTraversalTest : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    if (GetParam() == Kind::kTemporary) {
      ASSERT_EQ(trov::CreateTemporaryLexicon(TROV_LANGUAGE_ANY, slot), 0);
    } else {
      slot.reset(trov::InstantiateWordList(&image));
    }
  }

  void Add(const char* word, char action, const char* other = nullptr) {
    ASSERT_EQ(slot->Add(word, action, other), 0) << word;
  }
  int16_t ScoreWords(const char* word, int16_t depth) {
    trov::test::FunctionComparator comparator(word, FirstLetterScore);
    return slot->ScoreWords(depth, comparator, list);
  }
  // The list as "word score;" pairs in rank order.
  std::string Ranked() const {
    std::string ranked;
    for (int32_t i = 0; i < list.Count(); ++i) {
      ranked += std::string(list[i].word) + " " + std::to_string(list[i].score) + ";";
    }
    return ranked;
  }

  trov::WordListEntry entries[16] = {};
  trov::WordListImage image{entries, 0, 16, TROV_LANGUAGE_ANY};
  trov::LexiconSlot slot;
  trov::SuggestionEntry storage[8] = {};
  trov::SuggestionList list{storage};
};

TEST_P(WordStoreTraversalTest, ChangeEntryForTheWordPutsItsOtherWordAt99) {
  Add("teh", 'a', "the");
  Add("tea", 'i');
  Add("cat", 'i');
  list.Insert("the", 50);
  list.Insert("toe", 98);
  ASSERT_EQ(ScoreWords("teh", 100), 0);
  EXPECT_EQ(Ranked(), "the 99;toe 98;tea 60;");
}

TEST_P(WordStoreTraversalTest, ChangeEntriesOfOtherWordsAreSkipped) {
  Add("hte", 'c', "the");
  Add("tha", 'A', "that");
  Add("ten", 'C', "tan");
  ASSERT_EQ(ScoreWords("teh", 100), 0);
  EXPECT_EQ(Ranked(), "");
}

TEST_P(WordStoreTraversalTest, ChangeEntryWithoutOtherWordOffersNothing) {
  Add("teh", 'a');
  ASSERT_EQ(ScoreWords("teh", 100), 0);
  EXPECT_EQ(Ranked(), "");
}

TEST_P(WordStoreTraversalTest, ExcludedEntryTakesItsWordOffTheList) {
  Add("thier", 'e');
  Add("their", 'i');
  list.Insert("thier", 80);
  ASSERT_EQ(ScoreWords("thie", 100), 0);
  EXPECT_EQ(Ranked(), "their 60;");
  list.Insert("thier", 80);
  ASSERT_EQ(slot->MatchPattern("th?er", true, list), 0);
  EXPECT_EQ(Ranked(), "their 60;") << "a listed word keeps its score";
}

TEST_P(WordStoreTraversalTest, PatternMatchesAcceptedWordsOnly) {
  Add("bad", 'i');
  Add("bed", 'i');
  Add("bid", 'c', "bud");
  Add("bead", 'i');
  ASSERT_EQ(slot->MatchPattern("b?d", true, list), 0);
  EXPECT_EQ(Ranked(), "bad 100;bed 100;");
}

TEST_P(WordStoreTraversalTest, CaseSensitivePatternScanStopsPastItsPrefix) {
  Add("Bod", 'i');
  Add("bad", 'i');
  Add("zoo", 'e');
  list.Insert("zoo", 70);
  ASSERT_EQ(slot->MatchPattern("b?d", true, list), 0);
  EXPECT_EQ(Ranked(), "bad 100;zoo 70;") << "the scan stopped before the excluded zoo";
}

TEST_P(WordStoreTraversalTest, CaseSensitivePatternScanStillExcludesWordsBelowItsPrefix) {
  Add("Bud", 'i');
  Add("apple", 'e');
  Add("ba", 'e');
  Add("bad", 'i');
  Add("bbd", 'i');
  Add("bd", 'i');
  Add("bed", 'i');
  Add("bedd", 'i');
  Add("cod", 'i');
  list.Insert("apple", 70);
  list.Insert("ba", 60);
  list.Insert("Bud", 50);
  ASSERT_EQ(slot->MatchPattern("be?d", true, list), 0);
  EXPECT_EQ(Ranked(), "bedd 100;Bud 50;");
  ASSERT_EQ(slot->MatchPattern("b?d", true, list), 0);
  EXPECT_EQ(Ranked(), "bedd 100;bad 100;bbd 100;bed 100;Bud 50;");
}

TEST_P(WordStoreTraversalTest, CaseBlindPatternScanVisitsEveryEntry) {
  Add("Bod", 'i');
  Add("bad", 'i');
  Add("zoo", 'e');
  list.Insert("zoo", 70);
  ASSERT_EQ(slot->MatchPattern("B?D", false, list), 0);
  EXPECT_EQ(Ranked(), "Bod 100;bad 100;");
}

TEST_P(WordStoreTraversalTest, PatternBeginningWithAWildcardNeverStops) {
  Add("bad", 'i');
  Add("mad", 'i');
  Add("zad", 'i');
  ASSERT_EQ(slot->MatchPattern("?ad", true, list), 0);
  EXPECT_EQ(Ranked(), "bad 100;mad 100;zad 100;");
}

TEST_P(WordStoreTraversalTest, WordsScoringZeroAreLeftOut) {
  Add("apple", 'i');
  Add("tree", 'i');
  Add("teh", 'i');
  ASSERT_EQ(ScoreWords("teh", 1), 0);
  EXPECT_EQ(Ranked(), "teh 100;tree 60;") << "the depth does not prune a word store";
}

INSTANTIATE_TEST_SUITE_P(BothStores, WordStoreTraversalTest,
                         ::testing::Values(Kind::kTemporary, Kind::kWordList),
                         [](const auto& info) {
                           return info.param == Kind::kTemporary ? "Temporary" : "WordList";
                         });

}  // namespace
