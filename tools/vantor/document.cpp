#include "document.h"

#include <algorithm>
#include <cstdio>

#include "engine_text_decoder.h"

namespace vantor {
std::variant<Document, std::string> Document::Decode(std::string bytes,
                                                     const TextEncoding& encoding,
                                                     const EngineCharset& charset) {
  if (bytes.size() >= UINT32_MAX) return std::string("file too large");
  Document document;
  document.source_ = std::move(bytes);
  const std::string_view source = document.source_;
  std::size_t position = 0;
  if (encoding.IsUtf8() && source.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
    document.prefix_ = kUtf8ByteOrderMark;
    position = kUtf8ByteOrderMark.size();
  }
  document.engineText_.reserve(source.size() - position);
  document.origins_.reserve(source.size() - position);
  const EngineTextDecoder decoder(encoding, charset);
  while (position < source.size()) {
    const auto character = decoder.DecodeCharacter(source, position);
    if (character.status != EngineTextDecoder::Character::Status::kDecoded) {
      document.IndexLines();
      const TextPosition where = document.PositionOf(document.engineText_.size());
      // The whole file is here: a character it ends inside is invalid.
      const auto status = character.status == EngineTextDecoder::Character::Status::kIncomplete
                              ? EngineTextDecoder::Character::Status::kInvalid
                              : character.status;
      return decoder.ErrorMessage(status, static_cast<unsigned char>(source[position]), where.line,
                                  where.column);
    }
    document.engineText_ += static_cast<char>(character.engineByte);
    document.origins_.push_back(
        {static_cast<uint32_t>(position), static_cast<uint32_t>(character.length)});
    position += character.length;
  }
  document.IndexLines();
  document.readEngineText_ = document.engineText_;
  return document;
}

void Document::IndexLines() {
  lineStarts_.assign(1, 0);
  for (std::size_t offset = 0; offset < engineText_.size(); ++offset) {
    if (engineText_[offset] == '\n') lineStarts_.push_back(offset + 1);
  }
}

TextPosition Document::PositionOf(std::size_t engineOffset) const {
  const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), engineOffset);
  const std::size_t line = static_cast<std::size_t>(next - lineStarts_.begin());
  return {line, engineOffset - lineStarts_[line - 1] + 1};
}

std::string_view Document::LineAround(std::size_t engineOffset) const {
  const TextPosition position = PositionOf(engineOffset);
  const std::size_t start = lineStarts_[position.line - 1];
  std::size_t end = engineText_.find('\n', start);
  if (end == std::string::npos) end = engineText_.size();
  if (end > start && engineText_[end - 1] == '\r') --end;
  return std::string_view(engineText_).substr(start, end - start);
}

void Document::UpdateEngineText(std::string newText) {
  const std::string& old = engineText_;
  const std::size_t shorter = std::min(old.size(), newText.size());
  std::size_t head = 0;
  while (head < shorter && old[head] == newText[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         old[old.size() - 1 - tail] == newText[newText.size() - 1 - tail]) {
    ++tail;
  }
  if (head == old.size() && head == newText.size()) return;
  // Inserted characters never include a stand-in (the engine's edits put in words and blanks),
  // so a character matched in the head or tail reads back as the character that was read there.
  std::vector<Origin> origins;
  origins.reserve(newText.size());
  origins.insert(origins.end(), origins_.begin(), origins_.begin() + static_cast<long>(head));
  origins.insert(origins.end(), newText.size() - head - tail, Origin{kNewCharacter, 0});
  origins.insert(origins.end(), origins_.end() - static_cast<long>(tail), origins_.end());
  origins_ = std::move(origins);
  engineText_ = std::move(newText);
  IndexLines();
}

std::variant<std::string, std::string> Document::Serialise(const TextEncoding& encoding,
                                                           const EngineCharset& charset) const {
  std::string out = prefix_;
  out.reserve(source_.size() + 16);
  for (std::size_t offset = 0; offset < engineText_.size(); ++offset) {
    const Origin& origin = origins_[offset];
    if (origin.start != kNewCharacter) {
      out.append(source_, origin.start, origin.length);
      continue;
    }
    const char32_t codePoint = charset.FromEngine(static_cast<unsigned char>(engineText_[offset]));
    if (!encoding.Append(codePoint, out)) {
      char name[16];
      std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
      return std::variant<std::string, std::string>(
          std::in_place_index<1>, std::string("cannot write ") + name + " in " + encoding.Name());
    }
  }
  return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(out));
}

}  // namespace vantor
