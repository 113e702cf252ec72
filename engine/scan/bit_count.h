// Counting the bits of a mask, which a scan does for nearly every candidate it passes over. The
// portable count takes a dozen operations. Most processors have an instruction for it, but a
// build for a whole processor family may not assume one, so code that counts often is compiled
// twice and picks, once, the version the processor can run.
#ifndef TROV_BIT_COUNT_H
#define TROV_BIT_COUNT_H

#include <cstdint>

namespace trov {

struct PortableBitCount {
  static int Of(uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555ull;
    bits = (bits & 0x3333333333333333ull) + ((bits >> 2) & 0x3333333333333333ull);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((bits * 0x0101010101010101ull) >> 56);
  }
};

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define TROV_BIT_COUNT_INSTRUCTION 1
// For code compiled with __attribute__((target("popcnt"))) and run only where
// HasBitCountInstruction(); elsewhere the compiler makes it a library call.
struct InstructionBitCount {
  static int Of(uint64_t bits) { return __builtin_popcountll(bits); }
};
inline bool HasBitCountInstruction() {
  static const bool has = __builtin_cpu_supports("popcnt");
  return has;
}
#endif

}  // namespace trov

#endif  // TROV_BIT_COUNT_H
