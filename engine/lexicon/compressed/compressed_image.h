// A compressed lexicon held entirely in memory: the built-in kind, whose image lives in the
// program, and the resident kind, which reads a whole file at open and owns what it read.
#ifndef TROV_COMPRESSED_IMAGE_H
#define TROV_COMPRESSED_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "lexicon/compressed/compressed_lexicon.h"
#include "base/large_block.h"

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

// The resident kind: reads every segment of the file at open; later lookups never touch it.
class ResidentLexicon : public ImageLexicon {
 public:
  // Loads the file whole; 0 or an error (logged). On failure nothing stays allocated.
  int16_t Open(const char* path);

  LexType Type() const override { return LEX_COMPRESSED_RESIDENT; }
  int16_t FileName(char* buffer, int16_t bufferSize) override;

 private:
  std::string path_;
  std::unique_ptr<CompressedSegment[]> segments_;
  std::unique_ptr<uint8_t[], LargeBlockFree> segmentBytes_;  // every segment's bytes, in order
  SuffixTable simpleTable_;
  SuffixTable extendedTable_;
};

// Copies path into buffer, cut to its size; 0, or -8 when there is no room even for the NUL.
int16_t CopyFileName(const std::string& path, char* buffer, int16_t bufferSize);

}  // namespace trov

#endif  // TROV_COMPRESSED_IMAGE_H
