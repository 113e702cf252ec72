// Large blocks hold a lexicon's words, sketches and segment bytes; every byte they claim to hold
// must be there, whichever way the block was made.
#include "base/large_block.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace trov {
namespace {

TEST(LargeBlock, HoldsAtLeastWhatWasAskedForOnEitherSideOfTheMappedSizes) {
  for (const std::size_t bytes :
       {std::size_t{1}, std::size_t{4096}, std::size_t{128 << 10} - 1, std::size_t{128 << 10},
        std::size_t{300'001}, std::size_t{(1 << 20) - 1}, std::size_t{1} << 20,
        std::size_t{(2 << 20) + 1}}) {
    const std::size_t size = LargeBlockSize(bytes);
    ASSERT_GE(size, bytes);
    auto* block = static_cast<uint8_t*>(AllocateLarge(bytes));
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xA5, size);
    EXPECT_EQ(block[size - 1], 0xA5);
    FreeLarge(block, bytes);
  }
}

TEST(LargeBlock, ServesUniquePointers) {
  const std::size_t bytes = 3 << 20;
  std::unique_ptr<uint8_t[], LargeBlockFree> owned(static_cast<uint8_t*>(AllocateLarge(bytes)),
                                                   LargeBlockFree{bytes});
  owned[bytes - 1] = 1;
  EXPECT_EQ(owned[bytes - 1], 1);
}

}  // namespace
}  // namespace trov
