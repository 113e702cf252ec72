// The scored scan works over any lexicon that shows its words in keyed segments. A small view of
// our own, packing some segments and decoding the others, holds the scan to that contract: the
// list it ends with depends on the words alone, never on which segments are packed, and a segment
// that cannot be read ends the scan with its error.
#include "scan/scored_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scan/suggestion_list.h"
#include "suggest/typo_score.h"
#include "trov.h"

namespace trov {
namespace {

// Words grouped under their first three bytes, in byte order; one- and two-letter words are
// keys of their own.
class TestSegments final : public SegmentedWords {
 public:
  // pack(i) says whether segment i is held packed; failing names a segment whose decoding fails.
  template <typename Pack>
  TestSegments(std::vector<std::string> words, Pack pack, int32_t failing = -1)
      : failing_(failing) {
    std::sort(words.begin(), words.end());
    std::map<std::string, std::vector<std::string>> byKey;
    for (const std::string& word : words) {
      if (word.size() < static_cast<std::size_t>(kKeyLength)) {
        byKey[word];
      } else {
        byKey[word.substr(0, kKeyLength)].push_back(word);
      }
    }
    for (auto& [key, segmentWords] : byKey) {
      Segment segment;
      std::memcpy(segment.key, key.c_str(), key.size());
      segment.words = std::move(segmentWords);
      segment.packed = pack(static_cast<int32_t>(segments_.size())) && !segment.words.empty();
      for (const std::string& word : segment.words) {
        if (!segment.packed) continue;
        segment.packedBytes.push_back(static_cast<uint8_t>(word.size()));
        segment.packedBytes.insert(segment.packedBytes.end(), word.begin(), word.end());
        ++packedWords_;
      }
      segments_.push_back(std::move(segment));
    }
  }

  int32_t SegmentCount() const override { return static_cast<int32_t>(segments_.size()); }
  const uint8_t* Key(int32_t index) const override { return segments_[index].key; }
  bool HoldsPackedWords() const override { return packedWords_ > 0; }
  std::size_t PackedWordCount() const override { return packedWords_; }
  bool IsPacked(int32_t index) const override { return segments_[index].packed; }
  std::span<const uint8_t> PackedWords(int32_t index) const override {
    return segments_[index].packedBytes;
  }
  int16_t DecodeSegment(int32_t index, DecodedWords& words) override {
    if (index == failing_) return TROV_ERR_BAD_FORMAT;
    const std::string* before = nullptr;
    for (const std::string& word : segments_[index].words) {
      std::size_t unchanged = 0;
      while (before != nullptr && unchanged < before->size() && unchanged < word.size() &&
             (*before)[unchanged] == word[unchanged]) {
        ++unchanged;
      }
      words.Take(word.c_str(), static_cast<int>(word.size()), static_cast<int>(unchanged));
      before = &word;
    }
    return 0;
  }

 private:
  struct Segment {
    uint8_t key[kKeyLength] = {};
    std::vector<std::string> words;
    bool packed = false;
    std::vector<uint8_t> packedBytes;
  };
  std::vector<Segment> segments_;
  std::size_t packedWords_ = 0;
  int32_t failing_;
};

const std::vector<std::string> kWords = {
    "a",         "an",      "as",       "at",      "be",     "by",      "cat",
    "catch",     "catches", "cats",     "cattle",  "coat",   "cot",     "dog",
    "doge",      "dogma",   "door",     "house",   "houses", "housing", "mouse",
    "mousse",    "receive", "received", "receipt", "recipe", "recite",  "separate",
    "separated", "sepia",   "spate",    "the",     "their",  "them",    "then",
    "there",     "these",   "they",     "thee",    "tree",   "true",    "trues"};

// The list a whole scan of segments ends with, as "word:score" in rank order.
std::string ScanList(TestSegments& segments, ScoredScan& scan, const char* word, int16_t depth,
                     int capacity = 6) {
  std::vector<SuggestionEntry> storage(static_cast<std::size_t>(capacity));
  SuggestionList list(storage);
  TypoScorer scorer(word);
  EXPECT_EQ(scan.Run(segments, depth, scorer, list), 0) << word;
  std::string listed;
  for (int32_t i = 0; i < list.Count(); ++i) {
    listed += std::string(list[i].word) + ":" + std::to_string(list[i].score) + " ";
  }
  return listed;
}

TEST(ScoredScanTest, ListDependsOnTheWordsNotOnWhichSegmentsArePacked) {
  TestSegments decoded(kWords, [](int32_t) { return false; });
  TestSegments packed(kWords, [](int32_t) { return true; });
  TestSegments mixed(kWords, [](int32_t i) { return i % 2 == 0; });
  ASSERT_FALSE(decoded.HoldsPackedWords());
  ASSERT_TRUE(mixed.HoldsPackedWords());
  // One scan object per view, used again and again as a lexicon's is: what one scan learnt
  // ahead must not leak into the next.
  ScoredScan decodedScan, packedScan, mixedScan;
  for (const char* word : {"teh", "recieve", "seperate", "hous", "cta", "thier", "dgo", "xyz"}) {
    for (int16_t depth : {10, 50, 100}) {
      for (int capacity : {1, 6, 16}) {
        const std::string expected = ScanList(decoded, decodedScan, word, depth, capacity);
        EXPECT_EQ(ScanList(packed, packedScan, word, depth, capacity), expected)
            << word << " depth " << depth << " capacity " << capacity;
        EXPECT_EQ(ScanList(mixed, mixedScan, word, depth, capacity), expected)
            << word << " depth " << depth << " capacity " << capacity;
      }
    }
  }
  EXPECT_NE(ScanList(mixed, mixedScan, "recieve", 50).find("receive:"), std::string::npos);
  EXPECT_NE(ScanList(mixed, mixedScan, "ta", 50).find("at:"), std::string::npos)
      << "a two-letter word is a key of its own and still a candidate";
}

TEST(ScoredScanTest, ASegmentThatCannotBeReadEndsTheScanWithItsError) {
  // The segment of "rec" is the one that fails; a word near it reaches it at any depth.
  TestSegments probe(kWords, [](int32_t) { return false; });
  int32_t failing = -1;
  for (int32_t i = 0; i < probe.SegmentCount(); ++i) {
    if (std::memcmp(probe.Key(i), "rec", kKeyLength) == 0) failing = i;
  }
  ASSERT_GE(failing, 0);
  TestSegments segments(
      kWords, [](int32_t) { return false; }, failing);
  SuggestionEntry storage[4];
  SuggestionList list(storage);
  TypoScorer scorer("recieve");
  ScoredScan scan;
  EXPECT_EQ(scan.Run(segments, 50, scorer, list), TROV_ERR_BAD_FORMAT);
  // A packed segment is never decoded, so the same failure cannot stop a scan of it.
  TestSegments packedFailing(
      kWords, [](int32_t) { return true; }, failing);
  SuggestionList again(storage);
  EXPECT_EQ(scan.Run(packedFailing, 50, scorer, again), 0);
  EXPECT_STREQ(again[0].word, "receive");
}

}  // namespace
}  // namespace trov
