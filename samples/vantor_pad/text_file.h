// Text files as the pad reads and writes them: UTF-8, with or without a byte-order mark, or ANSI
// text in code page 1252. On disk every line ends with CR LF.
#ifndef VANTOR_PAD_TEXT_FILE_H
#define VANTOR_PAD_TEXT_FILE_H

#include <string>

namespace pad {

enum class Encoding { kUtf8, kUtf8WithBom, kAnsi };

struct DecodedText {
  std::wstring text;
  Encoding encoding = Encoding::kUtf8;
};

// UTF-8 when the bytes are valid UTF-8 (plain ASCII included), code page 1252 otherwise.
DecodedText DecodeText(const std::string& bytes);

// The bytes to save, line ends turned into CR LF. lossy tells whether a character had no form in
// code page 1252 and became '?'.
std::string EncodeText(const std::wstring& text, Encoding encoding, bool& lossy);

// Whole files; false when the file cannot be read or written.
bool ReadBytes(const std::wstring& path, std::string& bytes);
bool WriteBytes(const std::wstring& path, const std::string& bytes);

}  // namespace pad

#endif  // VANTOR_PAD_TEXT_FILE_H
