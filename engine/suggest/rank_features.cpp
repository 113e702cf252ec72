#include "suggest/rank_features.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "suggest/phonetic.h"
#include "suggest/typing_edit_cost.h"
#include "text/charset.h"

namespace trov {
namespace {

std::string Lowered(const char* word) {
  std::string lowered(word, strnlen(word, TROV_MAX_WORD));
  for (char& c : lowered) c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
  return lowered;
}

struct CodeAgreement {
  bool same;
  bool beginsAlike;
};

CodeAgreement CompareCodes(const std::string& a, const std::string& b) {
  std::array<char, kPhoneticCodeBuffer> codeA;
  std::array<char, kPhoneticCodeBuffer> codeB;
  PhoneticCode(a.c_str(), codeA);
  PhoneticCode(b.c_str(), codeB);
  size_t i = 0;
  while (codeA[i] != '\0' && codeA[i] == codeB[i]) ++i;
  const bool same = codeA[i] == codeB[i];
  return {same, !same && (codeA[i] == '\0' || codeB[i] == '\0')};
}

}  // namespace

RankFeatures DescribeCandidate(const char* typed, const char* candidate, int place,
                               int typoScore, const WordFrequencies* frequencies) {
  const std::string a = Lowered(typed);
  const std::string b = Lowered(candidate);
  RankFeatures features{};
  features[kTypingCost] = TypingEditCost(a, b);
  if (frequencies != nullptr) {
    features[kLogCount] = frequencies->LogCount(b);
    features[kUnlistedWord] = features[kLogCount] == 0.0 ? 1.0 : 0.0;
  }
  const CodeAgreement codes = CompareCodes(a, b);
  features[kSameSound] = codes.same ? 1.0 : 0.0;
  features[kSoundBeginsAlike] = codes.beginsAlike ? 1.0 : 0.0;
  features[kFirstLetterDiffers] = !a.empty() && !b.empty() && a[0] != b[0] ? 1.0 : 0.0;
  features[kLengthDifference] =
      std::abs(static_cast<double>(a.size()) - static_cast<double>(b.size()));
  features[kTypoScore] = typoScore / 100.0;
  features[kSearchPlace] = std::log2(1.0 + place);
  features[kSplitWord] = b.find(' ') != std::string::npos ? 1.0 : 0.0;
  return features;
}

}  // namespace trov
