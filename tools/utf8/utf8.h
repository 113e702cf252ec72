// UTF-8 decoding and encoding, strict: overlong forms, surrogates and code points past U+10FFFF
// are invalid, so every accepted character has exactly one spelling.
#ifndef VANTOR_TOOL_UTF8_H
#define VANTOR_TOOL_UTF8_H

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor {

struct Utf8Char {
  char32_t codePoint;
  std::size_t length;  // 0 when the bytes at the position are not valid UTF-8
};

// The character that starts at position (which must be inside bytes).
Utf8Char DecodeUtf8(std::string_view bytes, std::size_t position);
void AppendUtf8(char32_t codePoint, std::string& out);
bool IsUtf8(std::string_view bytes);

}  // namespace vantor

#endif  // VANTOR_TOOL_UTF8_H
