#include "dictionary_members.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core_fixture.h"
#include "long_text.h"

namespace {

using trov::DictionaryKind;
using vantor_test::CoreTest;

class ControlDictionaryMembers : public CoreTest {
 protected:
  trov::DictionaryMembers members{core};
};

TEST_F(ControlDictionaryMembers, ListsAreExpandedInAndReducedOut) {
  trov_test::ScratchDir elsewhere;
  const std::string far = elsewhere.Write("a.tlx", vantor_test::LexiconBytes({"apple"}));
  const std::string near = Lexicon("b.tlx", {"banana"});
  members.SetUserDictionaryFiles((far + ",b.tlx").c_str());
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(core.ListText(DictionaryKind::kUser), far + "," + near) << "full paths inside";
  EXPECT_EQ(members.UserDictionaryFiles(), far + ",b.tlx");
  EXPECT_EQ(members.UserDictionaryCount(), 2);
  EXPECT_EQ(members.UserDictionary(0), far);
  EXPECT_EQ(members.UserDictionary(1), "b.tlx");
  EXPECT_EQ(members.UserDictionary(2), "");
  EXPECT_EQ(members.UserDictionary(-1), "");
}

TEST_F(ControlDictionaryMembers, MainListFailureLandsInErrorCode) {
  Lexicon("a.clx", {"apple"});
  Lexicon("b.clx", {"banana"});
  members.SetMainDictionaryFiles("a.clx,missing.clx,b.clx");
  EXPECT_EQ(members.MainDictionaryFiles(), "a.clx,b.clx");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(members.MainDictionaryCount(), 2);
  EXPECT_EQ(members.MainDictionary(1), "b.clx");

  members.RemoveMainDictionary("A.CLX");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(members.MainDictionaryFiles(), "b.clx");
  members.AddMainDictionary("nothere.clx");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_FILE_OPEN);
  members.AddMainDictionary("a.clx");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(members.MainDictionaryFiles(), "b.clx,a.clx");
  members.SetMainDictionaryFiles(nullptr);
  EXPECT_EQ(members.MainDictionaryCount(), 0);
}

TEST_F(ControlDictionaryMembers, WordMembersSetErrorCode) {
  Lexicon("user.tlx", {"alot\tca lot"});
  ASSERT_TRUE(members.SetUserDictionaryFiles("user.tlx"));
  EXPECT_EQ(members.UserDictionaryWordAction("user.tlx", "alot"), 'c');
  EXPECT_EQ(core.ErrorCode(), 'c');
  EXPECT_EQ(members.UserDictionaryOtherWord("user.tlx", "alot"), "a lot");
  EXPECT_EQ(members.UserDictionaryOtherWord("user.tlx", "none"), "");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NOT_FOUND);

  EXPECT_EQ(members.AddToUserDictionary("user.tlx", "wombat", 'i', nullptr), 0);
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\nalot\tca lot\r\nwombat\ti\r\n");
  members.DeleteFromUserDictionary("user.tlx", "alot");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(Read("user.tlx"), "#LID 24941\r\nwombat\ti\r\n");
  members.DeleteFromUserDictionary("user.tlx", "alot");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NOT_FOUND);

  // Word listing leaves ErrorCode as it was.
  EXPECT_EQ(members.UserDictionaryWordCount("user.tlx"), 1);
  EXPECT_EQ(members.UserDictionaryWord("user.tlx", 0), "wombat");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NOT_FOUND);
  members.ClearTempDictionary();
  EXPECT_EQ(core.ErrorCode(), 0);
}

TEST_F(ControlDictionaryMembers, AnEmptyArgumentNamesNoDictionary) {
  ASSERT_EQ(TROV_AddToLex(core.Session(), core.TempLexicon(), "zorp", 'i', nullptr), 0);
  // Expanded to the module directory and a separator: not the temporary dictionary.
  EXPECT_EQ(members.UserDictionaryWordAction("", "zorp"), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(members.UserDictionaryWordCount(""), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(TempAction("zorp"), 'i');
}

TEST_F(ControlDictionaryMembers, CreateExpandsAndListsTheNewFile) {
  EXPECT_EQ(members.CreateUserDictionary("fresh.tlx", 0x616D), 0);
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(Read("fresh.tlx"), "#LID 24941\r\n");
  EXPECT_EQ(members.UserDictionaryFiles(), "fresh.tlx");
  EXPECT_EQ(members.CreateUserDictionary("fresh.tlx", 0x616D), TROV_ERR_EXISTS);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_EXISTS);
}

class ControlRestrictedMode : public ControlDictionaryMembers {
 protected:
  void SetUp() override {
    Lexicon("userdic.tlx", {});
    Lexicon("x.tlx", {"xylophone"});
    ASSERT_TRUE(members.SetUserDictionaryFiles("userdic.tlx"));
    core.SetRestrictedMode(true);
  }
};

TEST_F(ControlRestrictedMode, UserListCannotChange) {
  EXPECT_FALSE(members.SetUserDictionaryFiles("x.tlx"));
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_UNSUPPORTED);
  core.SetErrorCode(0);
  EXPECT_FALSE(members.AddUserDictionary("x.tlx"));
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_UNSUPPORTED);
  core.SetErrorCode(0);
  members.RemoveUserDictionary("userdic.tlx");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_UNSUPPORTED);
  core.SetErrorCode(0);
  EXPECT_EQ(members.CreateUserDictionary("new.tlx", 0x616D), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_UNSUPPORTED);
  EXPECT_FALSE(Exists("new.tlx"));
  EXPECT_EQ(members.UserDictionaryFiles(), "userdic.tlx");

  // Main dictionaries are not restricted.
  members.AddMainDictionary("x.tlx");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(members.MainDictionaryFiles(), "x.tlx");
}

TEST_F(ControlRestrictedMode, WordChangesGoToTheFixedFile) {
  EXPECT_EQ(members.AddToUserDictionary("x.tlx", "kiwi", 'i', nullptr), 0);
  EXPECT_EQ(Read("userdic.tlx"), "#LID 24941\r\nkiwi\ti\r\n");
  EXPECT_EQ(Read("x.tlx"), "#LID 24941\r\nxylophone\r\n");
  members.DeleteFromUserDictionary("x.tlx", "xylophone");
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_NOT_FOUND) << "looked for in userdic.tlx";
  members.DeleteFromUserDictionary("anything", "kiwi");
  EXPECT_EQ(core.ErrorCode(), 0);
  EXPECT_EQ(Read("userdic.tlx"), "#LID 24941\r\n");
  // Lookups are not redirected.
  EXPECT_EQ(members.UserDictionaryWordAction("x.tlx", "xylophone"), TROV_ERR_FILE_OPEN);
}

TEST_F(ControlRestrictedMode, TheFixedFileTakesNoWordsAboveItsLimit) {
  // A full file: 32768 words still take one more; 32769 take none.
  core.SetRestrictedMode(false);
  dir.Write("userdic.tlx", vantor_test::NumberedWordsBytes(32768));
  ASSERT_TRUE(members.SetUserDictionaryFiles("userdic.tlx"));
  core.SetRestrictedMode(true);
  EXPECT_EQ(members.AddToUserDictionary("x.tlx", "w99998", 'i', nullptr), 0);
  EXPECT_EQ(members.UserDictionaryWordCount("userdic.tlx"), 32769);
  const std::string full = Read("userdic.tlx");
  EXPECT_EQ(members.AddToUserDictionary("x.tlx", "w99999", 'i', nullptr), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(core.ErrorCode(), TROV_ERR_BUFFER_FULL);
  EXPECT_TRUE(Read("userdic.tlx") == full) << "unchanged";
}

TEST_F(ControlDictionaryMembers, TheDialogListsEveryWordAtOnceAndLooksUpWithoutErrorCode) {
  // More words than a 16-bit count holds, each shown once, in the dictionary's order.
  std::string bytes = vantor_test::NumberedWordsBytes(40000) + "teh\tAthe\r\n";
  dir.Write("big.tlx", bytes);
  ASSERT_TRUE(members.SetUserDictionaryFiles("big.tlx"));
  const std::vector<std::string> words = members.UserDictionaryWords("big.tlx");
  ASSERT_EQ(words.size(), 40001u);
  EXPECT_EQ(words.front(), "teh");
  EXPECT_EQ(words[1], "w00000");
  EXPECT_EQ(words.back(), "w39999");
  EXPECT_EQ(members.UserDictionaryWordCount("big.tlx"), 40001);

  core.SetErrorCode(-99);
  std::array<char, TROV_WORD_BUFFER> other{};
  EXPECT_EQ(members.LookUpUserDictionaryWord("big.tlx", "teh", other), 'A');
  EXPECT_STREQ(other.data(), "the");
  EXPECT_EQ(members.LookUpUserDictionaryWord("big.tlx", "absent", other), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(other.data(), "");
  EXPECT_EQ(members.LookUpUserDictionaryWord("other.tlx", "teh", other), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ErrorCode(), -99);
  EXPECT_TRUE(members.UserDictionaryWords("other.tlx").empty());
}

TEST_F(ControlDictionaryMembers, UserDictionariesCanLiveInAFolderOfTheirOwn) {
  trov_test::ScratchDir userFolder;
  core.SetUserDictionaryDirectory(userFolder.Path().string());
  const std::string mine = userFolder.Write("mine.tlx", vantor_test::LexiconBytes({"apple"}));
  Lexicon("mine.tlx", {"banana"});  // the same name beside the module is not the one used
  const std::string main = Lexicon("main.tlx", {"cherry"});
  members.SetMainDictionaryFiles("main.tlx");
  ASSERT_TRUE(members.SetUserDictionaryFiles("mine.tlx"));
  EXPECT_EQ(core.ListText(DictionaryKind::kUser), mine);
  EXPECT_EQ(core.ListText(DictionaryKind::kMain), main);
  EXPECT_EQ(members.UserDictionaryFiles(), "mine.tlx");
  EXPECT_EQ(members.UserDictionary(0), "mine.tlx");
  EXPECT_EQ(members.MainDictionaryFiles(), "main.tlx");
  EXPECT_EQ(members.UserDictionaryWordAction("mine.tlx", "apple"), 'i');

  EXPECT_EQ(members.AddToUserDictionary("mine.tlx", "kiwi", 'i', nullptr), 0);
  EXPECT_NE(userFolder.Read(mine).find("kiwi"), std::string::npos);
  EXPECT_EQ(members.CreateUserDictionary("new.tlx", TROV_LANGUAGE_ANY), 0);
  EXPECT_TRUE(std::filesystem::exists(userFolder.File("new.tlx")));
  EXPECT_FALSE(Exists("new.tlx"));

  // Restricted mode keeps to the one user dictionary of that folder.
  userFolder.Write("userdic.tlx", vantor_test::LexiconBytes({}));
  core.SetRestrictedMode(true);
  EXPECT_EQ(members.AddToUserDictionary("elsewhere.tlx", "plum", 'i', nullptr), 0);
  EXPECT_NE(userFolder.Read(userFolder.File("userdic.tlx")).find("plum"), std::string::npos);
}

}  // namespace
