// Byte tables from the Windows code pages: the .exe has no iconv, so it knows the encodings that
// name a single-byte code page ("WINDOWS-n", "CPn", "ISO-8859-n").
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "byte_table.h"

namespace vantor {
namespace {

std::string Upper(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

std::optional<unsigned> NumberAfter(std::string_view name, std::string_view prefix) {
  if (name.substr(0, prefix.size()) != prefix) return std::nullopt;
  const std::string_view digits = name.substr(prefix.size());
  unsigned value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<unsigned> CodePageOf(std::string_view encodingName) {
  const std::string name = Upper(encodingName);
  if (const auto part = NumberAfter(name, "ISO-8859-"); part && *part >= 1 && *part <= 16) {
    return 28590 + *part;
  }
  if (const auto page = NumberAfter(name, "WINDOWS-")) return page;
  if (const auto page = NumberAfter(name, "CP")) return page;
  return std::nullopt;
}

}  // namespace

std::optional<ByteTable> LoadByteTable(std::string_view encodingName) {
  const auto codePage = CodePageOf(encodingName);
  if (!codePage) return std::nullopt;
  CPINFO info;
  if (!GetCPInfo(*codePage, &info) || info.MaxCharSize != 1) return std::nullopt;
  ByteTable table;
  for (int byte = 0; byte < 256; ++byte) {
    const char in = static_cast<char>(byte);
    wchar_t out[2] = {0, 0};
    const int count = MultiByteToWideChar(*codePage, MB_ERR_INVALID_CHARS, &in, 1, out, 2);
    table.toUnicode[static_cast<std::size_t>(byte)] =
        count == 1 ? static_cast<char32_t>(out[0]) : kUndefinedByte;
  }
  IndexByteTable(table);
  return table;
}

}  // namespace vantor
