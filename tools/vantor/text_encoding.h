// The two sides of every conversion the tool makes: the encoding of the user's text (UTF-8 or a
// single-byte encoding) and the engine's selected 8-bit character set.
#ifndef VANTOR_TOOL_TEXT_ENCODING_H
#define VANTOR_TOOL_TEXT_ENCODING_H

#include <optional>
#include <string>
#include <string_view>

#include "byte_table.h"
#include "utf8.h"

namespace vantor {

// The encoding of files, standard input and output.
class TextEncoding {
 public:
  // UTF-8 for "UTF-8"/"UTF8" in any case, else a single-byte encoding the platform knows.
  static std::optional<TextEncoding> Named(std::string_view name);
  static TextEncoding Utf8() { return TextEncoding("UTF-8"); }

  const std::string& Name() const { return name_; }
  bool IsUtf8() const { return !table_; }
  // The character at position (inside bytes); length 0 when the bytes there are invalid.
  Utf8Char DecodeAt(std::string_view bytes, std::size_t position) const;
  // False, with out unchanged, when the encoding cannot hold the character.
  bool Append(char32_t codePoint, std::string& out) const;
  // The whole of bytes decoded and re-encoded as UTF-8, invalid bytes as U+FFFD.
  std::string ToUtf8(std::string_view bytes) const;

 private:
  explicit TextEncoding(std::string name, std::optional<ByteTable> table = std::nullopt)
      : name_(std::move(name)), table_(std::move(table)) {}
  std::string name_;
  std::optional<ByteTable> table_;  // none for UTF-8
};

// The engine's selected character set. Every character maps to one byte, so engine offsets are
// character positions; a character the set cannot hold becomes a stand-in byte that never joins
// words. Typographic apostrophes become the ASCII one, which the dictionaries' contractions use.
class EngineCharset {
 public:
  static constexpr unsigned char kStandIn = 0x1A;  // class 0 in every set: separates words

  static std::optional<EngineCharset> ForSet(int charSet);

  int Set() const { return set_; }
  unsigned char ToEngine(char32_t codePoint) const;
  // Exact only: nullopt when the set cannot hold the character.
  std::optional<unsigned char> ToEngineExact(char32_t codePoint) const;
  // U+FFFD for the codes the set leaves undefined.
  char32_t FromEngine(unsigned char byte) const;
  // Engine text as UTF-8 or as the given encoding (characters it cannot hold become '?').
  std::string ToUtf8(std::string_view engineText) const;
  std::string ToEncoding(std::string_view engineText, const TextEncoding& encoding) const;
  // Text in the given encoding as engine bytes; nullopt when it is not valid in that encoding or
  // holds a character the set cannot represent.
  std::optional<std::string> FromEncoding(std::string_view text,
                                          const TextEncoding& encoding) const;

 private:
  EngineCharset(int set, ByteTable table) : set_(set), table_(std::move(table)) {}
  int set_;
  ByteTable table_;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_TEXT_ENCODING_H
