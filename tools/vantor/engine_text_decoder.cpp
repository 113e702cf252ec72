#include "engine_text_decoder.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vantor {
namespace {

// The length a UTF-8 sequence announces by its lead byte (0 for a byte no sequence starts with).
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 0;
}

// The length of the run of ASCII bytes other than NUL that bytes begins with, eight at a time.
std::size_t AsciiRun(std::string_view bytes) {
  constexpr uint64_t kHighBits = 0x8080808080808080ull;
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  std::size_t run = 0;
  for (; run + sizeof(uint64_t) <= bytes.size(); run += sizeof(uint64_t)) {
    uint64_t chunk;
    std::memcpy(&chunk, bytes.data() + run, sizeof chunk);
    if ((chunk & kHighBits) != 0 || ((chunk - kOnes) & ~chunk & kHighBits) != 0) break;
  }
  while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) - 1u < 0x7Fu) ++run;
  return run;
}

}  // namespace

EngineTextDecoder::EngineTextDecoder(const TextEncoding& encoding, const EngineCharset& charset)
    : encoding_(encoding), charset_(charset) {
  for (char32_t code = 0; code < asciiToEngine_.size(); ++code) {
    asciiToEngine_[code] = charset_.ToEngine(code);
    asciiUnchanged_ = asciiUnchanged_ && asciiToEngine_[code] == code;
  }
}

EngineTextDecoder::Character EngineTextDecoder::DecodeCharacter(std::string_view bytes,
                                                                std::size_t position) const {
  const auto lead = static_cast<unsigned char>(bytes[position]);
  if (lead == 0) return {Character::Status::kNul, 0, 0};
  if (encoding_.IsUtf8()) {
    if (lead < 0x80) return {Character::Status::kDecoded, asciiToEngine_[lead], 1};
    const std::size_t announced = Utf8SequenceLength(lead);
    if (announced > bytes.size() - position) {
      // Only the bytes present can prove the sequence wrong already.
      bool couldComplete = announced != 0;
      for (std::size_t i = position + 1; i < bytes.size(); ++i) {
        couldComplete = couldComplete && (static_cast<unsigned char>(bytes[i]) & 0xC0) == 0x80;
      }
      if (couldComplete) return {Character::Status::kIncomplete, 0, 0};
    }
  }
  const Utf8Char decoded = encoding_.DecodeAt(bytes, position);
  if (decoded.length == 0) return {Character::Status::kInvalid, 0, 0};
  if (decoded.codePoint == 0) return {Character::Status::kNul, 0, 0};
  return {Character::Status::kDecoded, charset_.ToEngine(decoded.codePoint), decoded.length};
}

bool EngineTextDecoder::Feed(std::string_view piece, std::string& out) {
  if (!error_.empty()) return false;
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_ + std::string(piece);
    piece = joined;
    pending_.clear();
  }
  std::size_t position = 0;
  if (!started_ && encoding_.IsUtf8()) {
    if (piece.size() < kUtf8ByteOrderMark.size() && kUtf8ByteOrderMark.starts_with(piece)) {
      pending_ = piece;  // too short to tell yet
      return true;
    }
    if (piece.starts_with(kUtf8ByteOrderMark)) position = kUtf8ByteOrderMark.size();
  }
  started_ = started_ || !piece.empty();
  // At most one engine byte per source byte: write in place, then trim.
  const std::size_t first = out.size();
  out.resize(first + (piece.size() - position));
  char* const begin = out.data() + first;
  char* end = begin;
  while (position < piece.size()) {
    if (asciiUnchanged_) {  // the common case: runs of ASCII copied as they are
      const std::size_t run = AsciiRun(piece.substr(position));
      std::memcpy(end, piece.data() + position, run);
      end += run;
      position += run;
      if (position == piece.size()) break;
    }
    const auto byte = static_cast<unsigned char>(piece[position]);
    if (byte != 0 && byte < 0x80) {  // ASCII the character set maps, without the general decoding
      *end++ = static_cast<char>(asciiToEngine_[byte]);
      ++position;
      continue;
    }
    const Character character = DecodeCharacter(piece, position);
    if (character.status == Character::Status::kIncomplete) {
      pending_ = piece.substr(position);
      break;
    }
    if (character.status != Character::Status::kDecoded) {
      Count(begin, end);
      out.resize(static_cast<std::size_t>(end - out.data()));
      return Fail(character.status, byte);
    }
    *end++ = static_cast<char>(character.engineByte);
    position += character.length;
  }
  Count(begin, end);
  out.resize(static_cast<std::size_t>(end - out.data()));
  return true;
}

bool EngineTextDecoder::Finish() {
  if (!error_.empty()) return false;
  if (pending_.empty()) return true;
  return Fail(Character::Status::kInvalid, static_cast<unsigned char>(pending_[0]));
}

std::string EngineTextDecoder::ErrorMessage(Character::Status status, unsigned char byte,
                                            std::size_t line, std::size_t column) const {
  const std::string at = "line " + std::to_string(line) + ", column " + std::to_string(column);
  if (status == Character::Status::kNul) return "binary file (NUL character at " + at + ")";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", byte);
  return "invalid " + encoding_.Name() + " (byte " + hex + " at " + at +
         "); use --encoding to name the file's encoding";
}

void EngineTextDecoder::Count(const char* begin, const char* end) {
  const std::string_view text(begin, static_cast<std::size_t>(end - begin));
  const std::size_t lastLineEnd = text.rfind('\n');
  if (lastLineEnd == std::string_view::npos) {
    column_ += text.size();
    return;
  }
  line_ += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  column_ = text.size() - lastLineEnd;
}

bool EngineTextDecoder::Fail(Character::Status status, unsigned char byte) {
  error_ = ErrorMessage(status, byte, line_, column_);
  return false;
}

}  // namespace vantor
