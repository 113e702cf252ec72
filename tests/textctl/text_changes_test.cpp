#include <gtest/gtest.h>

#include <string>

#include "check_fixture.h"
#include "check_loop.h"
#include "engine/log_capture.h"

namespace {

using trov::CheckEvent;
using trov::OptionProperty;
using vantor_test::CheckLoopTest;
using vantor_test::Events;
using vantor_test::On;

using CheckLoopReplace = CheckLoopTest;

TEST_F(CheckLoopReplace, ReplaceWordChangesCopyAndControlAndRecordsUndo) {
  Attach("the qat sat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  listener.Take();
  loop.SetReplacementWord("cat");
  EXPECT_EQ(loop.ReplaceWord(), 0);
  ExpectText("the cat sat");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kReplaceWord)}));
  EXPECT_EQ(loop.WordOffset(), 4) << "the next Resume checks the replacement";
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  EXPECT_TRUE(loop.CanUndo());
  ExpectSelection(7, 7);
}

TEST_F(CheckLoopReplace, AReplacementThatFindsNoMemoryFailsWithoutChange) {
  Attach("qat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  listener.Take();
  const std::string longWord(80, 'z');
  loop.SetReplacementWord(longWord.c_str());
  // Each replacement removes three characters and adds eighty: 259 bytes hold three of them, and
  // the copy grows for the fourth, unless the memory is not to be had.
  for (int i = 0; i < 3; ++i) ASSERT_EQ(loop.ReplaceWord(), 0);
  const std::string before = loop.Text();
  core.State().text.SetAllocator(vantor_test::NoMemory);
  EXPECT_EQ(loop.ReplaceWord(), TROV_ERR_NO_MEMORY);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NO_MEMORY);
  ExpectText(before);
  EXPECT_EQ(loop.WordsReplacedCount(), 3);
  EXPECT_EQ(listener.Take(), Events(3, On(CheckEvent::kReplaceWord)));

  core.State().text.SetAllocator(nullptr);
  EXPECT_EQ(loop.ReplaceWord(), 0);
  ExpectText(longWord + before.substr(3));
  EXPECT_EQ(loop.WordsReplacedCount(), 4);
}

TEST_F(CheckLoopReplace, ReplacementWordIsCutToEightyCharacters) {
  loop.SetReplacementWord(std::string(100, 'r').c_str());
  EXPECT_EQ(loop.ReplacementWord(), std::string(80, 'r'));
  loop.SetMisspelledWord(std::string(200, 'm').c_str());
  EXPECT_EQ(loop.MisspelledWord(), std::string(161, 'm'));
  loop.SetMisspelledWord(nullptr);
  EXPECT_EQ(loop.MisspelledWord(), "");
}

TEST_F(CheckLoopReplace, ReplaceAllRecordsAPairAndTheNextResumeAppliesIt) {
  Attach("the qat sat on the qat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  listener.Take();
  EXPECT_EQ(ChangeAll("qat", "cat"), 1);
  EXPECT_EQ(core.ErrorCode(), 1);
  ExpectText("the qat sat on the qat");  // not touched yet
  EXPECT_EQ(TempAction("qat"), 'A') << "an all-lower-case replacement takes each word's case";
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  ExpectText("the cat sat on the cat");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kReplaceWord), On(CheckEvent::kReplaceWord),
                                     On(CheckEvent::kEndOfText)}));
  EXPECT_EQ(loop.WordsReplacedCount(), 2);
}

TEST_F(CheckLoopReplace, ReplaceAllKeepsTheCaseOfAReplacementWithCapitals) {
  EXPECT_EQ(ChangeAll("paris", "Paris"), 1);
  EXPECT_EQ(TempAction("paris"), 'a');
}

TEST_F(CheckLoopReplace, ReplaceAllWithTheSameWordRecordsNothing) {
  core.SetErrorCode(-4);
  EXPECT_EQ(ChangeAll("qat", "qat"), 0);
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(TempAction("qat"), TROV_ERR_NOT_FOUND);
  // Byte comparison: another case is another word.
  EXPECT_EQ(ChangeAll("qat", "Qat"), 1);
}

TEST_F(CheckLoopReplace, ReplaceAllThatTheTemporaryDictionaryRefusesReportsZero) {
  EXPECT_EQ(ChangeAll("bad\x01", "good"), 0);
  EXPECT_EQ(core.ErrorCode(), 0);
}

using CheckLoopDelete = CheckLoopTest;

TEST_F(CheckLoopDelete, DeleteRemovesTheWordAndTheBlanksBeforeIt) {
  core.SetOption(OptionProperty::kCatchDoubledWords, 1);
  Attach("the cat  cat sat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(loop.WordOffset(), 9);
  listener.Take();
  core.SetErrorCode(-4);
  EXPECT_EQ(loop.DeleteWord(), 7);
  EXPECT_EQ(core.ErrorCode(), 0);
  ExpectText("the cat sat");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kDeleteWord, 7)}));
  EXPECT_EQ(loop.WordOffset(), 7);
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  EXPECT_EQ(loop.MisspelledWordCount(), 1);
  EXPECT_EQ(loop.MisspelledWord(), "  cat") << "what was removed";
  EXPECT_TRUE(loop.CanUndo());
  EXPECT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
}

TEST_F(CheckLoopDelete, AFailedDeleteChangesNothingButStillReports) {
  Attach("  ... ");
  control.SetSelection(1, 3);
  EXPECT_EQ(loop.DeleteWord(), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kDeleteWord, TROV_ERR_NOT_FOUND)}));
  ExpectText("  ... ");
  ExpectSelection(1, 3);
  EXPECT_EQ(loop.WordOffset(), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
  EXPECT_FALSE(loop.CanUndo());
}

TEST_F(CheckLoopDelete, WithoutTextDeleteReportsMinusOne) {
  EXPECT_EQ(loop.DeleteWord(), -1);
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kDeleteWord, -1)}));
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
}

using CheckLoopUndo = CheckLoopTest;

TEST_F(CheckLoopUndo, UndoRestoresTheNewestChangeInCopyAndControl) {
  core.SetOption(OptionProperty::kCatchDoubledWords, 1);
  Attach("the qat qat sat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  loop.SetReplacementWord("cat");
  ASSERT_EQ(loop.ReplaceWord(), 0);
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  ASSERT_EQ(loop.DeleteWord(), 7);
  ExpectText("the cat sat");
  listener.Take();

  core.SetErrorCode(-4);
  loop.Undo();
  ExpectText("the cat qat sat");
  EXPECT_EQ(listener.Take(), (Events{On(CheckEvent::kUndoChange)}));
  EXPECT_EQ(loop.UndoOffset(), 7);
  EXPECT_EQ(loop.UndoOldText(), " qat");
  EXPECT_EQ(loop.UndoNewText(), "");
  EXPECT_EQ(loop.WordOffset(), 7);
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  EXPECT_EQ(core.ErrorCode(), 0);

  loop.Undo();
  ExpectText("the qat qat sat");
  EXPECT_EQ(loop.UndoOffset(), 4);
  EXPECT_EQ(loop.UndoOldText(), "qat");
  EXPECT_EQ(loop.UndoNewText(), "cat");
  EXPECT_EQ(loop.WordOffset(), 4);
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
  EXPECT_FALSE(loop.CanUndo());
  ExpectSelection(7, 7);
}

TEST_F(CheckLoopUndo, UndoWithNothingToUndoChangesNothingAnywhere) {
  Attach("the qat sat");
  loop.Resume();
  loop.SetReplacementWord("cat");
  ASSERT_EQ(loop.ReplaceWord(), 0);
  loop.Undo();
  listener.Take();
  control.SetSelection(0, 3);
  core.SetErrorCode(-4);
  loop.NextWord();
  core.SetErrorCode(-4);
  const int32_t offset = loop.WordOffset();

  loop.Undo();
  ExpectText("the qat sat");
  ExpectSelection(0, 3);
  EXPECT_TRUE(listener.Take().empty());
  EXPECT_EQ(loop.WordOffset(), offset);
  EXPECT_EQ(loop.UndoOffset(), 4);
  EXPECT_EQ(loop.UndoOldText(), "qat");
  EXPECT_EQ(loop.UndoNewText(), "cat");
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
  EXPECT_EQ(core.ErrorCode(), -4);
}

TEST_F(CheckLoopUndo, UndoOfAChangeAllReplacementWithdrawsThePair) {
  Attach("the qat sat on the qat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  ASSERT_EQ(ChangeAll("qat", "cat"), 1);
  ASSERT_EQ(loop.Resume(), TROV_RESULT_END_OF_TEXT);
  listener.Take();
  loop.Undo();
  ExpectText("the cat sat on the qat");
  EXPECT_EQ(loop.UndoOffset(), 19);
  EXPECT_EQ(TempAction("qat"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  EXPECT_EQ(loop.WordOffset(), 19);
  EXPECT_EQ(listener.Take(),
            (Events{On(CheckEvent::kUndoChange), On(CheckEvent::kMisspelledWord)}));
}

TEST_F(CheckLoopUndo, UndoKeepsIgnoreAllWords) {
  Attach("the qat");
  ASSERT_EQ(loop.Resume(), TROV_RESULT_MISSPELLED);
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), "qat", 'i', nullptr), 0);
  loop.SetReplacementWord("cat");
  ASSERT_EQ(loop.ReplaceWord(), 0);
  loop.Undo();
  EXPECT_EQ(TempAction("qat"), 'i') << "only Change All pairs are withdrawn";
}

TEST_F(CheckLoopUndo, UndoRestoresWhatWasReallyReplaced) {
  // A host may set MisspelledWord to something that is not in the text; the characters the
  // replacement took are what an undo puts back.
  Attach("the dog sat");
  loop.NextWord();
  loop.SetMisspelledWord("cat");
  loop.SetReplacementWord("pig");
  ASSERT_EQ(loop.ReplaceWord(), 0);
  ExpectText("the pig sat");
  loop.Undo();
  ExpectText("the dog sat");
  EXPECT_EQ(loop.UndoOldText(), "dog");
}

using CheckLoopCurrentWord = CheckLoopTest;

TEST_F(CheckLoopCurrentWord, SettingReplacesTheWordAtTheOffsetAndCanBeUndone) {
  Attach("the qat sat");
  loop.NextWord();
  loop.SetCurrentWord("cat");
  ExpectText("the cat sat");
  EXPECT_EQ(loop.WordsReplacedCount(), 1);
  EXPECT_TRUE(listener.Take().empty()) << "no event";
  loop.Undo();
  ExpectText("the qat sat");
  EXPECT_EQ(loop.UndoOldText(), "qat") << "the word replaced, though CurrentWord was never read";
  EXPECT_EQ(loop.UndoNewText(), "cat");
}

TEST_F(CheckLoopCurrentWord, AFailedReplacementIsLoggedAndChangesNothing) {
  Attach(" ... ");
  trov_test::LogCapture log;
  loop.SetCurrentWord("cat");
  ExpectText(" ... ");
  EXPECT_FALSE(loop.CanUndo());
  EXPECT_EQ(loop.WordsReplacedCount(), 0);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_ReplaceStringWord returned -3"}));
}

TEST_F(CheckLoopCurrentWord, ANewWordIsCutToEightyCharacters) {
  Attach("the qat sat");
  loop.NextWord();
  loop.SetCurrentWord(std::string(90, 'c').c_str());
  ExpectText("the " + std::string(80, 'c') + " sat");
  loop.Undo();
  ExpectText("the qat sat");
}

TEST_F(CheckLoopCurrentWord, WithoutTextNothingHappens) {
  loop.SetCurrentWord("cat");
  EXPECT_EQ(loop.Text(), "");
  EXPECT_FALSE(loop.CanUndo());
}

}  // namespace
