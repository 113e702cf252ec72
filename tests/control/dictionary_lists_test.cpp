#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "control_core.h"
#include "core_fixture.h"
#include "engine/log_capture.h"

namespace {

using trov::DictionaryKind;
using vantor_test::CoreTest;

constexpr DictionaryKind kMain = DictionaryKind::kMain;
constexpr DictionaryKind kUser = DictionaryKind::kUser;

int CountLines(const std::vector<std::string>& lines, const std::string& wanted) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), wanted));
}

int CountPrefixed(const std::vector<std::string>& lines, const std::string& prefix) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
    return line.rfind(prefix, 0) == 0;
  }));
}

std::vector<std::string> Names(const trov::ControlCore& core, DictionaryKind kind) {
  std::vector<std::string> names;
  for (const trov::DictionaryEntry& entry : core.Dictionaries(kind)) {
    names.push_back(entry.fileName);
  }
  return names;
}

using ControlDictionaryLists = CoreTest;

TEST_F(ControlDictionaryLists, FailedNamesAreDroppedAndTheFailureIsReported) {
  const std::string a = Lexicon("a.clx", {"apple"});
  const std::string b = Lexicon("b.clx", {"banana"});
  const std::string missing = dir.File("missing.clx");
  trov_test::LogCapture log;
  EXPECT_EQ(core.SetList(kMain, a + "," + missing + "," + b), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ListText(kMain), a + "," + b);
  EXPECT_EQ(Names(core, kMain), (std::vector<std::string>{a, b}));
  const std::vector<std::string> lines = log.Messages();
  EXPECT_EQ(CountLines(lines, "-4 error opening " + missing), 1);
  EXPECT_EQ(CountPrefixed(lines, "-4 error opening"), 1);
}

TEST_F(ControlDictionaryLists, MainDictionariesTakeTheLowerIdsWhateverTheOrderOfSetting) {
  const std::string user = Lexicon("u.tlx", {"pear"});
  const std::string main = Lexicon("m.tlx", {"plum"});
  ASSERT_EQ(core.SetList(kUser, user), 0);
  ASSERT_EQ(core.SetList(kMain, main), 0);
  ASSERT_EQ(core.Dictionaries(kMain).size(), 1u);
  ASSERT_EQ(core.Dictionaries(kUser).size(), 1u);
  EXPECT_LT(core.Dictionaries(kMain)[0].lexicon, core.Dictionaries(kUser)[0].lexicon);
  EXPECT_GT(core.Dictionaries(kMain)[0].lexicon, core.TempLexicon());
}

TEST_F(ControlDictionaryLists, BothListsSetAtOnceReplaceWhatWasOpen) {
  const std::string old = Lexicon("old.tlx", {"fig"});
  const std::string main = Lexicon("m.tlx", {"plum"});
  const std::string user = Lexicon("u.tlx", {"pear"});
  const std::string missing = dir.File("missing.tlx");
  ASSERT_EQ(core.SetList(kMain, old), 0);
  trov_test::LogCapture log;
  EXPECT_EQ(core.SetLists(main, user + "," + missing), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(Names(core, kMain), (std::vector<std::string>{main}));
  EXPECT_EQ(Names(core, kUser), (std::vector<std::string>{user}));
  EXPECT_EQ(core.ListText(kUser), user);
  EXPECT_EQ(CountPrefixed(log.Messages(), "-4 error opening"), 1);
  EXPECT_LT(core.Dictionaries(kMain)[0].lexicon, core.Dictionaries(kUser)[0].lexicon);

  EXPECT_EQ(core.SetLists("", ""), 0);
  EXPECT_TRUE(core.Dictionaries(kMain).empty());
  EXPECT_TRUE(core.Dictionaries(kUser).empty());
}

TEST_F(ControlDictionaryLists, NamesAreNotTrimmedAndEmptyNamesFail) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  Lexicon("b.tlx", {"banana"});
  EXPECT_EQ(core.SetList(kUser, a + ", b.tlx"), TROV_ERR_FILE_OPEN) << "' b.tlx' does not exist";
  EXPECT_EQ(core.ListText(kUser), a);

  trov_test::LogCapture log;
  EXPECT_EQ(core.SetList(kUser, a + ",," + a), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(CountLines(log.Messages(), "-4 error opening "), 1);
  EXPECT_EQ(core.ListText(kUser), a + "," + a) << "the same file twice opens twice";

  // A file whose name begins with a blank is found like any other.
  const std::string blank = dir.Write(" b.tlx", vantor_test::LexiconBytes({"banana"}));
  EXPECT_EQ(core.SetList(kUser, a + "," + blank), 0);
  EXPECT_EQ(core.Dictionaries(kUser).size(), 2u);
}

TEST_F(ControlDictionaryLists, ResultIsTheLastFailureOverBothLists) {
  const std::string bad = dir.Write("bad.tlx", "#LID 24941\r\nbad\x01word\r\n");
  ASSERT_EQ(core.SetList(kMain, dir.File("missing.tlx")), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.SetList(kUser, bad), TROV_ERR_BAD_CHAR) << "user lists open after main lists";
  EXPECT_EQ(core.ListText(kMain), "");
  EXPECT_EQ(core.ListText(kUser), "");
  EXPECT_EQ(core.OpenDictionaryLists(), 0) << "the failed names are gone from the lists";
}

TEST_F(ControlDictionaryLists, ListTextIsCutAtItsLimitAndLongNamesSplit) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  const std::string tail(2000, 'x');
  trov_test::LogCapture log;
  EXPECT_EQ(core.SetList(kMain, a + "," + tail), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ListText(kMain), a);
  // 1023 characters survive the cut; the x run beyond the 515 the engine keeps is another name.
  const std::size_t kept = 1023 - a.size() - 1;
  const std::vector<std::string> lines = log.Messages();
  EXPECT_EQ(CountLines(lines, "-4 error opening " + std::string(515, 'x')), 1);
  EXPECT_EQ(CountLines(lines, "-4 error opening " + std::string(kept - 515, 'x')), 1);
  EXPECT_EQ(CountPrefixed(lines, "-4 error opening"), 2);
}

TEST_F(ControlDictionaryLists, AddingAListedNameInOtherCaseChangesNothing) {
  const std::string a = Lexicon("a.clx", {"apple"});
  ASSERT_EQ(core.SetList(kMain, a), 0);
  const int16_t id = core.Dictionaries(kMain)[0].lexicon;
  std::string upper = a;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  });
  trov_test::LogCapture log;
  EXPECT_EQ(core.AddDictionary(kMain, upper), 0);
  EXPECT_TRUE(log.Messages().empty()) << "nothing was closed or reopened";
  EXPECT_EQ(core.ListText(kMain), a);
  EXPECT_EQ(core.Dictionaries(kMain)[0].lexicon, id);
}

TEST_F(ControlDictionaryLists, AddAppendsAndReopensEverything) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  const std::string b = Lexicon("b.tlx", {"banana"});
  EXPECT_EQ(core.AddDictionary(kUser, a), 0);
  EXPECT_EQ(core.ListText(kUser), a) << "no comma before the first name";
  trov_test::LogCapture log;
  EXPECT_EQ(core.AddDictionary(kUser, b), 0);
  EXPECT_EQ(core.ListText(kUser), a + "," + b);
  EXPECT_EQ(Names(core, kUser), (std::vector<std::string>{a, b}));
  EXPECT_EQ(CountPrefixed(log.Messages(), "TROV_CloseLex: closing"), 1);
  EXPECT_EQ(core.AddDictionary(kUser, dir.File("none.tlx")), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ListText(kUser), a + "," + b);
}

TEST_F(ControlDictionaryLists, AddThatWouldOverflowTheListTextChangesNothing) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  ASSERT_EQ(core.SetList(kUser, a), 0);
  // Exactly 1023 characters fit; one more does not.
  const std::string fits(1023 - a.size() - 1, 'n');
  const std::string tooLong = fits + "n";
  trov_test::LogCapture log;
  EXPECT_EQ(core.AddDictionary(kUser, tooLong), TROV_ERR_BUFFER_FULL);
  EXPECT_TRUE(log.Messages().empty());
  EXPECT_EQ(core.ListText(kUser), a);
  EXPECT_EQ(core.AddDictionary(kUser, fits), TROV_ERR_FILE_OPEN) << "accepted, then not found";
}

TEST_F(ControlDictionaryLists, RemoveRebuildsFromTheOpenEntries) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  const std::string b = Lexicon("b.tlx", {"banana"});
  const std::string c = Lexicon("c.tlx", {"cherry"});
  ASSERT_EQ(core.SetList(kMain, a + "," + b + "," + c), 0);
  std::string upperB = b;
  upperB.replace(upperB.size() - 5, 5, "B.TLX");
  EXPECT_EQ(core.RemoveDictionary(kMain, upperB), 0);
  EXPECT_EQ(core.ListText(kMain), a + "," + c);
  EXPECT_EQ(Names(core, kMain), (std::vector<std::string>{a, c}));

  // A name that is not listed still reopens everything; a file gone since it was opened is
  // dropped then.
  std::filesystem::remove(c);
  trov_test::LogCapture log;
  EXPECT_EQ(core.RemoveDictionary(kMain, dir.File("zzz.tlx")), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(core.ListText(kMain), a);
  EXPECT_EQ(CountLines(log.Messages(), "-4 error opening " + c), 1);
}

TEST_F(ControlDictionaryLists, CloseDictionariesKeepsTheListTexts) {
  const std::string a = Lexicon("a.tlx", {"apple"});
  ASSERT_EQ(core.SetList(kUser, a), 0);
  const int16_t id = core.Dictionaries(kUser)[0].lexicon;
  core.CloseDictionaries();
  EXPECT_TRUE(core.Dictionaries(kUser).empty());
  EXPECT_EQ(core.ListText(kUser), a);
  EXPECT_EQ(TROV_CloseLex(core.Session(), id), TROV_ERR_BAD_LEX) << "already closed";
  EXPECT_EQ(core.OpenDictionaryLists(), 0);
  EXPECT_EQ(core.Dictionaries(kUser).size(), 1u);
}

TEST_F(ControlDictionaryLists, TheTemporaryDictionaryOutlivesListChanges) {
  ASSERT_GE(TROV_AddToLex(core.Session(), core.TempLexicon(), "zorp", 'i', nullptr), 0);
  const std::string a = Lexicon("a.tlx", {"apple"});
  ASSERT_EQ(core.SetList(kUser, a), 0);
  ASSERT_EQ(core.SetList(kUser, ""), 0);
  EXPECT_EQ(TempAction("zorp"), 'i');
}

}  // namespace
