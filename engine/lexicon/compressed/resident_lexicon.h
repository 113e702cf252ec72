// The resident compressed lexicon: reads every segment of its file at open; later lookups never
// touch the file.
#ifndef TROV_RESIDENT_LEXICON_H
#define TROV_RESIDENT_LEXICON_H

#include <cstdint>
#include <memory>
#include <string>

#include "base/large_block.h"
#include "lexicon/compressed/image_lexicon.h"

namespace trov {

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

}  // namespace trov

#endif  // TROV_RESIDENT_LEXICON_H
