#include "lexicon/lex_file.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include "test_hooks.h"

namespace trov {
namespace {

// Counts down to the write that the test hook refuses; 0 when none is to be refused.
std::atomic<int32_t> writesUntilFailure{0};

bool RefusedByTestHook() {
  int32_t remaining = writesUntilFailure.load();
  while (remaining > 0) {
    if (writesUntilFailure.compare_exchange_weak(remaining, remaining - 1)) return remaining == 1;
  }
  return false;
}

bool IsReadMode(int16_t mode) { return mode == 0 || mode == 3; }
bool IsWriteMode(int16_t mode) { return mode == 1 || mode == 2 || mode == 4; }

int64_t SecondsSinceEpoch(std::chrono::system_clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

}  // namespace

void FailLexFileWriteForTest(int32_t n) { writesUntilFailure.store(n > 0 ? n : 0); }

std::unique_ptr<LexFile> LexFile::Open(const char* path, int16_t mode) {
  if (path == nullptr || !(IsReadMode(mode) || IsWriteMode(mode))) return nullptr;
  std::unique_ptr<LexFile> file(new (std::nothrow) LexFile);
  if (!file) return nullptr;
  file->buffer_.reset(new (std::nothrow) unsigned char[kBufferSize]);
  if (!file->buffer_) return nullptr;
  file->writing_ = IsWriteMode(mode);
  file->handle_ = std::fopen(path, file->writing_ ? "wb" : "rb");
  if (file->handle_ == nullptr) return nullptr;
  // The layer's own buffer is the only one, so a short write shows up where it happens.
  std::setvbuf(file->handle_, nullptr, _IONBF, 0);
  return file;
}

int16_t LexFile::Close(std::unique_ptr<LexFile> file) {
  if (!file) return 0;
  return file->CloseHandle();
}

LexFile::~LexFile() { CloseHandle(); }

int16_t LexFile::CloseHandle() {
  if (handle_ == nullptr) return 0;
  const bool flushed = !writing_ || Flush();
  const bool closed = std::fclose(handle_) == 0;
  handle_ = nullptr;
  return flushed && closed ? 0 : -1;
}

bool LexFile::Flush() {
  if (fill_ == 0) return true;
  const std::size_t wanted = static_cast<std::size_t>(fill_);
  const std::size_t written =
      RefusedByTestHook() ? 0 : std::fwrite(buffer_.get(), 1, wanted, handle_);
  bufferStart_ += static_cast<int32_t>(written);
  fill_ = 0;
  return written == wanted;
}

int32_t LexFile::Read(void* buffer, int32_t count) {
  if (writing_ || count <= 0) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  int32_t done = 0;
  while (done < count) {
    if (readIndex_ == fill_) {
      bufferStart_ += fill_;
      readIndex_ = 0;
      fill_ = static_cast<int32_t>(std::fread(buffer_.get(), 1, kBufferSize, handle_));
      if (fill_ == 0) break;
    }
    const int32_t chunk = std::min(count - done, fill_ - readIndex_);
    std::memcpy(out + done, buffer_.get() + readIndex_, static_cast<std::size_t>(chunk));
    readIndex_ += chunk;
    done += chunk;
  }
  return done;
}

int LexFile::ReadByte() {
  unsigned char byte = 0;
  return Read(&byte, 1) == 1 ? byte : -1;
}

int32_t LexFile::ReadLine(char* buffer, int32_t size) {
  if (buffer == nullptr || size < 2) return -1;
  int32_t length = 0;
  for (;;) {
    const int byte = ReadByte();
    if (byte <= 0) {  // end of file, or a NUL byte, which ends the text the same way
      buffer[length] = '\0';
      return length > 0 ? length : -1;
    }
    buffer[length++] = static_cast<char>(byte);
    // The pair CR LF is tested before the size limit, so a line that just fits keeps no CR LF.
    if (length >= 2 && buffer[length - 2] == '\r' && buffer[length - 1] == '\n') {
      length -= 2;
      buffer[length] = '\0';
      return length;
    }
    if (length == size - 1) {
      buffer[length] = '\0';
      return length;
    }
  }
}

int32_t LexFile::Write(const void* data, int32_t count) {
  if (!writing_ || count < 0) return 0;
  const auto* in = static_cast<const unsigned char*>(data);
  int32_t done = 0;
  while (done < count) {
    const int32_t chunk = std::min(count - done, kBufferSize - fill_);
    std::memcpy(buffer_.get() + fill_, in + done, static_cast<std::size_t>(chunk));
    fill_ += chunk;
    done += chunk;
    if (fill_ == kBufferSize && !Flush()) return 0;
  }
  return count;
}

int32_t LexFile::WriteLine(const char* text) {
  const auto length = static_cast<int32_t>(std::strlen(text));
  if (length > 0 && Write(text, length) != length) return -1;
  if (Write("\r\n", 2) != 2) return -1;
  return length;
}

int16_t LexFile::Seek(int32_t offset, int origin) {
  if (origin < 0 || origin > 2) return -1;
  if (writing_ && !Flush()) return -1;
  const int32_t logical = Tell();
  // A resident open seeks to every segment in turn, nearly always to where reading already is:
  // a target inside the bytes at hand costs no system call.
  if (!writing_ && origin != 2) {
    const int64_t target = int64_t{offset} + (origin == 1 ? logical : 0);
    if (target >= bufferStart_ && target <= int64_t{bufferStart_} + fill_) {
      readIndex_ = static_cast<int32_t>(target - bufferStart_);
      return 0;
    }
  }
  fill_ = 0;
  readIndex_ = 0;
  if (std::fseek(handle_, logical, SEEK_SET) != 0) return -1;
  static constexpr int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
  if (std::fseek(handle_, offset, kOrigins[origin]) != 0) return -1;
  const long position = std::ftell(handle_);
  if (position < 0 || position > INT32_MAX) return -1;
  bufferStart_ = static_cast<int32_t>(position);
  return 0;
}

int32_t LexFile::Tell() const { return bufferStart_ + (writing_ ? fill_ : readIndex_); }

int64_t FileModificationTime(const char* path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return 0;
  return SecondsSinceEpoch(std::chrono::file_clock::to_sys(time));
}

int64_t CurrentFileTime() { return SecondsSinceEpoch(std::chrono::system_clock::now()); }

}  // namespace trov
