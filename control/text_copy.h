// The control's own copy of the text being checked. It lies in one buffer around a gap of free
// room: the text before the gap at the buffer's start, the text after it at the buffer's end,
// closed by the terminating zero. An edit moves the gap to its place and takes room from it or
// gives room back, so a run of edits from the start of a text towards its end moves each byte a
// bounded number of times, where a flat string would shift the whole rest of the text at every
// edit. The text after the gap is always a zero-terminated string: that is what the engine scans.
// When an edit needs more room than the gap holds, the buffer grows.
#ifndef VANTOR_TEXT_COPY_H
#define VANTOR_TEXT_COPY_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace trov {

class TextCopy {
 public:
  // Where the buffer comes from; null when the memory cannot be had. Tests put a failing one in
  // place to reach the out-of-memory paths.
  using Allocator = std::unique_ptr<char[]> (*)(std::size_t size);

  // Replaces the text with a copy of text in a buffer of its length and a quarter more, at least
  // 256 bytes more. False, with no text left, when the memory cannot be had or the text is longer
  // than 32-bit offsets reach.
  bool Load(std::string_view text);
  // No text afterwards.
  void Release();
  bool Loaded() const { return buffer_ != nullptr; }
  int32_t Length() const { return length_; }
  // The buffer's size in bytes, terminating zero included.
  std::size_t Capacity() const { return capacity_; }

  // The text from position (0..Length()) on, as a zero-terminated string. Moves the gap there,
  // which costs the distance it moves.
  const char* From(int32_t position);
  // The text's start, with at least the bytes before position (0..Length()) in place; nothing
  // after them can be read there.
  const char* Before(int32_t position);
  // Replaces count bytes at position with insertion (fewer bytes where the text ends first). 0;
  // TROV_ERR_NO_MEMORY when the buffer cannot grow, TROV_ERR_BUFFER_FULL when the text would
  // outgrow 32-bit offsets: the text is then unchanged.
  int16_t Replace(int32_t position, int32_t count, std::string_view insertion);
  // count bytes from position, fewer where the text ends first; the gap stays where it is.
  std::string Slice(int32_t position, int32_t count) const;
  std::string Text() const { return Slice(0, length_); }

  // Null goes back to the ordinary allocation.
  void SetAllocator(Allocator allocator) { allocate_ = allocator; }

 private:
  std::size_t GapSize() const { return TailStart() - static_cast<std::size_t>(gap_); }
  // Where the text after the gap begins in the buffer.
  std::size_t TailStart() const { return capacity_ - 1 - static_cast<std::size_t>(length_ - gap_); }
  void MoveGap(int32_t position);
  std::unique_ptr<char[]> Allocate(std::size_t size) const;
  // A buffer of at least required bytes with the text in it; false when there is no memory.
  bool Grow(std::size_t required);

  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_ = 0;
  int32_t length_ = 0;
  int32_t gap_ = 0;  // the position where the gap lies: the length of the text before it
  Allocator allocate_ = nullptr;
};

}  // namespace trov

#endif  // VANTOR_TEXT_COPY_H
