// A resident lexicon reads the index like a paged open, then every segment, and keeps the suffix
// tables it read; afterwards it never touches its file again.
#include "lexicon/compressed/resident_lexicon.h"

#include <cstring>
#include <limits>
#include <new>

#include "base/log.h"
#include "lexicon/compressed/compressed_file.h"
#include "lexicon/compressed/compressed_format.h"
#include "lexicon/lex_file.h"
#include "trov.h"

namespace trov {

int16_t ResidentLexicon::Open(const char* path) {
  CompressedIndex index;
  if (int16_t rc = ReadCompressedIndex(path, index); rc < 0) return rc;
  int32_t count = index.segmentCount;
  segments_.reset(new (std::nothrow) CompressedSegment[count]);
  if (!segments_) {
    LogLine("%s: Out of memory", path);
    return TROV_ERR_NO_MEMORY;
  }
  std::unique_ptr<LexFile> file = LexFile::Open(path, kLexFileReadCompressed);
  if (!file) {
    LogLine("%s: can't open", path);
    return TROV_ERR_CREATE;
  }
  // Every segment takes its bytes from one block: thousands of small blocks would cost a heap
  // header each and fresh pages to match, a good part of the time an open takes.
  uint64_t total = 0;
  for (int32_t i = 0; i < count; ++i) total += index.segments[i]->size;
  try {
    if (total > std::numeric_limits<std::size_t>::max()) throw std::bad_alloc();
    segmentBytes_ = std::unique_ptr<uint8_t[], LargeBlockFree>(
        static_cast<uint8_t*>(AllocateLarge(static_cast<std::size_t>(total))),
        LargeBlockFree{static_cast<std::size_t>(total)});
  } catch (const std::bad_alloc&) {
    LexFile::Close(std::move(file));
    LogLine("%s: out of memory", path);
    return TROV_ERR_NO_MEMORY;
  }
  int16_t rc = 0;
  uint8_t* next = segmentBytes_.get();
  for (int32_t i = 0; i < count && rc == 0; ++i) {
    const SegmentInfo& info = *index.segments[i];
    CompressedSegment& segment = segments_[i];
    std::memcpy(segment.key, info.key, kKeyLength);
    segment.size = info.size;
    segment.data = nullptr;
    if (info.size == 0) continue;
    rc = ReadSegmentBytes(*file, index, info, next);
    segment.data = next;
    next += info.size;
  }
  LexFile::Close(std::move(file));
  if (rc < 0) return rc;
  try {
    path_ = path;
  } catch (const std::bad_alloc&) {
    LogLine("%s: out of memory", path);
    return TROV_ERR_NO_MEMORY;
  }
  simpleTable_ = std::move(index.simpleSuffixes);
  extendedTable_ = std::move(index.extendedSuffixes);
  image_ = CompressedImage{index.language,        index.width,     simpleTable_.List(),
                           extendedTable_.List(), segments_.get(), count};
  IndexWords();
  return 0;
}

int16_t ResidentLexicon::FileName(char* buffer, int16_t bufferSize) {
  return CopyFileName(path_, buffer, bufferSize);
}

}  // namespace trov
