// Reading an input: a named file, or standard input for "-", whole or piece by piece.
#ifndef VANTOR_TOOL_INPUT_FILE_H
#define VANTOR_TOOL_INPUT_FILE_H

#include <cstdio>
#include <istream>
#include <memory>
#include <string>

namespace vantor {

// The name used in reports for standard input.
inline constexpr char kStandardInputName[] = "<stdin>";

class InputStream {
 public:
  // Opens the input; false with error saying why ("no such file", "is a directory",
  // "cannot open: ...").
  bool Open(const std::string& name, std::istream& standardInput, std::string& error);
  // Up to size bytes into buffer; 0 at the end. False with error ("cannot read: ...") on a
  // read error.
  bool Read(char* buffer, std::size_t size, std::size_t& count, std::string& error);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::istream* standardInput_ = nullptr;
};

// True with bytes filled; false with error saying why.
bool ReadInput(const std::string& name, std::istream& standardInput, std::string& bytes,
               std::string& error);

std::string DisplayName(const std::string& name);

}  // namespace vantor

#endif  // VANTOR_TOOL_INPUT_FILE_H
