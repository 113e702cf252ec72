#include "text_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <random>
#include <string>

#include "trov.h"

namespace {

using trov::TextCopy;

std::unique_ptr<char[]> NoMemory(std::size_t) { return nullptr; }

// Allocations above this many bytes fail.
std::size_t allocationLimit = 0;
std::unique_ptr<char[]> LimitedMemory(std::size_t size) {
  return size > allocationLimit ? nullptr : std::unique_ptr<char[]>(new char[size]);
}

TEST(TextCopy, LoadsWithAQuarterToSpareAndAtLeast256Bytes) {
  TextCopy copy;
  EXPECT_FALSE(copy.Loaded());
  ASSERT_TRUE(copy.Load("the cat sat"));
  EXPECT_TRUE(copy.Loaded());
  EXPECT_EQ(copy.Length(), 11);
  EXPECT_EQ(copy.Capacity(), 11u + 256u);
  EXPECT_STREQ(copy.From(0), "the cat sat");
  ASSERT_TRUE(copy.Load(std::string(4000, 'a')));
  EXPECT_EQ(copy.Capacity(), 5000u);
  ASSERT_TRUE(copy.Load(""));
  EXPECT_STREQ(copy.From(0), "");
  copy.Release();
  EXPECT_FALSE(copy.Loaded());
  EXPECT_EQ(copy.Length(), 0);
  EXPECT_EQ(copy.Text(), "");
}

// Edits anywhere, reads from anywhere: the copy always holds what a plain string edited the same
// way holds, also after the buffer grew many times over.
TEST(TextCopy, EditsAndReadsAgreeWithAPlainString) {
  std::mt19937 random(5);
  TextCopy copy;
  std::string model = "the cat sat on the mat";
  ASSERT_TRUE(copy.Load(model));
  const std::size_t firstCapacity = copy.Capacity();
  for (int round = 0; round < 3000; ++round) {
    const auto length = static_cast<int32_t>(model.size());
    const auto position = static_cast<int32_t>(random() % (model.size() + 1));
    const auto count = static_cast<int32_t>(random() % 6);
    // Insertions longer than what they replace, on the whole: the text keeps growing.
    const std::string insertion(random() % 9, static_cast<char>('a' + round % 26));
    ASSERT_EQ(copy.Replace(position, count, insertion), 0);
    model.replace(static_cast<std::size_t>(position),
                  static_cast<std::size_t>(std::min(count, length - position)), insertion);
    ASSERT_EQ(copy.Length(), static_cast<int32_t>(model.size()));
    const auto at = static_cast<int32_t>(random() % (model.size() + 1));
    switch (round % 3) {
      case 0:
        ASSERT_EQ(copy.Slice(at, 7), model.substr(static_cast<std::size_t>(at), 7));
        break;
      case 1:
        ASSERT_EQ(std::string(copy.Before(at), static_cast<std::size_t>(at)),
                  model.substr(0, static_cast<std::size_t>(at)));
        break;
      default:
        ASSERT_STREQ(copy.From(at), model.c_str() + at);
    }
  }
  EXPECT_EQ(copy.Text(), model);
  EXPECT_GT(copy.Capacity(), 4 * firstCapacity);
}

TEST(TextCopy, ReplacingPastTheEndTakesWhatThereIs) {
  TextCopy copy;
  ASSERT_TRUE(copy.Load("the cat"));
  EXPECT_EQ(copy.Replace(4, 10, "dog"), 0);
  EXPECT_EQ(copy.Text(), "the dog");
  EXPECT_EQ(copy.Replace(7, 3, "s"), 0);
  EXPECT_EQ(copy.Text(), "the dogs");
  EXPECT_EQ(copy.Slice(5, 100), "ogs");
  EXPECT_EQ(copy.Slice(-2, 3), "the");
}

TEST(TextCopy, WithoutMemoryLoadingAndGrowingFailAndChangeNothing) {
  TextCopy copy;
  ASSERT_TRUE(copy.Load("qat"));
  copy.SetAllocator(NoMemory);
  const std::string eighty(80, 'y');
  for (int i = 0; i < 3; ++i) ASSERT_EQ(copy.Replace(0, 3, eighty), 0) << "the first room";
  const std::string before = copy.Text();
  EXPECT_EQ(copy.Replace(0, 3, eighty), TROV_ERR_NO_MEMORY);
  EXPECT_EQ(copy.Text(), before);
  EXPECT_EQ(copy.Replace(0, 3, "cat"), 0) << "what fits needs no memory";
  EXPECT_FALSE(copy.Load("the cat"));
  EXPECT_FALSE(copy.Loaded());
  copy.SetAllocator(nullptr);
  EXPECT_TRUE(copy.Load("the cat"));
}

TEST(TextCopy, GrowsByExactlyWhatIsNeededWhenDoublingFindsNoMemory) {
  TextCopy copy;
  ASSERT_TRUE(copy.Load(std::string(1000, 'a')));  // 1250 bytes
  allocationLimit = 1300;
  copy.SetAllocator(LimitedMemory);
  ASSERT_EQ(copy.Replace(0, 0, std::string(260, 'b')), 0);
  EXPECT_EQ(copy.Capacity(), 1261u);
  EXPECT_EQ(copy.Text(), std::string(260, 'b') + std::string(1000, 'a'));
}

}  // namespace
