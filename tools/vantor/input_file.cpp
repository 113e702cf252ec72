#include "input_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>
#include <system_error>

namespace vantor {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::string DisplayName(const std::string& name) { return name == "-" ? kStandardInputName : name; }

bool ReadInput(const std::string& name, std::istream& standardInput, std::string& bytes,
               std::string& error) {
  bytes.clear();
  if (name == "-") {
    bytes.assign(std::istreambuf_iterator<char>(standardInput), std::istreambuf_iterator<char>());
    if (standardInput.bad()) {
      error = "cannot read standard input";
      return false;
    }
    return true;
  }
  std::error_code status;
  const auto type = std::filesystem::status(name, status).type();
  if (type == std::filesystem::file_type::not_found) {
    error = "no such file";
    return false;
  }
  if (type == std::filesystem::file_type::directory) {
    error = "is a directory";
    return false;
  }
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
  if (!file) {
    error = std::string("cannot open: ") + std::strerror(errno);
    return false;
  }
  char buffer[65536];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
  if (std::ferror(file.get())) {
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace vantor
