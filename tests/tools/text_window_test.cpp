// Checking a large text through windows finds exactly what checking it whole finds: the windows
// are cut at line ends, doubled words and HTML tags across cuts included.
#include <random>
#include <variant>

#include "speller.h"
#include "tool_fixture.h"
#include "tool_options.h"

namespace vantor {
namespace {

class TextWindowTest : public ToolTest {
 protected:
  // "LINE:COLUMN: WORD" of every stop, checking the whole text at once with the check loop.
  std::vector<std::string> WholeTextStops(const std::string& text, bool html) {
    ToolOptions options = DefaultToolOptions();
    options.switches[trov::OptionProperty::kIgnoreHTMLMarkups] = html;
    auto opened = Speller::Open(options, DictionaryDirectory(), true);
    EXPECT_TRUE(std::holds_alternative<std::unique_ptr<Speller>>(opened));
    Speller& speller = *std::get<std::unique_ptr<Speller>>(opened);
    speller.Loop().SetText(text.c_str());
    std::vector<std::string> stops;
    std::size_t line = 1;
    std::size_t lineStart = 0;
    std::size_t counted = 0;
    while (!(speller.Loop().CheckNext() & TROV_RESULT_END_OF_TEXT)) {
      const auto offset = static_cast<std::size_t>(speller.Core().State().offset);
      for (; counted < offset; ++counted) {
        if (text[counted] == '\n') ++line, lineStart = counted + 1;
      }
      stops.push_back(std::to_string(line) + ":" + std::to_string(offset - lineStart + 1) + ": " +
                      speller.Core().State().misspelledWord.data());
      speller.Loop().IgnoreWord();
    }
    return stops;
  }

  // The same from "vantor check" output ("FILE:LINE:COLUMN: KIND: WORD ...").
  std::vector<std::string> CheckedStops(const std::string& text, bool html) {
    WriteFile("big.txt", text);
    std::vector<std::string> arguments = {"check", "--no-suggestions", Path("big.txt")};
    if (html) arguments.insert(arguments.begin() + 1, "--html");
    const ToolRun run = Run(arguments);
    EXPECT_EQ(run.err, "");
    std::vector<std::string> stops;
    for (const std::string& line : Lines(run.out)) {
      const std::string rest = line.substr(Path("big.txt").size() + 1);
      const std::size_t kindEnd = rest.find(": ", rest.find(": ") + 2);
      std::string word = rest.substr(kindEnd + 2);
      word = word.substr(0, word.find(" -> "));
      stops.push_back(rest.substr(0, rest.find(": ")) + ": " + word);
    }
    return stops;
  }

  // Words and separators chosen to put doubled words, blank runs, long lines, CR line ends and
  // (for HTML) tags and entities across every kind of place a window may be cut.
  static std::string MakeText(unsigned seed, bool html, std::size_t size) {
    static const std::vector<std::string> kWords = {
        "the", "quick", "brown", "fox",  "teh",   "jumpd",      "Monday", "monday",
        "cat", "cats",  "hello", "e.g.", "don't", "well-known", "x"};
    static const std::vector<std::string> kSeparators = {
        " ", " ", " ", "\n", "\n\n\n", " \n \t\n", ". ", ", ", "\r", "\r\n", "-\n"};
    static const std::vector<std::string> kMarkup = {
        "<b>",         "</b>",  "<a\nhref=\"x\">",   "<p\n\n>",
        "caf&eacute;", "&amp;", "&eacute;t&eacute;", "<",
        ">",           "&x\n;"};
    std::mt19937 random(seed);
    std::string text;
    while (text.size() < size) {
      const unsigned pick = random() % 100;
      if (pick < 2) {
        text += std::string(40000 + random() % 30000, 'a') + "\n";  // longer than a window
      } else if (html && pick < 12) {
        text += kMarkup[random() % kMarkup.size()];
      } else {
        const std::string& word = kWords[random() % kWords.size()];
        text += word + kSeparators[random() % kSeparators.size()];
        if (random() % 8 == 0) text += word + kSeparators[random() % kSeparators.size()];
      }
    }
    return text;
  }
};

TEST_F(TextWindowTest, WindowsFindWhatTheWholeTextGives) {
  for (const bool html : {false, true}) {
    for (unsigned seed = 1; seed <= 2; ++seed) {
      const std::string text = MakeText(seed, html, 200000);
      const std::vector<std::string> whole = WholeTextStops(text, html);
      ASSERT_GT(whole.size(), 500u);
      EXPECT_EQ(CheckedStops(text, html), whole) << "seed " << seed << " html " << html;
    }
  }
}

TEST_F(TextWindowTest, DoubledWordAcrossManyBlankLinesAndTagsIsFound) {
  const std::string filler(70000, 'x');
  for (const bool html : {false, true}) {
    const std::string text = "the cat\n" + filler + "\nthe\n" + std::string(50000, '\n') +
                             "the <b\n>cat</b>\n" + filler + "\n<i\n" + filler + "\n>cats cats\n";
    EXPECT_EQ(CheckedStops(text, html), WholeTextStops(text, html)) << html;
  }
}

}  // namespace
}  // namespace vantor
