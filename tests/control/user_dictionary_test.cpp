#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "control_core.h"
#include "core_fixture.h"
#include "engine/log_capture.h"
#include "long_text.h"

namespace {

using trov::DictionaryKind;
using trov::OptionProperty;
using vantor_test::CoreTest;

constexpr DictionaryKind kUser = DictionaryKind::kUser;

bool Contains(const std::vector<std::string>& lines, const std::string& wanted) {
  for (const std::string& line : lines) {
    if (line == wanted) return true;
  }
  return false;
}

using ControlUserDictionaryWords = CoreTest;

TEST_F(ControlUserDictionaryWords, AddAndDeleteOnAListedDictionaryRewriteItsFile) {
  const std::string file = Lexicon("user.tlx", {"zebra"});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  EXPECT_EQ(core.AddToUserDictionary(file.c_str(), "teh", 'A', "the"), 0);
  EXPECT_EQ(core.AddToUserDictionary(file.c_str(), "colour", 'i', nullptr), 0);
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\ncolour\ti\r\nteh\tAthe\r\nzebra\ti\r\n");
  EXPECT_EQ(core.DeleteFromUserDictionary(file.c_str(), "zebra"), 0);
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\ncolour\ti\r\nteh\tAthe\r\n");
  // On a listed dictionary the engine's failures come back as they are.
  EXPECT_EQ(core.DeleteFromUserDictionary(file.c_str(), "zebra"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(core.AddToUserDictionary(file.c_str(), "bad\x01", 'i', nullptr), TROV_ERR_BAD_CHAR);
  EXPECT_EQ(core.AddToUserDictionary(file.c_str(), "word", 'x', nullptr), TROV_ERR_BAD_ACTION);
}

TEST_F(ControlUserDictionaryWords, AnUnlistedFileIsOpenedForTheOneCall) {
  const std::string listed = Lexicon("listed.tlx", {});
  const std::string other = Lexicon("other.tlx", {});
  ASSERT_EQ(core.SetList(kUser, listed), 0);
  trov_test::LogCapture log;
  EXPECT_EQ(core.AddToUserDictionary(other.c_str(), "quokka", 'i', nullptr), 0);
  EXPECT_EQ(Read("other.tlx"), "#LID 24941\r\nquokka\ti\r\n");
  EXPECT_EQ(core.ListText(kUser), listed);
  EXPECT_EQ(core.Dictionaries(kUser).size(), 1u);
  std::vector<std::string> lines = log.Messages();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().rfind("TROV_CloseLex: closing ", 0), 0u) << "closed again afterwards";

  // A rejected word is only logged: the result is still 0.
  EXPECT_EQ(core.AddToUserDictionary(other.c_str(), "bad\x01", 'i', nullptr), 0);
  EXPECT_TRUE(Contains(log.Messages(), "-19 error adding word to " + other));
  EXPECT_EQ(Read("other.tlx"), "#LID 24941\r\nquokka\ti\r\n");

  // Deleting reports the delete's result.
  EXPECT_EQ(core.DeleteFromUserDictionary(other.c_str(), "wombat"), TROV_ERR_NOT_FOUND);
  EXPECT_TRUE(Contains(log.Messages(), "-3 error deleting word from " + other));
  EXPECT_EQ(core.DeleteFromUserDictionary(other.c_str(), "quokka"), 0);
  EXPECT_EQ(Read("other.tlx"), "#LID 24941\r\n");
}

TEST_F(ControlUserDictionaryWords, AnUnlistedFileThatCannotBeOpenedFails) {
  const std::string missing = dir.File("missing.tlx");
  trov_test::LogCapture log;
  EXPECT_EQ(core.AddToUserDictionary(missing.c_str(), "word", 'i', nullptr), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.DeleteFromUserDictionary(missing.c_str(), "word"), TROV_ERR_FILE_OPEN);
  const std::vector<std::string> lines = log.Messages();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "-4 error opening " + missing), 2);
  EXPECT_FALSE(Exists("missing.tlx"));
  // An empty name is a file name here, not the temporary dictionary.
  EXPECT_EQ(core.AddToUserDictionary("", "word", 'i', nullptr), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(TempAction("word"), TROV_ERR_NOT_FOUND);
}

TEST_F(ControlUserDictionaryWords, ListedNamesMatchInAnyLetterCase) {
  const std::string file = Lexicon("user.tlx", {});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  std::string upper = file;
  upper.replace(upper.size() - 8, 8, "USER.TLX");
  // On a case-sensitive file system only the listed dictionary can take the word.
  EXPECT_EQ(core.AddToUserDictionary(upper.c_str(), "kiwi", 'i', nullptr), 0);
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\nkiwi\ti\r\n");
}

TEST_F(ControlUserDictionaryWords, FindLooksUpListedOrTemporaryDictionaries) {
  const std::string file = Lexicon("user.tlx", {"alot\tca lot", "colour"});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  std::array<char, TROV_WORD_BUFFER> other;
  EXPECT_EQ(core.FindUserDictionaryWord(file.c_str(), "alot", other), 'c');
  EXPECT_STREQ(other.data(), "a lot");
  EXPECT_EQ(core.FindUserDictionaryWord(file.c_str(), "colour", other), 'i');
  EXPECT_STREQ(other.data(), "");
  EXPECT_EQ(core.FindUserDictionaryWord(file.c_str(), "color", other), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(other.data(), "");
  EXPECT_EQ(core.FindUserDictionaryWord(dir.File("other.tlx").c_str(), "alot", other),
            TROV_ERR_FILE_OPEN)
      << "lookups never open a file";

  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), "zorp", 'i', nullptr), 0);
  EXPECT_EQ(core.FindUserDictionaryWord("", "zorp", other), 105);
  EXPECT_EQ(core.FindUserDictionaryWord(nullptr, "zorp", other), 105);
  EXPECT_EQ(core.FindUserDictionary(nullptr), core.TempLexicon());
}

TEST_F(ControlUserDictionaryWords, WordAtWalksTheDictionaryInByteOrder) {
  const std::string file = Lexicon("user.tlx", {"pear", "Zoo", "teh\tAthe", "apple"});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  const char* name = file.c_str();
  EXPECT_EQ(core.UserDictionaryWordCountOf(name), 4);
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 0), "Zoo");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 1), "apple");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 2), "pear");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 3), "teh") << "the word without its other word";
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 4), "");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 1000), "");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, -1), "Zoo");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, INT32_MIN), "Zoo");
}

TEST_F(ControlUserDictionaryWords, WordAtAndCountOnEmptyAndUnknownDictionaries) {
  const std::string empty = Lexicon("empty.tlx", {});
  ASSERT_EQ(core.SetList(kUser, empty), 0);
  EXPECT_EQ(core.UserDictionaryWordCountOf(empty.c_str()), 0);
  EXPECT_STREQ(core.UserDictionaryWordAt(empty.c_str(), 0), "");
  EXPECT_STREQ(core.UserDictionaryWordAt(empty.c_str(), -1), "");

  const std::string unknown = dir.File("unknown.tlx");
  trov_test::LogCapture log;
  EXPECT_EQ(core.UserDictionaryWordCountOf(unknown.c_str()), TROV_ERR_FILE_OPEN);
  EXPECT_STREQ(core.UserDictionaryWordAt(unknown.c_str(), 0), "");
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"-4 error on " + unknown}));
}

TEST_F(ControlUserDictionaryWords, WordAtAndCountReachTheTemporaryDictionaryByAnEmptyName) {
  EXPECT_EQ(core.UserDictionaryWordCountOf(""), 0);
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), "beta", 'i', nullptr), 0);
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), "alpha", 'A', "Alpha"), 0);
  EXPECT_EQ(core.UserDictionaryWordCountOf(""), 2);
  EXPECT_STREQ(core.UserDictionaryWordAt("", 0), "alpha");
  EXPECT_STREQ(core.UserDictionaryWordAt(nullptr, 1), "beta");
  core.ClearTempDictionary();
  EXPECT_EQ(core.UserDictionaryWordCountOf(""), 0);
}

TEST_F(ControlUserDictionaryWords, FortyThousandWordsAreCountedAndEachCanBeReached) {
  const std::string file = dir.Write("big.tlx", vantor_test::NumberedWordsBytes(40'000));
  ASSERT_EQ(core.SetList(kUser, file), 0);
  const char* name = file.c_str();
  EXPECT_EQ(core.UserDictionaryWordCountOf(name), 40'000);
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 0), "w00000");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 32'767), "w32767");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 32'768), "w32768");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 39'999), "w39999");
  EXPECT_STREQ(core.UserDictionaryWordAt(name, 40'000), "");
}

TEST_F(ControlUserDictionaryWords, LongWordsAreListedUpToEightyCharacters) {
  const std::string file = Lexicon("user.tlx", {});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  const std::string longWord(80, 'q');
  ASSERT_EQ(core.AddToUserDictionary(file.c_str(), (longWord + "rest").c_str(), 'i', nullptr), 0);
  EXPECT_EQ(core.UserDictionaryWordAt(file.c_str(), 0), longWord);
}

TEST_F(ControlUserDictionaryWords, CreateMakesTheFileAndListsIt) {
  const std::string listed = Lexicon("listed.tlx", {});
  ASSERT_EQ(core.SetList(kUser, listed), 0);
  const std::string created = dir.File("new.tlx");
  EXPECT_EQ(core.CreateUserDictionary(created.c_str(), 0x6672), 0);
  EXPECT_EQ(Read("new.tlx"), "#LID 26226\r\n");
  EXPECT_EQ(core.ListText(kUser), listed + "," + created);
  EXPECT_EQ(core.Dictionaries(kUser).size(), 2u);

  // An existing file is neither overwritten nor listed twice.
  const std::string existing = dir.Write("old.tlx", "keep me");
  EXPECT_EQ(core.CreateUserDictionary(existing.c_str(), 0x616D), TROV_ERR_EXISTS);
  EXPECT_EQ(Read("old.tlx"), "keep me");
  EXPECT_EQ(core.ListText(kUser), listed + "," + created);
}

TEST_F(ControlUserDictionaryWords, CreateRefusesAnEmptyName) {
  // The engine would make a temporary lexicon of it, which no list can name.
  EXPECT_EQ(core.CreateUserDictionary("", 0x616D), TROV_ERR_CREATE);
  EXPECT_EQ(core.CreateUserDictionary(nullptr, 0x616D), TROV_ERR_CREATE);
  EXPECT_EQ(core.ListText(kUser), "");
}

TEST_F(ControlUserDictionaryWords, BackupOptionReachesTheEngine) {
  const std::string file = Lexicon("user.tlx", {"one"});
  ASSERT_EQ(core.SetList(kUser, file), 0);
  ASSERT_EQ(core.AddToUserDictionary(file.c_str(), "two", 'i', nullptr), 0);
  EXPECT_FALSE(Exists("user.bak"));
  core.SetOption(OptionProperty::kBackupUserDictionary, 1);
  ASSERT_EQ(core.AddToUserDictionary(file.c_str(), "three", 'i', nullptr), 0);
  EXPECT_EQ(Read("user.bak"), "#LID 24941\r\none\ti\r\ntwo\ti\r\n");
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\none\ti\r\nthree\ti\r\ntwo\ti\r\n");
}

}  // namespace
