#include "text_file.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace pad {
namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
constexpr UINT kAnsiCodePage = 1252;

// Empty and false when flags reject the bytes (MB_ERR_INVALID_CHARS: not valid in that code page).
bool ToWide(UINT codePage, DWORD flags, const std::string& bytes, std::wstring& wide) {
  wide.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int count = MultiByteToWideChar(codePage, flags, bytes.data(), size, nullptr, 0);
  if (count == 0) return false;
  wide.resize(static_cast<std::size_t>(count));
  MultiByteToWideChar(codePage, flags, bytes.data(), size, wide.data(), count);
  return true;
}

std::string FromWide(UINT codePage, const std::wstring& wide, bool& lossy) {
  lossy = false;
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // UTF-8 accepts neither best-fit mapping nor a default character.
  const bool ansi = codePage != CP_UTF8;
  BOOL usedDefault = FALSE;
  const DWORD flags = ansi ? WC_NO_BEST_FIT_CHARS : 0;
  BOOL* defaulted = ansi ? &usedDefault : nullptr;
  const int count =
      WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, defaulted);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), count, nullptr, defaulted);
  lossy = usedDefault != FALSE;
  return bytes;
}

// A lone CR, a lone LF and a CR LF pair all end a line.
std::wstring WithCrLf(const std::wstring& text) {
  std::wstring out;
  out.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const wchar_t c = text[i];
    if (c != L'\r' && c != L'\n') {
      out.push_back(c);
      continue;
    }
    out += L"\r\n";
    if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
  }
  return out;
}

}  // namespace

DecodedText DecodeText(const std::string& bytes) {
  DecodedText decoded;
  if (bytes.starts_with(kUtf8Bom)) {
    decoded.encoding = Encoding::kUtf8WithBom;
    // Invalid sequences after a byte-order mark become U+FFFD rather than a change of encoding.
    ToWide(CP_UTF8, 0, bytes.substr(3), decoded.text);
    return decoded;
  }
  if (ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, decoded.text)) return decoded;
  decoded.encoding = Encoding::kAnsi;
  ToWide(kAnsiCodePage, 0, bytes, decoded.text);
  return decoded;
}

std::string EncodeText(const std::wstring& text, Encoding encoding, bool& lossy) {
  const std::wstring lines = WithCrLf(text);
  if (encoding == Encoding::kAnsi) return FromWide(kAnsiCodePage, lines, lossy);
  const std::string bytes = FromWide(CP_UTF8, lines, lossy);
  return encoding == Encoding::kUtf8WithBom ? kUtf8Bom + bytes : bytes;
}

bool ReadBytes(const std::wstring& path, std::string& bytes) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

}  // namespace pad
