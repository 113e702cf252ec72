// The lexicon compiler: exact output for the format's example, round trips through both compressed
// forms, refused input, word-list conversion, and the default dictionaries the build makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/lexicon/compressed_test_files.h"
#include "lexicon/compressed/compressed_lexicon.h"
#include "lexicon_compiler.h"
#include "trov.h"

namespace {

using trov::lexcompile::CompileLexicon;
using trov::lexcompile::CompileOptions;
using trov::lexcompile::CompileStats;
using trov_test::kFound;
using trov_test::OpenedLexicon;
using trov_test::TempDir;

std::string Compile(const std::vector<std::string>& words, const CompileOptions& options = {},
                    CompileStats* statsOut = nullptr) {
  std::string bytes;
  std::string error;
  CompileStats stats;
  EXPECT_TRUE(CompileLexicon(words, options, bytes, stats, error)) << error;
  if (statsOut != nullptr) *statsOut = stats;
  return bytes;
}

TEST(LexiconCompiler, ExampleWordsGiveTheExampleFile) {
  CompileOptions options;
  options.simpleSuffixes = std::vector<std::string>{"es", "s"};
  options.extendedSuffixes = std::vector<std::string>{};
  CompileStats stats;
  // Order and repeats of the input do not matter.
  std::string bytes = Compile({"cats", "a", "catches", "cat", "catch", "cat"}, options, &stats);
  EXPECT_EQ(bytes, trov_test::ExampleFileBytes());
  EXPECT_EQ(stats.words, 5);
  EXPECT_EQ(stats.segments, 1);
  EXPECT_EQ(stats.wordEntries, 1);
  EXPECT_EQ(stats.fileBytes, static_cast<int64_t>(bytes.size()));
}

// The largest segment size in a compiled file, read from its index section.
uint32_t LargestSegment(const std::string& file) {
  auto be32 = [&](size_t at) {
    return (uint32_t{static_cast<uint8_t>(file[at])} << 24) |
           (uint32_t{static_cast<uint8_t>(file[at + 1])} << 16) |
           (uint32_t{static_cast<uint8_t>(file[at + 2])} << 8) | static_cast<uint8_t>(file[at + 3]);
  };
  uint32_t largest = 0;
  for (size_t at = 4; at + 8 <= file.size();) {
    uint32_t id = be32(at);
    uint32_t length = be32(at + 4);
    if (id == 4) {
      uint32_t count = be32(at + 8);
      for (uint32_t i = 0; i < count; ++i) largest = std::max(largest, be32(at + 12 + i * 11 + 7));
    }
    at += 8 + length;
  }
  return largest;
}

// Words built from shared stems and endings, with capitals, apostrophes and accented letters of
// set 1.
std::vector<std::string> StemmedWords() {
  const std::vector<std::string> stems = {
      "walk",    "talk",     "play",   "jump",  "paint",    "test", "cook", "read", "pl\xE9",
      "caf\xE9", "na\xEFve", "O'Neil", "Paris", "McDonald", "x",    "ab",   "abc",  "zz"};
  const std::vector<std::string> endings = {"",      "s",      "ed", "ing", "er",   "ers",
                                            "ation", "ations", "'s", "ly",  "ness", "able"};
  std::vector<std::string> words;
  for (const auto& s : stems) {
    for (const auto& e : endings) words.push_back(s + e);
  }
  return words;
}

// The stemmed words and a few thousand random ones, up to the longest word the engine takes.
std::vector<std::string> SampleWords() {
  std::vector<std::string> words = StemmedWords();
  std::mt19937 random(12345);
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ\xE0\xE9\xF6'-";
  for (int i = 0; i < 3000; ++i) {
    std::string w;
    size_t length = 1 + random() % 20;
    for (size_t k = 0; k < length; ++k) w += letters[random() % letters.size()];
    words.push_back(w);
  }
  words.push_back(std::string(80, 'q'));
  return words;
}

std::string FlipCase(const std::string& word) {
  std::string flipped = word;
  for (char& c : flipped) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') {
      c = static_cast<char>(u - 32);
    } else if (u >= 'A' && u <= 'Z') {
      c = static_cast<char>(u + 32);
    } else if (u >= 0xE0 && u != 0xF7 && u != 0xFF) {
      c = static_cast<char>(u - 32);  // set 1: accented lower to upper
    }
  }
  return flipped;
}

// The lower-case form in set 1 of the letters SampleWords uses.
std::string Fold(const std::string& word) {
  std::string folded = word;
  for (char& c : folded) {
    auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
      c = static_cast<char>(u + 32);
  }
  return folded;
}

bool HasCaselessTwin(const std::set<std::string>& words, const std::string& word) {
  for (const auto& w : words) {
    if (Fold(w) == Fold(word)) return true;
  }
  return false;
}

TEST(LexiconCompiler, RoundTripThroughEveryForm) {
  std::vector<std::string> words = SampleWords();
  std::set<std::string> unique(words.begin(), words.end());
  CompileStats stats;
  std::string bytes = Compile(words, {}, &stats);
  EXPECT_EQ(stats.words, static_cast<int32_t>(unique.size()));
  EXPECT_EQ(stats.simpleSuffixes, 30);
  EXPECT_GT(stats.extendedSuffixes, 0);

  TempDir dir;
  std::string path = dir.Write("sample.clx", bytes);
  uint32_t budget = LargestSegment(bytes);
  ASSERT_GT(budget, 0u);

  // Non-words: each word with a letter appended or its last character dropped, when that is
  // not itself a word.
  std::vector<std::string> nonWords;
  for (const auto& w : unique) {
    if (unique.count(w + "q") == 0 && w.size() < 80) nonWords.push_back(w + "q");
    std::string shorter = w.substr(0, w.size() - 1);
    if (!shorter.empty() && unique.count(shorter) == 0) nonWords.push_back(shorter);
  }

  for (int32_t form : {-1, 0, static_cast<int32_t>(budget)}) {
    SCOPED_TRACE(form);
    OpenedLexicon lex(path, form);
    ASSERT_EQ(lex.Result(), 0);
    for (const auto& w : unique) {
      ASSERT_EQ(lex.Find(w.c_str()), kFound) << w;
      ASSERT_EQ(lex.Find(FlipCase(w).c_str(), false), kFound) << w;
    }
    for (const auto& w : nonWords) {
      ASSERT_EQ(lex.Find(w.c_str()), TROV_ERR_NOT_FOUND) << w;
      if (!HasCaselessTwin(unique, w)) {
        ASSERT_EQ(lex.Find(FlipCase(w).c_str(), false), TROV_ERR_NOT_FOUND) << w;
      }
    }
    const auto& kind = *dynamic_cast<const trov::CompressedLexicon*>(lex.Slot().get());
    if (form > 0) {
      EXPECT_LE(kind.SegmentBytesHeld(), form);
    }
  }

  std::vector<std::string> dumped;
  std::string error;
  ASSERT_TRUE(trov::lexcompile::DumpLexicon(path, dumped, error)) << error;
  EXPECT_EQ(dumped, std::vector<std::string>(unique.begin(), unique.end()));

  std::vector<std::string> missing;
  std::vector<std::string> list(unique.begin(), unique.end());
  list.push_back("notawordq");
  list.push_back(std::string(81, 'q'));
  ASSERT_TRUE(trov::lexcompile::FindMissingWords(path, list, missing, error)) << error;
  EXPECT_EQ(missing, (std::vector<std::string>{"notawordq", std::string(81, 'q')}));
}

TEST(LexiconCompiler, ChosenSuffixesShrinkTheFile) {
  std::vector<std::string> words = StemmedWords();
  CompileOptions none;
  none.simpleSuffixes = std::vector<std::string>{};
  std::string plain = Compile(words, none);
  std::string chosen = Compile(words);
  EXPECT_LT(chosen.size() * 100, plain.size() * 90) << chosen.size() << " vs " << plain.size();
}

TEST(LexiconCompiler, RefusesWhatCannotBeStored) {
  std::string bytes;
  std::string error;
  CompileStats stats;
  auto refused = [&](const std::vector<std::string>& words, const CompileOptions& options = {}) {
    error.clear();
    return !CompileLexicon(words, options, bytes, stats, error) && !error.empty();
  };
  EXPECT_TRUE(refused({}));
  EXPECT_TRUE(refused({"good", ""}));
  EXPECT_TRUE(refused({"tab\tbed"}));
  EXPECT_TRUE(refused({std::string("nul\0l", 5)}));
  EXPECT_TRUE(refused({std::string(81, 'a')}));
  EXPECT_FALSE(refused({std::string(80, 'a')}));

  CompileOptions tooMany;
  tooMany.simpleSuffixes = std::vector<std::string>(31, "s");
  EXPECT_TRUE(refused({"cats"}, tooMany));
  CompileOptions control;
  control.extendedSuffixes = std::vector<std::string>{"\x01x"};
  EXPECT_TRUE(refused({"cats"}, control));
  CompileOptions empty;
  empty.simpleSuffixes = std::vector<std::string>{""};
  EXPECT_TRUE(refused({"cats"}, empty));
}

TEST(LexiconCompiler, LanguageNames) {
  int16_t language = 0;
  EXPECT_TRUE(trov::lexcompile::ParseLanguage("am", language));
  EXPECT_EQ(language, 0x616D);
  EXPECT_TRUE(trov::lexcompile::ParseLanguage("30840", language));
  EXPECT_EQ(language, 0x7878);
  for (const char* bad : {"AM", "a", "abc", "", "70000", "12a", "-5"}) {
    EXPECT_FALSE(trov::lexcompile::ParseLanguage(bad, language)) << bad;
  }
  CompileOptions options;
  options.language = 0x6672;
  TempDir dir;
  OpenedLexicon lex(dir.Write("fr.clx", Compile({"oui"}, options)), -1);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Slot()->Language(), 0x6672);
}

TEST(LexiconCompilerWordList, LinesAndConversion) {
  TempDir dir;
  std::string error;
  std::vector<std::string> words;
  std::string path = dir.Write("list.txt", "one\r\ntwo\n\n\r\nthree\ncaf\xC3\xA9");
  ASSERT_TRUE(trov::lexcompile::ReadWordList(path, "", words, error)) << error;
  EXPECT_EQ(words, (std::vector<std::string>{"one", "two", "three", "caf\xC3\xA9"}));
  EXPECT_FALSE(trov::lexcompile::ReadWordList(dir.File("missing.txt"), "", words, error));

  if (!trov::lexcompile::CanConvertUtf8()) GTEST_SKIP() << "no UTF-8 conversion in this build";
  ASSERT_TRUE(trov::lexcompile::ReadWordList(path, "CP1252", words, error)) << error;
  EXPECT_EQ(words.back(), "caf\xE9");
  std::string arrow = dir.Write("arrow.txt", "left\n\xE2\x86\x90\n");
  EXPECT_FALSE(trov::lexcompile::ReadWordList(arrow, "CP1252", words, error));
  EXPECT_NE(error.find("cannot be converted"), std::string::npos) << error;
  EXPECT_FALSE(trov::lexcompile::ReadWordList(path, "NO-SUCH-SET", words, error));

  std::string out = dir.File("out.txt");
  ASSERT_TRUE(trov::lexcompile::WriteWordList(out, {"caf\xE9", "na\xEFve"}, "CP1252", error));
  std::ifstream in(out, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, "caf\xC3\xA9\nna\xC3\xAFve\n");
}

// The dictionaries the build places beside the programs.
class DefaultDictionaries : public ::testing::Test {
 protected:
  static std::string Path(const char* name) { return std::string(TROV_DICT_DIR) + "/" + name; }

  void SetUp() override {
    session_ = TROV_OpenSession();
    ASSERT_GE(session_, 0);
  }
  void TearDown() override { TROV_CloseSession(session_); }

  // Every entry line of a text lexicon after its header: word, action, other word.
  struct Entry {
    std::string word;
    char action;
    std::string other;
  };
  static std::vector<Entry> Entries(const char* name) {
    std::ifstream in(Path(name), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Entry> entries;
    size_t start = text.find("\r\n") + 2;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      std::string line = text.substr(start, end - start);
      if (line.empty() || line[0] == '#') continue;
      size_t tab = line.find('\t');
      if (tab == std::string::npos) {
        entries.push_back({line, 'i', ""});
      } else {
        entries.push_back({line.substr(0, tab), line[tab + 1], line.substr(tab + 2)});
      }
    }
    return entries;
  }

  int16_t session_ = -1;
};

TEST_F(DefaultDictionaries, MainCompressedDictionary) {
  ASSERT_EQ(trov::DetectCompressedFile(Path("trovam2.clx").c_str()), 1);
  const int16_t lex = TROV_OpenLex(session_, Path("trovam2.clx").c_str(), -1);
  ASSERT_GE(lex, 0);
  char other[TROV_WORD_BUFFER];
  for (const char* word : {"the", "spelling", "dictionary", "don't", "zoology", "caf\xE9", "Paris",
                           "a", "I", "encyclopedia's"}) {
    EXPECT_EQ(TROV_FindLexWord(session_, lex, word, other, sizeof other), kFound) << word;
  }
  for (const char* word : {"teh", "recieve", "paris", "xqzt"}) {
    EXPECT_EQ(TROV_FindLexWord(session_, lex, word, other, sizeof other), TROV_ERR_NOT_FOUND)
        << word;
  }
  int16_t format = -1;
  int16_t language = 0;
  EXPECT_EQ(TROV_GetLexInfo(session_, lex, nullptr, &format, &language), 0);
  EXPECT_EQ(format, 1);
  EXPECT_EQ(language, TROV_LANGUAGE_AM);
}

TEST_F(DefaultDictionaries, TextLexiconsOpenWithTheirEntries) {
  for (const char* name : {"trovam.tlx", "userdic.tlx", "correct.tlx"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(trov::DetectCompressedFile(Path(name).c_str()), 0);
    const int16_t lex = TROV_OpenLex(session_, Path(name).c_str(), -1);
    ASSERT_GE(lex, 0);
    int16_t language = 0;
    EXPECT_EQ(TROV_GetLexInfo(session_, lex, nullptr, nullptr, &language), 0);
    EXPECT_EQ(language, TROV_LANGUAGE_AM);
    std::vector<char> buffer(1 << 16);
    int16_t count = TROV_GetLex(session_, lex, buffer.data(), static_cast<int32_t>(buffer.size()));
    EXPECT_EQ(count, static_cast<int16_t>(Entries(name).size()));
    TROV_CloseLex(session_, lex);
  }
  EXPECT_TRUE(Entries("userdic.tlx").empty());
  EXPECT_GE(Entries("trovam.tlx").size(), 300u);
  EXPECT_GE(Entries("correct.tlx").size(), 300u);

  const int16_t correct = TROV_OpenLex(session_, Path("correct.tlx").c_str(), -1);
  char other[TROV_WORD_BUFFER];
  EXPECT_EQ(TROV_FindLexWord(session_, correct, "teh", other, sizeof other), 'A');
  EXPECT_STREQ(other, "the");
  EXPECT_EQ(TROV_FindLexWord(session_, correct, "febuary", other, sizeof other), 'a');
  EXPECT_STREQ(other, "February");
}

TEST_F(DefaultDictionaries, TextLexiconsAgreeWithTheWordList) {
  OpenedLexicon main(Path("trovam2.clx"), -1);
  ASSERT_EQ(main.Result(), 0);
  std::set<std::string> extra;
  for (const auto& e : Entries("trovam.tlx")) {
    EXPECT_EQ(e.action, 'i') << e.word;
    EXPECT_EQ(main.Find(e.word.c_str()), TROV_ERR_NOT_FOUND) << e.word << " repeats the word list";
    extra.insert(e.word);
  }
  for (const auto& e : Entries("correct.tlx")) {
    EXPECT_NE(std::string("aAcC").find(e.action), std::string::npos) << e.word;
    // A typing error that is a word would change correct text.
    EXPECT_EQ(main.Find(e.word.c_str(), false), TROV_ERR_NOT_FOUND) << e.word;
    size_t start = 0;
    for (size_t end; start <= e.other.size(); start = end + 1) {
      end = std::min(e.other.find(' ', start), e.other.size());
      std::string part = e.other.substr(start, end - start);
      EXPECT_TRUE(main.Find(part.c_str()) == kFound || extra.count(part) > 0)
          << e.word << " -> " << part;
    }
  }
}

}  // namespace
