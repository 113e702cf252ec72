#include "text/word_forms.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "text/charset.h"

namespace trov {
namespace {

class WordForms : public ::testing::Test {
 protected:
  void SetUp() override { SelectCharSet(1); }
  void TearDown() override { SelectCharSet(1); }
};

std::string Normal(const std::string& word, uint32_t options) {
  char out[TROV_WORD_BUFFER];
  const int32_t length = NormaliseWord(word.c_str(), options, out);
  EXPECT_EQ(static_cast<size_t>(length), std::strlen(out));
  return out;
}

std::string Transferred(const char* pattern, bool keepAccents, const char* target) {
  char buffer[TROV_WORD_BUFFER];
  std::strcpy(buffer, target);
  TransferCase(pattern, keepAccents, buffer);
  return buffer;
}

std::string Restored(const char* word, const char* replacement, int32_t size = 81,
                     uint32_t options = TROV_OPT_STRIP_POSSESSIVES) {
  char buffer[TROV_WORD_BUFFER];
  std::strcpy(buffer, replacement);
  RestorePossessive(word, options, buffer, size);
  return buffer;
}

TEST_F(WordForms, NormaliseStripsPossessivesAndDecodesEntities) {
  constexpr uint32_t strip = TROV_OPT_STRIP_POSSESSIVES;
  EXPECT_EQ(Normal("hello's", strip), "hello");
  EXPECT_EQ(Normal("hello\x92S", strip), "hello");
  EXPECT_EQ(Normal("hellos'", strip), "hellos");
  EXPECT_EQ(Normal("'s", strip), "") << "two characters are enough";
  EXPECT_EQ(Normal("'", strip), "'") << "a lone apostrophe stays";
  EXPECT_EQ(Normal("hello's", 0), "hello's");
  EXPECT_EQ(Normal("caf&eacute;'s", strip | TROV_OPT_IGNORE_HTML_MARKUPS), "caf\xE9");
  EXPECT_EQ(Normal("don&#146;s", strip | TROV_OPT_IGNORE_HTML_MARKUPS), "don")
      << "the decoded quotation mark is an apostrophe";
  EXPECT_EQ(Normal("caf&eacute;", 0), "caf&eacute;");
  EXPECT_EQ(Normal(std::string(100, 'q'), 0), std::string(80, 'q'));
}

TEST_F(WordForms, MixedCase) {
  EXPECT_TRUE(HasMixedCase("HeLLo"));
  EXPECT_TRUE(HasMixedCase("iPhone"));
  EXPECT_TRUE(HasMixedCase("McDonald"));
  EXPECT_FALSE(HasMixedCase("Hello"));
  EXPECT_FALSE(HasMixedCase("HELLO"));
  EXPECT_FALSE(HasMixedCase("hELLO"));
  EXPECT_FALSE(HasMixedCase("I"));
  EXPECT_FALSE(HasMixedCase(""));
  EXPECT_FALSE(HasMixedCase("X-RAY"));
  EXPECT_TRUE(HasMixedCase("x-Ray")) << "from the first letter after the first character";
  EXPECT_FALSE(HasMixedCase("DON'T"));
  EXPECT_TRUE(HasMixedCase("\xC9t\xC9")) << "accented letters have cases too";
}

TEST_F(WordForms, IgnoreRulesInTheirOrder) {
  EXPECT_TRUE(IsIgnoredWord("Paris", TROV_OPT_IGNORE_CAPITALIZED_WORDS));
  EXPECT_FALSE(IsIgnoredWord("paris", TROV_OPT_IGNORE_CAPITALIZED_WORDS));
  EXPECT_TRUE(IsIgnoredWord("iPhone", TROV_OPT_IGNORE_MIXED_CASE_WORDS));
  EXPECT_TRUE(IsIgnoredWord("abc1", TROV_OPT_IGNORE_WORDS_WITH_DIGITS));
  EXPECT_TRUE(IsIgnoredWord("NASA", TROV_OPT_IGNORE_ALL_CAPS_WORDS));
  EXPECT_FALSE(IsIgnoredWord("X-RAY", TROV_OPT_IGNORE_ALL_CAPS_WORDS));
  EXPECT_FALSE(IsIgnoredWord("B52", TROV_OPT_IGNORE_ALL_CAPS_WORDS));
  EXPECT_TRUE(IsIgnoredWord("1,000.5", TROV_OPT_IGNORE_NON_ALPHA_WORDS));
  EXPECT_FALSE(IsIgnoredWord("1a", TROV_OPT_IGNORE_NON_ALPHA_WORDS));
  EXPECT_FALSE(IsIgnoredWord("NASA", 0));
}

TEST_F(WordForms, DomainNameShapes) {
  constexpr uint32_t domains = TROV_OPT_IGNORE_DOMAIN_NAMES;
  EXPECT_TRUE(IsIgnoredWord("file.txt", domains));
  EXPECT_TRUE(IsIgnoredWord("ver2.10", domains));
  EXPECT_TRUE(IsIgnoredWord("www.example.html", domains));
  EXPECT_FALSE(IsIgnoredWord("example.htmlx", domains)) << "five characters after the dot";
  EXPECT_FALSE(IsIgnoredWord("example.c", domains)) << "one character after the dot";
  EXPECT_FALSE(IsIgnoredWord("file.t_t", domains));
  EXPECT_TRUE(IsIgnoredWord("http://host", domains));
  EXPECT_FALSE(IsIgnoredWord("note:/x", domains));
  EXPECT_TRUE(IsIgnoredWord("www/page", domains)) << "a host part of 2 to 4 letters";
  EXPECT_TRUE(IsIgnoredWord("a.example.org.uk/page", domains));
  EXPECT_TRUE(IsIgnoredWord("example.com/pagename", domains));
  EXPECT_FALSE(IsIgnoredWord("longer/page", domains));
  EXPECT_FALSE(IsIgnoredWord("file.txt", 0));
}

TEST_F(WordForms, CaseTransfer) {
  EXPECT_EQ(Transferred("TEH", true, "the"), "THE");
  EXPECT_EQ(Transferred("Teh", true, "the"), "The");
  EXPECT_EQ(Transferred("teh", true, "The"), "The") << "a lower-case pattern leaves the case";
  EXPECT_EQ(Transferred("T", true, "the"), "the") << "one capital is not all capitals";
  EXPECT_EQ(Transferred("ETE", true, "\xE9t\xE9"), "\xC9T\xC9");
  EXPECT_EQ(Transferred("ETE", false, "\xE9t\xE9"), "ETE") << "accents leave the capitals";
  EXPECT_EQ(Transferred("Ete", false, "\xE9t\xE9"), "Et\xE9") << "lower case keeps accents";
  EXPECT_EQ(Transferred("x", false, "\xC6on"), "Aon") << "every capital of the target";
  EXPECT_EQ(Transferred("x", false,
                        "\x8A"
                        "a"),
            "\x8A"
            "a")
      << "a capital without base letter stays";
}

TEST_F(WordForms, RestorePossessive) {
  EXPECT_EQ(Restored("teh's", "the"), "the's");
  EXPECT_EQ(Restored("TEH'S", "THE"), "THE'S") << "the word's own apostrophe and s";
  EXPECT_EQ(Restored("tehs'", "thes"), "thes'");
  EXPECT_EQ(Restored("tehs'", "the"), "the's");
  EXPECT_EQ(Restored("teh's", "s"), "s") << "a single s gets nothing";
  EXPECT_EQ(Restored("teh\x92s", "the"), "the\x92s");
  EXPECT_EQ(Restored("teh's", "the'"), "the'");
  EXPECT_EQ(Restored("teh's", "the's"), "the's");
  EXPECT_EQ(Restored("teh's", ""), "");
  EXPECT_EQ(Restored("teh", "the"), "the");
  EXPECT_EQ(Restored("teh's", "the", 81, 0), "the") << "only with StripPossessives";
  EXPECT_EQ(Restored("teh's", "the", 5), "the'") << "bounded by the buffer";
  const std::string eighty(80, 'e');
  EXPECT_EQ(Restored("x's", eighty.c_str()), eighty) << "and by 80 characters";
}

TEST_F(WordForms, SplitOff) {
  char first[TROV_WORD_BUFFER];
  EXPECT_STREQ(SplitOff("well-teh", TROV_OPT_SPLIT_HYPHENATED_WORDS, first), "teh");
  EXPECT_STREQ(first, "well");
  EXPECT_STREQ(SplitOff("well-teh", TROV_OPT_SPLIT_CONTRACTED_WORDS, first), "");
  EXPECT_STREQ(first, "well-teh");
  EXPECT_STREQ(SplitOff("don't-x", TROV_OPT_SPLIT_CONTRACTED_WORDS, first), "t-x");
  EXPECT_STREQ(first, "don");
  EXPECT_STREQ(
      SplitOff("a-b'c", TROV_OPT_SPLIT_HYPHENATED_WORDS | TROV_OPT_SPLIT_CONTRACTED_WORDS, first),
      "b'c");
  EXPECT_STREQ(SplitOff("end-", TROV_OPT_SPLIT_HYPHENATED_WORDS, first), "");
  EXPECT_STREQ(first, "end");
  const std::string longWord = std::string(90, 'a') + "-b";
  EXPECT_STREQ(SplitOff(longWord.c_str(), TROV_OPT_SPLIT_HYPHENATED_WORDS, first), "b");
  EXPECT_EQ(std::strlen(first), 80u);
}

}  // namespace
}  // namespace trov
