// Test fixture for suggestion tests: a session in character set 1 with one temporary lexicon that
// the test fills, and a scratch folder for files.
#ifndef TROV_TEST_SUGGEST_SESSION_H
#define TROV_TEST_SUGGEST_SESSION_H

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "engine/lexicon/scratch_dir.h"
#include "text/charset.h"
#include "trov.h"

namespace trov_test {

class SuggestSession : public ::testing::Test {
 protected:
  void SetUp() override {
    trov::SelectCharSet(1);
    session = TROV_OpenSession();
    ASSERT_GE(session, 0);
    user = TROV_CreateLex(session, nullptr, TROV_LANGUAGE_ANY);
    ASSERT_GE(user, 0);
  }
  void TearDown() override { TROV_CloseSession(session); }

  void Add(std::initializer_list<const char*> words) {
    for (const char* word : words) ASSERT_EQ(TROV_AddToLex(session, user, word, 'i', nullptr), 0);
  }
  void Set(uint32_t option, bool on) { TROV_SetOption(session, option, on ? 1 : 0); }

  ScratchDir scratch;
  int16_t session = -1;
  int16_t user = -1;
};

}  // namespace trov_test

#endif  // TROV_TEST_SUGGEST_SESSION_H
