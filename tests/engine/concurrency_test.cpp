// Many threads opening, using and closing sessions at once; run under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "trov.h"

namespace {

TEST(Concurrency, SessionsOpenedAndClosedFromManyThreads) {
  constexpr int kThreads = 8;
  constexpr int kRounds = 200;
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &failures] {
      const uint32_t myBit = 1u << (26 + t % 4);
      for (int round = 0; round < kRounds; ++round) {
        const int16_t id = TROV_OpenSession();
        if (id < 0) {
          ++failures;
          continue;
        }
        // Each session's state is its own however the table moves while it is open.
        if (TROV_SetOption(id, myBit, 1) != 0) ++failures;
        if (TROV_SetOption(id, TROV_OPT_LANGUAGE, 0x6100 + t) != TROV_LANGUAGE_AM) ++failures;
        std::this_thread::yield();
        if (TROV_GetOption(id, myBit) != 1) ++failures;
        if (TROV_GetOption(id, TROV_OPT_LANGUAGE) != 0x6100 + t) ++failures;
        if (TROV_GetOption(id, TROV_OPT_CASE_SENSITIVE) != 1) ++failures;
        if (TROV_CloseSession(id) != 0) ++failures;
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures.load(), 0);
  const int16_t id = TROV_OpenSession();
  EXPECT_EQ(id, 0) << "every session was closed, so the table starts afresh";
  TROV_CloseSession(id);
}

}  // namespace
