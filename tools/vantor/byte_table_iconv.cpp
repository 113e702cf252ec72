// Byte tables from iconv: each of the 256 codes converted on its own to UTF-32.
#include <iconv.h>

#include <cerrno>
#include <cstdint>

#include "byte_table.h"

namespace vantor {
namespace {

class IconvHandle {
 public:
  IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  ~IconvHandle() {
    if (Valid()) iconv_close(handle_);
  }
  IconvHandle(const IconvHandle&) = delete;
  IconvHandle& operator=(const IconvHandle&) = delete;
  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Get() const { return handle_; }

 private:
  iconv_t handle_;
};

// The one character the byte stands for; kUndefinedByte when the encoding has none there or the
// byte does not stand alone.
char32_t ConvertOneByte(iconv_t converter, unsigned char byte) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  char in = static_cast<char>(byte);
  char* inPointer = &in;
  std::size_t inLeft = 1;
  uint32_t out[2] = {0, 0};
  char* outPointer = reinterpret_cast<char*>(out);
  std::size_t outLeft = sizeof out;
  if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) ==
      static_cast<std::size_t>(-1)) {
    return kUndefinedByte;
  }
  if (sizeof out - outLeft != sizeof(uint32_t)) return kUndefinedByte;
  return out[0];
}

}  // namespace

std::optional<ByteTable> LoadByteTable(std::string_view encodingName) {
  const std::string name(encodingName);
  IconvHandle converter("UTF-32LE", name.c_str());
  if (!converter.Valid()) return std::nullopt;
  ByteTable table;
  for (int byte = 0; byte < 256; ++byte) {
    table.toUnicode[static_cast<std::size_t>(byte)] =
        ConvertOneByte(converter.Get(), static_cast<unsigned char>(byte));
  }
  for (int byte = 0; byte < 0x80; ++byte) {
    if (table.toUnicode[static_cast<std::size_t>(byte)] == kUndefinedByte) return std::nullopt;
  }
  IndexByteTable(table);
  return table;
}

}  // namespace vantor
