// The scored candidate scan of a segmented lexicon: every word a comparator scores above the
// list's floor goes to the list, while segments whose keys cannot begin a good enough candidate,
// and packed words whose sketches rule them out, are passed over unread.
#ifndef TROV_SCORED_SCAN_H
#define TROV_SCORED_SCAN_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "scan/segment_sketches.h"
#include "scan/segmented_words.h"
#include "scan/word_comparator.h"

namespace trov {

class SuggestionList;

// What one lexicon keeps from scan to scan: the sketches of its packed words, and the room its
// scans work in. A scan runs after the engine lock is released, so one ScoredScan serves one
// thread at a time under the threading contract of trov.h: a session, and so each of its
// lexicons, is used by one thread at a time.
class ScoredScan {
 public:
  // Scans words for comparator into list; deeper searches admit segments whose key resembles the
  // word's first three letters less. 0, -12, or the error of a segment that could not be read.
  int16_t Run(SegmentedWords& words, int16_t depth, WordComparator& comparator,
              SuggestionList& list);

 private:
  // Scores the words of segment index as its decoding hands them out; 0 or a read error.
  static int16_t ScoreDecodedSegment(SegmentedWords& words, int32_t index,
                                     WordComparator& comparator, SuggestionList& list);
  // A score the last entry of list surely reaches by the end of a scan, when list is full by
  // then; 0 when none is known. The segments it scores to learn it, those of likelyBeginnings_,
  // are kept in scoredAhead_, so that the scan need not score them again.
  int16_t SureFloor(const SegmentedWords& words, const SegmentSketches& sketches,
                    WordComparator& comparator, const SuggestionList& list);
  // The sketches of the packed words under classes, made or remade on demand; nullptr without
  // packed words, or when memory is short.
  const SegmentSketches* SketchesFor(const SegmentedWords& words, const SketchClasses& classes);
  // The segments of full keys whose beginnings a scan at threshold admits, a bit per segment in
  // admitted_; those among them scoring kLikelyBeginning or more go to likelyBeginnings_, each
  // with its beginning's score. Throws std::bad_alloc when memory is short.
  void AdmitSegments(const SegmentedWords& words, int threshold, const SegmentSketches* sketches,
                     WordComparator& comparator);

  // Made by the first scan that asks for them.
  std::unique_ptr<SegmentSketches> sketches_;

  // A candidate of a segment scored ahead of a scan, in the packed words, with its score.
  struct Offer {
    std::string_view word;
    int16_t score = 0;
  };
  // A segment scored ahead of a scan: its index and its offers, in word order, a stretch of
  // offers_ holding every candidate the scan could take from it.
  struct ScoredAhead {
    int32_t index = 0;
    std::size_t first = 0;
    std::size_t end = 0;
  };
  // Of the scan under way, ascending by index; kept between scans for their capacity.
  std::vector<ScoredAhead> scoredAhead_;
  std::vector<Offer> offers_;

  // A beginning at most one slip away from the word's: any one letter changed (identical letters
  // earn 100, any other two at least 0, so (100 + 100 + 0) / 3), two swapped, or one doubled.
  static constexpr int kLikelyBeginning = 66;
  struct Beginning {
    int16_t score = 0;
    int32_t index = 0;
  };
  std::vector<uint64_t> admitted_;
  std::vector<Beginning> likelyBeginnings_;
};

}  // namespace trov

#endif  // TROV_SCORED_SCAN_H
