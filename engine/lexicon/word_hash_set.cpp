// Slots carry eight bits of the word's hash beside its offset, so a probe that meets another
// word rarely reads that word's bytes. Linear probing keeps the probes of one lookup within a
// cache line or two even at the table's highest load.
#include "lexicon/word_hash_set.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

namespace trov {
namespace {

constexpr uint32_t kOffsetBits = 24;
constexpr uint32_t kOffsetMask = (1u << kOffsetBits) - 1;
// Offsets plus one must fit beside the tag, so words use no more of a block than this.
constexpr std::size_t kMostWordBytes = kOffsetMask - 1;
// At most four words to every five slots.
constexpr std::size_t kLoadNumerator = 4;
constexpr std::size_t kLoadDenominator = 5;
constexpr std::size_t kMinSlots = 8;
// How many words ahead of its placement a word's slot is fetched.
constexpr std::size_t kPlaceAhead = 8;
// The word block's first size. It doubles from there, so a small lexicon takes little room and
// a large one is copied a few times on the way, about as many bytes as it ends with.
constexpr std::size_t kFirstBlock = 64 * 1024;

uint64_t Mix(uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

// Eight bytes at a time; words are short, so a loop over bytes would dominate a lookup. The last
// one to eight bytes are read in two overlapping loads, or three single ones below four, rather
// than copied one by one: the length is in the seed, so the value still tells words apart.
uint64_t HashWord(std::string_view word) {
  uint64_t h = 0x9E3779B97F4A7C15ull ^ word.size();
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  std::size_t left = word.size();
  for (; left > sizeof(uint64_t); left -= sizeof(uint64_t), p += sizeof(uint64_t)) {
    uint64_t chunk;
    std::memcpy(&chunk, p, sizeof chunk);
    h = (h ^ chunk) * 0x9FB21C651E98DF25ull;
    h ^= h >> 29;
  }
  uint64_t tail = 0;
  if (left >= sizeof(uint32_t)) {
    uint32_t head;
    uint32_t end;
    std::memcpy(&head, p, sizeof head);
    std::memcpy(&end, p + left - sizeof end, sizeof end);
    tail = head | uint64_t{end} << 32;
  } else if (left > 0) {
    tail = p[0] | uint64_t{p[left / 2]} << 8 | uint64_t{p[left - 1]} << 16;
  }
  return Mix(h ^ tail);
}

uint32_t TagOf(uint64_t hash) { return static_cast<uint32_t>(hash >> 56) << kOffsetBits; }

}  // namespace

bool WordHashSet::AddGrowing(std::string_view word) {
  const std::size_t stored = 1 + word.size();
  if (word.size() > kMaxWordLength || used_ + stored > kMostWordBytes) return false;
  Resize(std::max({capacity_ * 2, kFirstBlock, used_ + stored}));
  return Add(word);
}

void WordHashSet::Reserve(std::size_t bytes) {
  bytes = std::min(bytes, kMostWordBytes);
  if (bytes > capacity_) Resize(bytes);
}

void WordHashSet::DropFrom(std::size_t addedBytes) {
  for (std::size_t at = addedBytes; at < used_; at += 1 + words_[at]) --count_;
  used_ = std::min(used_, addedBytes);
}

void WordHashSet::Resize(std::size_t capacity) {
  auto* block = static_cast<uint8_t*>(AllocateLarge(capacity));
  // A table in the old block goes with it: words added after a seal need another.
  if (!ownSlots_) slots_ = {};
  if (used_ > 0) std::memcpy(block, words_.get(), used_);
  words_ = std::unique_ptr<uint8_t[], LargeBlockFree>(block, LargeBlockFree{capacity});
  // Add's inline path only checks room, so room ends where offsets do.
  capacity_ = std::min(LargeBlockSize(capacity), kMostWordBytes);
}

void WordHashSet::Seal() {
  const std::size_t leastSlots = (count_ * kLoadDenominator + kLoadNumerator - 1) / kLoadNumerator;
  const std::size_t slotCount = std::bit_ceil(std::max(kMinSlots, leastSlots + 1));
  const std::size_t slotBytes = slotCount * sizeof(uint32_t);
  const std::size_t slotsAt =
      (used_ + alignof(uint32_t) - 1) / alignof(uint32_t) * alignof(uint32_t);
  uint32_t* slots = nullptr;
  if (slotsAt + slotBytes <= capacity_) {
    slots = reinterpret_cast<uint32_t*>(words_.get() + slotsAt);
  } else {
    ownSlots_ = std::unique_ptr<uint32_t[], LargeBlockFree>(
        static_cast<uint32_t*>(AllocateLarge(slotBytes)), LargeBlockFree{slotBytes});
    slots = ownSlots_.get();
  }
  std::fill_n(slots, slotCount, 0u);
  slots_ = {slots, slotCount};
  const std::size_t mask = slots_.size() - 1;
  struct Placement {
    uint64_t hash;
    std::size_t offset;
  };
  const auto place = [&](const Placement& word) {
    std::size_t i = word.hash & mask;
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = TagOf(word.hash) | static_cast<uint32_t>(word.offset + 1);
  };
  // Words meet their slots in random order, so each placement would wait on memory; hashing a
  // few words ahead and fetching their slots early lets those waits overlap.
  std::array<Placement, kPlaceAhead> ahead{};
  std::size_t hashed = 0;
  for (std::size_t at = 0; at < used_; at += 1 + words_[at], ++hashed) {
    const uint64_t hash =
        HashWord({reinterpret_cast<const char*>(words_.get() + at + 1), words_[at]});
    __builtin_prefetch(slots_.data() + (hash & mask));
    Placement& waiting = ahead[hashed % kPlaceAhead];
    if (hashed >= kPlaceAhead) place(waiting);
    waiting = {hash, at};
  }
  for (std::size_t n = hashed > kPlaceAhead ? hashed - kPlaceAhead : 0; n < hashed; ++n) {
    place(ahead[n % kPlaceAhead]);
  }
}

bool WordHashSet::Contains(std::string_view word) const {
  if (slots_.empty() || word.size() > kMaxWordLength) return false;
  const uint64_t hash = HashWord(word);
  const std::size_t mask = slots_.size() - 1;
  const uint32_t tag = TagOf(hash);
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t slot = slots_[i];
    if (slot == 0) return false;
    if ((slot & ~kOffsetMask) != tag) continue;
    const uint8_t* stored = words_.get() + ((slot & kOffsetMask) - 1);
    if (stored[0] == word.size() && std::memcmp(stored + 1, word.data(), word.size()) == 0) {
      return true;
    }
  }
}

std::size_t WordHashSet::BytesHeld() const {
  return capacity_ + (ownSlots_ ? slots_.size_bytes() : 0);
}

WordHashSet& WordHashSet::operator=(WordHashSet&& other) noexcept {
  words_ = std::move(other.words_);
  slots_ = std::exchange(other.slots_, {});
  ownSlots_ = std::move(other.ownSlots_);
  capacity_ = std::exchange(other.capacity_, 0);
  used_ = std::exchange(other.used_, 0);
  count_ = std::exchange(other.count_, 0);
  return *this;
}

}  // namespace trov
