// A compressed lexicon held entirely in memory as an image: the built-in kind, whose image lives
// in the program, and the base of the resident kind (resident_lexicon.h), which reads its image
// from a file.
#ifndef TROV_IMAGE_LEXICON_H
#define TROV_IMAGE_LEXICON_H

#include <cstddef>
#include <cstdint>

#include "lexicon/compressed/compressed_lexicon.h"

namespace trov {

struct CompressedSegment {
  const uint8_t* data;  // the segment's bytes; null when size is 0
  uint32_t size;
  uint8_t key[kKeyLength];
};

struct CompressedImage {
  int16_t language;
  int16_t width;
  SuffixList simpleSuffixes;
  SuffixList extendedSuffixes;
  const CompressedSegment* segments;  // sorted by key
  int32_t segmentCount;
};

// Answers from an image it does not own: closing frees nothing of it. The image never changes
// while the lexicon is open, so its words are indexed once, at open.
class ImageLexicon : public CompressedLexicon {
 public:
  explicit ImageLexicon(const CompressedImage& image) : image_(image) { IndexWords(); }

  LexType Type() const override { return LEX_BUILTIN_COMPRESSED; }
  int16_t Language() override { return image_.language; }
  int64_t SegmentBytesHeld() const override;
  // Bytes the word index holds beside the segments.
  std::size_t WordIndexBytes() const { return wordIndex_.BytesHeld(); }

 protected:
  ImageLexicon() = default;
  // Builds the word index once image_ is complete.
  void IndexWords() { wordIndex_.Build(image_); }

  int32_t SegmentCount() const override { return image_.segmentCount; }
  const uint8_t* Key(int32_t index) const override { return image_.segments[index].key; }
  uint32_t SegmentSize(int32_t index) const override { return image_.segments[index].size; }
  int16_t LoadSegment(int32_t index, std::span<const uint8_t>& bytes) override;
  SuffixList SimpleSuffixes() const override { return image_.simpleSuffixes; }
  SuffixList ExtendedSuffixes() const override { return image_.extendedSuffixes; }
  const CompressedWordIndex* WordIndex() const override { return &wordIndex_; }

  CompressedImage image_{};

 private:
  CompressedWordIndex wordIndex_;
};

// The instantiate function of a built-in lexicon row whose prepared state is a CompressedImage;
// null when memory is short.
Lexicon* InstantiateCompressedImage(const void* prepared);

}  // namespace trov

#endif  // TROV_IMAGE_LEXICON_H
