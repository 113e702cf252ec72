// The platform-independent part of the byte tables.
#include "byte_table.h"

namespace vantor {

std::string CharacterSetEncodingName(int charSet) {
  if (charSet == 1) return "WINDOWS-1252";
  return "ISO-8859-" + std::to_string(charSet);
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
