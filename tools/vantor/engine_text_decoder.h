// Text in the user's encoding turned into engine bytes, one engine byte per character, either
// character by character (for documents that keep each character's original bytes) or piece by
// piece as a file is read, so a file of any size can be checked in bounded memory.
#ifndef VANTOR_TOOL_ENGINE_TEXT_DECODER_H
#define VANTOR_TOOL_ENGINE_TEXT_DECODER_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "text_encoding.h"

namespace vantor {

// Kept when writing a file back, never checked.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

class EngineTextDecoder {
 public:
  EngineTextDecoder(const TextEncoding& encoding, const EngineCharset& charset);

  struct Character {
    enum class Status { kDecoded, kIncomplete, kInvalid, kNul } status;
    unsigned char engineByte;
    std::size_t length;  // source bytes of the character (kDecoded only)
  };
  // The character at position (inside bytes). kIncomplete when bytes end inside a character
  // that may still be valid once more bytes arrive.
  Character DecodeCharacter(std::string_view bytes, std::size_t position) const;

  // Appends the engine bytes of the next piece of the input to out; a character cut by the end
  // of the piece waits for the next one, and a UTF-8 byte-order mark at the very start is passed
  // over. Stops with false at the first character that cannot be decoded; Error() says why.
  bool Feed(std::string_view piece, std::string& out);
  // The input has ended: false when it ended inside a character.
  bool Finish();
  const std::string& Error() const { return error_; }

  // The message for a character that cannot be decoded at line/column (both from 1).
  std::string ErrorMessage(Character::Status status, unsigned char byte, std::size_t line,
                           std::size_t column) const;

 private:
  // Moves the message position past the engine bytes just written.
  void Count(const char* begin, const char* end);
  bool Fail(Character::Status status, unsigned char byte);

  const TextEncoding& encoding_;
  const EngineCharset& charset_;
  std::array<unsigned char, 128> asciiToEngine_{};
  bool asciiUnchanged_ = true;  // every ASCII byte is its own engine byte
  std::string pending_;         // the start of a character cut by the end of the last piece
  bool started_ = false;
  std::size_t line_ = 1;  // where the next character goes, for messages
  std::size_t column_ = 1;
  std::string error_;
};

}  // namespace vantor

#endif  // VANTOR_TOOL_ENGINE_TEXT_DECODER_H
