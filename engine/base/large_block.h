// Memory for the few large tables an open lexicon builds and keeps: its words, their sketches,
// the bytes of its segments. Filling a megabyte page by page costs a page fault every four
// kilobytes; where the system allows, a block of a few hundred kilobytes is mapped and filled in
// one call, and a larger one is mapped on its own, aligned to huge pages, so that it fills two
// megabytes at a fault. Elsewhere, and below that, it is plain heap memory.
#ifndef TROV_LARGE_BLOCK_H
#define TROV_LARGE_BLOCK_H

#include <cstddef>
#include <new>

namespace trov {

// At least bytes of writable memory; throws std::bad_alloc when there is none. Free it with
// FreeLarge and the same size.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes) noexcept;
// How many bytes a block asked for with bytes can hold: mapped blocks fill whole huge pages.
// Freeing takes either size.
std::size_t LargeBlockSize(std::size_t bytes);

// For a std::unique_ptr that holds a block from AllocateLarge.
struct LargeBlockFree {
  std::size_t bytes = 0;
  void operator()(void* block) const noexcept { FreeLarge(block, bytes); }
};

}  // namespace trov

#endif  // TROV_LARGE_BLOCK_H
