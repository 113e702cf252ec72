#include "control_core.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core_fixture.h"
#include "engine/log_capture.h"

namespace {

using trov::DictionaryKind;
using trov::OptionProperty;
using vantor_test::CoreTest;

// The session's option word, read bit by bit through the engine.
uint32_t OptionWord(int16_t session) {
  uint32_t word = 0;
  for (int bit = 0; bit < 31; ++bit) {
    if (TROV_GetOption(session, 1u << bit) == 1) word |= 1u << bit;
  }
  return word;
}

using ControlCoreCreation = CoreTest;

TEST_F(ControlCoreCreation, NewCoreHoldsSessionTemporaryDictionaryAndDefaults) {
  ASSERT_GE(core.Session(), 0);
  EXPECT_EQ(core.CreateResult(), core.Session());
  ASSERT_GE(core.TempLexicon(), 0);
  int32_t size = 0;
  int16_t format = 0;
  int16_t language = 0;
  ASSERT_EQ(TROV_GetLexInfo(core.Session(), core.TempLexicon(), &size, &format, &language), 0);
  EXPECT_EQ(language, 30840);
  EXPECT_EQ(format, 1);
  EXPECT_EQ(size, 1) << "the temporary dictionary starts empty";
  EXPECT_EQ(OptionWord(core.Session()), TROV_DEFAULT_OPTIONS);

  EXPECT_EQ(core.MaxSuggestions(), 16);
  EXPECT_EQ(core.MinSuggestionDepth(), 50);
  EXPECT_EQ(core.SuggestionDepth(), 50);
  EXPECT_EQ(core.SuggestionDepthIncrement(), 10);
  EXPECT_EQ(core.MinSuggestionScore(), 50);
  EXPECT_EQ(core.SuggestionScoreRange(), 20);
  EXPECT_EQ(core.AutoCorrect(), 1);
  EXPECT_EQ(core.MemoryBudget(), 0);
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_FALSE(core.RestrictedMode());
  EXPECT_EQ(core.ListText(DictionaryKind::kMain), "");
  EXPECT_EQ(core.ListText(DictionaryKind::kUser), "");
  EXPECT_TRUE(core.Dictionaries(DictionaryKind::kMain).empty());
  EXPECT_TRUE(core.Dictionaries(DictionaryKind::kUser).empty());
  EXPECT_FALSE(core.State().text.Loaded());
  EXPECT_EQ(core.ModuleDirectory(), dir.Path().string());
}

TEST_F(ControlCoreCreation, TwoCoresHaveTheirOwnSessions) {
  trov::ControlCore other(dir.Path().string());
  ASSERT_GE(other.Session(), 0);
  EXPECT_NE(other.Session(), core.Session());
  core.SetOption(OptionProperty::kCatchDoubledWords, 1);
  EXPECT_EQ(other.Option(OptionProperty::kCatchDoubledWords), 0);
}

TEST_F(ControlCoreCreation, ReleaseClosesSessionKeepsListTextsAndIsRepeatable) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  ASSERT_EQ(core.SetList(DictionaryKind::kUser, a), 0);
  core.State().misspelledWord[0] = 'x';
  core.State().misspelledWord[1] = '\0';
  core.State().replacedCount = 3;
  const int16_t session = core.Session();

  core.ReleaseCore();
  EXPECT_EQ(core.Session(), -1);
  EXPECT_EQ(core.TempLexicon(), -1);
  EXPECT_EQ(TROV_GetOption(session, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(core.ListText(DictionaryKind::kUser), a);
  EXPECT_TRUE(core.Dictionaries(DictionaryKind::kUser).empty());
  EXPECT_STREQ(core.State().misspelledWord.data(), "");
  EXPECT_EQ(core.State().replacedCount, 3) << "counters survive a release";

  core.ReleaseCore();  // inert: nothing left to close
  EXPECT_EQ(core.Session(), -1);
  // Engine calls made through a released core fail with the bad-session result.
  EXPECT_EQ(core.AddToUserDictionary(a.c_str(), "pear", 'i', nullptr), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(core.OpenDictionaryLists(), -1);
  EXPECT_EQ(core.Option(OptionProperty::kCaseSensitive), 0)
      << "without a session no option reads as set";
}

TEST_F(ControlCoreCreation, CloseReleasesAndClearsErrorCode) {
  core.SetErrorCode(-4);
  const int16_t session = core.Session();
  core.Close();
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(TROV_CloseSession(session), TROV_ERR_BAD_SESSION);
}

TEST(ControlCoreLifetime, DestructionClosesTheSession) {
  int16_t session;
  {
    trov::ControlCore core("");
    session = core.Session();
    ASSERT_GE(session, 0);
  }
  EXPECT_EQ(TROV_GetOption(session, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
}

TEST(ControlCoreLifetime, CreationWritesNoLogLineOfItsOwn) {
  trov_test::LogCapture log;
  trov::ControlCore core("");
  for (const std::string& line : log.Messages()) {
    EXPECT_TRUE(line.rfind("TROV_", 0) == 0) << line;
  }
}

using ControlCoreOptions = CoreTest;

TEST_F(ControlCoreOptions, EachBooleanPropertyIsOneBitOfTheOptionWord) {
  const std::vector<std::pair<OptionProperty, uint32_t>> properties = {
      {OptionProperty::kIgnoreCapitalizedWords, 0x1},
      {OptionProperty::kIgnoreMixedCaseWords, 0x2},
      {OptionProperty::kIgnoreWordsWithDigits, 0x4},
      {OptionProperty::kIgnoreAllCapsWords, 0x8},
      {OptionProperty::kCatchMixedCaseWords, 0x20},
      {OptionProperty::kCatchWordsWithDigits, 0x40},
      {OptionProperty::kCatchDoubledWords, 0x100},
      {OptionProperty::kSplitHyphenatedWords, 0x400},
      {OptionProperty::kSplitContractedWords, 0x800},
      {OptionProperty::kSplitWords, 0x1000},
      {OptionProperty::kSuggestSplitWords, 0x2000},
      {OptionProperty::kPhoneticSuggestions, 0x4000},
      {OptionProperty::kTypographicalSuggestions, 0x8000},
      {OptionProperty::kStripPossessives, 0x10000},
      {OptionProperty::kIgnoreNonAlphaWords, 0x20000},
      {OptionProperty::kIgnoreDomainNames, 0x40000},
      {OptionProperty::kAllowAccentedCaps, 0x80000},
      {OptionProperty::kIgnoreHTMLMarkups, 0x200000},
      {OptionProperty::kBackupUserDictionary, 0x400000},
      {OptionProperty::kRankedSuggestions, 0x2000000},
  };
  for (const auto& [property, bit] : properties) {
    SCOPED_TRACE(bit);
    const uint32_t before = OptionWord(core.Session());
    core.SetOption(property, 7);  // any non-zero value sets the flag
    EXPECT_EQ(OptionWord(core.Session()), before | bit);
    EXPECT_EQ(core.Option(property), 1);
    core.SetOption(property, 0);
    EXPECT_EQ(OptionWord(core.Session()), before & ~bit);
    EXPECT_EQ(core.Option(property), 0);
    core.SetOption(property, -1);
    EXPECT_EQ(core.Option(property), 1);
  }
}

TEST_F(ControlCoreOptions, CaseSensitiveWritesCapitalizationCheckTooButReadsOnlyItsOwnBit) {
  const int16_t session = core.Session();
  core.SetOption(OptionProperty::kCaseSensitive, 0);
  EXPECT_EQ(OptionWord(session), TROV_DEFAULT_OPTIONS & ~0x210u);
  core.SetOption(OptionProperty::kCaseSensitive, 1);
  EXPECT_EQ(OptionWord(session), TROV_DEFAULT_OPTIONS | 0x210u);
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 0);
  EXPECT_EQ(core.Option(OptionProperty::kCaseSensitive), 0)
      << "the capitalisation bit alone does not read as case sensitive";
}

TEST_F(ControlCoreOptions, SwitchingTheRankingOnReadsTheFrequencyFileBesideTheDictionaries) {
  const std::string path = dir.File(trov::kWordFrequencyFile);
  {
    trov_test::LogCapture log;
    core.SetOption(OptionProperty::kRankedSuggestions, 1);
    EXPECT_EQ(log.Messages(),
              (std::vector<std::string>{"TROV_LoadWordFrequencies: error -4 reading " + path,
                                        "-4 error opening " + path}))
        << "without the file the ranking goes on without frequencies";
    EXPECT_EQ(core.Option(OptionProperty::kRankedSuggestions), 1);
  }
  dir.Write(trov::kWordFrequencyFile, "broken line\n");
  {
    trov_test::LogCapture log;
    core.SetOption(OptionProperty::kRankedSuggestions, 1);
    EXPECT_TRUE(log.Messages().empty()) << "already on: the file is not read again";
    core.SetOption(OptionProperty::kRankedSuggestions, 0);
    core.SetOption(OptionProperty::kRankedSuggestions, 1);
    EXPECT_EQ(log.Messages(),
              (std::vector<std::string>{"TROV_LoadWordFrequencies: error -26 reading " + path,
                                        "-26 error opening " + path}));
  }
  dir.Rewrite(trov::kWordFrequencyFile, "time\t100\n");
  {
    trov_test::LogCapture log;
    core.SetOption(OptionProperty::kRankedSuggestions, 0);
    core.SetOption(OptionProperty::kRankedSuggestions, 1);
    EXPECT_TRUE(log.Messages().empty());
  }
}

TEST_F(ControlCoreOptions, OptionWritesLeaveErrorCodeAlone) {
  core.SetErrorCode(-7);
  core.SetOption(OptionProperty::kSplitWords, 1);
  core.SetMaxSuggestions(3);
  core.SetSuggestionDepth(70);
  core.SetAutoCorrect(0);
  EXPECT_EQ(core.ErrorCode(), -7);
}

TEST_F(ControlCoreOptions, AutoCorrectIsAFlagOfTheCoreNotOfTheSession) {
  const uint32_t before = OptionWord(core.Session());
  core.SetAutoCorrect(0);
  EXPECT_EQ(core.AutoCorrect(), 0);
  core.SetAutoCorrect(-1);
  EXPECT_EQ(core.AutoCorrect(), 1);
  EXPECT_EQ(OptionWord(core.Session()), before);
}

TEST_F(ControlCoreOptions, CharacterSetIsSharedByEveryCore) {
  trov::ControlCore other("");
  const int16_t original = core.CharacterSet();
  EXPECT_EQ(core.SetCharacterSet(2), 0);
  EXPECT_EQ(other.CharacterSet(), 2);
  EXPECT_EQ(other.SetCharacterSet(11), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(core.CharacterSet(), 2);
  EXPECT_EQ(core.SetCharacterSet(original), 0);
}

using ControlCoreSuggestionParameters = CoreTest;

TEST_F(ControlCoreSuggestionParameters, WritesAreLimited) {
  core.SetMinSuggestionDepth(0);
  EXPECT_EQ(core.MinSuggestionDepth(), 1);
  core.SetMinSuggestionDepth(250);
  EXPECT_EQ(core.MinSuggestionDepth(), 100);
  core.SetMinSuggestionDepth(-32768);
  EXPECT_EQ(core.MinSuggestionDepth(), 1);
  core.SetMinSuggestionDepth(37);
  EXPECT_EQ(core.MinSuggestionDepth(), 37);

  core.SetMinSuggestionScore(-5);
  EXPECT_EQ(core.MinSuggestionScore(), 0);
  core.SetMinSuggestionScore(101);
  EXPECT_EQ(core.MinSuggestionScore(), 100);
  core.SetMinSuggestionScore(0);
  EXPECT_EQ(core.MinSuggestionScore(), 0);

  core.SetMaxSuggestions(-3);
  EXPECT_EQ(core.MaxSuggestions(), 1);
  core.SetMaxSuggestions(0);
  EXPECT_EQ(core.MaxSuggestions(), 1);
  core.SetMaxSuggestions(500);
  EXPECT_EQ(core.MaxSuggestions(), 500) << "no upper limit";

  core.SetSuggestionDepth(0);
  EXPECT_EQ(core.SuggestionDepth(), 1);
  core.SetSuggestionDepth(101);
  EXPECT_EQ(core.SuggestionDepth(), 100);
  core.SetSuggestionDepth(100);
  EXPECT_EQ(core.SuggestionDepth(), 100);

  core.SetSuggestionDepthIncrement(0);
  EXPECT_EQ(core.SuggestionDepthIncrement(), 1);
  core.SetSuggestionDepthIncrement(1000);
  EXPECT_EQ(core.SuggestionDepthIncrement(), 1000);

  core.SetSuggestionScoreRange(-1);
  EXPECT_EQ(core.SuggestionScoreRange(), 0);
  core.SetSuggestionScoreRange(32767);
  EXPECT_EQ(core.SuggestionScoreRange(), 100);
}

}  // namespace
