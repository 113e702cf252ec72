#include "suggest/rank_features.h"

#include <algorithm>
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

// The length of the longest common beginning plus that of the longest common ending of what
// is left.
size_t SharedEnds(const std::string& a, const std::string& b) {
  const size_t shorter = std::min(a.size(), b.size());
  size_t front = 0;
  while (front < shorter && a[front] == b[front]) ++front;
  size_t back = 0;
  while (back < shorter - front && a[a.size() - 1 - back] == b[b.size() - 1 - back]) ++back;
  return front + back;
}

}  // namespace

RankFeatures DescribeCandidate(const char* typed, const char* candidate, int place, int typoScore,
                               const WordFrequencies* frequencies) {
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
  features[kSharedEnds] = a.empty() ? 0.0 : static_cast<double>(SharedEnds(a, b)) / a.size();
  features[kLastLetterDiffers] = !a.empty() && !b.empty() && a.back() != b.back() ? 1.0 : 0.0;
  const auto typedFirst = static_cast<unsigned char>(typed[0]);
  const auto candidateFirst = static_cast<unsigned char>(candidate[0]);
  features[kCapitalised] = IsUpper(candidateFirst) && !IsUpper(typedFirst) ? 1.0 : 0.0;
  return features;
}

}  // namespace trov
