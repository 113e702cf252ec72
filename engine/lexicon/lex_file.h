// The buffered file layer under every lexicon file: text lexicons are read and written line by
// line, compressed lexicons read in blocks with seeks. All traffic goes through one 1024-byte
// buffer; the layer logs nothing, its callers log with the file name.
#ifndef TROV_LEX_FILE_H
#define TROV_LEX_FILE_H

#include <cstdint>
#include <cstdio>
#include <memory>

namespace trov {

// Modes 0 and 3 open an existing file for reading; 1, 2 and 4 create or truncate one for writing.
inline constexpr int16_t kLexFileReadCompressed = 0;
inline constexpr int16_t kLexFileReadText = 3;
inline constexpr int16_t kLexFileWriteText = 4;

// Text lexicons read lines with this buffer size, so a line holds at most 242 characters.
inline constexpr int32_t kLexLineBuffer = 243;

class LexFile {
 public:
  static constexpr int32_t kBufferSize = 1024;

  // The open file, or null when the record, its buffer or the file cannot be had.
  static std::unique_ptr<LexFile> Open(const char* path, int16_t mode);
  // Writes the waiting bytes (writing modes) and closes; 0, or -1 when they were not all
  // written. Closing null is allowed and answers 0.
  static int16_t Close(std::unique_ptr<LexFile> file);

  ~LexFile();
  LexFile(const LexFile&) = delete;
  LexFile& operator=(const LexFile&) = delete;

  // Bytes read: fewer than count only at the end of the file or on a read error.
  int32_t Read(void* buffer, int32_t count);
  // 0..255, or -1 at the end of the file.
  int ReadByte();
  // One line without its CR LF, NUL-terminated; its length, or -1 when nothing is left. Only the
  // pair CR LF ends a line; a NUL byte ends it like the end of the file; a line longer than
  // size - 1 bytes comes back in pieces of size - 1.
  int32_t ReadLine(char* buffer, int32_t size);
  // count, or 0 when the file took fewer bytes than it was given.
  int32_t Write(const void* data, int32_t count);
  // The string's length once it and CR LF are written, or -1.
  int32_t WriteLine(const char* text);
  // origin: 0 start of file, 1 current logical position, 2 end of file; 0 or -1.
  int16_t Seek(int32_t offset, int origin);
  int32_t Tell() const;

 private:
  LexFile() = default;
  // Hands the waiting bytes to the file; false when it took fewer.
  bool Flush();
  int16_t CloseHandle();

  std::FILE* handle_ = nullptr;
  bool writing_ = false;
  std::unique_ptr<unsigned char[]> buffer_;
  int32_t bufferStart_ = 0;  // file position of buffer_[0]
  int32_t fill_ = 0;         // reading: valid bytes; writing: bytes waiting
  int32_t readIndex_ = 0;    // reading: next byte to hand out
};

// A file's last modification time in seconds since 1970, or 0 when it cannot be examined.
int64_t FileModificationTime(const char* path);
// The current time on the same scale.
int64_t CurrentFileTime();

}  // namespace trov

#endif  // TROV_LEX_FILE_H
