// Compressed lexicon files: the example file byte for byte, detection, and every way an open can
// fail, each with its log line and result.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/lexicon/compressed_test_files.h"
#include "engine/log_capture.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/lexicon.h"
#include "trov.h"

namespace {

using trov_test::Be32;
using trov_test::ExampleFileBytes;
using trov_test::HeaderSections;
using trov_test::IndexEntry;
using trov_test::IndexSection;
using trov_test::kFound;
using trov_test::LogCapture;
using trov_test::Magic;
using trov_test::OpenedLexicon;
using trov_test::Section;
using trov_test::SuffixSection;
using trov_test::TempDir;

using trov_test::kResident;
using trov_test::kUnbounded;

TEST(CompressedFormat, ExampleFileIsBuiltFromItsParts) {
  // The hand-written bytes and the section builders agree, so the builders can be trusted
  // for the malformed variants below.
  std::string built = Magic() + HeaderSections() + SuffixSection(std::string("es\0s\0", 5), "") +
                      IndexSection({IndexEntry("a", 0, 0), IndexEntry("cat", 0, 10)}) +
                      Section(5, std::string("\0\0\0ch\0\x02\x02\0\x03", 10));
  EXPECT_EQ(built, ExampleFileBytes());
}

TEST(CompressedFormat, ExampleFileAnswersEveryLookupInBothForms) {
  TempDir dir;
  std::string path = dir.Write("example.clx", ExampleFileBytes());
  for (int32_t budget : {kResident, kUnbounded, 10}) {
    SCOPED_TRACE(budget);
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    EXPECT_EQ(lex.Slot()->Type(),
              budget < 0 ? trov::LEX_COMPRESSED_RESIDENT : trov::LEX_COMPRESSED_PAGED);
    for (const char* word : {"a", "cat", "catch", "catches", "cats"}) {
      EXPECT_EQ(lex.Find(word), kFound) << word;
      EXPECT_EQ(lex.Find(word, false), kFound) << word;
    }
    for (const char* word :
         {"ca", "c", "catc", "catche", "catchess", "cas", "dog", "b", "", "A", "Cat", "CATS"}) {
      EXPECT_EQ(lex.Find(word), TROV_ERR_NOT_FOUND) << word;
    }
    for (const char* word : {"A", "Cat", "CATS", "cAtChEs"}) {
      EXPECT_EQ(lex.Find(word, false), kFound) << word;
    }
    EXPECT_EQ(lex.Slot()->Language(), 0x616D);
    char name[600];
    EXPECT_EQ(lex.Slot()->FileName(name, sizeof name), 0);
    EXPECT_EQ(std::string(name), path);
    EXPECT_EQ(lex.Slot()->FileName(name, 5), 0);
    EXPECT_EQ(std::string(name), path.substr(0, 4));
  }
}

TEST(CompressedFormat, FindNeverWritesTheOtherWordBuffer) {
  TempDir dir;
  OpenedLexicon lex(dir.Write("example.clx", ExampleFileBytes()), kResident);
  char other[8] = "keep";
  EXPECT_EQ(lex.Slot()->Find("cats", true, other, sizeof other), kFound);
  EXPECT_EQ(lex.Slot()->Find("dogs", true, other, sizeof other), TROV_ERR_NOT_FOUND);
  EXPECT_STREQ(other, "keep");
}

TEST(CompressedFormat, EditingAndListingAreUnsupported) {
  TempDir dir;
  std::string path = dir.Write("example.clx", ExampleFileBytes());
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    char buffer[64];
    EXPECT_EQ(lex.Slot()->Add("dog", 'i', nullptr), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Slot()->Delete("cat"), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Slot()->Clear(), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Slot()->List(buffer, sizeof buffer), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Slot()->ListSize(), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Slot()->SaveCopy(dir.File("copy.tlx").c_str()), TROV_ERR_UNSUPPORTED);
    EXPECT_EQ(lex.Find("cat"), kFound);
  }
}

TEST(CompressedDetect, MagicNumberDecidesWhateverTheName) {
  TempDir dir;
  EXPECT_EQ(trov::DetectCompressedFile(dir.Write("words.tlx", ExampleFileBytes()).c_str()), 1);
  EXPECT_EQ(trov::DetectCompressedFile(dir.Write("short", Magic()).c_str()), 1);
  EXPECT_EQ(trov::DetectCompressedFile(dir.Write("text.clx", "#LID 24941\r\nword\r\n").c_str()), 0);
  EXPECT_EQ(trov::DetectCompressedFile(dir.Write("empty.clx", "").c_str()), 0);
  EXPECT_EQ(trov::DetectCompressedFile(dir.File("missing.clx").c_str()), TROV_ERR_FILE_OPEN);
}

TEST(CompressedDetect, OlderFormatTagAtByte256IsRefused) {
  TempDir dir;
  auto withTag = [](uint32_t tag, size_t size) {
    std::string bytes(size, 'x');
    for (int i = 0; i < 4 && 256 + i < static_cast<int>(size); ++i) {
      bytes[256 + i] = static_cast<char>(tag >> (8 * i));  // little-endian
    }
    return bytes;
  };
  for (uint32_t tag : {0x46000001u, 0x46000006u, 0x46000400u, 0x46000402u}) {
    EXPECT_EQ(trov::DetectCompressedFile(dir.Write("old", withTag(tag, 260)).c_str()),
              TROV_ERR_UNSUPPORTED)
        << std::hex << tag;
  }
  for (uint32_t tag : {0x46000000u, 0x46000007u, 0x460003FFu, 0x46000403u, 0x01000046u}) {
    EXPECT_EQ(trov::DetectCompressedFile(dir.Write("text", withTag(tag, 300)).c_str()), 0)
        << std::hex << tag;
  }
  // One byte short of the tag: a text lexicon.
  EXPECT_EQ(trov::DetectCompressedFile(dir.Write("short", withTag(0x46000001u, 259)).c_str()), 0);
}

// Opens bytes in each form asked for; every one must fail with code after logging exactly one
// line, the file's path followed by message.
void ExpectRefused(const std::string& bytes, int16_t code, const std::string& message,
                   std::initializer_list<int32_t> budgets = {kUnbounded, kResident}) {
  TempDir dir;
  std::string path = dir.Write("bad.clx", bytes);
  for (int32_t budget : budgets) {
    SCOPED_TRACE(budget);
    LogCapture log;
    OpenedLexicon lex(path, budget);
    EXPECT_EQ(lex.Result(), code);
    EXPECT_EQ(lex.Slot(), nullptr) << "a refused file leaves the slot free";
    EXPECT_EQ(log.Messages(), std::vector<std::string>{path + message});
  }
}

const std::string kExampleIndex = IndexSection({IndexEntry("a", 0, 0), IndexEntry("cat", 0, 10)});
const std::string kExampleData = Section(5, std::string("\0\0\0ch\0\x02\x02\0\x03", 10));
const std::string kExampleSuffixes = SuffixSection(std::string("es\0s\0", 5), "");

TEST(CompressedOpen, MissingFile) {
  TempDir dir;
  std::string path = dir.File("missing.clx");
  LogCapture log;
  OpenedLexicon paged(path, kUnbounded);
  EXPECT_EQ(paged.Result(), TROV_ERR_FILE_OPEN);
  OpenedLexicon resident(path, kResident);
  EXPECT_EQ(resident.Result(), TROV_ERR_FILE_OPEN);
  EXPECT_EQ(log.Messages(), (std::vector<std::string>{"file open(" + path + ") failed",
                                                      "file open(" + path + ") failed"}));
}

TEST(CompressedOpen, HeaderFaults) {
  ExpectRefused("", TROV_ERR_BAD_FORMAT, ": error reading magic number");
  ExpectRefused(std::string("\x46\x00\x05", 3), TROV_ERR_BAD_FORMAT,
                ": error reading magic number");
  ExpectRefused("#LID 24941\r\n", TROV_ERR_BAD_FORMAT, ": magic number 0x234c4944 != 0x46000501");
  ExpectRefused(Magic(), TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  ExpectRefused(Magic() + Be32(1), TROV_ERR_BAD_FORMAT, ": error reading section length");
  ExpectRefused(Magic() + Be32(1) + std::string(2, '\0'), TROV_ERR_BAD_FORMAT,
                ": error reading section length");
}

TEST(CompressedOpen, CharacterWidth) {
  std::string rest = kExampleSuffixes + kExampleIndex + kExampleData;
  ExpectRefused(Magic() + Section(2, Be32(2)) + rest, TROV_ERR_UNSUPPORTED,
                ": Unicode lexicon not supported");
  // Only the low 16 bits count.
  ExpectRefused(Magic() + Section(2, Be32(0x10002)) + rest, TROV_ERR_UNSUPPORTED,
                ": Unicode lexicon not supported");
  ExpectRefused(Magic() + Section(2, Be32(3)) + rest, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  ExpectRefused(Magic() + Section(2, Be32(0)) + rest, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");

  // Without a width section the characters are 8-bit.
  TempDir dir;
  OpenedLexicon lex(dir.Write("nowidth.clx", Magic() + rest), kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("catches"), kFound);
  EXPECT_EQ(lex.Slot()->Language(), 0);
}

TEST(CompressedOpen, WordSectionsMustHoldFourBytes) {
  std::string rest = kExampleSuffixes + kExampleIndex + kExampleData;
  ExpectRefused(Magic() + Section(1, std::string(2, 'a')) + rest, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  ExpectRefused(Magic() + Section(2, Be32(1) + Be32(1)) + rest, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  // The file ends inside the language value.
  ExpectRefused(Magic() + Be32(1) + Be32(4) + std::string(2, 'a'), TROV_ERR_BAD_FORMAT,
                ": read error");
}

TEST(CompressedOpen, MissingIndexOrDataOrSegments) {
  std::string head = Magic() + HeaderSections() + kExampleSuffixes;
  ExpectRefused(head + kExampleData, TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  ExpectRefused(head + kExampleIndex, TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  ExpectRefused(head + IndexSection({}) + kExampleData, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  ExpectRefused(head + kExampleIndex + kExampleIndex + kExampleData, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
}

TEST(CompressedOpen, ShortSuffixTablesAndIndex) {
  std::string head = Magic() + HeaderSections();
  // The simple table claims 5 bytes, 3 follow.
  ExpectRefused(head + Be32(3) + Be32(13) + Be32(5) + "es", TROV_ERR_READ, ": read error");
  // The extended table's length is missing.
  ExpectRefused(head + Be32(3) + Be32(13) + Be32(0), TROV_ERR_READ, ": read error");
  // A length far beyond the file is refused without being allocated.
  ExpectRefused(head + Be32(3) + Be32(13) + Be32(0xFFFFFFF0u) + "es", TROV_ERR_READ,
                ": read error");
  ExpectRefused(head + kExampleSuffixes + Be32(4) + Be32(26) + Be32(2) + "a", TROV_ERR_BAD_FORMAT,
                ": read error");
}

TEST(CompressedOpen, IndexThatDoesNotFitItsSection) {
  std::string head = Magic() + HeaderSections() + kExampleSuffixes;
  // Two entries announced, one present.
  ExpectRefused(head + Section(4, Be32(2) + IndexEntry("cat", 0, 10)) + kExampleData,
                TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  ExpectRefused(head + Section(4, std::string(3, '\0')) + kExampleData, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  ExpectRefused(head + Section(4, Be32(0xFFFFFFFFu) + IndexEntry("cat", 0, 10)) + kExampleData,
                TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
}

TEST(CompressedOpen, SegmentsMustLieInTheDataArea) {
  std::string head = Magic() + HeaderSections() + kExampleSuffixes;
  ExpectRefused(head + IndexSection({IndexEntry("cat", 0, 11)}) + kExampleData, TROV_ERR_BAD_FORMAT,
                " invalid compressed lexicon");
  ExpectRefused(head + IndexSection({IndexEntry("cat", 0xFFFFFFFFu, 10)}) + kExampleData,
                TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  // A word entry's offset and size are not used.
  TempDir dir;
  OpenedLexicon lex(dir.Write("ok.clx", head +
                                            IndexSection({IndexEntry("a", 0xFFFFFFFFu, 99999),
                                                          IndexEntry("cat", 0, 10)}) +
                                            kExampleData),
                    10);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("a"), kFound);
  EXPECT_EQ(lex.Find("cats"), kFound);
}

TEST(CompressedOpen, IndexMustAscendStrictly) {
  std::string head = Magic() + HeaderSections() + kExampleSuffixes;
  ExpectRefused(
      head + IndexSection({IndexEntry("cat", 0, 10), IndexEntry("a", 0, 0)}) + kExampleData,
      TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  ExpectRefused(
      head + IndexSection({IndexEntry("cat", 0, 10), IndexEntry("cat", 0, 10)}) + kExampleData,
      TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
}

TEST(CompressedOpen, UnknownSectionsAreSkipped) {
  TempDir dir;
  std::string bytes = Magic() + Section(9, std::string(100, '\x5A')) + HeaderSections() +
                      Section(77, "") + kExampleSuffixes + kExampleIndex + kExampleData +
                      Section(12, "trailing");
  std::string path = dir.Write("extra.clx", bytes);
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    EXPECT_EQ(lex.Find("catch"), kFound);
    EXPECT_EQ(lex.Slot()->Language(), 0x616D);
  }
}

TEST(CompressedOpen, SectionsInAnyOrder) {
  TempDir dir;
  std::string bytes =
      Magic() + kExampleData + kExampleIndex + kExampleSuffixes + Section(1, Be32(0xABCD7878u));
  OpenedLexicon lex(dir.Write("order.clx", bytes), kResident);
  ASSERT_EQ(lex.Result(), 0);
  EXPECT_EQ(lex.Find("catches"), kFound);
  EXPECT_EQ(lex.Slot()->Language(), 0x7878);  // the low 16 bits
}

TEST(CompressedOpen, SegmentLargerThanTheBudget) {
  // 'aaaa' (3 bytes) and 8571 seven-byte entries: a segment of exactly 60000 bytes.
  std::vector<std::string> words{"aaaa"};
  for (int i = 0; words.size() < 8572; ++i) {
    std::string w = "aaab";
    for (int n = i, k = 0; k < 4; ++k, n /= 26) w += static_cast<char>('a' + n % 26);
    words.push_back(w);
  }
  std::sort(words.begin() + 1, words.end());
  std::string file = trov_test::PlainLexiconFile({{"aaa", words}});
  TempDir dir;
  std::string path = dir.Write("big.clx", file);
  {
    LogCapture log;
    OpenedLexicon lex(path, 50000);
    EXPECT_EQ(lex.Result(), TROV_ERR_NO_MEMORY);
    EXPECT_EQ(lex.Slot(), nullptr);
    EXPECT_EQ(log.Messages(),
              std::vector<std::string>{path + ": segment size 60000 > budget 50000"});
  }
  for (int32_t budget : {kUnbounded, 60000, kResident}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0) << budget;
    EXPECT_EQ(lex.Find("aaaa"), kFound);
    EXPECT_EQ(lex.Find(words.back().c_str()), kFound);
    EXPECT_EQ(lex.Find(words[4000].c_str()), kFound);
    EXPECT_EQ(lex.Find("aaab"), TROV_ERR_NOT_FOUND);
  }
}

TEST(CompressedOpen, DataAreaCutShort) {
  // The data area claims 10 bytes; the file ends after 6 of them, inside segment 'cat'.
  std::string head = Magic() + HeaderSections() + kExampleSuffixes;
  ExpectRefused(head + kExampleIndex + Be32(5) + Be32(10) + std::string("\0\0\0ch\0", 6),
                TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");
  // A huge segment in a huge claimed data area is refused, not allocated.
  ExpectRefused(head + IndexSection({IndexEntry("cat", 0, 0x7FFFFF00u)}) + Be32(5) +
                    Be32(0x7FFFFF00u) + "\0\0",
                TROV_ERR_BAD_FORMAT, " invalid compressed lexicon");

  // Segments within the bytes present open in both forms.
  TempDir dir;
  std::string path = dir.Write("cut.clx", head + IndexSection({IndexEntry("cat", 0, 6)}) + Be32(5) +
                                              Be32(10) + std::string("\0\0\0ch\0", 6));
  for (int32_t budget : {kResident, kUnbounded}) {
    OpenedLexicon lex(path, budget);
    ASSERT_EQ(lex.Result(), 0);
    EXPECT_EQ(lex.Find("catch"), kFound);
  }
}

TEST(CompressedOpen, FileCutAfterAPagedOpen) {
  TempDir dir;
  std::string bytes = ExampleFileBytes();
  std::string path = dir.Write("example.clx", bytes);
  OpenedLexicon lex(path, kUnbounded);
  ASSERT_EQ(lex.Result(), 0);
  dir.Write("example.clx", bytes.substr(0, bytes.size() - 4));
  LogCapture log;
  EXPECT_EQ(lex.Find("a"), kFound);
  EXPECT_EQ(lex.Find("cat"), TROV_ERR_NOT_FOUND);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{path + ": read error"});
}

}  // namespace
