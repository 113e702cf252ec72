// How many leading characters two words of the same packed words share (the packing of
// WordHashSet::Packed): what a scan or a sketcher can take over from the word before.
#ifndef TROV_SHARED_PREFIX_H
#define TROV_SHARED_PREFIX_H

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace trov {

// Eight characters at a time while the packed words go on that far: sorted words part at no
// predictable character, so a loop over characters would mispredict its exit for nearly every
// one. Both words must lie within packed.
inline std::size_t SharedPrefix(std::string_view a, std::string_view b,
                                std::span<const uint8_t> packed) {
  const std::size_t shorter = std::min(a.size(), b.size());
  if (shorter == 0) return 0;
  const auto* end = reinterpret_cast<const char*>(packed.data() + packed.size());
  // What can be read from each word on.
  const auto roomA = static_cast<std::size_t>(end - a.data());
  const auto roomB = static_cast<std::size_t>(end - b.data());
  std::size_t shared = 0;
  while (shared < shorter && shared + 8 <= roomA && shared + 8 <= roomB) {
    uint64_t fromA;
    uint64_t fromB;
    std::memcpy(&fromA, a.data() + shared, sizeof fromA);
    std::memcpy(&fromB, b.data() + shared, sizeof fromB);
    if (fromA != fromB) {
      const uint64_t differ = fromA ^ fromB;
      const int bits = std::endian::native == std::endian::little ? std::countr_zero(differ)
                                                                  : std::countl_zero(differ);
      return std::min(shorter, shared + static_cast<std::size_t>(bits / 8));
    }
    shared += 8;
  }
  while (shared < shorter && a[shared] == b[shared]) ++shared;
  return std::min(shared, shorter);
}

}  // namespace trov

#endif  // TROV_SHARED_PREFIX_H
