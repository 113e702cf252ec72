#include "check_loop.h"

#include <gtest/gtest.h>

#include <string>

#include "check_fixture.h"
#include "engine/log_capture.h"

namespace {

using trov::CheckEvent;
using trov::OptionProperty;
using vantor_test::CheckLoopTest;
using vantor_test::Events;
using vantor_test::On;

using CheckLoopResume = CheckLoopTest;

TEST_F(CheckLoopResume, AutoChangeWithAutoCorrectReplacesAndGoesOn) {
  Attach("the cat sta here");
  EXPECT_EQ(loop.WordOffset(), 0);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText("the cat sat here");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kReplaceWord), On(CheckEvent::kEndOfText)}));
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  EXPECT_EQ(loop.MisspelledWordCount(), 0);
  EXPECT_TRUE(loop.CanUndo());
  EXPECT_EQ(core.ErrorCode(), 0);
  // The caret follows the replacement; nothing is selected at the end.
  ExpectSelection(11, 11);
}

TEST_F(CheckLoopResume, AutoChangeWithoutAutoCorrectStopsAsConditional) {
  core.SetAutoCorrect(0);
  Attach("the cat sta here");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_COND_CHANGE);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kConditionallyChangeWord)}));
  EXPECT_EQ(loop.WordOffset(), 8);
  EXPECT_EQ(loop.MisspelledWord(), "sta");
  EXPECT_EQ(loop.ReplacementWord(), "sat");
  ExpectText("the cat sta here");
  ExpectSelection(8, 11);
  EXPECT_EQ(control.ScrollCount(), 1);
  EXPECT_EQ(loop.MisspelledWordCount(), 0) << "a conditional change is not counted";

  // The host accepts: the word is replaced in place and checked again by the next Resume.
  EXPECT_EQ(loop.ReplaceWord(), 0);
  ExpectText("the cat sat here");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kReplaceWord)}));
  EXPECT_EQ(loop.WordOffset(), 8);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
}

TEST_F(CheckLoopResume, StopsSelectAndRepeatUntilAnswered) {
  Attach("the qat sat");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kMisspelledWord)}));
  ExpectSelection(4, 7);
  EXPECT_EQ(loop.MisspelledWordCount(), 1);
  // Without an answer the same word stops again and is counted again.
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kMisspelledWord)}));
  EXPECT_EQ(loop.WordOffset(), 4);
  EXPECT_EQ(loop.MisspelledWordCount(), 2);
  loop.IgnoreWord();
  EXPECT_EQ(loop.WordOffset(), 8);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
  // Resume does not rewind.
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText("the qat sat");
}

TEST_F(CheckLoopResume, EventsFollowTheFlagsInTheirFixedOrder) {
  core.SetOption(OptionProperty::kCatchDoubledWords, 1);
  core.SetOption(OptionProperty::kCatchWordsWithDigits, 1);
  core.SetOption(OptionProperty::kCatchMixedCaseWords, 1);
  Attach("paris qat qat abc123 HeLLo");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED | TROV_RESULT_CAPITALIZATION);
  EXPECT_EQ(loop.ReplacementWord(), "Paris");
  EXPECT_EQ(listener.Take(),
            (Events{On(CheckEvent::kMisspelledWord), On(CheckEvent::kCapitalization)}));
  loop.IgnoreWord();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  listener.Take();
  loop.IgnoreWord();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED | TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(listener.Take(),
            (Events{On(CheckEvent::kMisspelledWord), On(CheckEvent::kDoubledWord)}));
  loop.IgnoreWord();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_DIGITS);
  EXPECT_EQ(listener.Take(),
            (Events{On(CheckEvent::kMisspelledWord), On(CheckEvent::kWordWithDigits)}));
  loop.IgnoreWord();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED | TROV_RESULT_MIXED_CASE);
  EXPECT_EQ(listener.Take(),
            (Events{On(CheckEvent::kMisspelledWord), On(CheckEvent::kMixedCaseWord)}));
  EXPECT_EQ(loop.MisspelledWordCount(), 5);
  ExpectSelection(21, 26);
}

TEST_F(CheckLoopResume, ChangeAllPairsThatUndoEachOtherStopAfterFiveReplacements) {
  ASSERT_EQ(ChangeAll("foo", "qux"), 1);
  ASSERT_EQ(ChangeAll("qux", "foo"), 1);
  // AutoCorrect off: Change All pairs of this session still change by themselves.
  core.SetAutoCorrect(0);
  Attach("foo here");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText("qux here");
  EXPECT_EQ(loop.WordsReplacedCount(), 5);
  Events expected(5, On(CheckEvent::kReplaceWord));
  expected.push_back(On(CheckEvent::kEndOfText));
  EXPECT_EQ(listener.Take(), expected);
}

TEST_F(CheckLoopResume, TheRepeatGuardCountsOnlyHitsInsideTheLastReplacement) {
  ASSERT_EQ(ChangeAll("foo", "qux"), 1);
  ASSERT_EQ(ChangeAll("qux", "foo"), 1);
  // Two separate occurrences: each region gets its own five replacements.
  Attach("foo is foo");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText("qux is qux");
  EXPECT_EQ(loop.WordsReplacedCount(), 10);
}

TEST_F(CheckLoopResume, ReplacementsGrowTheCopyBeyondItsFirstRoom) {
  const std::string longWord(80, 'y');
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), longWord.c_str(), 'i', nullptr), 0);
  ASSERT_EQ(ChangeAll("qat", longWord.c_str()), 1);
  // 15 characters get 256 bytes of room: the fourth 77-byte growth needs more.
  Attach("qat qat qat qat");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.outOfSpace, 0);
  ExpectText(longWord + " " + longWord + " " + longWord + " " + longWord);
  EXPECT_EQ(loop.WordsReplacedCount(), 4);
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_GT(core.State().text.Capacity(), 15u + 256u);
}

TEST_F(CheckLoopResume, AReplacementThatFindsNoMemoryEndsTheCheck) {
  const std::string longWord(80, 'y');
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), longWord.c_str(), 'i', nullptr), 0);
  ASSERT_EQ(ChangeAll("qat", longWord.c_str()), 1);
  Attach("qat qat qat qat");
  // Three replacements fit the first room; the fourth finds no memory to grow into.
  core.State().text.SetAllocator(vantor_test::NoMemory);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.outOfSpace, 1);
  const std::string expected = longWord + " " + longWord + " " + longWord + " qat";
  ExpectText(expected);
  EXPECT_EQ(loop.WordsReplacedCount(), 3);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NO_MEMORY);
  Events events(3, On(CheckEvent::kReplaceWord));
  events.push_back(On(CheckEvent::kEndOfText));
  EXPECT_EQ(listener.Take(), events);
  // The caret stays after the third replacement: nothing is selected.
  const int32_t caret = static_cast<int32_t>(3 * longWord.size() + 2);
  ExpectSelection(caret, caret);
}

TEST_F(CheckLoopResume, NoTextEndsAtOnce) {
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
  EXPECT_FALSE(loop.NextWord());
  EXPECT_EQ(loop.ReplaceWord(), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(loop.WordOffset(), 0);
  EXPECT_EQ(loop.WordCount(), 0);
  EXPECT_EQ(loop.TextLength(), 0);
  EXPECT_EQ(loop.Text(), "");
  EXPECT_TRUE(listener.Take().empty());
}

TEST_F(CheckLoopResume, ATextWithoutWords) {
  Attach(" -- ... ");
  EXPECT_EQ(loop.WordOffset(), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(loop.WordCount(), 0);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
  EXPECT_FALSE(loop.NextWord());
  // Nothing to replace before the first word: the copy is not touched.
  loop.SetReplacementWord("x");
  EXPECT_EQ(loop.ReplaceWord(), TROV_ERR_NOT_FOUND);
  ExpectText(" -- ... ");
}

TEST_F(CheckLoopResume, EngineFailureEndsTheCheckWithALogLine) {
  Attach("the qat");
  TROV_CloseSession(core.Session());
  trov_test::LogCapture log;
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
  const std::vector<std::string> lines = log.Messages();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], "TROV_CheckString returned -2");
}

using CheckLoopText = CheckLoopTest;

TEST_F(CheckLoopText, LoadingResetsCountersUndoAndPutsTheOffsetOnTheFirstWord) {
  Attach("the qat");
  loop.Resume();
  loop.SetReplacementWord("cat");
  ASSERT_EQ(loop.ReplaceWord(), 0);
  EXPECT_EQ(loop.MisspelledWordCount(), 1);
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  loop.SetText("  ... one two");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(loop.MisspelledWordCount(), 0);
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
  EXPECT_FALSE(loop.CanUndo());
  EXPECT_EQ(loop.WordOffset(), 6);
  EXPECT_EQ(loop.MisspelledWord(), "one");
  EXPECT_EQ(loop.TextLength(), 13);
  EXPECT_EQ(loop.WordCount(), 2);
  EXPECT_EQ(core.State().text.Capacity(), 13u + 256u);
  loop.SetText(std::string(2000, 'a').c_str());
  EXPECT_EQ(core.State().text.Capacity(), 2500u) << "a quarter more room for long texts";
}

TEST_F(CheckLoopText, SettingTextDetachesTheControl) {
  Attach("the cat");
  loop.SetText("the qat");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  loop.SetReplacementWord("cat");
  EXPECT_EQ(loop.ReplaceWord(), 0);
  EXPECT_EQ(loop.Text(), "the cat");
  EXPECT_EQ(control.Text(), "the cat");
  ExpectSelection(0, 0);  // the control was not touched
  EXPECT_EQ(control.ScrollCount(), 0);
}

TEST_F(CheckLoopText, AttachingNothingLoadsTheEmptyText) {
  Attach("the cat");
  loop.AttachTextControl(nullptr);
  EXPECT_EQ(loop.Text(), "");
  EXPECT_EQ(loop.WordOffset(), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(core.ErrorCode(), 0);
}

TEST_F(CheckLoopText, ATextThatFindsNoMemoryLeavesNoText) {
  Attach("the qat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  listener.Take();
  core.State().text.SetAllocator(vantor_test::NoMemory);
  trov_test::LogCapture log;
  loop.SetText("the cat");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NO_MEMORY);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"out of memory"}));
  EXPECT_EQ(loop.Text(), "");
  EXPECT_EQ(loop.TextLength(), 0);
  EXPECT_EQ(loop.MisspelledWordCount(), 1) << "the counters stay as they were";
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
}

TEST_F(CheckLoopText, ClosingLeavesNoTextButKeepsTheCounters) {
  Attach("the qat");
  loop.Resume();
  core.Close();
  EXPECT_EQ(loop.TextLength(), 0);
  EXPECT_EQ(loop.MisspelledWordCount(), 1);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(loop.DeleteWord(), -1);
}

using CheckLoopAnswers = CheckLoopTest;

TEST_F(CheckLoopAnswers, NextWordStopsAfterTheLastWord) {
  Attach("the  cat");
  EXPECT_TRUE(loop.NextWord());
  EXPECT_EQ(loop.WordOffset(), 5);
  EXPECT_FALSE(loop.NextWord());
  EXPECT_EQ(loop.WordOffset(), 8) << "just after the last word";
  EXPECT_FALSE(loop.NextWord());
  EXPECT_EQ(loop.WordOffset(), 8);
}

TEST_F(CheckLoopAnswers, IgnoreAllSkipsTheWordEverywhere) {
  Attach("qat the qat");
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  core.SetErrorCode(-4);
  loop.IgnoreAllWord();
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(TempAction("qat"), 'i');
  EXPECT_EQ(loop.WordOffset(), 4);
  listener.Take();
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kEndOfText)}));
}

TEST_F(CheckLoopAnswers, TestWordAcceptsOnlyWordsWithoutAnyProblem) {
  EXPECT_TRUE(loop.TestWord("cat"));
  EXPECT_TRUE(loop.TestWord("Paris"));
  EXPECT_FALSE(loop.TestWord("qat"));
  EXPECT_FALSE(loop.TestWord("paris")) << "a capitalisation problem is a problem";
  EXPECT_FALSE(loop.TestWord("sta")) << "an auto-change is a problem too";
  EXPECT_FALSE(loop.TestWord("cat,"));
}

TEST_F(CheckLoopAnswers, CurrentWordReadsTheWordAtTheOffset) {
  EXPECT_EQ(loop.CurrentWord(), "");
  Attach("the qat sat");
  EXPECT_EQ(loop.CurrentWord(), "the");
  loop.Resume();
  EXPECT_EQ(loop.CurrentWord(), "qat");
  loop.SetText("...");
  EXPECT_EQ(loop.CurrentWord(), "");
}

}  // namespace
