#include "text_copy.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "trov.h"

namespace trov {
namespace {

inline constexpr std::size_t kMinimumSpareRoom = 256;
inline constexpr int32_t kLongestText = std::numeric_limits<int32_t>::max();

std::unique_ptr<char[]> AllocateWithNew(std::size_t size) {
  return std::unique_ptr<char[]>(new (std::nothrow) char[size]);
}

}  // namespace

bool TextCopy::Load(std::string_view text) {
  Release();
  if (text.size() > static_cast<std::size_t>(kLongestText)) return false;
  const std::size_t capacity = text.size() + std::max(text.size() / 4, kMinimumSpareRoom);
  std::unique_ptr<char[]> buffer = Allocate(capacity);
  if (buffer == nullptr) return false;
  buffer_ = std::move(buffer);
  capacity_ = capacity;
  length_ = static_cast<int32_t>(text.size());
  // The whole text after the gap: the check starts at its beginning without moving anything.
  gap_ = 0;
  std::memcpy(buffer_.get() + TailStart(), text.data(), text.size());
  buffer_[capacity_ - 1] = '\0';
  return true;
}

void TextCopy::Release() {
  buffer_.reset();
  capacity_ = 0;
  length_ = 0;
  gap_ = 0;
}

void TextCopy::MoveGap(int32_t position) {
  char* buffer = buffer_.get();
  if (position < gap_) {
    const auto moved = static_cast<std::size_t>(gap_ - position);
    std::memmove(buffer + TailStart() - moved, buffer + position, moved);
  } else if (position > gap_) {
    const auto moved = static_cast<std::size_t>(position - gap_);
    std::memmove(buffer + gap_, buffer + TailStart(), moved);
  }
  gap_ = position;
}

const char* TextCopy::From(int32_t position) {
  MoveGap(std::clamp(position, 0, length_));
  return buffer_.get() + TailStart();
}

const char* TextCopy::Before(int32_t position) {
  if (gap_ < position) MoveGap(std::min(position, length_));
  return buffer_.get();
}

std::unique_ptr<char[]> TextCopy::Allocate(std::size_t size) const {
  return allocate_ != nullptr ? allocate_(size) : AllocateWithNew(size);
}

bool TextCopy::Grow(std::size_t required) {
  // Doubling keeps a run of growing edits linear; when that much is not to be had, exactly
  // enough may still be.
  std::size_t capacity = capacity_ <= std::numeric_limits<std::size_t>::max() / 2
                             ? std::max(required, capacity_ * 2)
                             : required;
  std::unique_ptr<char[]> buffer = Allocate(capacity);
  if (buffer == nullptr && capacity > required) {
    capacity = required;
    buffer = Allocate(capacity);
  }
  if (buffer == nullptr) return false;
  const std::size_t tailSize = static_cast<std::size_t>(length_ - gap_) + 1;  // with its zero
  std::memcpy(buffer.get(), buffer_.get(), static_cast<std::size_t>(gap_));
  std::memcpy(buffer.get() + capacity - tailSize, buffer_.get() + TailStart(), tailSize);
  buffer_ = std::move(buffer);
  capacity_ = capacity;
  return true;
}

int16_t TextCopy::Replace(int32_t position, int32_t count, std::string_view insertion) {
  position = std::clamp(position, 0, length_);
  count = std::clamp(count, 0, length_ - position);
  const int64_t newLength =
      static_cast<int64_t>(length_) - count + static_cast<int64_t>(insertion.size());
  if (newLength > kLongestText) return TROV_ERR_BUFFER_FULL;
  if (insertion.size() > GapSize() + static_cast<std::size_t>(count) &&
      !Grow(static_cast<std::size_t>(newLength) + 1)) {
    return TROV_ERR_NO_MEMORY;
  }
  MoveGap(position + count);
  gap_ = position;  // the replaced bytes now belong to the gap
  std::memcpy(buffer_.get() + gap_, insertion.data(), insertion.size());
  gap_ += static_cast<int32_t>(insertion.size());
  length_ = static_cast<int32_t>(newLength);
  return 0;
}

std::string TextCopy::Slice(int32_t position, int32_t count) const {
  position = std::clamp(position, 0, length_);
  const int32_t end = position + std::clamp(count, 0, length_ - position);
  std::string slice;
  slice.reserve(static_cast<std::size_t>(end - position));
  const char* buffer = buffer_.get();
  if (position < gap_) slice.append(buffer + position, buffer + std::min(end, gap_));
  if (end > gap_) {
    const char* tail = buffer + TailStart() - gap_;  // indexed by position
    slice.append(tail + std::max(position, gap_), tail + end);
  }
  return slice;
}

}  // namespace trov
