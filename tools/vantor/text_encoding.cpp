#include "text_encoding.h"

#include <algorithm>
#include <cctype>

namespace vantor {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

bool IsTypographicApostrophe(char32_t codePoint) {
  return codePoint == 0x2019 || codePoint == 0x2018 || codePoint == 0x02BC;
}

std::string Upper(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return result;
}

}  // namespace

std::optional<TextEncoding> TextEncoding::Named(std::string_view name) {
  const std::string upper = Upper(name);
  if (upper == "UTF-8" || upper == "UTF8") return Utf8();
  auto table = LoadByteTable(name);
  if (!table) return std::nullopt;
  return TextEncoding(std::string(name), std::move(table));
}

Utf8Char TextEncoding::DecodeAt(std::string_view bytes, std::size_t position) const {
  if (!table_) return DecodeUtf8(bytes, position);
  const char32_t codePoint = table_->toUnicode[static_cast<unsigned char>(bytes[position])];
  if (codePoint == kUndefinedByte) return {0, 0};
  return {codePoint, 1};
}

bool TextEncoding::Append(char32_t codePoint, std::string& out) const {
  if (!table_) {
    AppendUtf8(codePoint, out);
    return true;
  }
  const auto byte = table_->Encode(codePoint);
  if (!byte) return false;
  out += static_cast<char>(*byte);
  return true;
}

std::string TextEncoding::ToUtf8(std::string_view bytes) const {
  std::string out;
  for (std::size_t position = 0; position < bytes.size();) {
    const Utf8Char decoded = DecodeAt(bytes, position);
    AppendUtf8(decoded.length == 0 ? kReplacementCharacter : decoded.codePoint, out);
    position += decoded.length == 0 ? 1 : decoded.length;
  }
  return out;
}

std::optional<EngineCharset> EngineCharset::ForSet(int charSet) {
  auto table = CharacterSetTable(charSet);
  if (!table) return std::nullopt;
  return EngineCharset(charSet, std::move(*table));
}

std::optional<unsigned char> EngineCharset::ToEngineExact(char32_t codePoint) const {
  return table_.Encode(codePoint);
}

unsigned char EngineCharset::ToEngine(char32_t codePoint) const {
  // Dictionaries spell contractions with the ASCII apostrophe; the original character is kept
  // for writing back.
  if (IsTypographicApostrophe(codePoint)) return '\'';
  if (const auto byte = table_.Encode(codePoint)) return *byte;
  return kStandIn;
}

char32_t EngineCharset::FromEngine(unsigned char byte) const {
  const char32_t codePoint = table_.toUnicode[byte];
  return codePoint == kUndefinedByte ? kReplacementCharacter : codePoint;
}

std::string EngineCharset::ToUtf8(std::string_view engineText) const {
  std::string out;
  out.reserve(engineText.size());
  for (const char byte : engineText) AppendUtf8(FromEngine(static_cast<unsigned char>(byte)), out);
  return out;
}

std::string EngineCharset::ToEncoding(std::string_view engineText,
                                      const TextEncoding& encoding) const {
  std::string out;
  out.reserve(engineText.size());
  for (const char byte : engineText) {
    if (!encoding.Append(FromEngine(static_cast<unsigned char>(byte)), out)) out += '?';
  }
  return out;
}

std::optional<std::string> EngineCharset::FromEncoding(std::string_view text,
                                                       const TextEncoding& encoding) const {
  std::string out;
  for (std::size_t position = 0; position < text.size();) {
    const Utf8Char decoded = encoding.DecodeAt(text, position);
    if (decoded.length == 0) return std::nullopt;
    const auto byte = ToEngineExact(decoded.codePoint);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
    position += decoded.length;
  }
  return out;
}

}  // namespace vantor
