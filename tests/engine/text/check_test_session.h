// Test helper: a session with one temporary lexicon, its option word and its lexicon list as the
// check rules and the driver take them.
#ifndef TROV_TESTS_CHECK_TEST_SESSION_H
#define TROV_TESTS_CHECK_TEST_SESSION_H

#include <gtest/gtest.h>

#include <memory>

#include "lexicon/lexicon.h"
#include "api/session.h"
#include "text/charset.h"
#include "trov.h"

namespace trov::test {

class CheckTestSession : public ::testing::Test {
 protected:
  void SetUp() override {
    SelectCharSet(1);
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
    lex = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
    ASSERT_GE(lex, 0);
  }
  void TearDown() override {
    TROV_CloseSession(session);
    SelectCharSet(1);
  }

  void Add(const char* word, char action = 'i', const char* otherWord = nullptr) {
    // Words go in as they are: possessive stripping would change some on the way in.
    const int32_t strip = TROV_SetOption(session, TROV_OPT_STRIP_POSSESSIVES, 0);
    ASSERT_EQ(TROV_AddToLex(session, lex, word, action, otherWord), 0) << word;
    TROV_SetOption(session, TROV_OPT_STRIP_POSSESSIVES, strip);
  }
  void Set(uint32_t option, bool on) { TROV_SetOption(session, option, on ? 1 : 0); }
  uint32_t Options() {
    uint32_t options = 0;
    for (uint32_t bit = 1; bit != 0; bit <<= 1) {
      if (TROV_GetOption(session, bit) == 1) options |= bit;
    }
    return options;
  }
  // The session's lexicon slots as the API functions hand them to the check.
  std::unique_ptr<Lexicon* []> Lexicons() {
    ApiFrame frame("test");
    Session* open = frame.FindSession(session);
    EXPECT_NE(open, nullptr);
    return ApiFrame::CopyLexiconList(*open);
  }

  int16_t session = -1;
  int16_t lex = -1;
};

}  // namespace trov::test

#endif  // TROV_TESTS_CHECK_TEST_SESSION_H
