// The scan visits the segments in key order, a batch of kMostSketchedAtOnce at a time, and learns
// early, from the segments of the likeliest beginnings, a floor that most candidates cannot pass.
#include "scan/scored_scan.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <new>
#include <span>

#include "scan/shared_prefix.h"
#include "scan/suggestion_list.h"
#include "trov.h"

namespace trov {
namespace {

// Candidates longer than a word buffer can never be suggested.
bool FitsWordBuffer(int length) { return length <= TROV_MAX_WORD; }

// Of the keys of one batch, those of shortKeys (words of one or two letters) whose sketches the
// comparator does not rule out as candidates at floor. They are a few in each batch, so only
// theirs are judged.
uint64_t ShortKeysLeft(WordComparator& comparator, std::span<const WordSketch> keySketches,
                       uint64_t shortKeys, int floor) {
  std::array<WordSketch, kMostSketchedAtOnce> judged;
  std::array<uint8_t, kMostSketchedAtOnce> keyOf;
  std::size_t count = 0;
  for (uint64_t left = shortKeys; left != 0; left &= left - 1, ++count) {
    keyOf[count] = static_cast<uint8_t>(std::countr_zero(left));
    judged[count] = keySketches[keyOf[count]];
  }
  const uint64_t ruledOut = comparator.RuleOut(std::span(judged).first(count), floor);
  for (uint64_t out = ruledOut; out != 0; out &= out - 1) {
    shortKeys &= ~(uint64_t{1} << keyOf[static_cast<std::size_t>(std::countr_zero(out))]);
  }
  return shortKeys;
}

// Takes a scan's candidates into its list: those above the list's floor and not below least.
class ListTaker {
 public:
  ListTaker(SuggestionList& list, int16_t least) : list_(list), least_(least) {}

  int16_t Floor() const { return std::max<int16_t>(list_.ScanFloor(), least_ - 1); }
  void Take(std::string_view word, int16_t score) {
    // The list takes zero-terminated words.
    char text[TROV_MAX_WORD + 1];
    std::memcpy(text, word.data(), word.size());
    text[word.size()] = '\0';
    list_.Insert(text, score);
  }

 private:
  SuggestionList& list_;
  const int16_t least_;
};

// Offers the words of one indexed segment, each with its place in words, to taker, reading only
// those whose sketches the comparator does not rule out at the taker's floor.
template <typename Taker>
void ScoreSketchedWords(std::span<const uint8_t> words, std::span<const WordSketch> all,
                        WordComparator& comparator, Taker& taker) {
  // The candidate scored last, whose walk the comparator may resume where the next one differs.
  std::string_view scored;
  int16_t floor = taker.Floor();
  std::size_t runStart = 0;  // where the words of the batch begin
  for (std::size_t first = 0; first < all.size(); first += kMostSketchedAtOnce) {
    const std::span<const WordSketch> batch =
        all.subspan(first, std::min<std::size_t>(kMostSketchedAtOnce, all.size() - first));
    // The floor only rises while a scan goes on, so what it rules out now stays ruled out.
    const uint64_t ruledOut = comparator.RuleOut(batch, floor);
    const uint64_t inBatch =
        batch.size() == kMostSketchedAtOnce ? ~uint64_t{0} : (uint64_t{1} << batch.size()) - 1;
    // Only the words left are read, each found by its place.
    for (uint64_t left = inBatch & ~ruledOut; left != 0; left &= left - 1) {
      const WordSketch& sketch = batch[static_cast<std::size_t>(std::countr_zero(left))];
      const std::size_t at = runStart + sketch.place;
      const int length = sketch.length;
      // Sketches are made from these words: never.
      if (at + 1 + static_cast<std::size_t>(length) > words.size()) return;
      if (!FitsWordBuffer(length)) continue;
      const std::string_view word(reinterpret_cast<const char*>(words.data() + at + 1),
                                  static_cast<std::size_t>(length));
      const auto unchanged = static_cast<int>(SharedPrefix(scored, word, words));
      const int16_t score = comparator.Score(word.data(), length, unchanged, floor);
      scored = word;
      if (score > floor) {
        taker.Take(word, score);
        floor = taker.Floor();
      }
    }
    runStart += batch.back().place + 1 + std::size_t{batch.back().length};
  }
}

// Scores each word of a decoded segment, inserting those above the list's floor.
class DecodedWordScorer final : public DecodedWords {
 public:
  DecodedWordScorer(WordComparator& comparator, SuggestionList& list)
      : comparator_(comparator), list_(list), floor_(list.ScanFloor()) {}

  void Take(const char* word, int length, int unchanged) override {
    unchanged_ = std::min(unchanged_, unchanged);
    if (!FitsWordBuffer(length)) return;
    const int16_t score = comparator_.Score(word, length, unchanged_, floor_);
    unchanged_ = std::numeric_limits<int>::max();
    if (score > 0) {
      list_.Insert(word, score);
      floor_ = list_.ScanFloor();
    }
  }

 private:
  WordComparator& comparator_;
  SuggestionList& list_;
  // Only an insertion changes what a candidate must beat.
  int16_t floor_;
  // Characters shared with the word the comparator scored last, across the words skipped since.
  int unchanged_ = 0;
};

}  // namespace

int16_t ScoredScan::ScoreDecodedSegment(SegmentedWords& words, int32_t index,
                                        WordComparator& comparator, SuggestionList& list) {
  DecodedWordScorer scorer(comparator, list);
  return words.DecodeSegment(index, scorer);
}

// Once every listed word scores no less as listed than the scan would offer it, a word turned
// away or pushed out never comes back, so the list ends holding the best of all it was offered,
// the first offered of equal ones: candidates scoring below its last entry's final score leave
// it unchanged and need not be read. A list filled from some segments alone ends with a last
// entry no better than that; the segments of the likeliest beginnings, best first, make it
// nearly as good.
int16_t ScoredScan::SureFloor(const SegmentedWords& words, const SegmentSketches& sketches,
                              WordComparator& comparator, const SuggestionList& list) {
  if (list.Capacity() == 0) return 0;
  // A listed word offered at a higher score is listed again if something pushes it out first,
  // which candidates of any score may hasten or prevent.
  for (int32_t i = 0; i < list.Count(); ++i) {
    const SuggestionEntry& listed = list[i];
    const auto length = static_cast<int>(std::strlen(listed.word));
    if (comparator.Score(listed.word, length, 0, listed.score) > listed.score) return 0;
  }
  // Fills the likeliest list, and keeps each candidate the scan could take: the scan's floor
  // never falls below one under the sure floor, and the likeliest list's never rises above it.
  class AheadTaker {
   public:
    AheadTaker(SuggestionList& likeliest, std::vector<Offer>& offers)
        : likeliest_(likeliest), offers_(offers) {}
    int16_t Floor() const { return std::max<int16_t>(likeliest_.ScanFloor() - 1, 0); }
    void Take(std::string_view word, int16_t score) {
      offers_.push_back({word, score});
      if (score > likeliest_.ScanFloor()) ListTaker(likeliest_, 0).Take(word, score);
    }

   private:
    SuggestionList& likeliest_;
    std::vector<Offer>& offers_;
  };
  // The best beginnings first, so the floor rises early; of equal ones, in index order.
  std::sort(likelyBeginnings_.begin(), likelyBeginnings_.end(),
            [](const Beginning& a, const Beginning& b) {
              return a.score != b.score ? a.score > b.score : a.index < b.index;
            });
  try {
    std::vector<SuggestionEntry> storage(static_cast<std::size_t>(list.Capacity()));
    SuggestionList likeliest(storage);
    for (int32_t i = 0; i < list.Count(); ++i) likeliest.Insert(list[i].word, list[i].score);
    AheadTaker taker(likeliest, offers_);
    for (const Beginning& beginning : likelyBeginnings_) {
      if (!words.IsPacked(beginning.index)) continue;
      const std::size_t firstOffer = offers_.size();
      ScoreSketchedWords(words.PackedWords(beginning.index), sketches.Of(beginning.index),
                         comparator, taker);
      scoredAhead_.push_back({beginning.index, firstOffer, offers_.size()});
    }
    std::sort(scoredAhead_.begin(), scoredAhead_.end(),
              [](const ScoredAhead& a, const ScoredAhead& b) { return a.index < b.index; });
    return likeliest.Full() ? likeliest[likeliest.Count() - 1].score : 0;
  } catch (const std::bad_alloc&) {
    // Without what it learnt, the scan scores every segment itself.
    scoredAhead_.clear();
    offers_.clear();
    return 0;
  }
}

const SegmentSketches* ScoredScan::SketchesFor(const SegmentedWords& words,
                                               const SketchClasses& classes) {
  if (!words.HoldsPackedWords()) return nullptr;
  if (sketches_ == nullptr || !sketches_->MadeWith(classes)) {
    sketches_.reset();
    try {
      sketches_ = std::make_unique<SegmentSketches>(words, classes);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
  }
  return sketches_.get();
}

void ScoredScan::AdmitSegments(const SegmentedWords& words, int threshold,
                               const SegmentSketches* sketches, WordComparator& comparator) {
  const int32_t n = words.SegmentCount();
  admitted_.assign(static_cast<std::size_t>((n + kMostSketchedAtOnce - 1) / kMostSketchedAtOnce),
                   0);
  likelyBeginnings_.clear();
  for (int32_t first = 0; first < n; first += kMostSketchedAtOnce) {
    const int32_t count = std::min(kMostSketchedAtOnce, n - first);
    uint64_t visit = count == kMostSketchedAtOnce ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    if (sketches != nullptr) {
      // Most keys are ruled out by sketch and passed over unread, found by their bits rather than
      // by a test per key, which would mispredict for nearly half of them.
      visit &=
          ~comparator.RuleOutBeginnings(sketches->Keys(first, count), kKeyLength, threshold - 1);
    }
    uint64_t& admitted = admitted_[static_cast<std::size_t>(first / kMostSketchedAtOnce)];
    for (; visit != 0; visit &= visit - 1) {
      const int bit = std::countr_zero(visit);
      const uint8_t* key = words.Key(first + bit);
      if (KeyLength(key) < kKeyLength) continue;
      const char text[kKeyLength + 1] = {static_cast<char>(key[0]), static_cast<char>(key[1]),
                                         static_cast<char>(key[2]), '\0'};
      const int16_t score = comparator.ScoreBeginning(text, kKeyLength, threshold - 1);
      if (score < threshold) continue;
      admitted |= uint64_t{1} << bit;
      if (score >= kLikelyBeginning) likelyBeginnings_.push_back({score, first + bit});
    }
  }
}

int16_t ScoredScan::Run(SegmentedWords& words, int16_t depth, WordComparator& comparator,
                        SuggestionList& list) {
  const int threshold = 100 - depth;
  const SketchClasses* classes = comparator.Classes();
  const SegmentSketches* sketches = classes != nullptr ? SketchesFor(words, *classes) : nullptr;
  // What an earlier scan scored ahead belongs to its own word and comparator.
  scoredAhead_.clear();
  offers_.clear();
  try {
    AdmitSegments(words, threshold, sketches, comparator);
  } catch (const std::bad_alloc&) {
    return TROV_ERR_NO_MEMORY;
  }
  const int16_t least = sketches != nullptr ? SureFloor(words, *sketches, comparator, list) : 0;
  ListTaker taker(list, least);
  std::size_t ahead = 0;  // the first of scoredAhead_ the scan has not passed
  for (int32_t first = 0, n = words.SegmentCount(); first < n; first += kMostSketchedAtOnce) {
    const int32_t count = std::min(kMostSketchedAtOnce, n - first);
    // Shorter keys are words of their own: their sketches are judged as whole candidates, at the
    // floor of now, which the floor when they are reached can only pass.
    uint64_t shortKeys = 0;
    if (sketches != nullptr) {
      const std::span<const WordSketch> keySketches = sketches->Keys(first, count);
      for (int32_t k = 0; k < count; ++k) {
        shortKeys |= uint64_t{keySketches[static_cast<std::size_t>(k)].length != kKeyLength} << k;
      }
      if (shortKeys != 0) {
        shortKeys = ShortKeysLeft(comparator, keySketches, shortKeys, taker.Floor());
      }
    } else {
      for (int32_t k = 0; k < count; ++k) {
        shortKeys |= uint64_t{KeyLength(words.Key(first + k)) != kKeyLength} << k;
      }
    }
    const uint64_t admitted = admitted_[static_cast<std::size_t>(first / kMostSketchedAtOnce)];
    for (uint64_t visit = admitted | shortKeys; visit != 0; visit &= visit - 1) {
      const int32_t i = first + std::countr_zero(visit);
      const uint8_t* key = words.Key(i);
      const int keyLength = KeyLength(key);
      if (keyLength < kKeyLength) {
        if (keyLength == 0) continue;
        char text[kKeyLength + 1] = {};
        std::memcpy(text, key, kKeyLength);
        const int16_t floor = taker.Floor();
        if (const int16_t score = comparator.Score(text, keyLength, 0, floor); score > floor) {
          list.Insert(text, score);
        }
        continue;
      }
      while (ahead < scoredAhead_.size() && scoredAhead_[ahead].index < i) ++ahead;
      if (ahead < scoredAhead_.size() && scoredAhead_[ahead].index == i) {
        // Scored already: the same candidates in the same order, without their walks.
        const ScoredAhead& segment = scoredAhead_[ahead];
        for (std::size_t k = segment.first; k < segment.end; ++k) {
          if (offers_[k].score > taker.Floor()) taker.Take(offers_[k].word, offers_[k].score);
        }
      } else if (sketches != nullptr && words.IsPacked(i)) {
        ScoreSketchedWords(words.PackedWords(i), sketches->Of(i), comparator, taker);
      } else if (const int16_t rc = ScoreDecodedSegment(words, i, comparator, list); rc < 0) {
        return rc;
      }
    }
  }
  return 0;
}

}  // namespace trov
