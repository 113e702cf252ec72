#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/log_capture.h"
#include "api/session.h"
#include "trov.h"
#include "test_hooks.h"

namespace {

using trov_test::LogCapture;

// Every test starts and ends with no session open, so ids are predictable.
class SessionTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int16_t id : open) TROV_CloseSession(id);
    EXPECT_EQ(trov::SessionTableCapacity(), 0) << "a test left a session open";
  }
  int16_t Open() {
    const int16_t id = TROV_OpenSession();
    if (id >= 0) open.push_back(id);
    return id;
  }
  void Close(int16_t id) {
    ASSERT_EQ(TROV_CloseSession(id), 0);
    std::erase(open, id);
  }
  std::vector<int16_t> open;
};

TEST_F(SessionTest, IdsAreLowestFreeSlots) {
  EXPECT_EQ(Open(), 0);
  EXPECT_EQ(Open(), 1);
  EXPECT_EQ(Open(), 2);
  Close(1);
  EXPECT_EQ(Open(), 1);
  Close(0);
  Close(1);
  Close(2);
  EXPECT_EQ(Open(), 0) << "the table is freed with the last session";
}

TEST_F(SessionTest, FifthSessionGrowsTableFromFourToSeven) {
  for (int16_t expected = 0; expected < 4; ++expected) EXPECT_EQ(Open(), expected);
  EXPECT_EQ(trov::SessionTableCapacity(), 4);
  ASSERT_EQ(TROV_SetOption(2, TROV_OPT_CATCH_DOUBLED_WORDS, 1), 0);
  EXPECT_EQ(Open(), 4);
  EXPECT_EQ(trov::SessionTableCapacity(), 7);
  EXPECT_EQ(TROV_GetOption(2, TROV_OPT_CATCH_DOUBLED_WORDS), 1) << "session 2 kept its state";
  EXPECT_EQ(TROV_GetOption(4, TROV_OPT_CATCH_DOUBLED_WORDS), 0);
}

TEST_F(SessionTest, NewSessionHasDefaultOptionsAndLanguage) {
  const int16_t id = Open();
  for (uint32_t bit = 1; bit != 0 && bit <= 0x1000000; bit <<= 1) {
    EXPECT_EQ(TROV_GetOption(id, bit), (TROV_DEFAULT_OPTIONS & bit) ? 1 : 0) << std::hex << bit;
  }
  EXPECT_EQ(TROV_GetOption(id, TROV_OPT_LANGUAGE), 0x616D);
}

TEST_F(SessionTest, BadSessionIdsAreRefusedAndLogged) {
  LogCapture log;
  const int16_t first = Open();
  const int16_t second = Open();
  Close(second);
  EXPECT_EQ(TROV_GetOption(-1, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_SetOption(2, TROV_OPT_CASE_SENSITIVE, 0), TROV_ERR_BAD_SESSION);  // table count
  EXPECT_EQ(TROV_CloseSession(second), TROV_ERR_BAD_SESSION);                      // closed
  EXPECT_EQ(TROV_GetOption(first, TROV_OPT_CASE_SENSITIVE), 1) << "nothing changed";
  const std::vector<std::string> expected = {
      "TROV_OpenSession: session 0 opened",  "TROV_OpenSession: session 1 opened",
      "TROV_CloseSession: Session 1 closed", "TROV_GetOption: bad session id -1",
      "TROV_SetOption: bad session id 2",    "TROV_CloseSession: bad session id 1",
  };
  EXPECT_EQ(log.Messages(), expected);
}

TEST_F(SessionTest, NoSessionYetMeansEveryIdIsBad) {
  EXPECT_EQ(TROV_CloseSession(0), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(TROV_GetOption(0, TROV_OPT_LANGUAGE), TROV_ERR_BAD_SESSION);
}

}  // namespace
