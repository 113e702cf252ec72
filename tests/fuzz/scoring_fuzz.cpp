// Arbitrary byte pairs through both scorers in every character set: the scores stay in 0..100,
// neither walk reads past a terminator, and the candidate's sketch never rules out a score
// above the floor.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "scan/word_sketch.h"
#include "suggest/phonetic.h"
#include "suggest/typo_score.h"
#include "text/charset.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  trov::SelectCharSet(data[0] % trov::kLastCharSet + trov::kFirstCharSet);
  // The rest splits at its first NUL into the misspelled word and the candidate.
  const auto* text = reinterpret_cast<const char*>(data + 1);
  const size_t length = size - 1;
  const void* nul = std::memchr(text, '\0', length);
  const size_t split = nul != nullptr ? static_cast<const char*>(nul) - text : length;
  auto word = std::make_unique<char[]>(split + 1);
  std::memcpy(word.get(), text, split);
  word[split] = '\0';
  const size_t rest = split < length ? length - split - 1 : 0;
  auto candidate = std::make_unique<char[]>(rest + 1);
  std::memcpy(candidate.get(), text + split + (split < length ? 1 : 0), rest);
  candidate[rest] = '\0';

  const int16_t typo = trov::TypoScore(word.get(), candidate.get());
  const int16_t phonetic = trov::PhoneticScore(word.get(), candidate.get());
  if (typo < 0 || typo > 100) std::abort();
  if (phonetic != 0 && phonetic != typo) std::abort();
  if (typo == 100 && std::strcmp(word.get(), candidate.get()) != 0) std::abort();
  // A sketch may rule the candidate out only at floors its score does not beat.
  // The candidate ends at its first NUL, as the scorers read it.
  const size_t candidateLength = std::strlen(candidate.get());
  if (split <= trov::kMaxSketched && candidateLength <= trov::kMaxSketched) {
    trov::TypoScorer scorer(word.get());
    const trov::WordSketch sketch =
        trov::SketchOf({candidate.get(), candidateLength}, *scorer.Classes());
    for (int floor = 0; floor <= 100; ++floor) {
      if ((scorer.RuleOut({&sketch, 1}, floor) & 1) != 0 && typo > floor) std::abort();
    }
  }
  return 0;
}
