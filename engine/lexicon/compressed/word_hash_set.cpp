// Slots carry eight bits of the word's hash beside its offset, so a probe that meets another
// word rarely reads that word's bytes. Linear probing keeps the probes of one lookup within a
// cache line or two even at the table's highest load.
#include "lexicon/compressed/word_hash_set.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <new>

namespace trov {
namespace {

// Offsets plus one must fit a slot, so words use no more of a block than this.
constexpr std::size_t kMostWordBytes = std::size_t{UINT32_MAX} - 1;
// At most four words to every five slots.
constexpr std::size_t kLoadNumerator = 4;
constexpr std::size_t kLoadDenominator = 5;
constexpr std::size_t kMinSlots = 8;
// How many words ahead of its placement a word's slot is fetched.
constexpr std::size_t kPlaceAhead = 8;
// The word block's first size. It doubles from there, so a small lexicon takes little room and
// a large one is copied a few times on the way, about as many bytes as it ends with.
constexpr std::size_t kFirstBlock = 64 * 1024;

// A 64-by-64-bit product folded to 64 bits, each of which depends on every bit of both factors.
// One wide multiply mixes as well as a chain of narrow ones; a 32-bit target forms it in parts.
uint64_t FoldedProduct(uint64_t a, uint64_t b) {
#ifdef __SIZEOF_INT128__
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<uint64_t>(product) ^ static_cast<uint64_t>(product >> 64);
#else
  constexpr uint64_t kLow = 0xFFFFFFFFull;
  const uint64_t lowLow = (a & kLow) * (b & kLow);
  const uint64_t lowHigh = (a & kLow) * (b >> 32);
  const uint64_t highLow = (a >> 32) * (b & kLow);
  const uint64_t highHigh = (a >> 32) * (b >> 32);
  const uint64_t middle = (lowLow >> 32) + (lowHigh & kLow) + (highLow & kLow);
  const uint64_t low = (lowLow & kLow) | middle << 32;
  const uint64_t high = highHigh + (lowHigh >> 32) + (highLow >> 32) + (middle >> 32);
  return low ^ high;
#endif
}

uint64_t Load64(const unsigned char* p) {
  uint64_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

uint64_t Load32(const unsigned char* p) {
  uint32_t value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

constexpr uint64_t kSeed = 0x9E3779B97F4A7C15ull;
constexpr uint64_t kFirstHalfKey = 0xA0761D6478BD642Full;
constexpr uint64_t kChunkKey = 0xE7037ED1A0B428DBull;

// Sixteen bytes at a time; words are short, so most take a single product. The last one to
// sixteen bytes are read as two overlapping halves (or, below four, as their first, middle and
// last byte) rather than byte by byte: the length is in the seed, so the value still tells words
// apart.
uint64_t HashWord(std::string_view word) {
  const auto* p = reinterpret_cast<const unsigned char*>(word.data());
  std::size_t left = word.size();
  uint64_t seed = kSeed ^ left;
  for (; left > 2 * sizeof(uint64_t); left -= 2 * sizeof(uint64_t), p += 2 * sizeof(uint64_t)) {
    seed = FoldedProduct(Load64(p) ^ kChunkKey, Load64(p + sizeof(uint64_t)) ^ seed);
  }
  uint64_t first = 0;
  uint64_t last = 0;
  if (left >= sizeof(uint64_t)) {
    first = Load64(p);
    last = Load64(p + left - sizeof(uint64_t));
  } else if (left >= sizeof(uint32_t)) {
    first = Load32(p);
    last = Load32(p + left - sizeof(uint32_t));
  } else if (left > 0) {
    first = p[0] | uint64_t{p[left / 2]} << 8 | uint64_t{p[left - 1]} << 16;
  }
  return FoldedProduct(first ^ kFirstHalfKey, last ^ seed);
}

}  // namespace

uint32_t WordHashSet::TagOf(uint64_t hash) const {
  constexpr int kMostTagBits = 32 - kLeastOffsetBits;
  const auto tag =
      static_cast<uint32_t>(hash >> (64 - kMostTagBits)) >> (offsetBits_ - kLeastOffsetBits);
  return static_cast<uint32_t>(uint64_t{tag} << offsetBits_);
}

uint32_t WordHashSet::OffsetMask() const {
  return static_cast<uint32_t>((uint64_t{1} << offsetBits_) - 1);
}

bool WordHashSet::AddGrowing(std::string_view word) {
  const std::size_t stored = 1 + word.size();
  if (word.size() > kMaxWordLength || used_ + stored > kMostWordBytes) return false;
  const std::size_t doubled = capacity_ > kMostWordBytes / 2 ? kMostWordBytes : capacity_ * 2;
  Resize(std::max({doubled, kFirstBlock, used_ + stored}));
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
  std::size_t slotCount = std::bit_ceil(std::max(kMinSlots, leastSlots + 1));
  const std::size_t slotsAt =
      (used_ + alignof(uint32_t) - 1) / alignof(uint32_t) * alignof(uint32_t);
  // Probes grow steeply as the table fills: where the words' block has the room to spare anyway,
  // the table takes twice the slots.
  if (slotsAt + 2 * slotCount * sizeof(uint32_t) <= capacity_) slotCount *= 2;
  const std::size_t slotBytes = slotCount * sizeof(uint32_t);
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
  offsetBits_ = std::max<int>(kLeastOffsetBits, static_cast<int>(std::bit_width(used_)));
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
  const uint32_t offsetMask = OffsetMask();
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    const uint32_t slot = slots_[i];
    if (slot == 0) return false;
    if ((slot & ~offsetMask) != tag) continue;
    const uint8_t* stored = words_.get() + ((slot & offsetMask) - 1);
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
  offsetBits_ = std::exchange(other.offsetBits_, kLeastOffsetBits);
  return *this;
}

}  // namespace trov
