// The compressed lexicon file: its magic number and section ids, and the reading of everything
// but the segment bytes (header sections, suffix tables, segment index).
#ifndef TROV_COMPRESSED_FORMAT_H
#define TROV_COMPRESSED_FORMAT_H

#include <cstdint>
#include <memory>
#include <string>

#include "lexicon/compressed/compressed_segment.h"
#include "lexicon/compressed/segment_pool.h"

namespace trov {

inline constexpr uint32_t kCompressedMagic = 0x46000501;

enum CompressedSection : uint32_t {
  kSectionLanguage = 1,
  kSectionCharWidth = 2,
  kSectionSuffixes = 3,
  kSectionIndex = 4,
  kSectionData = 5,
};

inline constexpr int kIndexEntryBytes = 11;
inline constexpr uint16_t kSingleByteWidth = 1;
inline constexpr uint16_t kDoubleByteWidth = 2;

// What opening a file reads: every section but the segment bytes.
struct CompressedIndex {
  std::string path;
  int16_t language = 0;
  int16_t width = kSingleByteWidth;  // a file without a width section holds 8-bit characters
  SuffixTable simpleSuffixes;
  SuffixTable extendedSuffixes;
  SegmentPool pool;                          // owns the records that segments points to
  std::unique_ptr<SegmentInfo*[]> segments;  // in file order, which is ascending key order
  int32_t segmentCount = 0;
  int32_t dataStart = 0;    // file offset of the segment data area
  uint32_t dataLength = 0;  // bytes of the data area present in the file
};

// Reads the sections of path into index, which must be fresh; 0 or an error (logged), after
// which the caller discards index. Besides
// the checks every reader makes, a file is refused with -26 when its index is not in strictly
// ascending key order, a segment lies outside the data area or beyond the end of the file, a
// section runs beyond the reach of 32-bit file offsets, or its character width is neither 1 nor 2.
int16_t ReadCompressedIndex(const char* path, CompressedIndex& index);

class LexFile;
// Reads the bytes of one segment of index from file into bytes (info.size of them); 0, or -26
// after logging a seek or read error.
int16_t ReadSegmentBytes(LexFile& file, const CompressedIndex& index, const SegmentInfo& info,
                         uint8_t* bytes);

}  // namespace trov

#endif  // TROV_COMPRESSED_FORMAT_H
