// Word boundaries through the string-word API, and the internal scanner operations.
#include "text/word_scanner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/log_capture.h"
#include "text/charset.h"
#include "trov.h"

namespace trov {
namespace {

constexpr uint32_t kDefaults = TROV_DEFAULT_OPTIONS;

class WordScanner : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectCharSet(1);
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
  }
  void TearDown() override { TROV_CloseSession(session); }

  void Enable(uint32_t option) { TROV_SetOption(session, option, 1); }

  // Every word of text with its start offset, as a caller walking with TROV_GetStringWord sees
  // them.
  std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    char word[162];
    int32_t offset = 0;
    for (int16_t start;
         (start = TROV_GetStringWord(session, text.c_str(), offset, word, sizeof word)) >= 0;) {
      words.emplace_back(word);
      offset = start + static_cast<int32_t>(std::strlen(word));
      if (words.size() > text.size()) break;  // no progress: fail below rather than hang
    }
    EXPECT_LE(words.size(), text.size());
    return words;
  }

  using List = std::vector<std::string>;
  int16_t session = -1;
};

TEST_F(WordScanner, ApostrophesInsideAndAtTheEdges) {
  EXPECT_EQ(Words("Don't stop"), (List{"Don't", "stop"}));
  EXPECT_EQ(Words("'quoted'"), (List{"quoted"}));
  EXPECT_EQ(Words("students' books"), (List{"students'", "books"}));
  EXPECT_EQ(Words("don\x92t say"), (List{"don\x92t", "say"})) << "0x92 is an apostrophe";
  EXPECT_EQ(Words("its' and x' s'"), (List{"its'", "and", "x", "s'"}));
}

TEST_F(WordScanner, HyphensJoinOnlyBetweenAlphanumerics) {
  EXPECT_EQ(Words("well-known"), (List{"well-known"}));
  EXPECT_EQ(Words("well- known"), (List{"well", "known"}));
  EXPECT_EQ(Words("-known"), (List{"known"}));
  EXPECT_EQ(Words("A-1"), (List{"A-1"}));
  EXPECT_EQ(Words("a--b"), (List{"a", "b"}));
}

TEST_F(WordScanner, PeriodsAndAbbreviations) {
  EXPECT_EQ(Words("e.g. this"), (List{"e.g.", "this"}));
  EXPECT_EQ(Words("etc. and"), (List{"etc", "and"}));
  EXPECT_EQ(Words("U.S.A. today"), (List{"U.S.A.", "today"}));
  EXPECT_EQ(Words("3.14"), (List{"3.14"}));
  EXPECT_EQ(Words("see www.example.com. Then"), (List{"see", "www.example.com", "Then"}));
  EXPECT_EQ(Words("a.'b"), (List{"a.'b"})) << "a period followed by an apostrophe joins";
  EXPECT_EQ(Words("x.' y"), (List{"x", "y"})) << "trailing apostrophe, then lone period go";
}

TEST_F(WordScanner, CommaAndSlashSeparate) {
  EXPECT_EQ(Words("1,000"), (List{"1", "000"}));
  EXPECT_EQ(Words("and/or"), (List{"and", "or"}));
  Enable(TROV_OPT_SLASH_JOINS_WORDS);
  EXPECT_EQ(Words("and/or"), (List{"and/or"}));
  EXPECT_EQ(Words("and/ or /x"), (List{"and", "or", "x"}));
}

TEST_F(WordScanner, AmpersandJoinsOnlyWhenAsked) {
  EXPECT_EQ(Words("AT&T"), (List{"AT", "T"}));
  Enable(TROV_OPT_AMPERSAND_JOINS_WORDS);
  EXPECT_EQ(Words("AT&T"), (List{"AT&T"}));
  EXPECT_EQ(Words("AT& T"), (List{"AT", "T"}));
}

TEST_F(WordScanner, DomainNamesStayWhole) {
  EXPECT_EQ(Words("mail john_doe@mail.example.com now"),
            (List{"mail", "john", "doe", "mail.example.com", "now"}));
  Enable(TROV_OPT_IGNORE_DOMAIN_NAMES);
  EXPECT_EQ(Words("mail john_doe@mail.example.com now"),
            (List{"mail", "john_doe@mail.example.com", "now"}));
  EXPECT_EQ(Words("see http://www.example.com/path/page?q=1&r=2 now"),
            (List{"see", "http://www.example.com/path/page?q=1&r=2", "now"}));
  EXPECT_EQ(Words("user@host"), (List{"user", "host"}));
  EXPECT_EQ(Words("snake_case word"), (List{"snake", "case", "word"}))
      << "an underscore without an address or dotted part after it separates";
  EXPECT_EQ(Words("a?b c=d"), (List{"a", "b", "c", "d"})) << "query bytes need a dotted word";
  EXPECT_EQ(Words("and/or"), (List{"and", "or"}));
}

TEST_F(WordScanner, MarkupTagsAndEntities) {
  EXPECT_EQ(Words("<b>caf&eacute;</b>"), (List{"b", "caf", "eacute", "b"}))
      << "without the option markup is punctuation";
  Enable(TROV_OPT_IGNORE_HTML_MARKUPS);
  EXPECT_EQ(Words("<b>caf&eacute;</b>"), (List{"caf&eacute;"}));
  EXPECT_EQ(Words("&Eacute;t&eacute;"), (List{"&Eacute;t&eacute;"}));
  EXPECT_EQ(Words("x &amp; y"), (List{"x", "y"}));
  EXPECT_EQ(Words("x&amp;y"), (List{"x", "y"}));
  EXPECT_EQ(Words("<a href=\"link\">text</a>"), (List{"text"}));
  EXPECT_EQ(Words("don&#146;t"), (List{"don&#146;t"}));
  EXPECT_EQ(Words("AT&T is"), (List{"AT&T", "is"}));
  EXPECT_EQ(Words("one <unclosed tag"), (List{"one"}));
  EXPECT_EQ(Words("a & b\nc"), (List{"a", "c"})) << "a line break drops a possible entity";
}

TEST_F(WordScanner, LongRunsAreCutAtEightyInEngineBuffers) {
  const std::string run(100, 'x');
  char word[162];
  EXPECT_EQ(TROV_GetStringWord(session, run.c_str(), 0, word, sizeof word), 0);
  EXPECT_EQ(std::strlen(word), 100u) << "a caller's larger buffer gets the whole run";
  EXPECT_EQ(TROV_CountWords(session, run.c_str()), 2) << "80 letters, then 20";
  EXPECT_EQ(NextWordStart(run.c_str(), 0, kDefaults), 80);
  char small[5];
  EXPECT_EQ(TROV_GetStringWord(session, run.c_str(), 0, small, sizeof small), 0);
  EXPECT_STREQ(small, "xxxx");
}

TEST_F(WordScanner, CountWords) {
  EXPECT_EQ(TROV_CountWords(session, ""), 0);
  EXPECT_EQ(TROV_CountWords(session, "-- . - .. -"), 0);
  EXPECT_EQ(TROV_CountWords(session, "one two, three."), 3);
  EXPECT_EQ(TROV_CountWords(session, nullptr), 0);
}

TEST_F(WordScanner, GetStringWordOffsets) {
  char word[81] = "junk";
  EXPECT_EQ(TROV_GetStringWord(session, "the cat sat", 5, word, sizeof word), 5);
  EXPECT_STREQ(word, "at") << "from inside a word the rest of it is the word";
  EXPECT_EQ(TROV_GetStringWord(session, "the cat", -1, word, sizeof word), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_GetStringWord(session, "the cat", 7, word, sizeof word), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_GetStringWord(session, "the cat", 500, word, sizeof word), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(word, "");
  EXPECT_EQ(TROV_GetStringWord(session, "  x", 0, word, 1), 2);
  EXPECT_STREQ(word, "") << "a one-byte buffer holds only the terminator";
}

TEST_F(WordScanner, BadSessionIsReportedAndLogged) {
  trov_test::LogCapture log;
  char word[81];
  EXPECT_EQ(TROV_GetStringWord(-1, "x", 0, word, sizeof word), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_CountWords(99, "x"), TROV_ERR_BAD_SESSION);
  char text[20] = "x";
  EXPECT_EQ(TROV_ReplaceStringWord(99, text, sizeof text, 0, "y"), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_DelStringWord(99, text, 0, nullptr, 0), TROV_ERR_BAD_SESSION);
  EXPECT_STREQ(text, "x");
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{
                                "TROV_GetStringWord: bad session id -1",
                                "TROV_CountWords: bad session id 99",
                                "TROV_ReplaceStringWord: bad session id 99",
                                "TROV_DelStringWord: bad session id 99",
                            }));
}

TEST_F(WordScanner, ReplaceStringWord) {
  char text[20] = "the cat sat";
  EXPECT_EQ(TROV_ReplaceStringWord(session, text, 20, 4, "dog"), 11);
  EXPECT_STREQ(text, "the dog sat");
  char tight[12] = "the cat sat";
  EXPECT_EQ(TROV_ReplaceStringWord(session, tight, 12, 4, "horse"), TROV_ERR_BUFFER_FULL);
  EXPECT_STREQ(tight, "the cat sat");
  EXPECT_EQ(TROV_ReplaceStringWord(session, tight, 12, 4, "ox"), 10);
  EXPECT_STREQ(tight, "the ox sat");
  EXPECT_EQ(TROV_ReplaceStringWord(session, tight, 12, 10, "x"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_ReplaceStringWord(session, tight, 12, 7, "on"), 9);
  EXPECT_STREQ(tight, "the ox on");
  char unterminated[3] = {'a', 'b', 'c'};
  EXPECT_EQ(TROV_ReplaceStringWord(session, unterminated, 3, 0, "x"), TROV_ERR_BUFFER_FULL)
      << "a text that does not end inside its buffer is refused";
}

TEST_F(WordScanner, DelStringWordTakesTheBlanksBefore) {
  char text[32] = "one two three";
  char deleted[16];
  EXPECT_EQ(TROV_DelStringWord(session, text, 4, deleted, sizeof deleted), 3);
  EXPECT_STREQ(text, "one three");
  EXPECT_STREQ(deleted, " two");
  EXPECT_EQ(TROV_DelStringWord(session, text, 0, nullptr, 0), 0);
  EXPECT_STREQ(text, " three") << "the blank after the first word stays";
  char cut[3];
  EXPECT_EQ(TROV_DelStringWord(session, text, 1, cut, sizeof cut), 0);
  EXPECT_STREQ(text, "");
  EXPECT_STREQ(cut, " t") << "the deleted text is cut to the buffer";
  EXPECT_EQ(TROV_DelStringWord(session, text, 0, cut, sizeof cut), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_DelStringWord(session, text, 40, cut, sizeof cut), TROV_ERR_NOT_FOUND);
}

TEST(RawTextEdits, DeleteText) {
  char text[16] = "abcdef";
  EXPECT_EQ(TROV_DeleteText(-5, text, 1, 2), 2) << "no session test";
  EXPECT_STREQ(text, "adef");
  EXPECT_EQ(TROV_DeleteText(0, text, 2, 100), 2);
  EXPECT_STREQ(text, "ad");
  EXPECT_EQ(TROV_DeleteText(0, text, 2, 1), 0);
  EXPECT_EQ(TROV_DeleteText(0, text, 3, 1), 0) << "an offset past the end deletes nothing";
  EXPECT_EQ(TROV_DeleteText(0, text, -1, 1), 0);
  EXPECT_STREQ(text, "ad");
}

TEST(RawTextEdits, InsertText) {
  char text[8] = "ad";
  EXPECT_EQ(TROV_InsertText(-5, text, sizeof text, 1, "bc"), 4);
  EXPECT_STREQ(text, "abcd");
  EXPECT_EQ(TROV_InsertText(0, text, sizeof text, 4, "efg"), 7);
  EXPECT_STREQ(text, "abcdefg");
  EXPECT_EQ(TROV_InsertText(0, text, sizeof text, 0, ""), 7);
  EXPECT_EQ(TROV_InsertText(0, text, sizeof text, 0, "x"), TROV_ERR_BUFFER_FULL);
  EXPECT_STREQ(text, "abcdefg");
  char room[8] = "ab";
  EXPECT_EQ(TROV_InsertText(0, room, sizeof room, 3, "x"), TROV_ERR_BUFFER_FULL)
      << "an offset past the end is refused";
  EXPECT_STREQ(room, "ab");
}

TEST(ScannerOperations, FindWordStartAndNextWordStart) {
  SelectCharSet(1);
  const char* text = "  one, two";
  EXPECT_EQ(FindWordStart(text, 0, kDefaults), 2);
  EXPECT_EQ(FindWordStart(text, 5, kDefaults), 7);
  EXPECT_EQ(FindWordStart(text, -1, kDefaults), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(FindWordStart("....", 0, kDefaults), 4) << "the terminator's offset";
  EXPECT_EQ(NextWordStart(text, 0, kDefaults), 7);
  EXPECT_EQ(NextWordStart(text, 7, kDefaults), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(FindWordStart("<p>x", 0, TROV_OPT_IGNORE_HTML_MARKUPS), 3);
  EXPECT_EQ(FindWordStart("&bogus; &eacute;t", 0, TROV_OPT_IGNORE_HTML_MARKUPS), 8);
}

TEST(ScannerOperations, InsideTextReachesTheTerminatorAtMost) {
  EXPECT_TRUE(InsideText("end", 0));
  EXPECT_TRUE(InsideText("end", 3));
  EXPECT_FALSE(InsideText("end", 4));
  EXPECT_FALSE(InsideText("end", -1));
  EXPECT_FALSE(InsideText("", 1));
}

TEST(ScannerOperations, PreviousWord) {
  SelectCharSet(1);
  char word[81] = "junk";
  const char* text = "the cat. cat sat";
  PreviousWord(text, 9, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "cat");
  PreviousWord(text, 4, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "the");
  PreviousWord(text, 0, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "");
  PreviousWord("   x", 3, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "") << "only white space before the offset";
  PreviousWord("U.S.A. now", 7, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "U.S.A.");
  PreviousWord("end", 3, kDefaults, word, sizeof word);
  EXPECT_STREQ(word, "end");
}

}  // namespace
}  // namespace trov

namespace trov {
namespace {

// Whenever GetWord says an engine buffer would have held the same word, the step to the next
// word from that copy lands where a fresh scan lands: checked at every word start of texts made
// of runs near the 80-byte limit, periods, apostrophes, hyphens, entities and tags.
TEST(WordScannerNextWord, KnownWordStepsLikeAFreshScan) {
  const std::vector<std::string> pieces = {
      "a",          "ab", "e.g.", "U.S.A.", "x'",       "students'", "'",     "-",
      ".",          " ",  "\n",   "3.14",   "&eacute;", "<b>",       "x@y.z", "http://a.b/c?d=e",
      "well-known", "s'", "..."};
  std::mt19937 random(3);
  int compared = 0;
  for (uint32_t options : {0u, TROV_OPT_IGNORE_HTML_MARKUPS, TROV_OPT_IGNORE_DOMAIN_NAMES,
                           TROV_OPT_IGNORE_HTML_MARKUPS | TROV_OPT_IGNORE_DOMAIN_NAMES}) {
    for (int round = 0; round < 300; ++round) {
      std::string text;
      while (text.size() < 400) {
        if (random() % 6 == 0) {
          text += std::string(75 + random() % 12, 'q');  // around the 80-byte limit
        }
        text += pieces[random() % pieces.size()];
      }
      for (const int32_t size : {TROV_WORD_BUFFER, TROV_PROBLEM_BUFFER, 40}) {
        std::vector<char> word(static_cast<std::size_t>(size));
        for (int32_t offset = 0; offset < static_cast<int32_t>(text.size()); ++offset) {
          bool same = false;
          const int32_t start = GetWord(text.c_str(), offset, options, word.data(), size, &same);
          if (start != offset || !same) continue;
          ASSERT_EQ(WordStartAfter(text.c_str(), start, word.data(), options),
                    NextWordStart(text.c_str(), start, options))
              << "options " << options << " size " << size << " at " << start << " in " << text;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 10000);
}

}  // namespace
}  // namespace trov
