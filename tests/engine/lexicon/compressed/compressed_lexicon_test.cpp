// Lookups in compressed lexicons: case rules, the segment cache of the paged form, the built-in
// form, damaged segments, and the two candidate traversals.
#include "lexicon/compressed/compressed_lexicon.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/lexicon/compressed_test_files.h"
#include "engine/lexicon/function_comparator.h"
#include "engine/log_capture.h"
#include "lexicon/builtin_lex.h"
#include "lexicon/compressed/image_lexicon.h"
#include "scan/suggestion_list.h"
#include "trov.h"
#include "test_hooks.h"

namespace {

using trov_test::IndexEntry;
using trov_test::IndexSection;
using trov_test::KeyedWords;
using trov_test::kFound;
using trov_test::LogCapture;
using trov_test::Magic;
using trov_test::OpenedLexicon;
using trov_test::PlainLexiconFile;
using trov_test::Section;
using trov_test::SuffixSection;
using trov_test::TempDir;

using trov_test::kResident;
using trov_test::kUnbounded;

const trov::CompressedLexicon& Kind(const OpenedLexicon& lex) {
  return *dynamic_cast<const trov::CompressedLexicon*>(lex.Slot().get());
}

TEST(CompressedLookup, CaseRules) {
  TempDir dir;
  std::string path = dir.Write(
      "paris.clx",
      PlainLexiconFile({{"I", {}}, {"Par", {"Paris"}}, {"ab", {}}, {"par", {"par", "parse"}}}));
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    EXPECT_EQ(lex.Find("Paris"), kFound);
    EXPECT_EQ(lex.Find("paris"), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(lex.Find("PARIS"), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(lex.Find("paris", false), kFound);
    EXPECT_EQ(lex.Find("PARIS", false), kFound);
    EXPECT_EQ(lex.Find("pArIs", false), kFound);
    EXPECT_EQ(lex.Find("PARSE", false), kFound);
    EXPECT_EQ(lex.Find("Parse"), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(lex.Find("i"), TROV_ERR_NOT_FOUND);
    EXPECT_EQ(lex.Find("i", false), kFound);
    EXPECT_EQ(lex.Find("AB", false), kFound);
    EXPECT_EQ(lex.Find("Pari", false), TROV_ERR_NOT_FOUND);
  }
}

TEST(CompressedLookup, ShortWordsAreTheirIndexEntries) {
  TempDir dir;
  std::string path =
      dir.Write("short.clx", PlainLexiconFile({{"a", {}}, {"abc", {"abc", "abcd"}}}));
  LogCapture log;
  OpenedLexicon lex(path, kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  std::filesystem::remove(path);
  EXPECT_EQ(lex.Find("a"), kFound);  // no segment is read: the file is gone
  EXPECT_EQ(lex.Find("ab"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(lex.Find("xyz"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(lex.Find("zzzz", false), TROV_ERR_NOT_FOUND);
  EXPECT_TRUE(log.Messages().empty());
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 0);
}

TEST(CompressedLookup, ResidentNeverReadsAfterOpen) {
  TempDir dir;
  std::string path = dir.Write("res.clx", trov_test::ExampleFileBytes());
  OpenedLexicon lex(path, kResident);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 10);
  std::filesystem::remove(path);
  for (const char* word : {"a", "cat", "catch", "catches", "cats"}) {
    EXPECT_EQ(lex.Find(word), kFound) << word;
  }
}

// Three segments of 12 bytes each ('aaa', 'bbb', 'ccc', two words apiece).
std::string ThreeSegments() {
  return PlainLexiconFile(
      {{"aaa", {"aaaxx", "aaayy"}}, {"bbb", {"bbbxx", "bbbyy"}}, {"ccc", {"cccxx", "cccyy"}}});
}

TEST(CompressedPaged, BudgetOfOneSegmentEvictsBeforeLoading) {
  TempDir dir;
  std::string path = dir.Write("three.clx", ThreeSegments());
  OpenedLexicon lex(path, 8);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("aaaxx"), kFound);
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 8);
  EXPECT_EQ(lex.Find("bbbyy"), kFound);
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 8);

  // Only 'bbb' is present now: 'aaa' must be read again, which fails without the file.
  LogCapture log;
  std::filesystem::remove(path);
  EXPECT_EQ(lex.Find("bbbxx"), kFound);
  EXPECT_EQ(lex.Find("aaaxx"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{path + ": can't open"});
  // A failed load is tried again by a later lookup.
  dir.Write("three.clx", ThreeSegments());
  EXPECT_EQ(lex.Find("aaayy"), kFound);
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 8);
}

TEST(CompressedPaged, LeastRecentlyUsedGoesFirst) {
  TempDir dir;
  std::string path = dir.Write("three.clx", ThreeSegments());
  OpenedLexicon lex(path, 16);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("aaaxx"), kFound);
  EXPECT_EQ(lex.Find("bbbxx"), kFound);
  EXPECT_EQ(lex.Find("aaayy"), kFound);  // 'aaa' is now more recent than 'bbb'
  EXPECT_EQ(lex.Find("cccxx"), kFound);  // evicts 'bbb'
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 16);
  std::filesystem::remove(path);
  EXPECT_EQ(lex.Find("aaayy"), kFound);
  EXPECT_EQ(lex.Find("cccyy"), kFound);
  EXPECT_EQ(lex.Find("bbbyy"), TROV_ERR_NOT_FOUND);
}

TEST(CompressedPaged, UnboundedKeepsEverySegment) {
  TempDir dir;
  std::string path = dir.Write("three.clx", ThreeSegments());
  OpenedLexicon lex(path, kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  for (const char* word : {"aaaxx", "bbbxx", "cccxx"}) EXPECT_EQ(lex.Find(word), kFound);
  EXPECT_EQ(Kind(lex).SegmentBytesHeld(), 24);
  std::filesystem::remove(path);
  for (const char* word : {"aaayy", "bbbyy", "cccyy"}) EXPECT_EQ(lex.Find(word), kFound);
}

TEST(CompressedPaged, CaselessLookupTriesEveryKeyCapitalisation) {
  TempDir dir;
  std::string path = dir.Write(
      "keys.clx", PlainLexiconFile({{"ABc", {"ABcd"}}, {"aBC", {"aBCe"}}, {"abc", {"abcf"}}}));
  OpenedLexicon lex(path, 6);  // room for one segment at a time
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("abcd", false), kFound);
  EXPECT_EQ(lex.Find("ABCE", false), kFound);
  EXPECT_EQ(lex.Find("aBcF", false), kFound);
  EXPECT_EQ(lex.Find("abcg", false), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(lex.Find("abcd", true), TROV_ERR_NOT_FOUND);
}

// The example's image held in static storage, as a built-in lexicon's would be.
const uint8_t kCatSegment[] = {0x00, 0x00, 0x00, 0x63, 0x68, 0x00, 0x02, 0x02, 0x00, 0x03};
const char* const kSimpleSuffixes[] = {"es", "s"};
const trov::CompressedSegment kSegments[] = {{nullptr, 0, {'a', 0, 0}},
                                             {kCatSegment, sizeof kCatSegment, {'c', 'a', 't'}}};
const trov::CompressedImage kExampleImage = {0x616D,       1,         {kSimpleSuffixes, 2},
                                             {nullptr, 0}, kSegments, 2};

TEST(CompressedBuiltin, AnswersFromAnImageItDoesNotOwn) {
  trov::LexiconSlot slot(new trov::ImageLexicon(kExampleImage));
  EXPECT_EQ(slot->Find("catches", true, nullptr, 0), kFound);
  EXPECT_EQ(slot->Find("Cats", false, nullptr, 0), kFound);
  EXPECT_EQ(slot->Find("cat's", false, nullptr, 0), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(slot->Language(), 0x616D);
  char name[16];
  EXPECT_EQ(slot->FileName(name, sizeof name), TROV_ERR_UNSUPPORTED);
  EXPECT_EQ(slot->Type(), trov::LEX_BUILTIN_COMPRESSED);
  slot.reset();
  EXPECT_EQ(kCatSegment[3], 0x63);  // the image outlives the lexicon
}

TEST(CompressedBuiltin, OpensThroughTheBuiltinTable) {
  const trov::BuiltinLexEntry table[] = {
      {"example", &kExampleImage, trov::LEX_BUILTIN_COMPRESSED, trov::InstantiateCompressedImage},
      {nullptr, nullptr, trov::LEX_FREE, nullptr}};
  trov::UseBuiltinLexiconTable(table);
  const int16_t session = TROV_OpenSession();
  ASSERT_GE(session, 0);
  const int16_t lex = TROV_OpenLex(session, "example", -1);
  trov::UseBuiltinLexiconTable(nullptr);
  ASSERT_GE(lex, 0);
  char other[TROV_WORD_BUFFER] = "";
  EXPECT_EQ(TROV_FindLexWord(session, lex, "catch", other, sizeof other), kFound);
  EXPECT_EQ(TROV_FindLexWord(session, lex, "dog", other, sizeof other), TROV_ERR_NOT_FOUND);
  int16_t format = -1;
  int16_t language = 0;
  EXPECT_EQ(TROV_GetLexInfo(session, lex, nullptr, &format, &language), 0);
  EXPECT_EQ(format, 0);
  EXPECT_EQ(language, 0x616D);
  EXPECT_EQ(TROV_CloseLex(session, lex), 0);
  EXPECT_EQ(TROV_CloseSession(session), 0);
}

// A file with one segment 'cat' whose bytes are given; simple suffixes 'es' and 's', extended
// suffix 'ing'.
std::string CatFile(const std::string& segment,
                    const std::string& simple = std::string("es\0s\0", 5)) {
  return Magic() + trov_test::HeaderSections() + SuffixSection(simple, std::string("ing\0", 4)) +
         IndexSection({IndexEntry("cat", 0, static_cast<uint32_t>(segment.size()))}) +
         Section(5, segment);
}

TEST(CompressedDamagedSegment, WordsBeforeTheFaultAreFoundTheRestAreNot) {
  const std::string good = std::string("\0\0\0ch\0\x02\x01\x00", 9);  // cat, catch, catching
  struct Case {
    const char* what;
    std::string tail;
  };
  const Case cases[] = {
      {"prefix count beyond the previous word", std::string("\x06zz\0", 4)},
      {"simple suffix the table lacks", std::string("\x00z\x1F", 3)},
      {"extended suffix the table lacks", std::string("\x00z\x01\x01", 4)},
      {"extended suffix code at the end", std::string("\x00z\x01", 3)},
      {"no terminator", std::string("\x00zz", 3)},
      {"prefix count alone", std::string("\x00", 1)},
      {"word longer than a segment word", std::string("\x00", 1) + std::string(200, 'z') + '\0'},
  };
  TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string path = dir.Write("damaged.clx", CatFile(good + c.tail + std::string("\0y\0", 3)));
    for (int32_t budget : {kResident, kUnbounded}) {
      OpenedLexicon lex(path, budget);
      ASSERT_EQ(lex.Result(), 0);
      EXPECT_EQ(lex.Find("cat"), kFound);
      EXPECT_EQ(lex.Find("catching"), kFound);
      EXPECT_EQ(lex.Find("catchingz", false), TROV_ERR_NOT_FOUND);
      EXPECT_EQ(lex.Find("caty"), TROV_ERR_NOT_FOUND);  // after the fault
      EXPECT_EQ(lex.Find("caty", false), TROV_ERR_NOT_FOUND);
      std::array<trov::SuggestionEntry, 8> storage{};
      trov::SuggestionList list(storage);
      EXPECT_EQ(lex.Slot()->MatchPattern("cat?", true, list), 0);
      EXPECT_EQ(list.Count(), 0);
    }
  }
}

TEST(CompressedDamagedSegment, UnterminatedSuffixIsNotNumbered) {
  TempDir dir;
  // Simple table 'es', then 's' without its NUL: only 'es' is suffix 0.
  std::string path =
      dir.Write("suffix.clx", CatFile(std::string("\0\x02\0\x03", 4), std::string("es\0s", 4)));
  OpenedLexicon lex(path, kResident);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("cates"), kFound);
  EXPECT_EQ(lex.Find("cats"), TROV_ERR_NOT_FOUND);
}

// Candidate traversals over a lexicon of words spread over several segments.
std::string TraversalFile() {
  return PlainLexiconFile({{"I", {}},
                           {"a", {}},
                           {"ab", {}},
                           {"bat", {"bat", "bats"}},
                           {"cat", {"cat", "cats"}},
                           {"eat", {"eat"}},
                           {"tea", {"teat"}},
                           {"ten", {"tent", "tenth"}},
                           {"tes", {"test", "tester", "testy"}},
                           {"tex", {"text"}},
                           {"tfa", {"tfaa"}}});
}

std::vector<std::string> Words(const trov::SuggestionList& list) {
  std::vector<std::string> words;
  for (int32_t i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list[i].score, 100);
    words.emplace_back(list[i].word);
  }
  std::sort(words.begin(), words.end());
  return words;
}

std::vector<std::string> Matches(const trov::LexiconSlot& lex, const char* pattern,
                                 bool caseSensitive, int16_t expectedResult = 0) {
  std::array<trov::SuggestionEntry, 16> storage{};
  trov::SuggestionList list(storage);
  EXPECT_EQ(lex->MatchPattern(pattern, caseSensitive, list), expectedResult) << pattern;
  return Words(list);
}

using List = std::vector<std::string>;

TEST(CompressedMatchPattern, WildcardsAcrossSegments) {
  TempDir dir;
  std::string path = dir.Write("trav.clx", TraversalFile());
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    EXPECT_EQ(Matches(lex.Slot(), "te?t", true), (List{"teat", "tent", "test", "text"}));
    EXPECT_EQ(Matches(lex.Slot(), "tes?", true), (List{"test"}));
    EXPECT_EQ(Matches(lex.Slot(), "tes?y", true), (List{"testy"}));
    EXPECT_EQ(Matches(lex.Slot(), "?at", true), (List{"bat", "cat", "eat"}));
    EXPECT_EQ(Matches(lex.Slot(), "?ats", true), (List{"bats", "cats"}));
    EXPECT_EQ(Matches(lex.Slot(), "?", true), (List{"I", "a"}));
    EXPECT_EQ(Matches(lex.Slot(), "a?", true), (List{"ab"}));
    EXPECT_EQ(Matches(lex.Slot(), "t???", true), (List{"teat", "tent", "test", "text", "tfaa"}));
    EXPECT_EQ(Matches(lex.Slot(), "te?ter", true), (List{"tester"}));
    EXPECT_EQ(Matches(lex.Slot(), "zz?", true), List{});
    EXPECT_EQ(Matches(lex.Slot(), "Te?t", true), List{});
    EXPECT_EQ(Matches(lex.Slot(), "Te?t", false), (List{"teat", "tent", "test", "text"}));
    EXPECT_EQ(Matches(lex.Slot(), "TES?ER", false), (List{"tester"}));
    EXPECT_EQ(Matches(lex.Slot(), "?", false), (List{"I", "a"}));
    EXPECT_EQ(Matches(lex.Slot(), "A?", false), (List{"ab"}));
  }
}

TEST(CompressedMatchPattern, LiteralPrefixReadsOneSegment) {
  TempDir dir;
  std::string path = dir.Write("trav.clx", TraversalFile());
  OpenedLexicon lex(path, kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  ASSERT_EQ(lex.Find("test"), kFound);
  std::filesystem::remove(path);
  LogCapture log;
  // Every other segment would fail to load now.
  EXPECT_EQ(Matches(lex.Slot(), "tes??", true), (List{"testy"}));
  EXPECT_TRUE(log.Messages().empty());
  // A wildcard in the prefix visits the other 'te?' segments, which cannot be read any more.
  EXPECT_EQ(Matches(lex.Slot(), "te?t", true, TROV_ERR_CREATE), List{});
}

TEST(CompressedMatchPattern, PagedStopsOnceTheListIsFull) {
  TempDir dir;
  std::string path = dir.Write("trav.clx", TraversalFile());
  OpenedLexicon lex(path, kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  ASSERT_EQ(lex.Find("bat"), kFound);
  std::filesystem::remove(path);
  std::array<trov::SuggestionEntry, 1> one{};
  trov::SuggestionList full(one);
  EXPECT_EQ(lex.Slot()->MatchPattern("?at", true, full), 0);
  EXPECT_EQ(Words(full), List{"bat"});
  // With room left the traversal goes on to 'cat' and ends with its failed load.
  EXPECT_EQ(Matches(lex.Slot(), "?at", true, TROV_ERR_CREATE), List{"bat"});
}

// Scores 100 minus 10 for every position where the strings differ (the longer one's extra
// characters count as differences) and records the candidates it saw.
std::vector<std::string> scored;
int16_t DifferenceScore(const std::string& a, const std::string& b) {
  size_t n = std::max(a.size(), b.size());
  int differences = 0;
  for (size_t i = 0; i < n; ++i) differences += i >= a.size() || i >= b.size() || a[i] != b[i];
  return static_cast<int16_t>(100 - 10 * differences);
}
int16_t PositionScore(const char* word, const char* candidate) {
  scored.emplace_back(candidate);
  return DifferenceScore(word, candidate);
}

std::vector<std::string> ScoredWords(const trov::LexiconSlot& lex, const char* word,
                                     int16_t depth) {
  scored.clear();
  std::array<trov::SuggestionEntry, 32> storage{};
  trov::SuggestionList list(storage);
  trov::test::FunctionComparator comparator(word, PositionScore);
  EXPECT_EQ(lex->ScoreWords(depth, comparator, list), 0);
  std::vector<std::string> words;
  for (int32_t i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list[i].score, DifferenceScore(word, list[i].word)) << list[i].word;
    words.emplace_back(list[i].word);
  }
  std::sort(words.begin(), words.end());
  return words;
}

TEST(CompressedScoreWords, DepthPrunesSegmentsByKey) {
  TempDir dir;
  std::string path = dir.Write("score.clx", PlainLexiconFile({{"ab", {}},
                                                              {"abc", {"abcd", "abcdefghijklmn"}},
                                                              {"abd", {"abde"}},
                                                              {"axy", {"axyd"}},
                                                              {"xyz", {"xyzd"}}}));
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    // Depth 10: only keys scoring 90 or more against 'abc' are decoded.
    EXPECT_EQ(ScoredWords(lex.Slot(), "abcd", 10), (List{"ab", "abcd", "abde"}));
    EXPECT_EQ(std::count(scored.begin(), scored.end(), "axyd"), 0);
    EXPECT_EQ(std::count(scored.begin(), scored.end(), "xyzd"), 0);
    // 'abcdefghijklmn' was decoded but scores below 1.
    EXPECT_EQ(std::count(scored.begin(), scored.end(), "abcdefghijklmn"), 1);
    EXPECT_EQ(ScoredWords(lex.Slot(), "abcd", 20), (List{"ab", "abcd", "abde", "axyd"}));
    EXPECT_EQ(ScoredWords(lex.Slot(), "abcd", 100), (List{"ab", "abcd", "abde", "axyd", "xyzd"}));
  }
}

}  // namespace
