#include <gtest/gtest.h>

#include "engine/log_capture.h"
#include "text/charset.h"
#include "trov.h"

namespace {

class OptionsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GE(session = TROV_OpenSession(), 0); }
  void TearDown() override { TROV_CloseSession(session); }
  int16_t session = -1;
};

TEST_F(OptionsTest, SetReturnsWhetherAnyBitWasSetBefore) {
  EXPECT_EQ(TROV_GetOption(session, 0x200), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x1), 0);
  EXPECT_EQ(TROV_SetOption(session, 0x1, 5), 0);
  EXPECT_EQ(TROV_GetOption(session, 0x1), 1);
  EXPECT_EQ(TROV_SetOption(session, 0x1, 5), 1);
  EXPECT_EQ(TROV_SetOption(session, 0x1, 0), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x1), 0);
  EXPECT_EQ(TROV_SetOption(session, 0x1, 0), 0);
}

TEST_F(OptionsTest, MultiBitIdsSetAndClearEveryBit) {
  EXPECT_EQ(TROV_SetOption(session, 0x3, 1), 0);
  EXPECT_EQ(TROV_GetOption(session, 0x1), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x2), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x3), 1);
  EXPECT_EQ(TROV_SetOption(session, 0x2, 0), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x3), 1) << "one bit of the two is enough";
  EXPECT_EQ(TROV_SetOption(session, 0x3, 0), 1);
  EXPECT_EQ(TROV_GetOption(session, 0x3), 0);
}

TEST_F(OptionsTest, UnusedBitsAreStoredLikeOthers) {
  EXPECT_EQ(TROV_SetOption(session, 0x40000000, 1), 0);
  EXPECT_EQ(TROV_GetOption(session, 0x40000000), 1);
  EXPECT_EQ(TROV_GetOption(session, TROV_DEFAULT_OPTIONS), 1);
}

TEST_F(OptionsTest, LanguageIsASixteenBitValueNotABit) {
  EXPECT_EQ(TROV_SetOption(session, TROV_OPT_LANGUAGE, 0x6272), 0x616D);
  EXPECT_EQ(TROV_GetOption(session, TROV_OPT_LANGUAGE), 0x6272);
  EXPECT_EQ(TROV_GetOption(session, 0x2), 0) << "the language id's own bits are untouched";
  // Only the low 16 bits are kept, and the old value comes back sign-extended.
  EXPECT_EQ(TROV_SetOption(session, TROV_OPT_LANGUAGE, 0x1F000), 0x6272);
  EXPECT_EQ(TROV_SetOption(session, TROV_OPT_LANGUAGE, 0x616D), -4096);
}

TEST_F(OptionsTest, OptionsBelongToOneSession) {
  const int16_t other = TROV_OpenSession();
  ASSERT_GE(other, 0);
  TROV_SetOption(session, TROV_OPT_CASE_SENSITIVE, 0);
  TROV_SetOption(session, TROV_OPT_LANGUAGE, 0x6672);
  EXPECT_EQ(TROV_GetOption(other, TROV_OPT_CASE_SENSITIVE), 1);
  EXPECT_EQ(TROV_GetOption(other, TROV_OPT_LANGUAGE), 0x616D);
  TROV_CloseSession(other);
}

TEST(CharSetApi, OutOfRangeIdsAreRefusedAndLogged) {
  trov_test::LogCapture log;
  ASSERT_EQ(TROV_GetCharSet(), 1) << "set 1 is selected at start";
  EXPECT_EQ(TROV_SetCharSet(0), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(TROV_SetCharSet(11), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(TROV_GetCharSet(), 1);
  EXPECT_EQ(TROV_SetCharSet(5), 0);
  EXPECT_EQ(TROV_GetCharSet(), 5);
  EXPECT_EQ(trov::ToLower(0xB0), 0xD0) << "the tables of set 5 are in use";
  EXPECT_EQ(TROV_SetCharSet(1), 0);
  EXPECT_EQ(trov::ToLower(0xB0), 0xB0);
  const std::vector<std::string> expected = {"TROV_SetOption: Unrecognized character set 0",
                                             "TROV_SetOption: Unrecognized character set 11"};
  EXPECT_EQ(log.Messages(), expected);
}

}  // namespace
