#include "base/large_block.h"

#include <cstdint>
#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace trov {

#if defined(__linux__) && defined(MADV_HUGEPAGE)
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Smaller blocks would waste most of their huge page.
constexpr std::size_t kLeastMapped = kHugePage / 4;
// Below this a block takes the heap's pages. From here up it is mapped on its own and filled in
// one call: a fault per page costs several times as much, most of all in a virtual machine.
constexpr std::size_t kLeastPopulated = 128 * 1024;

std::size_t RoundUp(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }

}  // namespace

std::size_t LargeBlockSize(std::size_t bytes) {
  return bytes < kLeastMapped ? bytes : RoundUp(bytes);
}

void* AllocateLarge(std::size_t bytes) {
  if (bytes < kLeastPopulated) {
    void* block = std::malloc(bytes);
    if (block == nullptr && bytes > 0) throw std::bad_alloc();
    return block;
  }
  if (bytes < kLeastMapped) {
    void* mapped = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_POPULATE_WRITE
    madvise(mapped, bytes, MADV_POPULATE_WRITE);  // a hint: older systems fill it page by page
#endif
    return mapped;
  }
  // Map a huge page more than needed and give back what lies outside the aligned block.
  const std::size_t size = RoundUp(bytes);
  void* mapped =
      mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
  if (aligned > start) munmap(mapped, aligned - start);
  if (const std::size_t after = start + kHugePage - aligned; after > 0) {
    munmap(reinterpret_cast<void*>(aligned + size), after);
  }
  // Only a hint: without huge pages the block fills page by page, as heap memory would.
  madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(aligned);
}

void FreeLarge(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (bytes < kLeastPopulated) {
    std::free(block);
  } else if (bytes < kLeastMapped) {
    munmap(block, bytes);
  } else {
    munmap(block, RoundUp(bytes));
  }
}

#else

void* AllocateLarge(std::size_t bytes) {
  void* block = std::malloc(bytes);
  if (block == nullptr && bytes > 0) throw std::bad_alloc();
  return block;
}

void FreeLarge(void* block, std::size_t) noexcept { std::free(block); }

std::size_t LargeBlockSize(std::size_t bytes) { return bytes; }

#endif

}  // namespace trov
