// The check driver through TROV_CheckString and TROV_CheckText, and its internal entry point.
#include "check/check_driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/log_capture.h"
#include "engine/text/check_test_session.h"
#include "trov.h"

namespace trov {
namespace {

struct Stop {
  int16_t flags;
  int32_t offset;
  std::string word;
  std::string replacement;
};

class CheckDriver : public test::CheckTestSession {
 protected:
  void SetUp() override {
    CheckTestSession::SetUp();
    for (const char* word : {"the", "cat", "sat", "well"}) Add(word);
    Add("teh", 'a', "the");
    Set(TROV_OPT_CATCH_DOUBLED_WORDS, true);
  }

  Stop CheckFrom(const std::string& text, int32_t offset) {
    char word[TROV_PROBLEM_BUFFER] = "untouched";
    char replacement[TROV_WORD_BUFFER] = "untouched";
    const int16_t flags = TROV_CheckString(session, text.c_str(), &offset, word, sizeof word,
                                           replacement, sizeof replacement);
    return {flags, offset, word, replacement};
  }

  // The stops of a whole walk, resuming after each reported word as the check loop does.
  std::vector<std::string> Walk(const std::string& text) {
    std::vector<std::string> stops;
    int32_t offset = 0;
    for (size_t round = 0; round <= text.size(); ++round) {
      const Stop stop = CheckFrom(text, offset);
      if (stop.flags == TROV_RESULT_END_OF_TEXT) return stops;
      stops.push_back(std::to_string(stop.flags) + "@" + std::to_string(stop.offset) + ":" +
                      stop.word);
      offset = stop.offset + static_cast<int32_t>(stop.word.size());
    }
    ADD_FAILURE() << "the walk does not end";
    return stops;
  }

  int16_t CheckText(const char* word, std::string* replacement = nullptr) {
    char buffer[TROV_WORD_BUFFER] = "untouched";
    const int16_t flags = TROV_CheckText(session, word, buffer, sizeof buffer);
    if (replacement != nullptr) *replacement = buffer;
    return flags;
  }
};

TEST_F(CheckDriver, CleanTextRunsToTheEnd) {
  const Stop stop = CheckFrom("the cat sat", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(stop.offset, 8) << "the last word examined";
  const Stop empty = CheckFrom("", 0);
  EXPECT_EQ(empty.flags, TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(empty.offset, TROV_ERR_NOT_FOUND);
  EXPECT_EQ(CheckFrom(" ... ", 0).offset, TROV_ERR_NOT_FOUND);
}

TEST_F(CheckDriver, DoubledWords) {
  const Stop stop = CheckFrom("the cat cat sat", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(stop.offset, 8);
  EXPECT_EQ(stop.word, "cat");
  EXPECT_EQ(CheckFrom("the cat. cat sat", 0).flags, TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(CheckFrom("the cat\n\t cat", 0).flags, TROV_RESULT_DOUBLED_WORD);
  Set(TROV_OPT_IGNORE_HTML_MARKUPS, true);
  EXPECT_EQ(CheckFrom("the <b>cat</b> cat", 0).flags, TROV_RESULT_END_OF_TEXT)
      << "markup between the words separates them";
  EXPECT_EQ(CheckFrom("the <b>cat</b>cat", 0).flags, TROV_RESULT_END_OF_TEXT);
  Set(TROV_OPT_IGNORE_HTML_MARKUPS, false);
  EXPECT_EQ(CheckFrom("1 1", 0).flags, TROV_RESULT_END_OF_TEXT) << "ignored words never double";
  Set(TROV_OPT_CATCH_DOUBLED_WORDS, false);
  EXPECT_EQ(CheckFrom("the cat cat sat", 0).flags, TROV_RESULT_END_OF_TEXT);
}

TEST_F(CheckDriver, DoubledWordsFollowTheCaseOption) {
  EXPECT_EQ(CheckFrom("The the", 0).flags, TROV_RESULT_END_OF_TEXT);
  Set(TROV_OPT_CASE_SENSITIVE, false);
  const Stop stop = CheckFrom("The the", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(stop.offset, 4);
}

TEST_F(CheckDriver, MisspelledWordAndResume) {
  const Stop stop = CheckFrom("the caat sat", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(stop.offset, 4);
  EXPECT_EQ(stop.word, "caat");
  EXPECT_EQ(stop.replacement, "caat");
  EXPECT_EQ(CheckFrom("the caat sat", 8).flags, TROV_RESULT_END_OF_TEXT);
  EXPECT_EQ(Walk("xyz the abc, def."),
            (std::vector<std::string>{"1@0:xyz", "1@8:abc", "1@13:def"}));
}

TEST_F(CheckDriver, AutoChangeAndItsDoubledRepeat) {
  const Stop stop = CheckFrom("the teh cat", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(stop.offset, 4);
  EXPECT_EQ(stop.word, "teh");
  EXPECT_EQ(stop.replacement, "the");
  EXPECT_EQ(CheckFrom("teh teh", 0).flags, TROV_RESULT_AUTO_CHANGE);
  const Stop second = CheckFrom("teh teh", 3);
  EXPECT_EQ(second.flags, TROV_RESULT_AUTO_CHANGE | TROV_RESULT_DOUBLED_WORD);
  EXPECT_EQ(second.offset, 4) << "its previous word stands before the starting offset";
}

TEST_F(CheckDriver, SplitWordsReportTheFaultyPart) {
  Stop stop = CheckFrom("well-teh", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(stop.offset, 5);
  EXPECT_EQ(stop.word, "teh");
  EXPECT_EQ(stop.replacement, "the");
  stop = CheckFrom("xyzzy-cat", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(stop.offset, 0);
  EXPECT_EQ(stop.word, "xyzzy");
  stop = CheckFrom("the cat-well-xyzzy", 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(stop.offset, 13);
  EXPECT_EQ(stop.word, "xyzzy");
  Set(TROV_OPT_SPLIT_HYPHENATED_WORDS, false);
  stop = CheckFrom("the cat-well-xyzzy", 0);
  EXPECT_EQ(stop.offset, 4);
  EXPECT_EQ(stop.word, "cat-well-xyzzy");
}

TEST_F(CheckDriver, LongRunIsReportedWholeButLookedUpOnEightyLetters) {
  Add(std::string(80, 'a').c_str());
  const std::string text = std::string(100, 'a');
  const Stop stop = CheckFrom(text, 0);
  EXPECT_EQ(stop.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(stop.offset, 80) << "the first 80 letters pass; the next word starts at the 81st";
  EXPECT_EQ(stop.word, std::string(20, 'a'));
  Stop other = CheckFrom(std::string(100, 'b'), 0);
  EXPECT_EQ(other.offset, 0);
  EXPECT_EQ(other.word, std::string(80, 'b')) << "narrowed to its first part, of 80 at most";
  Set(TROV_OPT_SPLIT_HYPHENATED_WORDS, false);
  other = CheckFrom(std::string(100, 'b'), 0);
  EXPECT_EQ(other.word, std::string(100, 'b')) << "reported whole when words are not split";
}

TEST_F(CheckDriver, StartingInsideAWord) {
  const Stop stop = CheckFrom("the cat sat", 5);
  EXPECT_EQ(stop.flags, TROV_RESULT_MISSPELLED);
  EXPECT_EQ(stop.offset, 5);
  EXPECT_EQ(stop.word, "at");
  EXPECT_EQ(CheckFrom("the cat sat", 500).offset, TROV_ERR_NOT_FOUND);
  EXPECT_EQ(CheckFrom("the cat sat", -4).offset, TROV_ERR_NOT_FOUND);
}

TEST_F(CheckDriver, MarkupIsSkippedWhenAsked) {
  EXPECT_EQ(Walk("<p class=\"x\">the cat</p>"),
            (std::vector<std::string>{"1@1:p", "1@3:class", "1@10:x", "1@22:p"}));
  Set(TROV_OPT_IGNORE_HTML_MARKUPS, true);
  EXPECT_EQ(Walk("<p class=\"x\">the cat</p>"), std::vector<std::string>{});
  EXPECT_EQ(Walk("<i>caat</i> the"), (std::vector<std::string>{"1@3:caat"}));
}

TEST_F(CheckDriver, SmallAndMissingBuffers) {
  int32_t offset = 0;
  char word[3];
  EXPECT_EQ(TROV_CheckString(session, "the caat", &offset, word, sizeof word, nullptr, 0),
            TROV_RESULT_MISSPELLED);
  EXPECT_STREQ(word, "th") << "words are cut at the buffer, and checked as cut";
  EXPECT_EQ(offset, 0);
  offset = 0;
  EXPECT_EQ(TROV_CheckString(session, "the caat", &offset, nullptr, 0, nullptr, 0),
            TROV_RESULT_MISSPELLED);
  EXPECT_EQ(offset, 4);
  EXPECT_EQ(TROV_CheckString(session, nullptr, &offset, nullptr, 0, nullptr, 0),
            TROV_RESULT_END_OF_TEXT);
}

TEST_F(CheckDriver, CheckTextTakesTheWordAsItStands) {
  std::string replacement;
  EXPECT_EQ(CheckText("cat"), 0);
  EXPECT_EQ(CheckText("caat", &replacement), TROV_RESULT_MISSPELLED);
  EXPECT_EQ(replacement, "caat");
  EXPECT_EQ(CheckText("teh", &replacement), TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(replacement, "the");
  EXPECT_EQ(CheckText("cat,"), TROV_RESULT_MISSPELLED) << "punctuation stays part of the word";
  EXPECT_EQ(CheckText("cat cat"), TROV_RESULT_MISSPELLED) << "no doubled-word test";
  EXPECT_EQ(CheckText(""), 0);
  EXPECT_EQ(CheckText(nullptr), 0);
  EXPECT_EQ(CheckText(std::string(200, 'x').c_str()), TROV_RESULT_MISSPELLED);
  EXPECT_EQ(TROV_CheckText(session, "caat", nullptr, 0), TROV_RESULT_MISSPELLED);
}

TEST_F(CheckDriver, SingleWordModeNarrowsOnlyMisspellings) {
  const auto lexicons = Lexicons();
  const uint32_t options = Options() | TROV_OPT_SINGLE_WORD_MODE;
  char word[TROV_WORD_BUFFER];
  char replacement[TROV_WORD_BUFFER];
  int32_t offset = 4;
  EXPECT_EQ(RunCheck("the cat-xyz", kLengthUnknown, lexicons.get(), options, &offset, word,
                     sizeof word, replacement, sizeof replacement),
            TROV_RESULT_MISSPELLED);
  EXPECT_EQ(offset, 8);
  EXPECT_STREQ(word, "xyz");
  offset = 0;
  EXPECT_EQ(RunCheck("well-teh", kLengthUnknown, lexicons.get(), options, &offset, word,
                     sizeof word, replacement, sizeof replacement),
            TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(offset, 0) << "a change keeps the whole word in single-word mode";
  EXPECT_STREQ(word, "well-teh");
  EXPECT_STREQ(replacement, "the");
  offset = 0;
  EXPECT_EQ(RunCheck("cat", kLengthUnknown, lexicons.get(), options, &offset, word, sizeof word,
                     nullptr, 0),
            TROV_RESULT_END_OF_TEXT);
}

TEST_F(CheckDriver, BadSessionAndItsLogLines) {
  trov_test::LogCapture log;
  int32_t offset = 0;
  char word[TROV_PROBLEM_BUFFER];
  EXPECT_EQ(TROV_CheckString(77, "x", &offset, word, sizeof word, nullptr, 0),
            TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_CheckText(-1, "x", nullptr, 0), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{
                                "TROV_CheckString: bad session id 77",
                                "TROV_CheckWord: bad session id -1",
                            }));
}

}  // namespace
}  // namespace trov
