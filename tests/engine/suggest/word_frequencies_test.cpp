#include "suggest/word_frequencies.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "engine/lexicon/scratch_dir.h"
#include "text/charset.h"
#include "trov.h"
#include "trov_ext.h"

namespace {

using trov::WordFrequencies;
using Table = std::shared_ptr<const WordFrequencies>;

class WordFrequenciesTest : public ::testing::Test {
 protected:
  void SetUp() override { trov::SelectCharSet(1); }
  trov_test::ScratchDir scratch;
};

TEST_F(WordFrequenciesTest, ReadsCountsAsLogarithms) {
  Table table;
  ASSERT_EQ(WordFrequencies::Parse("a\t0\r\ncat\t9\n\nthe\t1999\nzebra\t99", table), 0);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->Size(), 4u);
  EXPECT_NEAR(table->LogCount("the"), std::log10(2000.0), 1e-12);
  EXPECT_NEAR(table->LogCount("cat"), 1.0, 1e-12);
  EXPECT_NEAR(table->LogCount("zebra"), 2.0, 1e-12) << "the last line needs no line end";
  EXPECT_EQ(table->LogCount("a"), 0.0);
  // Not listed: before the first, between two, after the last, a prefix and an extension.
  for (const char* word : {"", "aa", "dog", "zebras", "zz", "th", "thee"}) {
    EXPECT_EQ(table->LogCount(word), 0.0) << word;
  }
  ASSERT_EQ(WordFrequencies::Parse("big\t4294967295\n", table), 0);
  EXPECT_NEAR(table->LogCount("big"), std::log10(4294967296.0), 1e-9);
  ASSERT_EQ(WordFrequencies::Parse("", table), 0);
  EXPECT_EQ(table->Size(), 0u);
  EXPECT_EQ(table->LogCount("big"), 0.0);
}

TEST_F(WordFrequenciesTest, RefusesMalformedFilesAndKeepsTheTableItHad) {
  Table table;
  ASSERT_EQ(WordFrequencies::Parse("kept\t5\n", table), 0);
  const std::string longWord(81, 'a');
  for (const std::string& bytes : std::vector<std::string>{
           "word 5\n", "\t5\n", "word\t\n", "word\t5x\n", "word\t-5\n", "word\t4294967296\n",
           "word\t12345678901\n", "ok\t1\nbroken\n", longWord + "\t1\n",
           "The\t5\n",             // capitals: lookups are lower-cased
           "cat\t1\nbat\t2\n",     // out of order
           "cat\t1\ncat\t2\n"}) {  // repeated
    SCOPED_TRACE(bytes);
    EXPECT_EQ(WordFrequencies::Parse(bytes, table), TROV_ERR_BAD_FORMAT);
    EXPECT_NEAR(table->LogCount("kept"), std::log10(6.0), 1e-12);
  }
  // A word of exactly 80 characters is fine.
  EXPECT_EQ(WordFrequencies::Parse(std::string(80, 'a') + "\t1\n", table), 0);
  EXPECT_EQ(WordFrequencies::Parse(std::string(WordFrequencies::kMaxFileSize + 1, '\n'), table),
            TROV_ERR_BAD_FORMAT);
}

TEST_F(WordFrequenciesTest, LoadsAFileAndReportsOneThatCannotBeRead) {
  Table table;
  EXPECT_EQ(WordFrequencies::Load(scratch.File("missing.frq").c_str(), table), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(table, nullptr);
  const std::string path = scratch.Write("words.frq", "alpha\t99\r\nbeta\t9\r\n");
  ASSERT_EQ(WordFrequencies::Load(path.c_str(), table), 0);
  EXPECT_NEAR(table->LogCount("alpha"), 2.0, 1e-12);
  // Larger than any frequency file may be: refused without reading it all.
  const std::string huge =
      scratch.Write("huge.frq", std::string(WordFrequencies::kMaxFileSize + 10, '\n'));
  EXPECT_EQ(WordFrequencies::Load(huge.c_str(), table), TROV_ERR_BAD_FORMAT);
  EXPECT_NEAR(table->LogCount("alpha"), 2.0, 1e-12);
}

TEST_F(WordFrequenciesTest, TheApiTestsTheSessionAndTheFile) {
  const std::string good = scratch.Write("good.frq", "alpha\t99\n");
  const std::string bad = scratch.Write("bad.frq", "alpha 99\n");
  EXPECT_EQ(TROV_LoadWordFrequencies(-1, good.c_str()), TROV_ERR_BAD_SESSION);
  const int16_t session = TROV_OpenSession();
  ASSERT_GE(session, 0);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, scratch.File("none.frq").c_str()),
            TROV_ERR_FILE_OPEN);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, bad.c_str()), TROV_ERR_BAD_FORMAT);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, good.c_str()), 0);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, good.c_str()), 0) << "a second load replaces it";
  EXPECT_EQ(TROV_LoadWordFrequencies(session, nullptr), 0);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, ""), 0);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, good.c_str()), 0);
  // Closing the session frees its table (the address sanitizer would report a leak).
  EXPECT_EQ(TROV_CloseSession(session), 0);
  EXPECT_EQ(TROV_LoadWordFrequencies(session, good.c_str()), TROV_ERR_BAD_SESSION);
}

}  // namespace
