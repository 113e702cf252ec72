#include "utf8.h"

namespace vantor {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

Utf8Char DecodeUtf8(std::string_view bytes, std::size_t position) {
  const Utf8Char invalid{0, 0};
  const auto lead = static_cast<unsigned char>(bytes[position]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length;
  char32_t codePoint;
  char32_t smallest;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, codePoint = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, codePoint = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, codePoint = lead & 0x07, smallest = 0x10000;
  } else {
    return invalid;
  }
  if (bytes.size() - position < length) return invalid;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[position + i]);
    if (!IsContinuation(byte)) return invalid;
    codePoint = (codePoint << 6) | (byte & 0x3F);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF) return invalid;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return invalid;
  return {codePoint, length};
}

void AppendUtf8(char32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t position = 0; position < bytes.size();) {
    const std::size_t length = DecodeUtf8(bytes, position).length;
    if (length == 0) return false;
    position += length;
  }
  return true;
}

}  // namespace vantor
