// Reading a compressed lexicon file up to its segment bytes. Every length read from the file is
// checked against what the file can still hold before anything is allocated for it, so a
// damaged file costs no more memory than its size.
#include "lexicon/compressed/compressed_format.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "lexicon/compressed/compressed_file.h"
#include "lexicon/lex_file.h"
#include "base/log.h"
#include "trov.h"

namespace trov {
namespace {

constexpr int64_t kMaxFileOffset = std::numeric_limits<int32_t>::max();
constexpr int kDetectProbeBytes = 260;
constexpr int kOlderFormatTagOffset = 256;

uint32_t BigEndian32(const uint8_t* b) {
  return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

uint32_t LittleEndian32(const uint8_t* b) {
  return (uint32_t{b[3]} << 24) | (uint32_t{b[2]} << 16) | (uint32_t{b[1]} << 8) | b[0];
}

bool IsOlderFormatTag(uint32_t tag) {
  return (tag >= 0x46000001 && tag <= 0x46000006) || (tag >= 0x46000400 && tag <= 0x46000402);
}

bool ReadU32(LexFile& file, uint32_t& value) {
  uint8_t bytes[4];
  if (file.Read(bytes, 4) != 4) return false;
  value = BigEndian32(bytes);
  return true;
}

int16_t Invalid(const char* path) {
  LogLine("%s invalid compressed lexicon", path);
  return TROV_ERR_BAD_FORMAT;
}

int16_t OutOfMemory(const char* path) {
  LogLine("%s: out of memory", path);
  return TROV_ERR_NO_MEMORY;
}

int16_t ReadError(const char* path, int16_t code) {
  LogLine("%s: read error", path);
  return code;
}

class SectionReader {
 public:
  SectionReader(LexFile& file, const char* path, int64_t fileSize, CompressedIndex& index)
      : file_(file), path_(path), fileSize_(fileSize), index_(index) {}

  int16_t ReadAll();

 private:
  int64_t Remaining() const { return fileSize_ - file_.Tell(); }
  int16_t ReadWordSection(uint32_t length, uint32_t& value);
  int16_t ReadSuffixTable(SuffixTable& table);
  int16_t ReadIndex(uint32_t length);
  int16_t Skip(uint32_t length);
  int16_t CheckIndex() const;

  LexFile& file_;
  const char* path_;
  int64_t fileSize_;
  CompressedIndex& index_;
  bool sawIndex_ = false;
  bool sawData_ = false;
};

int16_t SectionReader::ReadWordSection(uint32_t length, uint32_t& value) {
  if (length != 4) return Invalid(path_);
  if (!ReadU32(file_, value)) return ReadError(path_, TROV_ERR_BAD_FORMAT);
  return 0;
}

int16_t SectionReader::ReadSuffixTable(SuffixTable& table) {
  uint32_t length;
  if (!ReadU32(file_, length)) return ReadError(path_, TROV_ERR_READ);
  if (length > Remaining()) return ReadError(path_, TROV_ERR_READ);
  std::unique_ptr<char[]> block;
  if (length > 0) {
    block.reset(new (std::nothrow) char[length]);
    if (!block) return OutOfMemory(path_);
    if (file_.Read(block.get(), static_cast<int32_t>(length)) != static_cast<int32_t>(length)) {
      return ReadError(path_, TROV_ERR_READ);
    }
  }
  if (!table.Adopt(std::move(block), length)) return OutOfMemory(path_);
  return 0;
}

int16_t SectionReader::ReadIndex(uint32_t length) {
  // One index per file: a second would leave the first one's records unreachable.
  if (sawIndex_ || length < 4) return Invalid(path_);
  if (length > Remaining()) return ReadError(path_, TROV_ERR_BAD_FORMAT);
  std::unique_ptr<uint8_t[]> payload(new (std::nothrow) uint8_t[length]);
  if (!payload) return OutOfMemory(path_);
  if (file_.Read(payload.get(), static_cast<int32_t>(length)) != static_cast<int32_t>(length)) {
    return ReadError(path_, TROV_ERR_BAD_FORMAT);
  }
  uint32_t count = BigEndian32(payload.get());
  if (count > (length - 4) / kIndexEntryBytes) return Invalid(path_);
  index_.segments.reset(new (std::nothrow) SegmentInfo*[count > 0 ? count : 1]);
  if (!index_.segments) return OutOfMemory(path_);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = payload.get() + 4 + static_cast<std::size_t>(i) * kIndexEntryBytes;
    SegmentInfo* info = index_.pool.Take();
    if (info == nullptr) return OutOfMemory(path_);
    std::memcpy(info->key, entry, kKeyLength);
    info->offset = BigEndian32(entry + 3);
    // The entry of a one- or two-letter word is the word itself and has no segment.
    info->size = KeyLength(info->key) < kKeyLength ? 0 : BigEndian32(entry + 7);
    index_.segments[i] = info;
    index_.segmentCount = static_cast<int32_t>(i + 1);
  }
  sawIndex_ = true;
  return 0;
}

int16_t SectionReader::Skip(uint32_t length) {
  if (file_.Tell() + int64_t{length} > kMaxFileOffset) return Invalid(path_);
  if (file_.Seek(static_cast<int32_t>(length), 1) != 0) {
    return ReadError(path_, TROV_ERR_BAD_FORMAT);
  }
  return 0;
}

int16_t SectionReader::CheckIndex() const {
  for (int32_t i = 0; i < index_.segmentCount; ++i) {
    const SegmentInfo& info = *index_.segments[i];
    // Lookups binary-search the keys and traversals stop at the first key past a pattern.
    if (i > 0 && std::memcmp(index_.segments[i - 1]->key, info.key, kKeyLength) >= 0) {
      return Invalid(path_);
    }
    if (uint64_t{info.offset} + info.size > index_.dataLength && info.size > 0) {
      return Invalid(path_);
    }
  }
  return 0;
}

int16_t SectionReader::ReadAll() {
  uint32_t magic;
  if (!ReadU32(file_, magic)) {
    LogLine("%s: error reading magic number", path_);
    return TROV_ERR_BAD_FORMAT;
  }
  if (magic != kCompressedMagic) {
    LogLine("%s: magic number 0x%lx != 0x%lx", path_, static_cast<unsigned long>(magic),
            static_cast<unsigned long>(kCompressedMagic));
    return TROV_ERR_BAD_FORMAT;
  }
  for (;;) {
    uint32_t id;
    uint32_t length;
    if (!ReadU32(file_, id)) break;
    if (!ReadU32(file_, length)) {
      LogLine("%s: error reading section length", path_);
      return TROV_ERR_BAD_FORMAT;
    }
    int16_t rc = 0;
    uint32_t value = 0;
    switch (id) {
      case kSectionLanguage:
        rc = ReadWordSection(length, value);
        index_.language = static_cast<int16_t>(value & 0xFFFF);
        break;
      case kSectionCharWidth:
        rc = ReadWordSection(length, value);
        if (rc < 0) break;
        index_.width = static_cast<int16_t>(value & 0xFFFF);
        if (index_.width == kDoubleByteWidth) {
          LogLine("%s: Unicode lexicon not supported", path_);
          rc = TROV_ERR_UNSUPPORTED;
        } else if (index_.width != kSingleByteWidth) {
          rc = Invalid(path_);
        }
        break;
      case kSectionSuffixes:
        // Read as its two tables whatever the section's length says.
        rc = ReadSuffixTable(index_.simpleSuffixes);
        if (rc == 0) rc = ReadSuffixTable(index_.extendedSuffixes);
        break;
      case kSectionIndex:
        rc = ReadIndex(length);
        break;
      case kSectionData:
        index_.dataStart = file_.Tell();
        // Only the bytes present count: a segment beyond the end of the file could otherwise
        // make a resident open allocate far more than the file holds.
        index_.dataLength = static_cast<uint32_t>(std::clamp<int64_t>(Remaining(), 0, length));
        sawData_ = true;
        rc = Skip(length);
        break;
      default:
        rc = Skip(length);
        break;
    }
    if (rc < 0) return rc;
  }
  if (!sawIndex_ || !sawData_ || index_.segmentCount == 0) return Invalid(path_);
  return CheckIndex();
}

// The file's size, leaving its position at the start; -1 when it cannot be had.
int64_t FileSize(LexFile& file) {
  if (file.Seek(0, 2) != 0) return -1;
  int64_t size = file.Tell();
  if (file.Seek(0, 0) != 0) return -1;
  return size;
}

}  // namespace

int16_t ReadCompressedIndex(const char* path, CompressedIndex& index) {
  std::unique_ptr<LexFile> file = LexFile::Open(path, kLexFileReadCompressed);
  if (!file) {
    LogLine("file open(%s) failed", path);
    return TROV_ERR_FILE_OPEN;
  }
  int16_t rc;
  try {
    index.path = path;
    int64_t size = FileSize(*file);
    rc = size < 0 ? ReadError(path, TROV_ERR_BAD_FORMAT)
                  : SectionReader(*file, path, size, index).ReadAll();
  } catch (const std::bad_alloc&) {
    rc = OutOfMemory(path);
  }
  LexFile::Close(std::move(file));
  return rc;
}

int16_t ReadSegmentBytes(LexFile& file, const CompressedIndex& index, const SegmentInfo& info,
                         uint8_t* bytes) {
  // The index check at open keeps data start + offset + size within 32-bit file offsets.
  if (file.Seek(index.dataStart + static_cast<int32_t>(info.offset), 0) != 0) {
    LogLine("%s: seek error", index.path.c_str());
    return TROV_ERR_BAD_FORMAT;
  }
  auto size = static_cast<int32_t>(info.size);
  if (file.Read(bytes, size) != size) return ReadError(index.path.c_str(), TROV_ERR_BAD_FORMAT);
  return 0;
}

int16_t DetectCompressedFile(const char* path) {
  uint8_t probe[kDetectProbeBytes];
  std::unique_ptr<LexFile> file = LexFile::Open(path, kLexFileReadCompressed);
  if (!file) return TROV_ERR_FILE_OPEN;
  int32_t got = file->Read(probe, 4);
  LexFile::Close(std::move(file));
  if (got == 4 && BigEndian32(probe) == kCompressedMagic) return 1;

  file = LexFile::Open(path, kLexFileReadCompressed);
  if (!file) return TROV_ERR_FILE_OPEN;
  got = file->Read(probe, kDetectProbeBytes);
  LexFile::Close(std::move(file));
  if (got < kDetectProbeBytes) return 0;
  return IsOlderFormatTag(LittleEndian32(probe + kOlderFormatTagOffset)) ? TROV_ERR_UNSUPPORTED : 0;
}

}  // namespace trov
