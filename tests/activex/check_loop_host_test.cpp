// The whole check loop driven through IDispatch on real edit and rich-edit windows: text replaced
// in the window, the problem word selected there, and the events in their order.
#include <ocidl.h>

#include <vector>

#include "com_fixture.h"
#include "event_recorder.h"
#include "test_windows.h"
#include "vantor_ids.h"

namespace trov::test {
namespace {

class CheckLoopHostTest : public EventTest, public ::testing::WithParamInterface<const char*> {};

const std::vector<std::wstring> kKnownWords = {L"the", L"cat", L"sat", L"on", L"mat", L"dog"};

// Rich edit 2.0 counts a line end as one position, the others as two.
long LineEndLength(const char* className) {
  return std::string(className).rfind("RichEdit20", 0) == 0 ? 1 : 2;
}

TEST_P(CheckLoopHostTest, ReplacingAProblemWordChangesTheWindow) {
  const char* className = GetParam();
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  Connect(control);
  TestWindow window(className, "the cat\r\nsat on teh mat");
  ASSERT_EQ(control.Put(L"TextControlHWnd", Var::Long(HandleToLong(window.handle()))), S_OK);
  EXPECT_EQ(control.Number(L"TextControlHWnd"), HandleToLong(window.handle()));

  EXPECT_EQ(control.Call(L"Resume").number(), 1);  // misspelled
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({1}));
  EXPECT_EQ(control.Text(L"MisspelledWord"), L"teh");
  const long offset = 14 + LineEndLength(className);
  EXPECT_EQ(control.Number(L"WordOffset"), offset);
  long start = 0;
  long end = 0;
  window.Selection(start, end);
  EXPECT_EQ(start, offset);
  EXPECT_EQ(end, offset + 3);

  control.Put(L"ReplacementWord", Var::Text(L"the"));
  EXPECT_EQ(control.Call(L"ReplaceWord").number(), 0);
  EXPECT_NE(window.Text().find("sat on the mat"), std::string::npos) << window.Text();
  EXPECT_EQ(window.Text().find("teh"), std::string::npos);
  EXPECT_EQ(control.Number(L"WordsReplacedCount"), 1);
  EXPECT_EQ(control.Number(L"CanUndo"), -1);

  EXPECT_EQ(control.Call(L"Resume").number(), 0x40);  // end of text
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({1, 9, 7}));

  control.Call(L"Undo");
  EXPECT_NE(window.Text().find("sat on teh mat"), std::string::npos) << window.Text();
  EXPECT_EQ(control.Text(L"UndoOldText"), L"teh");
  EXPECT_EQ(control.Text(L"UndoNewText"), L"the");
  EXPECT_EQ(control.Number(L"UndoOffset"), offset);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({1, 9, 7, 8}));
  EXPECT_EQ(control.Call(L"Resume").number(), 1);
}

TEST_P(CheckLoopHostTest, DeletingADoubledWordAndIgnoringOne) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  Connect(control);
  TestWindow window(GetParam(), "the cat cat sat zzq on the mat");
  control.Put(L"TextControlHWnd", Var::Long(HandleToLong(window.handle())));

  EXPECT_EQ(control.Call(L"Resume").number(), 0x80);  // doubled word
  EXPECT_EQ(control.Number(L"WordOffset"), 8);
  EXPECT_EQ(control.Call(L"DeleteWord").number(), 7);
  EXPECT_EQ(window.Text(), "the cat sat zzq on the mat");
  EXPECT_EQ(control.Text(L"Text"), L"the cat sat zzq on the mat");

  EXPECT_EQ(control.Call(L"Resume").number(), 1);
  EXPECT_EQ(control.Text(L"MisspelledWord"), L"zzq");
  control.Call(L"IgnoreAllWord");
  EXPECT_EQ(control.Call(L"Resume").number(), 0x40);
  EXPECT_EQ(recorder_.events, std::vector<DISPID>({4, 10, 1, 7}));
  EXPECT_EQ(recorder_.offsets, std::vector<long>({7}));
  EXPECT_EQ(control.Number(L"MisspelledWordCount"), 2);
  EXPECT_EQ(control.Number(L"WordCount"), 7);
}

TEST_P(CheckLoopHostTest, SettingTextDetachesTheWindow) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  TestWindow window(GetParam(), "the dgo sat");
  control.Put(L"TextControlHWnd", Var::Long(HandleToLong(window.handle())));
  EXPECT_EQ(control.Text(L"Text"), L"the dgo sat");
  control.Put(L"Text", Var::Text(L"the dgo sat on the mat"));
  EXPECT_EQ(control.Number(L"TextControlHWnd"), 0);
  EXPECT_EQ(control.Call(L"Resume").number(), 1);
  control.Put(L"ReplacementWord", Var::Text(L"dog"));
  EXPECT_EQ(control.Call(L"ReplaceWord").number(), 0);
  EXPECT_EQ(control.Text(L"Text"), L"the dog sat on the mat");
  EXPECT_EQ(window.Text(), "the dgo sat");
}

INSTANTIATE_TEST_SUITE_P(Windows, CheckLoopHostTest,
                         ::testing::Values("Edit", "RICHEDIT", "RichEdit20A", "RichEdit20W"));

TEST_F(ControlTest, SuggestionsAndConditionalChangesThroughAutomation) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, kKnownWords);
  const std::wstring file = (directory_ / "words.tlx").wstring();
  EXPECT_EQ(control
                .Call(L"AddToUserDictionary",
                      {Var::Text(file), Var::Text(L"mta"), Var::Short('a'), Var::Text(L"mat")})
                .number(),
            0);
  EXPECT_EQ(control.Get(L"UserDictionaryWordAction", {Var::Text(file), Var::Text(L"mta")}).number(),
            'a');
  EXPECT_EQ(control.Text(L"UserDictionaryOtherWord", {Var::Text(file), Var::Text(L"mta")}), L"mat");
  EXPECT_EQ(control.Number(L"UserDictionaryWordCount", {Var::Text(file)}), 7);
  EXPECT_EQ(control.Text(L"UserDictionaryWord", {Var::Text(file), Var::Long(0)}), L"cat");

  control.Put(L"AutoCorrect", Var::Bool(false));
  control.Put(L"Text", Var::Text(L"the cat sat on the mta"));
  EXPECT_EQ(control.Call(L"Resume").number(), 4);  // conditional change
  EXPECT_EQ(control.Text(L"ReplacementWord"), L"mat");

  control.Put(L"MisspelledWord", Var::Text(L"cta"));
  control.Call(L"Suggest");
  const long count = control.Number(L"SuggestionCount");
  ASSERT_GT(count, 0);
  bool offered = false;
  for (long i = 0; i < count; ++i) {
    offered |= control.Text(L"Suggestion", {Var::Short(static_cast<int16_t>(i))}) == L"cat";
  }
  EXPECT_TRUE(offered);
  EXPECT_EQ(control.Text(L"Suggestion", {Var::Short(-1)}), L"");
  EXPECT_EQ(control.Text(L"Suggestion", {Var::Short(static_cast<int16_t>(count))}), L"");
  EXPECT_EQ(control.Number(L"SuggestionDepth"), 60);
  EXPECT_EQ(control.Call(L"TestWord", {Var::Text(L"cat")}).number(), -1);
  EXPECT_EQ(control.Call(L"TestWord", {Var::Text(L"cta")}).number(), 0);
}

}  // namespace
}  // namespace trov::test
