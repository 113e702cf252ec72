#include "lexicon/compressed/image_lexicon.h"

#include <new>

namespace trov {

int64_t ImageLexicon::SegmentBytesHeld() const {
  int64_t total = 0;
  for (int32_t i = 0; i < image_.segmentCount; ++i) total += image_.segments[i].size;
  return total;
}

int16_t ImageLexicon::LoadSegment(int32_t index, std::span<const uint8_t>& bytes) {
  const CompressedSegment& segment = image_.segments[index];
  bytes = {segment.data, segment.size};
  return 0;
}

Lexicon* InstantiateCompressedImage(const void* prepared) {
  return new (std::nothrow) ImageLexicon(*static_cast<const CompressedImage*>(prepared));
}

}  // namespace trov
