// The real control on long documents in a Unicode rich-edit window: problems past the reach of
// 16-bit offsets are selected, replaced, deleted and undone at their places in the window, and the
// window's text and Text stay one text; a user dictionary past 32767 words lists every word.
#include <fstream>
#include <string>
#include <utility>

#include "com_fixture.h"
#include "long_text.h"
#include "test_windows.h"

namespace trov::test {
namespace {

class LongDocumentTest : public ControlTest,
                         public ::testing::WithParamInterface<vantor_test::LongTextCase> {};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// The window's text with its line ends as the control counts them: one position each.
std::string Folded(const std::string& windowText) {
  std::string folded;
  folded.reserve(windowText.size());
  for (std::size_t i = 0; i < windowText.size(); ++i) {
    if (windowText[i] != '\r' || i + 1 >= windowText.size() || windowText[i + 1] != '\n') {
      folded += windowText[i];
    }
  }
  return folded;
}

TEST_P(LongDocumentTest, ProblemsPastSixteenBitsAreChangedInTheWindowAndUndone) {
  AutomationClient control = NewControl();
  UsePrivateDictionary(control, {L"the", L"cat", L"cats", L"sat", L"on", L"mat"});
  const vantor_test::LongText made =
      vantor_test::MakeLongText(GetParam().length, GetParam().places, "qat");
  TestWindow window("RichEdit20W", "");
  // Line feeds alone make one paragraph each; a carriage return and line feed split between two
  // streamed chunks would make two.
  window.StreamIn(made.text);
  ASSERT_EQ(control.Put(L"TextControlHWnd", Var::Long(HandleToLong(window.handle()))), S_OK);
  ASSERT_EQ(control.Number(L"TextLength"), static_cast<long>(made.text.size()));
  EXPECT_EQ(control.Number(L"WordCount"), made.words);

  // Replacements add a character, deletions take four away.
  std::string expected = made.text;
  long shift = 0;
  std::vector<long> changedAt;
  for (std::size_t i = 0; i < made.problems.size(); ++i) {
    const long at = made.problems[i] + shift;
    ASSERT_EQ(control.Call(L"Resume").number(), 1) << "problem " << i;
    EXPECT_EQ(control.Number(L"WordOffset"), at);
    long start = 0;
    long end = 0;
    window.Selection(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(at, at + 3)) << "the word is selected";
    if (i % 2 == 0) {
      control.Put(L"ReplacementWord", Var::Text(L"cats"));
      EXPECT_EQ(control.Call(L"ReplaceWord").number(), 0);
      expected.replace(static_cast<std::size_t>(at), 3, "cats");
      changedAt.push_back(at);
      shift += 1;
    } else {
      EXPECT_EQ(control.Call(L"DeleteWord").number(), at - 1);
      expected.erase(static_cast<std::size_t>(at - 1), 4);
      changedAt.push_back(at - 1);
      shift -= 4;
    }
  }
  EXPECT_EQ(control.Call(L"Resume").number(), 0x40);
  EXPECT_TRUE(Folded(window.Text()) == expected);
  EXPECT_TRUE(control.Text(L"Text") == Wide(expected));
  EXPECT_EQ(control.Number(L"TextLength"), static_cast<long>(expected.size()));

  for (std::size_t i = changedAt.size(); i-- > 0;) {
    control.Call(L"Undo");
    EXPECT_EQ(control.Number(L"UndoOffset"), changedAt[i]);
  }
  EXPECT_TRUE(Folded(window.Text()) == made.text);
  EXPECT_TRUE(control.Text(L"Text") == Wide(made.text));
  EXPECT_EQ(control.Call(L"Resume").number(), 1) << "the first problem is back";
  EXPECT_EQ(control.Number(L"WordOffset"), made.problems.front());
}

INSTANTIATE_TEST_SUITE_P(RichEdit20W, LongDocumentTest,
                         ::testing::ValuesIn(vantor_test::kLongTextCases), [](const auto& info) {
                           return vantor_test::LongTextCaseName(info.param);
                         });

TEST_F(ControlTest, AUserDictionaryOfFortyThousandWordsListsEveryWord) {
  AutomationClient control = NewControl();
  const std::filesystem::path file = directory_ / "big.tlx";
  std::ofstream(file, std::ios::binary) << vantor_test::NumberedWordsBytes(40'000);
  ASSERT_EQ(control.Put(L"UserDictionaryFiles", Var::Text(file.wstring())), S_OK);
  EXPECT_EQ(control.Number(L"UserDictionaryWordCount", {Var::Text(file.wstring())}), 40'000);
  for (const int index : {0, 32'767, 32'768, 39'999}) {
    EXPECT_EQ(control.Text(L"UserDictionaryWord", {Var::Text(file.wstring()), Var::Long(index)}),
              Wide(vantor_test::NumberedWord(index)));
  }
  EXPECT_EQ(control.Text(L"UserDictionaryWord", {Var::Text(file.wstring()), Var::Long(40'000)}),
            L"");
}

}  // namespace
}  // namespace trov::test
