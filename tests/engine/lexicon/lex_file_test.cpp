// The buffered file layer: its line rules, block writes, seeks and how failures show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "lexicon/lex_file.h"
#include "engine/lexicon/scratch_dir.h"
#include "test_hooks.h"

namespace {

using trov::LexFile;
using trov_test::ScratchDir;

class LexFileTest : public ::testing::Test {
 protected:
  void TearDown() override { trov::FailLexFileWriteForTest(0); }

  std::unique_ptr<LexFile> OpenWith(const std::string& bytes) {
    return LexFile::Open(dir.Write("f.txt", bytes).c_str(), trov::kLexFileReadText);
  }
  // Every line of bytes as the text lexicons read them, lengths checked against the text.
  std::vector<std::string> Lines(const std::string& bytes) {
    auto file = OpenWith(bytes);
    std::vector<std::string> lines;
    char line[trov::kLexLineBuffer];
    for (int32_t length; (length = file->ReadLine(line, sizeof line)) >= 0;) {
      EXPECT_EQ(static_cast<size_t>(length), std::strlen(line));
      lines.emplace_back(line);
    }
    EXPECT_EQ(file->ReadLine(line, sizeof line), -1) << "the end stays the end";
    return lines;
  }

  ScratchDir dir;
};

TEST_F(LexFileTest, LineOfExactly242CharactersIsFollowedByAnEmptyLine) {
  const std::string full(242, 'a');
  EXPECT_EQ(Lines(full + "\r\nb\r\n"), (std::vector<std::string>{full, "", "b"}));
}

TEST_F(LexFileTest, LongerLineComesInPiecesOf242) {
  const std::string longLine(243, 'a');
  EXPECT_EQ(Lines(longLine + "\r\n"), (std::vector<std::string>{std::string(242, 'a'), "a"}));
  EXPECT_EQ(Lines(std::string(500, 'z')),
            (std::vector<std::string>{std::string(242, 'z'), std::string(242, 'z'),
                                      std::string(16, 'z')}));
}

TEST_F(LexFileTest, OnlyCrLfEndsALine) {
  EXPECT_EQ(Lines("one\ntwo\rthree\r\n\r\nfour\n\r\r\n"),
            (std::vector<std::string>{"one\ntwo\rthree", "", "four\n\r"}));
  EXPECT_EQ(Lines("last line"), (std::vector<std::string>{"last line"}));
  EXPECT_EQ(Lines(""), std::vector<std::string>{});
}

TEST_F(LexFileTest, CrLfIsRemovedEvenWhenItFillsTheBuffer) {
  const std::string line(240, 'c');
  EXPECT_EQ(Lines(line + "\r\nx"), (std::vector<std::string>{line, "x"}));
}

TEST_F(LexFileTest, NulByteEndsReadingLikeTheEndOfTheFile) {
  auto file = OpenWith(std::string("ab\0cd\r\n", 7));
  char line[16];
  EXPECT_EQ(file->ReadLine(line, sizeof line), 2);
  EXPECT_STREQ(line, "ab");
  auto atStart = OpenWith(std::string("\0word\r\n", 7));
  EXPECT_EQ(atStart->ReadLine(line, sizeof line), -1);
}

TEST_F(LexFileTest, TooSmallLineBufferReadsNothing) {
  auto file = OpenWith("abc");
  char line[1] = {'x'};
  EXPECT_EQ(file->ReadLine(line, 1), -1);
  EXPECT_EQ(file->ReadLine(nullptr, 10), -1);
  EXPECT_EQ(file->ReadByte(), 'a');
}

TEST_F(LexFileTest, ReadsBytesAndBlocksAcrossTheBuffer) {
  std::string bytes;
  for (int i = 0; i < 3000; ++i) bytes += static_cast<char>(i % 251);
  auto file = OpenWith(bytes);
  EXPECT_EQ(file->ReadByte(), 0);
  std::string block(2500, '\0');
  EXPECT_EQ(file->Read(block.data(), 2500), 2500);
  EXPECT_EQ(block, bytes.substr(1, 2500));
  EXPECT_EQ(file->Tell(), 2501);
  EXPECT_EQ(file->Read(block.data(), 0), 0);
  EXPECT_EQ(file->Read(block.data(), -5), 0);
  EXPECT_EQ(file->Read(block.data(), 2500), 499) << "short at the end of the file";
  EXPECT_EQ(file->ReadByte(), -1);
  EXPECT_EQ(file->Tell(), 3000);
}

TEST_F(LexFileTest, SeekFromCurrentCountsFromTheLogicalPosition) {
  std::string bytes;
  for (int i = 0; i < 2000; ++i) bytes += static_cast<char>('a' + i % 26);
  auto file = OpenWith(bytes);
  char four[4];
  ASSERT_EQ(file->Read(four, 4), 4);
  ASSERT_EQ(file->Seek(10, 1), 0);
  EXPECT_EQ(file->Tell(), 14);
  EXPECT_EQ(file->ReadByte(), bytes[14]);
  ASSERT_EQ(file->Seek(-3, 2), 0);
  EXPECT_EQ(file->Tell(), 1997);
  EXPECT_EQ(file->ReadByte(), bytes[1997]);
  ASSERT_EQ(file->Seek(1500, 0), 0);
  EXPECT_EQ(file->ReadByte(), bytes[1500]);
  EXPECT_EQ(file->Seek(-1, 0), -1) << "before the start of the file";
  EXPECT_EQ(file->Seek(0, 3), -1) << "no such origin";
}

TEST_F(LexFileTest, SeeksInsideAndOutsideTheBufferReadTheRightBytes) {
  std::string bytes;
  for (int i = 0; i < 5000; ++i) bytes += static_cast<char>(i * 7 % 253);
  auto file = OpenWith(bytes);
  std::mt19937 random(5);
  char piece[300];
  for (int step = 0; step < 2000; ++step) {
    // Mostly short hops near the position (inside the buffer), sometimes far ones.
    const int32_t here = file->Tell();
    const int32_t target =
        random() % 4 == 0
            ? static_cast<int32_t>(random() % 5000)
            : std::clamp<int32_t>(here + static_cast<int32_t>(random() % 200) - 60, 0, 4999);
    ASSERT_EQ(random() % 2 == 0 ? file->Seek(target, 0) : file->Seek(target - here, 1), 0);
    ASSERT_EQ(file->Tell(), target);
    const int32_t count = static_cast<int32_t>(random() % 300);
    const int32_t expected = std::min(count, 5000 - target);
    ASSERT_EQ(file->Read(piece, count), expected) << "step " << step;
    ASSERT_EQ(std::string(piece, static_cast<std::size_t>(expected)),
              bytes.substr(static_cast<std::size_t>(target), static_cast<std::size_t>(expected)))
        << "step " << step << " at " << target;
  }
}

TEST_F(LexFileTest, WritesReachTheFileInBlocksOf1024) {
  const std::string path = dir.File("out.txt");
  auto file = LexFile::Open(path.c_str(), trov::kLexFileWriteText);
  ASSERT_TRUE(file);
  const std::string bytes(3000, 'w');
  EXPECT_EQ(file->Write(bytes.data(), 3000), 3000);
  EXPECT_EQ(std::filesystem::file_size(path), 2048u);
  EXPECT_EQ(file->Tell(), 3000);
  EXPECT_EQ(LexFile::Close(std::move(file)), 0);
  EXPECT_EQ(ScratchDir::Read(path), bytes);
}

TEST_F(LexFileTest, WriteLineEndsWithCrLfAndSeekFlushesFirst) {
  const std::string path = dir.File("out.txt");
  auto file = LexFile::Open(path.c_str(), trov::kLexFileWriteText);
  EXPECT_EQ(file->WriteLine("#LID 24941"), 10);
  EXPECT_EQ(file->WriteLine(""), 0);
  EXPECT_EQ(file->Write("x", 1), 1);
  ASSERT_EQ(file->Seek(1, 0), 0);
  EXPECT_EQ(ScratchDir::Read(path), "#LID 24941\r\n\r\nx")
      << "waiting bytes written before the seek";
  EXPECT_EQ(file->Write("X", 1), 1);
  EXPECT_EQ(LexFile::Close(std::move(file)), 0);
  EXPECT_EQ(ScratchDir::Read(path), "#XID 24941\r\n\r\nx");
}

TEST_F(LexFileTest, OpenForWritingTruncates) {
  const std::string path = dir.Write("old.txt", "old contents");
  auto file = LexFile::Open(path.c_str(), trov::kLexFileWriteText);
  ASSERT_TRUE(file);
  EXPECT_EQ(ScratchDir::Read(path), "");
  EXPECT_EQ(LexFile::Close(std::move(file)), 0);
}

TEST_F(LexFileTest, OpenFailuresGiveNoFile) {
  EXPECT_FALSE(LexFile::Open(dir.File("missing.txt").c_str(), trov::kLexFileReadText));
  EXPECT_FALSE(LexFile::Open(dir.File("missing.txt").c_str(), trov::kLexFileReadCompressed));
  EXPECT_FALSE(LexFile::Open(dir.File("no/such/dir.txt").c_str(), trov::kLexFileWriteText));
  EXPECT_FALSE(LexFile::Open(dir.Write("f.txt", "x").c_str(), 5)) << "no such mode";
  EXPECT_EQ(LexFile::Close(nullptr), 0);
}

TEST_F(LexFileTest, RefusedBlockShowsAsZeroFromWriteAndMinusOneFromWriteLine) {
  const std::string path = dir.File("out.txt");
  auto file = LexFile::Open(path.c_str(), trov::kLexFileWriteText);
  trov::FailLexFileWriteForTest(2);
  const std::string block(1024, 'b');
  EXPECT_EQ(file->Write(block.data(), 1024), 1024) << "the first block is taken";
  EXPECT_EQ(file->Write(block.data(), 1024), 0) << "the second is refused";
  EXPECT_EQ(file->WriteLine("after"), 7 - 2) << "the failure fires once";
  EXPECT_EQ(LexFile::Close(std::move(file)), 0);
  EXPECT_EQ(ScratchDir::Read(path), block + "after\r\n");
}

TEST_F(LexFileTest, CloseReportsUnwrittenLastBytes) {
  const std::string path = dir.File("out.txt");
  auto file = LexFile::Open(path.c_str(), trov::kLexFileWriteText);
  EXPECT_EQ(file->WriteLine("short"), 5);
  trov::FailLexFileWriteForTest(1);
  EXPECT_EQ(LexFile::Close(std::move(file)), -1);
}

TEST_F(LexFileTest, WriteLineFailsWhenItsBlockIsRefused) {
  auto file = LexFile::Open(dir.File("out.txt").c_str(), trov::kLexFileWriteText);
  trov::FailLexFileWriteForTest(1);
  const std::string nearlyFull(1023, 'n');
  EXPECT_EQ(file->WriteLine(nearlyFull.c_str()), -1);
}

TEST_F(LexFileTest, ReadingFileIsNotWrittenAndWritingFileNotRead) {
  const std::string path = dir.Write("f.txt", "keep");
  auto reader = LexFile::Open(path.c_str(), trov::kLexFileReadText);
  EXPECT_EQ(reader->Write("x", 1), 0);
  EXPECT_EQ(LexFile::Close(std::move(reader)), 0);
  EXPECT_EQ(ScratchDir::Read(path), "keep");
  auto writer = LexFile::Open(dir.File("g.txt").c_str(), trov::kLexFileWriteText);
  char byte;
  EXPECT_EQ(writer->Read(&byte, 1), 0);
}

TEST_F(LexFileTest, ModificationTimeOfAMissingFileIsZero) {
  EXPECT_EQ(trov::FileModificationTime(dir.File("missing").c_str()), 0);
  const std::string path = dir.Write("f.txt", "x");
  const int64_t now = trov::CurrentFileTime();
  EXPECT_LE(std::llabs(trov::FileModificationTime(path.c_str()) - now), 5);
}

}  // namespace
