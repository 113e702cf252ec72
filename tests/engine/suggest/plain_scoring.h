// The scores as the plain algorithm computes them: every candidate walked in full, from its first
// character, and every phonetic code built whole. The scorers of the scans must agree with these
// wherever a candidate can enter the list.
#ifndef TROV_TEST_PLAIN_SCORING_H
#define TROV_TEST_PLAIN_SCORING_H

#include <cstdint>
#include <string>

#include "suggest/phonetic.h"
#include "suggest/typo_score.h"
#include "text/charset.h"
#include "trov.h"

namespace trov::test {

inline int16_t PlainTypoScore(const char* word, const char* candidate) {
  const CharSetTables& set = SelectedCharSet();
  const auto base = [&](unsigned char c) -> unsigned char { return set.base[c] ? set.base[c] : c; };
  const auto is = [&](unsigned char c, uint8_t bit) { return (set.classes[c] & bit) != 0; };
  const auto* a0 = reinterpret_cast<const unsigned char*>(word);
  const auto* b0 = reinterpret_cast<const unsigned char*>(candidate);
  const unsigned char* a = a0;
  const unsigned char* b = b0;
  if (*a == 0) return 0;
  int sum = 0;
  int n = 0;
  const auto extra = [&](unsigned char c, bool vowel) {
    const bool doubled = a > a0 && b > b0 && a[-1] == c && b[-1] == c;
    return doubled ? (vowel ? 75 : 80) : 50;
  };
  while (*a != 0 && *b != 0) {
    ++n;
    const unsigned char ca = *a;
    const unsigned char cb = *b;
    const unsigned char baseA = base(ca);
    const unsigned char baseB = base(cb);
    const unsigned char nextA = a[1] ? base(a[1]) : 0;
    const unsigned char nextB = b[1] ? base(b[1]) : 0;
    if (ca == cb) {
      sum += 100, ++a, ++b;
    } else if (baseA == baseB) {
      sum += 100 - (is(ca, kClassLower) != is(cb, kClassLower) ? 5 : 0) -
             (set.lower[ca] != set.lower[cb] ? 5 : 0);
      ++a, ++b;
    } else if (nextA && nextB && baseB == nextA && baseA == nextB) {
      sum += is(baseA, kClassVowel) && is(baseB, kClassVowel) ? 160 : 150;
      ++n, a += 2, b += 2;
    } else if (nextA && baseB == nextA) {
      sum += extra(ca, is(ca, kClassVowel)), ++a;
    } else if (nextB && baseA == nextB) {
      sum += extra(cb, is(baseB, kClassVowel)), ++b;
    } else {
      const bool letters = is(ca, kClassLetter) && is(cb, kClassLetter);
      const bool inTable = baseA >= 'A' && baseA <= 'Z' && baseB >= 'A' && baseB <= 'Z';
      if (letters && inTable) {
        sum += LetterSimilarity(baseA, baseB);
      } else if (letters && set.lower[ca] == set.lower[cb]) {
        sum += 95;
      }
      ++a, ++b;
    }
  }
  if (sum <= 0) return 0;
  for (; *a != 0; ++a) sum += 50, ++n;
  for (; *b != 0; ++b) sum += 50, ++n;
  return static_cast<int16_t>(sum / n);
}

// The code of a word's first TROV_MAX_WORD characters through the to-lower table.
inline std::string PlainPhoneticCode(const char* word) {
  std::string lower;
  for (const char* c = word; *c != '\0' && lower.size() < TROV_MAX_WORD; ++c) {
    lower += static_cast<char>(ToLower(static_cast<unsigned char>(*c)));
  }
  char code[4 * TROV_WORD_BUFFER];
  PhoneticCode(lower.c_str(), code);
  return code;
}

inline int16_t PlainPhoneticScore(const char* word, const char* candidate) {
  const std::string a = PlainPhoneticCode(word);
  const std::string b = PlainPhoneticCode(candidate);
  const size_t common = a.size() < b.size() ? a.size() : b.size();
  if (a.compare(0, common, b, 0, common) != 0) return 0;
  return PlainTypoScore(word, candidate);
}

}  // namespace trov::test

#endif  // TROV_TEST_PLAIN_SCORING_H
