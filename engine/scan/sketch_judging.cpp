// Judging is compiled more than once: portably, for processors that count bits by instruction,
// and for processors with 512-bit vectors that count bits in every lane, which judge sixteen
// candidates in a handful of instructions. The processor is asked once which it can run.
#include "scan/sketch_judging.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

#include "scan/bit_count.h"
#include "scan/typo_credits.h"

#if defined(__GNUC__) && defined(__x86_64__)
#define TROV_SIXTEEN_AT_ONCE 1
#include <immintrin.h>
#endif

namespace trov {
namespace {

// The most a candidate can score, knowing only both lengths, how many characters of the two
// words can pair off as alike (same base letter or lower-case form, or M with N) and how many
// characters repeat the one before.
//
// Count the positions of a walk: P that credit alike characters (the same letter, or a swapped
// pair, at most 100 each), S substitutions of characters that are not alike (at most 40), X
// extra characters (50, or at most 80 for a doubled letter) and R characters left over at the end
// (50). An extra character is followed by the position that pairs the next character with the
// one it skipped to, which credits alike characters, so X <= P <= alike; doubled letters are
// among the X. Every character is taken once: P and S take one from each word, X and R one from
// either, so X + R = total - 2P - 2S, and the sum is at most 50 total - 60S + 30 doubled over
// total - P - S positions. The walk pairs characters until the shorter word (mn characters) is
// used up, by positions of P, S or X: S >= mn - 2P. The bound rises with P, so P is alike; in S it
// is a quotient of two linear functions, largest at one end of its range.
int MostReachable(int wordLength, int candidateLength, int alike, int doubled) {
  if (wordLength == 0) return 0;
  const int total = wordLength + candidateLength;
  const int shorter = std::min(wordLength, candidateLength);
  const int paired = std::min(alike, shorter);
  const int doubledCredit = (kDoubledOther - kExtraCharacter) * std::min(doubled, paired);
  const auto most = [&](int substitutions) {
    const int sum = kExtraCharacter * total -
                    (2 * kExtraCharacter - kMostUnalikeCredit) * substitutions + doubledCredit;
    return sum / (total - paired - substitutions);
  };
  return std::max(most(std::max(0, shorter - 2 * paired)), most(shorter - paired));
}

}  // namespace

void ReachableScores::Reset(int wordLength, int wordDoubled) {
  wordLength_ = wordLength;
  wordDoubled_ = wordDoubled;
  rows_.clear();
}

void ReachableScores::Fill(uint8_t* row, int candidateLength, int doubledRow) const {
  const int doubled = doubledRow == kDoubledRows - 1 ? candidateLength : wordDoubled_ + doubledRow;
  for (int alike = 0; alike <= candidateLength; ++alike) {
    row[alike] = static_cast<uint8_t>(MostReachable(wordLength_, candidateLength, alike, doubled));
  }
}

namespace {

template <typename BitCount>
[[gnu::always_inline]] inline uint64_t RuleOutEach(const ClassCounts& counts,
                                                   ReachableScores& reachable,
                                                   std::span<const WordSketch> candidates,
                                                   int floor) {
  uint64_t ruledOut = 0;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const WordSketch& candidate = candidates[i];
    if (candidate.length > TROV_MAX_WORD) continue;
    const uint8_t* row = reachable.Row(candidate.length, candidate.doubled);
    ruledOut |= uint64_t{row[counts.MostAlike<BitCount>(candidate)] <= floor} << i;
  }
  return ruledOut;
}

#ifdef TROV_BIT_COUNT_INSTRUCTION
__attribute__((target("popcnt"))) uint64_t RuleOutCountingByInstruction(
    const ClassCounts& counts, ReachableScores& reachable, std::span<const WordSketch> candidates,
    int floor) {
  return RuleOutEach<InstructionBitCount>(counts, reachable, candidates, floor);
}
#endif

#ifdef TROV_SIXTEEN_AT_ONCE
// Sixteen sketches are 48 32-bit words over three registers: once, twice, then length and
// doubled in the low bytes of the third word of each.
static_assert(sizeof(WordSketch) == 12 && offsetof(WordSketch, once) == 0 &&
              offsetof(WordSketch, twice) == 4 && offsetof(WordSketch, length) == 8 &&
              offsetof(WordSketch, doubled) == 9);
constexpr int kLanes = 16;

// Lane k of a field is word 3k + field: one permutation picks the lanes found in the first two
// registers, a second keeps those and picks the rest from the third.
struct FieldPicks {
  std::array<int32_t, kLanes> fromFirstTwo;
  std::array<int32_t, kLanes> fromThird;
};
constexpr FieldPicks PicksOf(int field) {
  FieldPicks picks{};
  for (int k = 0; k < kLanes; ++k) {
    const int word = 3 * k + field;
    picks.fromFirstTwo[k] = word < 2 * kLanes ? word : 0;
    picks.fromThird[k] = word < 2 * kLanes ? k : kLanes + word - 2 * kLanes;
  }
  return picks;
}
constexpr std::array<FieldPicks, 3> kPicks = {PicksOf(0), PicksOf(1), PicksOf(2)};

#define TROV_SIXTEEN_TARGET __attribute__((target("avx512f,avx512vpopcntdq,popcnt")))

TROV_SIXTEEN_TARGET inline __m512i Field(__m512i a, __m512i b, __m512i c, int field) {
  const FieldPicks& picks = kPicks[static_cast<std::size_t>(field)];
  const __m512i firstTwo =
      _mm512_permutex2var_epi32(a, _mm512_loadu_si512(picks.fromFirstTwo.data()), b);
  return _mm512_permutex2var_epi32(firstTwo, _mm512_loadu_si512(picks.fromThird.data()), c);
}

// g++ 12 takes the unmasked shifts and minimum for reads of an uninitialised value; their
// masked forms over every lane are the same instructions.
constexpr __mmask16 kAll = 0xFFFF;

// The mask of the lanes whose words lie in [from, from + 16) of held words.
inline __mmask16 LoadMask(std::size_t held, std::size_t from) {
  if (held <= from) return 0;
  return held - from >= kLanes ? __mmask16{0xFFFF}
                               : static_cast<__mmask16>((1u << (held - from)) - 1);
}

TROV_SIXTEEN_TARGET inline __m512i Times(__m512i v, int k) {
  return _mm512_mullo_epi32(v, _mm512_set1_epi32(k));
}

// Whether the bound's sum over its positions, with this many substitutions, falls short of need.
TROV_SIXTEEN_TARGET inline __mmask16 FallsShort(__mmask16 judged, __m512i base, __m512i positions,
                                                __m512i substitutions, __m512i need) {
  const __m512i numerator =
      _mm512_sub_epi32(base, Times(substitutions, 2 * kExtraCharacter - kMostUnalikeCredit));
  const __m512i denominator = _mm512_sub_epi32(positions, substitutions);
  return _mm512_mask_cmplt_epi32_mask(judged, numerator, _mm512_mullo_epi32(need, denominator));
}

// The lanes whose candidates surely score floor or less: the bound of the rows (MostReachable),
// worked out lane by lane. It is the larger of two quotients, and a quotient of positive integers
// is floor or less exactly when its numerator falls short of (floor + 1) times its denominator.
TROV_SIXTEEN_TARGET inline __mmask16 CannotReach(int wordLength, int wordDoubled, __m512i length,
                                                 __m512i doubled, __m512i alike, int floor,
                                                 __mmask16 judged) {
  if (floor < 0) return 0;
  if (wordLength == 0) return judged;  // nothing scores above 0 against an empty word
  const __m512i word = _mm512_set1_epi32(wordLength);
  const __m512i total = _mm512_add_epi32(word, length);
  const __m512i shorter = _mm512_maskz_min_epi32(kAll, word, length);
  const __m512i paired = _mm512_maskz_min_epi32(kAll, alike, shorter);
  // As the rows do: candidates doubling three characters or more may double any of theirs.
  const __m512i credited = _mm512_mask_blend_epi32(
      _mm512_cmpge_epi32_mask(doubled, _mm512_set1_epi32(ReachableScores::kDoubledRows - 1)),
      _mm512_add_epi32(doubled, _mm512_set1_epi32(wordDoubled)), length);
  const __m512i base = _mm512_add_epi32(
      Times(total, kExtraCharacter),
      Times(_mm512_maskz_min_epi32(kAll, credited, paired), kDoubledOther - kExtraCharacter));
  const __m512i most = _mm512_sub_epi32(shorter, paired);
  const __m512i fewest =
      _mm512_maskz_max_epi32(kAll, _mm512_sub_epi32(most, paired), _mm512_setzero_si512());
  const __m512i need = _mm512_set1_epi32(floor + 1);
  const __m512i positions = _mm512_sub_epi32(total, paired);
  return FallsShort(judged, base, positions, fewest, need) &
         FallsShort(judged, base, positions, most, need);
}

TROV_SIXTEEN_TARGET uint64_t RuleOutSixteenAtOnce(const ClassCounts& counts,
                                                  const ReachableScores& reachable,
                                                  std::span<const WordSketch> candidates,
                                                  int floor) {
  const __m512i wordOnce = _mm512_set1_epi32(static_cast<int>(counts.Sketch().once));
  const __m512i wordTwice = _mm512_set1_epi32(static_cast<int>(counts.Sketch().twice));
  const __m512i wordThrice = _mm512_set1_epi32(static_cast<int>(counts.Thrice()));
  const __m512i lowByte = _mm512_set1_epi32(0xFF);
  uint64_t ruledOut = 0;
  for (std::size_t first = 0; first < candidates.size(); first += kLanes) {
    const std::size_t count = std::min<std::size_t>(kLanes, candidates.size() - first);
    const __mmask16 lanes = LoadMask(count, 0);
    // Masked loads read nothing past the last sketch.
    const auto* words = reinterpret_cast<const int32_t*>(candidates.data() + first);
    const std::size_t held = 3 * count;
    const __m512i a = _mm512_maskz_loadu_epi32(LoadMask(held, 0), words);
    const __m512i b = _mm512_maskz_loadu_epi32(LoadMask(held, kLanes), words + kLanes);
    const __m512i c = _mm512_maskz_loadu_epi32(LoadMask(held, 2 * kLanes), words + 2 * kLanes);
    const __m512i once = Field(a, b, c, 0);
    const __m512i twice = Field(a, b, c, 1);
    const __m512i rest = Field(a, b, c, 2);
    const __m512i length = _mm512_and_si512(rest, lowByte);
    const __m512i doubled = _mm512_and_si512(_mm512_maskz_srli_epi32(kAll, rest, 8), lowByte);
    const __mmask16 judged =
        _mm512_mask_cmple_epu32_mask(lanes, length, _mm512_set1_epi32(TROV_MAX_WORD));

    __m512i alike = _mm512_add_epi32(_mm512_popcnt_epi32(_mm512_and_si512(once, wordOnce)),
                                     _mm512_popcnt_epi32(_mm512_and_si512(twice, wordTwice)));
    // A class both words hold three times or more is rare: such lanes are counted one by one.
    if (const __mmask16 beyond = _mm512_mask_test_epi32_mask(judged, twice, wordThrice)) {
      std::array<int32_t, kLanes> counted;
      _mm512_storeu_si512(counted.data(), alike);
      for (unsigned more = beyond; more != 0; more &= more - 1) {
        const auto k = static_cast<std::size_t>(std::countr_zero(more));
        counted[k] = counts.MostAlike<InstructionBitCount>(candidates[first + k]);
      }
      alike = _mm512_loadu_si512(counted.data());
    }

    const __mmask16 out = CannotReach(reachable.WordLength(), reachable.WordDoubled(), length,
                                      doubled, alike, floor, judged);
    ruledOut |= uint64_t{out} << first;
  }
  return ruledOut;
}
#endif

SketchJudging Fastest() {
  if (CanJudgeBy(SketchJudging::kSixteenAtOnce)) return SketchJudging::kSixteenAtOnce;
  if (CanJudgeBy(SketchJudging::kBitCountInstruction)) return SketchJudging::kBitCountInstruction;
  return SketchJudging::kPortable;
}

}  // namespace

bool CanJudgeBy(SketchJudging way) {
  switch (way) {
    case SketchJudging::kPortable:
      return true;
    case SketchJudging::kBitCountInstruction:
#ifdef TROV_BIT_COUNT_INSTRUCTION
      return HasBitCountInstruction();
#else
      return false;
#endif
    case SketchJudging::kSixteenAtOnce: {
#ifdef TROV_SIXTEEN_AT_ONCE
      static const bool has = __builtin_cpu_supports("avx512f") &&
                              __builtin_cpu_supports("avx512vpopcntdq") && HasBitCountInstruction();
      return has;
#else
      return false;
#endif
    }
  }
  return false;
}

uint64_t RuleOutSketchedBy(SketchJudging way, const ClassCounts& counts, ReachableScores& reachable,
                           std::span<const WordSketch> candidates, int floor) {
  switch (way) {
#ifdef TROV_SIXTEEN_AT_ONCE
    case SketchJudging::kSixteenAtOnce:
      return RuleOutSixteenAtOnce(counts, reachable, candidates, floor);
#endif
#ifdef TROV_BIT_COUNT_INSTRUCTION
    case SketchJudging::kBitCountInstruction:
      reachable.Prepare();
      return RuleOutCountingByInstruction(counts, reachable, candidates, floor);
#endif
    default:
      reachable.Prepare();
      return RuleOutEach<PortableBitCount>(counts, reachable, candidates, floor);
  }
}

uint64_t RuleOutSketched(const ClassCounts& counts, ReachableScores& reachable,
                         std::span<const WordSketch> candidates, int floor) {
  static const SketchJudging fastest = Fastest();
  return RuleOutSketchedBy(fastest, counts, reachable, candidates, floor);
}

}  // namespace trov
