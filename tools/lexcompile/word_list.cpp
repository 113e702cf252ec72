// Plain word lists in and out of the compiler, with UTF-8 conversion through the platform's
// iconv where it has one (glibc); the Windows build of the tool reads 8-bit lists only.
#include <cerrno>
#include <fstream>
#include <memory>

#include "lexicon_compiler.h"

#if !defined(_WIN32)
#include <iconv.h>
#endif

namespace trov::lexcompile {
namespace {

#if !defined(_WIN32)
class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : handle_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (Valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool Valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // False when text has a character the target set lacks.
  bool Convert(const std::string& text, std::string& out) {
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);  // fresh shift state for every word
    out.assign(text.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    if (iconv(handle_, &in, &inLeft, &to, &toLeft) == static_cast<std::size_t>(-1)) return false;
    out.resize(out.size() - toLeft);
    return true;
  }

 private:
  iconv_t handle_;
};
#endif

// Converts every word between UTF-8 and an 8-bit set; an empty set name leaves them as they are.
bool ConvertAll(std::vector<std::string>& words, const std::string& to, const std::string& from,
                const std::string& setName, std::string& error) {
  if (setName.empty()) return true;
#if defined(_WIN32)
  (void)words;
  (void)to;
  (void)from;
  error = "UTF-8 conversion is not available in this build";
  return false;
#else
  Converter converter(to, from);
  if (!converter.Valid()) {
    error = "unknown character set " + setName;
    return false;
  }
  std::string converted;
  for (std::string& word : words) {
    if (!converter.Convert(word, converted)) {
      error = "'" + word + "' cannot be converted from " + from + " to " + to;
      return false;
    }
    word.swap(converted);
  }
  return true;
#endif
}

}  // namespace

bool CanConvertUtf8() {
#if defined(_WIN32)
  return false;
#else
  return true;
#endif
}

bool ReadWordList(const std::string& path, const std::string& utf8ToCharset,
                  std::vector<std::string>& words, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return false;
  }
  words.clear();
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) words.push_back(std::move(line));
  }
  if (in.bad()) {
    error = "cannot read " + path;
    return false;
  }
  return ConvertAll(words, utf8ToCharset, "UTF-8", utf8ToCharset, error);
}

bool WriteWordList(const std::string& path, const std::vector<std::string>& words,
                   const std::string& charsetToUtf8, std::string& error) {
  std::vector<std::string> converted(words);
  if (!ConvertAll(converted, "UTF-8", charsetToUtf8, charsetToUtf8, error)) return false;
  std::string text;
  for (const std::string& word : converted) text += word + "\n";
  return WriteFileBytes(path, text, error);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace trov::lexcompile
