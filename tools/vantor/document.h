// A text file as the engine sees it: one engine byte per character, so engine offsets are
// character positions. For writing back, every character keeps the bytes it was read from;
// only characters the engine text replaced are encoded anew.
#ifndef VANTOR_TOOL_DOCUMENT_H
#define VANTOR_TOOL_DOCUMENT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "text_encoding.h"

namespace vantor {

struct TextPosition {
  std::size_t line;    // from 1
  std::size_t column;  // in characters, from 1
};

class Document {
 public:
  // The document, or the reason it cannot be checked (invalid text, a NUL character).
  static std::variant<Document, std::string> Decode(std::string bytes, const TextEncoding& encoding,
                                                    const EngineCharset& charset);

  const std::string& EngineText() const { return engineText_; }
  TextPosition PositionOf(std::size_t engineOffset) const;
  // The line (without its end) that holds the offset, as engine text.
  std::string_view LineAround(std::size_t engineOffset) const;

  // Takes an edited engine text. Characters of the common head and tail keep their original
  // bytes; the rest count as new.
  void UpdateEngineText(std::string newText);
  // Whether the text differs from what was read (changes that were undone do not count).
  bool Changed() const { return engineText_ != readEngineText_; }
  // The file's bytes: originals where kept, new characters encoded;
  // an error text when a new character cannot be written in the encoding.
  std::variant<std::string, std::string> Serialise(const TextEncoding& encoding,
                                                   const EngineCharset& charset) const;

 private:
  struct Origin {
    uint32_t start;  // in source_; kNewCharacter for characters the engine text put in
    uint32_t length;
  };
  static constexpr uint32_t kNewCharacter = UINT32_MAX;

  void IndexLines();

  std::string source_;
  std::string prefix_;  // a byte-order mark, kept but not checked
  std::string engineText_;
  std::string readEngineText_;           // the engine text as decoded
  std::vector<Origin> origins_;          // one per engine byte
  std::vector<std::size_t> lineStarts_;  // engine offsets where lines begin
};

}  // namespace vantor

#endif  // VANTOR_TOOL_DOCUMENT_H
