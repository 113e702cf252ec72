// The 32-bit entry points: the answers of the 16-bit functions at any offset, no measuring of the
// text before the offset, and scans from the context start seeing what scans of the whole text see.
#include "trov_ext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "engine/log_capture.h"
#include "engine/text/check_test_session.h"
#include "long_text.h"

namespace {

class ExtensionApi : public trov::test::CheckTestSession {
 protected:
  void SetUp() override {
    CheckTestSession::SetUp();
    for (const char* word : {"the", "cat", "sat", "on", "a", "mat", "well"}) Add(word);
    Add("teh", 'a', "the");
  }
};

TEST_F(ExtensionApi, WordsAndProblemsAtOffsetsPastSixteenBits) {
  const vantor_test::LongText made = vantor_test::MakeLongText(
      5'000'000,
      {vantor_test::kPastSigned16, vantor_test::kPastUnsigned16, vantor_test::kPastAMillion},
      "qzx");
  const std::string& text = made.text;
  const std::vector<int32_t>& placed = made.problems;
  ASSERT_EQ(placed.size(), 3u);
  const auto length = static_cast<int32_t>(text.size());
  char word[TROV_PROBLEM_BUFFER];
  char replacement[TROV_WORD_BUFFER];
  int32_t offset = 0;
  for (const int32_t at : placed) {
    EXPECT_EQ(TROV_GetStringWordExt(session, text.c_str(), length, at, word, sizeof word), at);
    EXPECT_STREQ(word, "qzx");
    EXPECT_EQ(TROV_CheckStringExt(session, text.c_str(), length, &offset, word, sizeof word,
                                  replacement, sizeof replacement),
              TROV_RESULT_MISSPELLED);
    EXPECT_EQ(offset, at);
    EXPECT_STREQ(word, "qzx");
    int32_t count = 0;
    EXPECT_EQ(TROV_StringWordSpanExt(session, text.c_str(), length, at, &count), at - 1);
    EXPECT_EQ(count, 4) << "the word and the blank before it";
    offset += 3;
  }
  EXPECT_EQ(TROV_CheckStringExt(session, text.c_str(), length, &offset, word, sizeof word,
                                replacement, sizeof replacement),
            TROV_RESULT_END_OF_TEXT);
  // The last word, near the end of five million characters.
  const auto last = static_cast<int32_t>(text.find_last_of(" \n", text.size() - 2) + 1);
  EXPECT_EQ(TROV_GetStringWordExt(session, text.c_str(), length, last, word, sizeof word), last);
  EXPECT_EQ(word, text.substr(static_cast<std::size_t>(last), text.size() - 1 - last));
  // The 16-bit function keeps its result for its callers: the start wraps as it always did.
  EXPECT_EQ(TROV_GetStringWord(session, text.c_str(), placed[0], word, sizeof word),
            static_cast<int16_t>(placed[0]));
  EXPECT_EQ(TROV_GetStringWord(session, text.c_str(), placed[1], word, sizeof word),
            static_cast<int16_t>(placed[1]));
}

TEST_F(ExtensionApi, TheLengthIsTakenFromTheCallerAndTheOffsetJudgedByIt) {
  // A zero before the offset ends the text for the 16-bit functions, which measure it; the
  // 32-bit ones take the caller's length and read nothing before the offset.
  const char text[] = "ab\0cd teh";
  const int32_t length = sizeof text - 1;
  char word[TROV_WORD_BUFFER] = "junk";
  char replacement[TROV_WORD_BUFFER];
  EXPECT_EQ(TROV_GetStringWord(session, text, 3, word, sizeof word), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(TROV_GetStringWordExt(session, text, length, 3, word, sizeof word), 3);
  EXPECT_STREQ(word, "cd");
  int32_t offset = 6;
  EXPECT_EQ(TROV_CheckStringExt(session, text, length, &offset, word, sizeof word, replacement,
                                sizeof replacement),
            TROV_RESULT_AUTO_CHANGE);
  EXPECT_EQ(offset, 6);
  EXPECT_STREQ(replacement, "the");

  // Offsets outside 0..length find nothing and leave the count alone.
  for (const int32_t outside : {-1, length + 1}) {
    std::strcpy(word, "junk");
    EXPECT_EQ(TROV_GetStringWordExt(session, text, length, outside, word, sizeof word),
              TROV_ERR_NOT_FOUND);
    EXPECT_STREQ(word, "");
    int32_t count = 77;
    EXPECT_EQ(TROV_StringWordSpanExt(session, text, length, outside, &count), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(count, 77);
    offset = outside;
    EXPECT_EQ(TROV_CheckStringExt(session, text, length, &offset, word, sizeof word, replacement,
                                  sizeof replacement),
              TROV_RESULT_END_OF_TEXT);
    EXPECT_EQ(offset, TROV_ERR_NOT_FOUND);
  }
  EXPECT_EQ(TROV_GetStringWordExt(session, text, length, length, word, sizeof word),
            TROV_ERR_NOT_FOUND);
}

TEST_F(ExtensionApi, ScanContextStartsAtTheWordBeforeTheOffset) {
  EXPECT_EQ(TROV_ScanContextStartExt(session, "the cat. cat sat", 9), 4);
  EXPECT_EQ(TROV_ScanContextStartExt(session, "the cat  cat sat", 9), 4);
  EXPECT_EQ(TROV_ScanContextStartExt(session, "the cat sat", 5), 4) << "inside a word";
  EXPECT_EQ(TROV_ScanContextStartExt(session, "  \n  cat", 5), 0) << "only white space";
  EXPECT_EQ(TROV_ScanContextStartExt(session, "x ,cat", 3), 2) << "a mark ends the look back";
  EXPECT_EQ(TROV_ScanContextStartExt(session, "a <b> cat", 6), 3) << "markup is not passed over";
  EXPECT_EQ(TROV_ScanContextStartExt(session, "cat", 0), 0);
  EXPECT_EQ(TROV_ScanContextStartExt(session, nullptr, 5), 0);
  // Only the bytes before the offset are read: the text may end there unterminated.
  const char unterminated[] = {'o', 'n', ' ', 'a', ' '};
  EXPECT_EQ(TROV_ScanContextStartExt(session, unterminated, 5), 3);
}

TEST_F(ExtensionApi, BadSessionsAreReportedUnderTheirOwnNames) {
  trov_test::LogCapture log;
  char word[TROV_WORD_BUFFER];
  int32_t offset = 0;
  int32_t count = 0;
  char buffer[16];
  EXPECT_EQ(TROV_GetStringWordExt(99, "cat", 3, 0, word, sizeof word), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_CheckStringExt(99, "cat", 3, &offset, word, sizeof word, nullptr, 0),
            TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_StringWordSpanExt(99, "cat", 3, 0, &count), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_ScanContextStartExt(99, "cat", 3), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_GetLexExt(99, 0, buffer, sizeof buffer), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_GetLexExt(session, 9, buffer, sizeof buffer), TROV_ERR_BAD_LEX);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{
                                "TROV_GetStringWordExt: bad session id 99",
                                "TROV_CheckStringExt: bad session id 99",
                                "TROV_StringWordSpanExt: bad session id 99",
                                "TROV_ScanContextStartExt: bad session id 99",
                                "TROV_GetLexExt: bad session id 99",
                                "TROV_GetLexExt: bad lex id 9",
                            }));
}

TEST_F(ExtensionApi, ListingCountsPastSixteenBits) {
  const int16_t big = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
  ASSERT_GE(big, 0);
  constexpr int32_t kWords = 40'000;
  for (int32_t i = 0; i < kWords; ++i) {
    ASSERT_EQ(TROV_AddToLex(session, big, ("w" + std::to_string(i)).c_str(), 'i', nullptr), 0);
  }
  int32_t size = 0;
  ASSERT_EQ(TROV_GetLexInfo(session, big, &size, nullptr, nullptr), 0);
  std::vector<char> buffer(static_cast<std::size_t>(size));
  EXPECT_EQ(TROV_GetLexExt(session, big, buffer.data(), size), kWords);
  // The 16-bit count wraps for its callers as it always did.
  EXPECT_EQ(TROV_GetLex(session, big, buffer.data(), size), static_cast<int16_t>(kWords));
  trov_test::LogCapture log;
  EXPECT_EQ(TROV_GetLexExt(session, big, buffer.data(), size - 1), TROV_ERR_BUFFER_FULL);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"TROV_GetLexExt: returning -8"}));
}

// Everything the 32-bit functions tell about text from offset is the same whether they get the
// whole text or only its tail from the context start: checked at every offset of random texts
// under the options that make scans look back or read ahead, against the 16-bit functions on the
// whole text.
TEST_F(ExtensionApi, ScansFromTheContextStartSeeWhatScansOfTheWholeTextSee) {
  const std::vector<std::string> pieces = {"the",
                                           "cat",
                                           "teh",
                                           "qzx",
                                           "well-teh",
                                           " ",
                                           "  ",
                                           "\n",
                                           ".",
                                           ",",
                                           "-",
                                           "'",
                                           "e.g.",
                                           "U.S.A.",
                                           "&eacute;",
                                           "<b>",
                                           "</b>",
                                           "x@y.z",
                                           "http://a.b/c",
                                           std::string(85, 'q')};
  const uint32_t lookBack = TROV_OPT_CATCH_DOUBLED_WORDS | TROV_OPT_SPLIT_HYPHENATED_WORDS;
  std::mt19937 random(11);
  int compared = 0;
  for (const uint32_t options : {lookBack, lookBack | TROV_OPT_IGNORE_HTML_MARKUPS,
                                 lookBack | TROV_OPT_IGNORE_DOMAIN_NAMES}) {
    TROV_SetOption(session, options, 1);
    for (int round = 0; round < 40; ++round) {
      std::string text;
      while (text.size() < 300) text += pieces[random() % pieces.size()];
      const auto length = static_cast<int32_t>(text.size());
      for (int32_t offset = 0; offset <= length; ++offset) {
        const int32_t start = TROV_ScanContextStartExt(session, text.c_str(), offset);
        ASSERT_GE(start, 0);
        ASSERT_LE(start, offset);
        const char* tail = text.c_str() + start;
        const int32_t tailLength = length - start;

        char whole[TROV_PROBLEM_BUFFER];
        char part[TROV_PROBLEM_BUFFER];
        char wholeReplacement[TROV_WORD_BUFFER] = "";
        char partReplacement[TROV_WORD_BUFFER] = "";
        int32_t wholeOffset = offset;
        int32_t partOffset = offset - start;
        const int16_t wholeFlags =
            TROV_CheckString(session, text.c_str(), &wholeOffset, whole, sizeof whole,
                             wholeReplacement, sizeof wholeReplacement);
        ASSERT_EQ(TROV_CheckStringExt(session, tail, tailLength, &partOffset, part, sizeof part,
                                      partReplacement, sizeof partReplacement),
                  wholeFlags)
            << "at " << offset << " from " << start << " in " << text;
        ASSERT_EQ(partOffset < 0 ? partOffset : partOffset + start, wholeOffset);
        ASSERT_STREQ(part, whole);
        ASSERT_STREQ(partReplacement, wholeReplacement);

        const int16_t wholeStart = TROV_GetStringWord(session, text.c_str(), offset, whole, 81);
        const int32_t partStart =
            TROV_GetStringWordExt(session, tail, tailLength, offset - start, part, 81);
        ASSERT_EQ(partStart < 0 ? partStart : partStart + start, wholeStart);
        ASSERT_STREQ(part, whole);

        std::string edited = text;
        char deleted[TROV_PROBLEM_BUFFER] = "";
        const int16_t deletedAt =
            TROV_DelStringWord(session, edited.data(), offset, deleted, sizeof deleted);
        int32_t count = 0;
        const int32_t spanAt =
            TROV_StringWordSpanExt(session, tail, tailLength, offset - start, &count);
        ASSERT_EQ(spanAt < 0 ? spanAt : spanAt + start, deletedAt);
        if (deletedAt >= 0) {
          ASSERT_EQ(text.substr(
                        static_cast<std::size_t>(deletedAt),
                        std::min<std::size_t>(static_cast<std::size_t>(count), sizeof deleted - 1)),
                    deleted);
        }
        ++compared;
      }
    }
    TROV_SetOption(session, options, 0);
  }
  EXPECT_GT(compared, 30000);
}

// The published class bits are each set's table, code by code, in every set; the selection is
// process-wide, so it is put back afterwards.
TEST(ExtensionCharClasses, EveryCodeOfEverySetAnswersItsTableEntry) {
  const int16_t selected = TROV_GetCharSet();
  for (int set = trov::kFirstCharSet; set <= trov::kLastCharSet; ++set) {
    ASSERT_EQ(TROV_SetCharSet(set), 0);
    const trov::CharSetTables& tables = trov::CharSetById(set);
    for (int code = 0; code < 256; ++code) {
      ASSERT_EQ(TROV_CharClassExt(static_cast<uint8_t>(code)), tables.classes[code])
          << "set " << set << " code " << code;
    }
  }
  TROV_SetCharSet(selected);
  EXPECT_EQ(TROV_CharClassExt('A'), TROV_CHAR_LETTER | TROV_CHAR_UPPER | TROV_CHAR_VOWEL);
  EXPECT_EQ(TROV_CharClassExt('7'), TROV_CHAR_DIGIT);
}

TEST(ExtensionLog, CallersLinesTakeTheEngineLogsFormat) {
  TROV_LogLineExt("written with no log set");  // goes nowhere, and must not fail
  {
    trov_test::LogCapture log;
    TROV_LogLineExt("%hd error opening %s", static_cast<int16_t>(-4), "user.tlx");
    TROV_LogLineExt("out of memory");
    EXPECT_EQ(log.Messages(),
              (std::vector<std::string>{"-4 error opening user.tlx", "out of memory"}));
    for (const std::string& line : log.Lines())
      EXPECT_TRUE(trov_test::LogCapture::HasTimePrefix(line));
  }
}

}  // namespace
