// UTF-8 word lists in and out of the engine's character sets, through the engine's own mapping, so
// every build (the Windows one too) converts the same way and a letter counts as one exactly when
// the set's tables say so.
#include <fstream>

#include "lexicon_compiler.h"
#include "trov_ext.h"
#include "utf8.h"

namespace trov::lexcompile {
namespace {

constexpr std::size_t kExamples = 5;
constexpr int32_t kLetterClass = 0x01;

enum class Fit { kHeld, kMissingCharacter, kNotLetter, kInvalidUtf8 };

// The word in set charSet, or why it cannot be held.
Fit ToSet(const std::string& utf8, int16_t charSet, std::string& out) {
  out.clear();
  Fit fit = Fit::kHeld;
  for (std::size_t position = 0; position < utf8.size();) {
    const vantor::Utf8Char decoded = vantor::DecodeUtf8(utf8, position);
    if (decoded.length == 0) return Fit::kInvalidUtf8;
    position += decoded.length;
    const int32_t byte = TROV_UnicodeToCharSetByteExt(charSet, decoded.codePoint);
    if (byte < 0) {
      fit = Fit::kMissingCharacter;  // reading on: the rest must still be UTF-8
      continue;
    }
    // ASCII marks (apostrophe, hyphen, period) are part of entries as the lists spell them; a
    // character beyond ASCII that the set does not class as a letter would split the word.
    if (byte >= 0x80 &&
        !(TROV_CharSetClassExt(charSet, static_cast<uint8_t>(byte)) & kLetterClass) &&
        fit == Fit::kHeld) {
      fit = Fit::kNotLetter;
    }
    out += static_cast<char>(byte);
  }
  return fit;
}

}  // namespace

bool ReadWordListInSet(const std::string& path, int charSet, std::vector<std::string>& words,
                       SetConversion& conversion, std::string& error) {
  if (TROV_CharSetClassExt(static_cast<int16_t>(charSet), 'a') < 0) {
    error = "no character set " + std::to_string(charSet);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  words.clear();
  conversion = {};
  std::string converted;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    ++conversion.words;
    switch (ToSet(line, static_cast<int16_t>(charSet), converted)) {
      case Fit::kHeld:
        words.push_back(converted);
        continue;
      case Fit::kInvalidUtf8:
        error = path + ":" + std::to_string(lineNumber) + ": not UTF-8";
        return false;
      case Fit::kMissingCharacter:
        ++conversion.missingCharacter;
        break;
      case Fit::kNotLetter:
        ++conversion.notLetter;
        break;
    }
    if (conversion.examples.size() < kExamples) conversion.examples.push_back(line);
  }
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  return true;
}

bool WriteWordListFromSet(const std::string& path, const std::vector<std::string>& words,
                          int charSet, std::string& error) {
  std::string text;
  for (const std::string& word : words) {
    for (const char c : word) {
      const int32_t codePoint =
          TROV_CharSetByteToUnicodeExt(static_cast<int16_t>(charSet), static_cast<uint8_t>(c));
      if (codePoint < 0) {
        error = "a word holds a byte that set " + std::to_string(charSet) + " leaves undefined";
        return false;
      }
      vantor::AppendUtf8(static_cast<char32_t>(codePoint), text);
    }
    text += '\n';
  }
  return WriteFileBytes(path, text, error);
}

}  // namespace trov::lexcompile
