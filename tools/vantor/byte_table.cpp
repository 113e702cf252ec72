// The platform-independent part of the byte tables.
#include "byte_table.h"

#include "trov_ext.h"

namespace vantor {

std::optional<ByteTable> CharacterSetTable(int charSet) {
  if (charSet < 1 || charSet > 10) return std::nullopt;
  ByteTable table;
  for (int byte = 0; byte < 256; ++byte) {
    const int32_t codePoint =
        TROV_CharSetByteToUnicodeExt(static_cast<int16_t>(charSet), static_cast<uint8_t>(byte));
    table.toUnicode[static_cast<std::size_t>(byte)] =
        codePoint < 0 ? kUndefinedByte : static_cast<char32_t>(codePoint);
  }
  IndexByteTable(table);
  return table;
}

void IndexByteTable(ByteTable& table) {
  table.fromUnicode.clear();
  for (int byte = 255; byte >= 0; --byte) {
    const char32_t codePoint = table.toUnicode[static_cast<std::size_t>(byte)];
    if (codePoint != kUndefinedByte) {
      table.fromUnicode[codePoint] = static_cast<unsigned char>(byte);
    }
  }
}

}  // namespace vantor
