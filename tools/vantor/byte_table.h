// Single-byte encodings as 256-entry tables: the engine's ten character sets and the 8-bit input
// encodings the tool reads. The sets come from the engine; how an input encoding's table is
// obtained is the platform's business (iconv natively, the Windows code pages in the .exe);
// everything above this works on the tables alone.
#ifndef VANTOR_TOOL_BYTE_TABLE_H
#define VANTOR_TOOL_BYTE_TABLE_H

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor {

inline constexpr char32_t kUndefinedByte = 0xFFFFFFFF;

struct ByteTable {
  std::array<char32_t, 256> toUnicode{};  // kUndefinedByte where the encoding has none
  std::unordered_map<char32_t, unsigned char> fromUnicode;

  std::optional<unsigned char> Encode(char32_t codePoint) const {
    const auto found = fromUnicode.find(codePoint);
    if (found == fromUnicode.end()) return std::nullopt;
    return found->second;
  }
};

// The table of a single-byte encoding given by name, or nullopt when the platform does not know
// it or it is not single-byte (each of the codes 0x00-0x7F must stand alone as one character).
std::optional<ByteTable> LoadByteTable(std::string_view encodingName);

// The table of the engine's character set 1..10, from the engine's own mapping; nullopt for
// another number.
std::optional<ByteTable> CharacterSetTable(int charSet);

// Fills fromUnicode from toUnicode; a code point that two bytes share keeps the lower byte.
void IndexByteTable(ByteTable& table);

}  // namespace vantor

#endif  // VANTOR_TOOL_BYTE_TABLE_H
