// The segment cache. Every segment fits the budget (checked at open), so eviction always makes
// room; the file is opened for each read and never held between calls.
#include "lexicon/compressed/paged_lexicon.h"

#include <new>

#include "lexicon/compressed/compressed_file.h"
#include "lexicon/lex_file.h"
#include "base/log.h"
#include "trov.h"

namespace trov {

int16_t PagedLexicon::Open(const char* path, int32_t budget) {
  if (int16_t rc = ReadCompressedIndex(path, index_); rc < 0) return rc;
  budget_ = budget;
  freeBudget_ = budget;
  useCounter_ = 0;
  if (budget_ > 0) {
    for (int32_t i = 0; i < index_.segmentCount; ++i) {
      uint32_t size = index_.segments[i]->size;
      if (size > static_cast<uint32_t>(budget_)) {
        LogLine("%s: segment size %lu > budget %lu", path, static_cast<unsigned long>(size),
                static_cast<unsigned long>(budget_));
        return TROV_ERR_NO_MEMORY;
      }
    }
  }
  return 0;
}

int16_t PagedLexicon::FileName(char* buffer, int16_t bufferSize) {
  return CopyFileName(index_.path, buffer, bufferSize);
}

bool PagedLexicon::EvictLeastRecentlyUsed() {
  SegmentInfo* oldest = nullptr;
  for (int32_t i = 0; i < index_.segmentCount; ++i) {
    SegmentInfo* info = index_.segments[i];
    if (info->data && (oldest == nullptr || info->stamp < oldest->stamp)) oldest = info;
  }
  if (oldest == nullptr) return false;
  oldest->data.reset();
  freeBudget_ += static_cast<int32_t>(oldest->size);
  bytesHeld_ -= oldest->size;
  return true;
}

int16_t PagedLexicon::LoadSegment(int32_t index, std::span<const uint8_t>& bytes) {
  SegmentInfo& info = *index_.segments[index];
  ++useCounter_;
  if (info.data) {
    info.stamp = useCounter_;
    bytes = {info.data.get(), info.size};
    return 0;
  }
  if (info.size == 0) return TROV_ERR_NOT_FOUND;
  if (budget_ > 0) {
    while (freeBudget_ < static_cast<int32_t>(info.size) && EvictLeastRecentlyUsed()) {
    }
  }
  std::unique_ptr<uint8_t[]> data(new (std::nothrow) uint8_t[info.size]);
  if (!data) {
    LogLine("loadSeg: out of memory");
    return TROV_ERR_NO_MEMORY;
  }
  std::unique_ptr<LexFile> file = LexFile::Open(index_.path.c_str(), kLexFileReadCompressed);
  if (!file) {
    LogLine("%s: can't open", index_.path.c_str());
    return TROV_ERR_CREATE;
  }
  int16_t rc = ReadSegmentBytes(*file, index_, info, data.get());
  LexFile::Close(std::move(file));
  if (rc < 0) return rc;
  info.data = std::move(data);
  info.stamp = useCounter_;
  if (budget_ > 0) freeBudget_ -= static_cast<int32_t>(info.size);
  bytesHeld_ += info.size;
  bytes = {info.data.get(), info.size};
  return 0;
}

}  // namespace trov
