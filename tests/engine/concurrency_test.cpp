// Many threads opening, using and closing sessions and searching separate sessions at once; run
// under ThreadSanitizer too.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
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

// The suggestions for word from session as "word:score ..." text, or the error code.
std::string SuggestionsText(int16_t session, const char* word) {
  char words[2048];
  int16_t scores[16];
  const int16_t result = TROV_Suggest(session, word, 50, words, sizeof words, scores, 16);
  if (result < 0) return "error " + std::to_string(result);
  std::string text;
  int index = 0;
  for (const char* w = words; *w != '\0'; w += std::string(w).size() + 1) {
    text += std::string(w) + ":" + std::to_string(scores[index++]) + " ";
  }
  return text;
}

// A session with the delivered main dictionary open, resident or paged.
int16_t OpenDictionarySession(int32_t memoryBudget) {
  const int16_t session = TROV_OpenSession();
  if (session < 0) return session;
  const std::string path = std::string(TROV_DICT_DIR) + "/trovam2.clx";
  if (TROV_OpenLex(session, path.c_str(), memoryBudget) < 0) {
    TROV_CloseSession(session);
    return -1;
  }
  return session;
}

// Searches run after the engine lock is released; each session's lexicons keep their own scan
// state, so sessions searched on several threads at once answer as one searched alone.
TEST(Concurrency, SuggestionSearchesOfSeparateSessionsRunAtOnce) {
  const std::vector<const char*> words = {"recieve", "teh",   "acomodate",
                                          "wierd",   "thier", "xylofone"};
  const int16_t alone = OpenDictionarySession(-1);
  ASSERT_GE(alone, 0);
  std::vector<std::string> expected;
  for (const char* word : words) expected.push_back(SuggestionsText(alone, word));
  TROV_CloseSession(alone);
  ASSERT_NE(expected[0].find("receive:"), std::string::npos);

  constexpr int kThreads = 4;
  constexpr int kRounds = 3;
  std::vector<int16_t> sessions;
  for (int t = 0; t < kThreads; ++t) {
    // Half resident, half paged with a small budget, so segments are read and dropped meanwhile.
    sessions.push_back(OpenDictionarySession(t % 2 == 0 ? -1 : 64 * 1024));
    ASSERT_GE(sessions.back(), 0);
  }
  std::atomic<int> mismatches{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < words.size(); ++i) {
          if (SuggestionsText(sessions[t], words[i]) != expected[i]) ++mismatches;
        }
      }
    });
  }
  for (auto& thread : threads) thread.join();
  for (const int16_t session : sessions) TROV_CloseSession(session);
  EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
