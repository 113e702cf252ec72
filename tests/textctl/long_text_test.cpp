// The check loop on texts of 100,000 and 5,000,000 characters with problems past the reach of
// 16-bit offsets: stops, selections, replacements, deletions and undo land where they belong, in
// the copy and in the text control alike.
#include "long_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check_fixture.h"
#include "check_loop.h"

namespace {

using trov::CheckEvent;
using vantor_test::Events;
using vantor_test::LongText;
using vantor_test::On;

class CheckLoopLongText : public vantor_test::CheckLoopTest,
                          public ::testing::WithParamInterface<vantor_test::LongTextCase> {
 protected:
  LongText Make(const char* problem) {
    return vantor_test::MakeLongText(GetParam().length, GetParam().places, problem);
  }
};

TEST_P(CheckLoopLongText, StopsReplacementsAndUndoLandAtTheirOffsets) {
  const LongText made = Make("qat");
  Attach(made.text);
  EXPECT_EQ(loop.TextLength(), static_cast<int32_t>(made.text.size()));
  EXPECT_EQ(loop.WordCount(), made.words);
  std::string expected = made.text;
  // Each replacement is one character longer than the word it replaces.
  for (std::size_t i = 0; i < made.problems.size(); ++i) {
    const int32_t at = made.problems[i] + static_cast<int32_t>(i);
    ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED) << "problem " << i;
    EXPECT_EQ(loop.WordOffset(), at);
    EXPECT_EQ(loop.MisspelledWord(), "qat");
    ExpectSelection(at, at + 3);
    loop.SetReplacementWord("here");
    EXPECT_EQ(loop.ReplaceWord(), 0);
    expected.replace(static_cast<std::size_t>(at), 3, "here");
    EXPECT_EQ(loop.WordOffset(), at);
    EXPECT_EQ(listener.Take(),
              (Events{On(CheckEvent::kMisspelledWord), On(CheckEvent::kReplaceWord)}));
  }
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText(expected);
  EXPECT_EQ(loop.TextLength(), static_cast<int32_t>(expected.size()));
  EXPECT_EQ(loop.WordsReplacedCount(), static_cast<int32_t>(made.problems.size()));

  for (std::size_t i = made.problems.size(); i-- > 0;) {
    loop.Undo();
    EXPECT_EQ(loop.UndoOffset(), made.problems[i] + static_cast<int32_t>(i));
    EXPECT_EQ(loop.UndoOldText(), "qat");
    EXPECT_EQ(loop.UndoNewText(), "here");
  }
  ExpectText(made.text);
  EXPECT_EQ(loop.TextLength(), static_cast<int32_t>(made.text.size()));
  // The offset is back at the first problem, which stops the check again.
  EXPECT_EQ(loop.WordOffset(), made.problems.front());
  listener.Take();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
}

TEST_P(CheckLoopLongText, IgnoringAndDeletingReportTheirOffsets) {
  const LongText made = Make("qat");
  Attach(made.text);
  std::string expected = made.text;
  int32_t removed = 0;
  int32_t lastDeleted = -1;
  std::string lastRemoved;
  for (std::size_t i = 0; i < made.problems.size(); ++i) {
    const int32_t at = made.problems[i] - removed;
    ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
    EXPECT_EQ(loop.WordOffset(), at);
    if (i % 2 == 0) {
      // The word and the blank before it go; the event tells where.
      lastDeleted = at - 1;
      EXPECT_EQ(loop.DeleteWord(), lastDeleted);
      lastRemoved = expected.substr(static_cast<std::size_t>(lastDeleted), 4);
      expected.erase(static_cast<std::size_t>(lastDeleted), 4);
      removed += 4;
      EXPECT_EQ(loop.WordOffset(), lastDeleted);
      EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kMisspelledWord),
                                         On(CheckEvent::kDeleteWord, lastDeleted)}));
    } else {
      EXPECT_TRUE(loop.NextWord());
      EXPECT_EQ(loop.WordOffset(), at + 4);
      listener.Take();
    }
  }
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText(expected);
  const std::size_t lastWord = expected.find_last_of(" \n", expected.size() - 2) + 1;
  EXPECT_EQ(loop.WordOffset(), static_cast<int32_t>(lastWord))
      << "the offset stays on the last word examined";
  loop.Undo();
  EXPECT_EQ(loop.UndoOffset(), lastDeleted);
  EXPECT_EQ(loop.UndoOldText(), lastRemoved);
  ExpectText(expected.insert(static_cast<std::size_t>(lastDeleted), lastRemoved));
}

TEST_P(CheckLoopLongText, ChangingEverywhereGrowsTheCopyAsFarAsItNeeds) {
  // A misspelling every 300 characters, each changed into an 80-letter word: far more growth
  // than the quarter of room the copy started with.
  std::vector<std::size_t> everywhere;
  for (std::size_t place = 0; place < GetParam().length; place += 300) everywhere.push_back(place);
  const LongText made = vantor_test::MakeLongText(GetParam().length, everywhere, "qat");
  const std::string longWord(80, 'y');
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), longWord.c_str(), 'i', nullptr), 0);
  loop.SetText(made.text.c_str());
  const std::size_t firstCapacity = core.State().text.Capacity();
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  loop.SetReplacementWord(longWord.c_str());
  ASSERT_EQ(loop.ReplaceAllWord(), 1);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.outOfSpace, 0);
  EXPECT_EQ(loop.WordsReplacedCount(), static_cast<int32_t>(made.problems.size()));
  std::string expected;
  expected.reserve(made.text.size() + made.problems.size() * longWord.size());
  std::size_t copied = 0;
  for (const int32_t at : made.problems) {
    expected.append(made.text, copied, static_cast<std::size_t>(at) - copied).append(longWord);
    copied = static_cast<std::size_t>(at) + 3;
  }
  expected.append(made.text, copied);
  EXPECT_EQ(loop.Text(), expected);
  EXPECT_EQ(loop.TextLength(), static_cast<int32_t>(expected.size()));
  EXPECT_GT(core.State().text.Capacity(), firstCapacity);
}

INSTANTIATE_TEST_SUITE_P(Lengths, CheckLoopLongText,
                         ::testing::ValuesIn(vantor_test::kLongTextCases), [](const auto& info) {
                           return vantor_test::LongTextCaseName(info.param);
                         });

}  // namespace
